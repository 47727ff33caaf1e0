#include "VkRekord.h"
#include "YrText.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "StoredList.h"

// ---------------------------------------------------------------------------
// TRekordEintrag

TRekordEintrag::TRekordEintrag() = default;

TRekordEintrag::TRekordEintrag(const std::string& key, uint8_t code, const Block& block)
    : key_(key.substr(0, kKeyCap)), code_(code), block_(block) {}

// ---------------------------------------------------------------------------
// TRekordListe

TRekordListe::TRekordListe() : TYrSortedCollection(100, 10) { SetDuplicates(true); }

TRekordListe::TRekordListe(const TRekordListe& source) : TYrSortedCollection(source.GetLimit(), source.GetDelta()) {
  SetDuplicates(source.GetDuplicates());
  // Appended in the source's order: a sorted insertion would reverse equal
  // entries, and without Duplicates could refuse one.
  source.ForEach(
      [this](TYrObject* item) { AtInsert(GetCount(), new TRekordEintrag(*static_cast<TRekordEintrag*>(item))); });
}

int TRekordListe::Compare(const TYrObject* key1, const TYrObject* key2) const {
  const auto& a = *static_cast<const TRekordEintrag*>(key1);
  const auto& b = *static_cast<const TRekordEintrag*>(key2);
  const int c = CompareBytes(a.Key(), b.Key());
  if (c != 0) return c < 0 ? 1 : -1;
  return a.Code() > b.Code() ? -1 : (a.Code() < b.Code() ? 1 : 0);
}

// ---------------------------------------------------------------------------
// TOrganEintrag

TOrganEintrag::TOrganEintrag() { bytes_.fill(0); }

TOrganEintrag::TOrganEintrag(TYrStream& stream) : TOrganEintrag() {
  stream.Read(bytes_.data(), kOrganEintragSize);
}

void TOrganEintrag::Store(TYrStream& stream) const { stream.Write(bytes_.data(), kOrganEintragSize); }

// ---------------------------------------------------------------------------
// TOrganListe

TOrganListe::TOrganListe() : TYrSortedCollection(20, 5) {}

TOrganListe::TOrganListe(const TOrganListe& source) : TYrSortedCollection(source.GetLimit(), source.GetDelta()) {
  source.ForEach(
      [this](TYrObject* item) { Add(std::make_unique<TOrganEintrag>(*static_cast<TOrganEintrag*>(item))); });
}

TOrganListe::TOrganListe(TYrStream& stream) : TOrganListe() { Load(stream); }

int TOrganListe::Compare(const TYrObject* key1, const TYrObject* key2) const {
  const uint64_t a = static_cast<const TOrganEintrag*>(key1)->order_;
  const uint64_t b = static_cast<const TOrganEintrag*>(key2)->order_;
  return a < b ? -1 : (a > b ? 1 : 0);
}

void TOrganListe::Insert(TYrObject* item) {
  // The entries have no key of their own; numbering them as they come keeps
  // the order read through searches and sorts, and no two ever compare equal.
  static_cast<TOrganEintrag*>(item)->order_ = ++nextOrder_;
  TYrSortedCollection::Insert(item);
}

void TOrganListe::Store(TYrStream& stream) const {
  WriteStoredList(
      stream, *this, kOrganMarker,
      [&stream](const TYrObject& item) { static_cast<const TOrganEintrag&>(item).Store(stream); }, GetDuplicates());
}

bool TOrganListe::Load(TYrStream& stream) {
  // A fresh list (Init), so that a head that cannot be read leaves nothing
  // of the previous contents behind, not even their limit and delta.
  FreeAll();
  SetLimit(20);
  SetDelta(5);
  SetDuplicates(false);
  return ReadStoredItems<TOrganEintrag>(stream, *this, kOrganMarker).Complete();
}
