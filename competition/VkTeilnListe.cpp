#include "VkTeilnListe.h"
#include "YrText.h"

#include <algorithm>
#include <string>

TTeilnehmerListe::TTeilnehmerListe(bool owning) : TYrSortedCollection(15, 5), owning_(owning) {
  SetDuplicates(true);
}

TTeilnehmerListe::~TTeilnehmerListe() {
  // The base destructor would free through its own FreeItem, which deletes.
  if (owning_)
    FreeAll();
  else
    DeleteAll();
}

void TTeilnehmerListe::FreeItem(TYrObject* item) {
  if (owning_) TYrSortedCollection::FreeItem(item);
}

int TTeilnehmerListe::CompareNames(const TTeilnehmer& a, const TTeilnehmer& b) {
  return CompareBytes(a.Name(false), b.Name(false));
}

int64_t TTeilnehmerListe::Key(const TTeilnehmer& t, bool& descending) const {
  descending = false;
  switch (sortMode_) {
    case kByTotal:
    case kByTotal4:
    case kByTotal5:
      descending = true;
      return t.Total();
    case kByHeatLane:
      return int64_t{t.Heat(discipline_)} * 10 + t.Lane(discipline_);
    case kByPoints:
      descending = true;
      return t.Points(discipline_);
    case kByCprSlot:
      return int64_t{t.CprTime()} * 10 + t.CprStation();
    case kByPointsWithCpr:
      descending = true;
      return t.CprValue() < 1 ? 0 : t.Points(discipline_);
    default:
      return 0;
  }
}

int TTeilnehmerListe::Compare(const TYrObject* key1, const TYrObject* key2) const {
  const auto& a = *static_cast<const TTeilnehmer*>(key1);
  const auto& b = *static_cast<const TTeilnehmer*>(key2);
  bool descending;
  const int64_t ka = Key(a, descending);
  const int64_t kb = Key(b, descending);
  if (ka != kb) {
    const bool before = descending ? ka > kb : ka < kb;
    return before ? -1 : 1;
  }
  return CompareNames(a, b);
}
