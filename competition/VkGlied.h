// Statistics per organisation: how many participants an organisation sent,
// its medals, its points in the trophy ranking and the sum of its totals,
// and the list of all organisations with five sort orders and the
// fixed-width lines of the statistics report.
//
// `TGliederung` holds its 99-byte stored record whole (item marker 1002 of
// the result file), so the 38 reserved bytes and the bytes behind the length
// of each text come back unchanged on the next store. Every field is read and
// written at its offset.
//
// `TGliederungsListe` owns its items (they must come from `new`). It is not
// kept current: the competition rebuilds it from its age classes whenever a
// report, an export or the statistics dialog needs it. Before an age class
// is counted the caller sets the trophy pending flag of every item to 1 and
// starts the trophy rank at 1. After changing the sort mode the caller
// re-sorts with `Sort` and renumbers with `AssignPlaces`.
//
// Counters saturate instead of wrapping: the i16 counts at 32767, the place
// sum at 65535, the i32 sums at their limits.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "VkTeiln.h"
#include "YrCollection.h"
#include "YrStream.h"

constexpr size_t kGliederungSize = 99;
// Item marker of an organisation in the result file.
constexpr uint16_t kGliederungMarker = 1002;

// The abbreviations the participant and the merge dialogs offer for an
// organisation: the regional associations and a few bodies that send teams
// of their own (UTF-8 as the source spells them; a participant stores its
// code in the DOS code page). Any other code of up to five characters is as
// good.
inline constexpr std::string_view kOrganisationAbbreviations[] = {
    "BA", "BY", "BE", "BB", "HB", "HH",   "HE", "MV",  "NI",  "NR",  "RP",   "SAR",  "SN",
    "ST", "SH", "TH", "WF", "WÜ", "DLRG", "WW", "DRK", "ASB", "DSV", "VDST", "GAST",
};

class TGliederung : public TYrObject {
 public:
  using Bytes = std::array<uint8_t, kGliederungSize>;

  static constexpr size_t kAbkCap = 5;
  static constexpr size_t kNameCap = 30;

  // Init: all 99 bytes zero.
  TGliederung();
  // InitCopy: the source's 99 bytes.
  TGliederung(const TGliederung& source) = default;
  TGliederung& operator=(const TGliederung& source) = default;
  // InitLoad: Init, then the 99 bytes from the stream. The caller tests the
  // stream's status; after a short read the bytes not read stay zero.
  explicit TGliederung(TYrStream& stream);
  ~TGliederung() override = default;

  void Store(TYrStream& stream) const;

  const Bytes& Record() const { return bytes_; }
  void SetRecord(const Bytes& bytes) { bytes_ = bytes; }

  // Texts in the DOS code page, cut to their capacity on write.
  std::string Abk() const;
  void SetAbk(const std::string& s);
  std::string Name() const;
  void SetName(const std::string& s);

  int16_t Participants() const;
  void SetParticipants(int16_t v);
  int16_t Gold() const;
  void SetGold(int16_t v);
  int16_t Silver() const;
  void SetSilver(int16_t v);
  int16_t Bronze() const;
  void SetBronze(int16_t v);
  int16_t Place() const;
  void SetPlace(int16_t v);
  int16_t TrophyPoints() const;  // column "QPK"
  void SetTrophyPoints(int16_t v);
  // Non-zero while the organisation has not yet earned trophy points in the
  // age class being counted.
  uint16_t TrophyPending() const;
  void SetTrophyPending(uint16_t v);
  uint16_t PlaceSum() const;
  void SetPlaceSum(uint16_t v);
  int32_t Total() const;  // whole points
  void SetTotal(int32_t v);
  int32_t PenaltySum() const;
  void SetPenaltySum(int32_t v);

  // Clears every counter except the place sum; texts and reserved bytes stay.
  void Reset();

  // Counts one participant of this organisation. Every participant raises
  // the participant count; only a counted one (complete and not out of
  // competition) adds its place, medal, total and deductions and, while the
  // pending flag is set, takes the trophy points of `trophyRank` and moves
  // the rank on. `trophyRank` is the age class's running rank, starting at 1.
  void Add(const TTeilnehmer& participant, uint16_t& trophyRank);

  // Trophy points of a rank: 30, 28, 26, then 25 down to 1 for ranks 4..28,
  // 0 from 29 on (and for 0).
  static int16_t TrophyPointsOfRank(uint16_t rank);

 private:
  Bytes bytes_;
};

class TGliederungsListe : public TYrSortedCollection {
 public:
  // Sort modes.
  static constexpr uint8_t kByAbk = 0;       // abbreviation, ascending
  static constexpr uint8_t kByMedals = 1;    // gold, silver, bronze, descending
  static constexpr uint8_t kByCount = 2;     // participants, descending
  static constexpr uint8_t kByTotal = 3;     // total, descending
  static constexpr uint8_t kByTrophy = 4;    // trophy points, descending

  // Init: empty, limit 20, delta 5, Duplicates true, sort mode 0.
  TGliederungsListe();
  // InitCopy: the source's limit, delta and sort mode, Duplicates true, and a
  // copy of every item in the source's order.
  TGliederungsListe(const TGliederungsListe& source);
  TGliederungsListe& operator=(const TGliederungsListe&) = delete;

  using TYrCollection::At;
  TGliederung* At(int index) const { return TYrCollection::At<TGliederung>(index); }

  // Modes other than 0..4 compare all items equal.
  uint8_t SortMode() const { return sortMode_; }
  void SetSortMode(uint8_t mode) { sortMode_ = mode; }

  int Compare(const TYrObject* key1, const TYrObject* key2) const override;

  // Index of the first item whose abbreviation equals `abk` exactly (same
  // length and bytes); -1 when none.
  int IndexOfAbk(const std::string& abk) const;
  // Counts the participant into the item of its `Gliederung`, creating the
  // item (abbreviation and name from that text, trophy pending 1) when it is
  // missing. A participant without `Gliederung` is counted nowhere; one whose
  // organisation cannot be created because the list is full is not counted.
  void AddParticipant(const TTeilnehmer& participant, uint16_t& trophyRank);
  // `Reset` on every item.
  void ResetAll();
  // Disposes every item without participants.
  void RemoveEmpty();
  // Numbers the places in the current order: equal neighbours (by the
  // current mode) share a place, the next different item gets its position.
  void AssignPlaces();

  // Index 0 gives the heading of `mode`, index i >= 1 the line of item i-1;
  // lines are exactly as wide as their heading. Mode 2 and unknown modes give
  // "?"; an index beyond the items gives an empty text.
  std::string ReportLine(uint8_t mode, int index) const;
  std::string ReportLineOwnMode(int index) const { return ReportLine(sortMode_, index); }

  // Count, limit, delta, every item behind its marker, the Duplicates byte.
  // Write errors are left in the stream.
  void Store(TYrStream& stream) const;
  // Replaces the items by those read. Stops quietly, keeping what was read
  // and without sorting, at a wrong or unreadable marker, at a list head or
  // item that cannot be read whole, and after kMaxCollectionSize items; then
  // returns false. Otherwise reads the trailing byte, sets sort mode 0 and
  // sorts, and returns true. A stored delta that cannot grow the list (0, or
  // above 32767) is taken as 10.
  bool Load(TYrStream& stream);

 private:
  uint8_t sortMode_ = kByAbk;
};
