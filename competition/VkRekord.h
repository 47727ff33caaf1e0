// The two further lists a competition owns beside its age classes and its
// organisation statistics. No operation of the program fills or interprets
// them; they are kept so that what a file holds survives loading, copying
// and saving.
//
// `TRekordListe`: record entries (a key text, one byte, a 90-byte record
// block of one discipline in the age class's layout), created empty, copied
// with the competition and never stored.
//
// `TOrganListe`: entries of 361 bytes whose meaning is not known, read from
// and written to the result file behind item marker 1005. They have no order
// key, so the list keeps them in the order they were inserted (read); each
// entry is given back byte for byte.
//
// Both lists own their entries (they must come from `new`).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "YrCollection.h"
#include "YrStream.h"

class TRekordEintrag : public TYrObject {
 public:
  static constexpr size_t kKeyCap = 30;
  static constexpr size_t kBlockSize = 90;
  using Block = std::array<uint8_t, kBlockSize>;

  // Empty key, byte 0, block zero.
  TRekordEintrag();
  // The key is cut to 30 characters.
  TRekordEintrag(const std::string& key, uint8_t code, const Block& block);
  // InitCopy.
  TRekordEintrag(const TRekordEintrag& source) = default;
  TRekordEintrag& operator=(const TRekordEintrag& source) = default;
  ~TRekordEintrag() override = default;

  const std::string& Key() const { return key_; }
  uint8_t Code() const { return code_; }
  const Block& Rekord() const { return block_; }

 private:
  std::string key_;  // DOS code page, at most kKeyCap characters
  uint8_t code_ = 0;
  Block block_{};
};

class TRekordListe : public TYrSortedCollection {
 public:
  // Init: empty, limit 100, delta 10, Duplicates true.
  TRekordListe();
  // InitCopy: the source's limit, delta and Duplicates, a copy of every
  // entry in the source's order.
  TRekordListe(const TRekordListe& source);
  TRekordListe& operator=(const TRekordListe&) = delete;

  using TYrCollection::At;
  TRekordEintrag* At(int index) const { return TYrCollection::At<TRekordEintrag>(index); }

  // Key descending by unsigned bytes (a prefix after the longer text), then
  // the byte descending.
  int Compare(const TYrObject* key1, const TYrObject* key2) const override;
};

constexpr size_t kOrganEintragSize = 361;
// Item marker of an organ entry in the result file.
constexpr uint16_t kOrganMarker = 1005;

class TOrganEintrag : public TYrObject {
 public:
  using Bytes = std::array<uint8_t, kOrganEintragSize>;

  // Init: 361 bytes zero.
  TOrganEintrag();
  // InitCopy: the source's bytes.
  TOrganEintrag(const TOrganEintrag& source) = default;
  TOrganEintrag& operator=(const TOrganEintrag& source) = default;
  // InitLoad: Init, then 361 bytes from the stream; the caller tests the
  // stream's status.
  explicit TOrganEintrag(TYrStream& stream);
  ~TOrganEintrag() override = default;

  void Store(TYrStream& stream) const;

  const Bytes& Record() const { return bytes_; }
  void SetRecord(const Bytes& bytes) { bytes_ = bytes; }

 private:
  friend class TOrganListe;

  Bytes bytes_;
  uint64_t order_ = 0;  // position of insertion into its list; not stored
};

class TOrganListe : public TYrSortedCollection {
 public:
  // Init: empty, limit 20, delta 5, Duplicates false.
  TOrganListe();
  // InitCopy: the source's limit and delta, a copy of every entry in the
  // source's order.
  TOrganListe(const TOrganListe& source);
  TOrganListe& operator=(const TOrganListe&) = delete;
  // InitLoad: Init, then Load.
  explicit TOrganListe(TYrStream& stream);

  using TYrCollection::At;
  TOrganEintrag* At(int index) const { return TYrCollection::At<TOrganEintrag>(index); }

  // Insertion order: a new entry goes behind every entry held, and `Sort`
  // leaves the order as it is. Every entry is kept, whatever Duplicates says.
  int Compare(const TYrObject* key1, const TYrObject* key2) const override;
  void Insert(TYrObject* item) override;

  // Count, limit, delta, every entry behind its marker, the Duplicates byte.
  void Store(TYrStream& stream) const;
  // InitLoad on this list: Init (limit 20, delta 5, no entries), then the
  // entries read, in the order read. Stops quietly,
  // keeping what was read, at a wrong or unreadable marker, at a list head
  // or entry that cannot be read whole, and after kMaxCollectionSize
  // entries; then returns false. Otherwise reads the trailing byte and
  // returns true. Duplicates is false afterwards; a stored delta that cannot
  // grow the list (0, or above 32767) is taken as 10.
  bool Load(TYrStream& stream);

 private:
  uint64_t nextOrder_ = 0;
};
