// Evaluation of an age class: discipline places, points and totals, overall
// places with ties and out-of-competition participants, the display order
// and this competition's bests.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <vector>

#include "ByteOrder.h"
#include "CollectionSort.h"
#include "MessageOnce.h"
#include "VkAltersk.h"
#include "VkBasis.h"
#include "VkPunkte.h"

namespace {

constexpr int kSlots = TAltersklasse::kMaxDisciplines;

// A participant's `Name` as stored: length byte and 30 bytes, read with the
// team capacity, which covers the individual layout.
using NameKey = std::array<uint8_t, TTeilnehmer::kNameTeamCap + 1>;

NameKey NameOf(const TTeilnehmer& t) {
  NameKey k;
  std::copy_n(t.Record().begin(), k.size(), k.begin());
  k[0] = static_cast<uint8_t>(std::min<size_t>(k[0], TTeilnehmer::kNameTeamCap));
  return k;
}

// The name rule of the participant lists: unsigned bytes, a prefix first.
int CompareNames(const NameKey& a, const NameKey& b) {
  const int c = std::memcmp(a.data() + 1, b.data() + 1, std::min(a[0], b[0]));
  if (c != 0) return c < 0 ? -1 : 1;
  if (a[0] == b[0]) return 0;
  return a[0] < b[0] ? -1 : 1;
}

bool OutOfCompetition(const TTeilnehmer& t) { return t.Flag(TTeilnehmer::kAusserKonkurrenz); }

// Status codes that void the whole total, in a deduction and in the CPR value.
bool VoidsTotal(int16_t deduction) {
  return deduction == Status::kNotStartedVoid || deduction == Status::kExcluded;
}
bool CprVoidsTotal(int32_t cpr) { return cpr == Status::kCprNotStartedVoid || cpr == Status::kCprExcluded; }

// Kinds whose points depend on the discipline place (the user formula may
// read it); every other kind scores a result the same at any place.
bool PointsDependOnPlace(const TDisziplin& d) { return d.Kind() == kKindUserFormula || d.Kind() == kKindPerPlace; }

// The participants in the class's order with what the orders look at that
// does not change while a class is evaluated. Sorting entries that refer to
// it by index keeps thousands of comparisons inside a small array instead of
// reaching into a large record each time; names are compared once, up front,
// and replaced by their rank in name order (equal names, equal rank).
struct Snapshot {
  std::vector<TTeilnehmer*> items;
  std::vector<uint32_t> nameRank;
  std::vector<uint8_t> outside;  // out of competition
  std::vector<int32_t> places;   // scratch: place by index
};

Snapshot Take(const TAltersklasse& ak) {
  Snapshot s;
  const size_t n = static_cast<size_t>(ak.GetCount());
  s.items.resize(n);
  s.nameRank.resize(n);
  s.outside.resize(n);
  s.places.resize(n);
  std::vector<NameKey> names(n);
  std::vector<uint32_t> byName(n);
  for (size_t i = 0; i < n; ++i) {
    TTeilnehmer* t = ak.At(static_cast<int>(i));
    s.items[i] = t;
    names[i] = NameOf(*t);
    s.outside[i] = OutOfCompetition(*t);
    byName[i] = static_cast<uint32_t>(i);
  }
  std::sort(byName.begin(), byName.end(),
            [&names](uint32_t a, uint32_t b) { return CompareNames(names[a], names[b]) < 0; });
  uint32_t rank = 0;
  for (size_t k = 0; k < n; ++k) {
    if (k > 0 && CompareNames(names[byName[k - 1]], names[byName[k]]) != 0) ++rank;
    s.nameRank[byName[k]] = rank;
  }
  return s;
}

// Places with ties (1, 2, 2, 4): equal keys share the place of the first;
// an out-of-competition participant takes its position and does not move the
// counter. `order` holds the entries in ranking order, each with its `key`
// and `index`; `zeroIsNoPlace` gives a key of 0 the place 0 (disciplines).
template <class Order>
void AssignPlaces(Snapshot& s, const std::vector<Order>& order, bool zeroIsNoPlace) {
  int counter = 1;
  int position = 1;
  int previousPlace = 1;
  int64_t previousKey = 0;
  for (const Order& e : order) {
    int place = counter;
    if (e.key == previousKey) place = previousPlace;
    if (zeroIsNoPlace && e.key == 0) place = 0;
    previousKey = e.key;
    previousPlace = place;
    if (s.outside[e.index])
      place = position;
    else
      ++counter;
    ++position;
    s.places[e.index] = place;
  }
}

// An entry of the per-discipline ranking list: points descending, ties by
// name, as the participant list's sort modes 3 and 8 order it, folded into
// one number (`order`) so that a comparison is one integer comparison.
struct DisciplineEntry {
  uint64_t order;
  int64_t key;  // the points that decide the place
  uint32_t index;
};

int CompareOrder(const DisciplineEntry& a, const DisciplineEntry& b) {
  return a.order == b.order ? 0 : (a.order < b.order ? -1 : 1);
}

// The ranking list of a discipline is a participant list filled by its
// sorted insertion, one participant after the other in the class's current
// order, and then quick-sorted. Its insertion puts a participant before all
// that compare equal, which is what a stable sort of the class order
// reversed gives; the quick sort then moves equal entries as it does on that
// list. Which of several tied participants comes first decides the place of
// an out-of-competition one among them.
void PlaceDiscipline(Snapshot& s, int d, bool needsCpr) {
  const size_t n = s.items.size();
  std::vector<DisciplineEntry> list(n);
  for (size_t i = 0; i < n; ++i) {
    const TTeilnehmer& t = *s.items[i];
    const int32_t points = needsCpr && t.CprValue() < 1 ? 0 : t.Points(d);
    const auto descending = static_cast<uint32_t>(int64_t{INT32_MAX} - points);
    list[n - 1 - i] = DisciplineEntry{uint64_t{descending} << 32 | s.nameRank[i], points, static_cast<uint32_t>(i)};
  }
  std::stable_sort(list.begin(), list.end(),
                   [](const DisciplineEntry& a, const DisciplineEntry& b) { return a.order < b.order; });
  CollectionSort(list, CompareOrder);
  AssignPlaces(s, list, true);
  for (size_t i = 0; i < n; ++i) s.items[i]->SetDisciplinePlace(d, static_cast<int16_t>(s.places[i]));
}

// What the ranking and display order looks at.
struct RankEntry {
  int64_t key;  // total
  uint32_t index;
  bool empty;      // total 0 and started nowhere
  bool qualified;  // directly qualified
};

RankEntry RankEntryOf(const TTeilnehmer& t, uint32_t index) {
  return RankEntry{t.Total(), index, t.IsEmpty(false), t.Flag(TTeilnehmer::kDirektQualifiziert)};
}

// `byName()` compares the two names; it is asked only when needed.
template <class ByName>
int CompareRanking(const RankEntry& a, const RankEntry& b, uint16_t flags, const ByName& byName) {
  const int byTotal = a.key == b.key ? 0 : (a.key > b.key ? -1 : 1);
  if (flags & TAltersklasse::kAlphabetical) {
    const int c = byName();
    return c != 0 ? c : byTotal;
  }
  int c = byTotal;
  if (c == 0) c = a.empty != b.empty ? (a.empty ? 1 : -1) : byName();
  if ((flags & TAltersklasse::kQualifiedFirst) && a.qualified != b.qualified) return a.qualified ? -1 : 1;
  return c;
}

// Overall places in the pure ranking order, then the display order.
void PlaceAndOrder(TAltersklasse& ak, Snapshot& s) {
  std::vector<RankEntry> order(s.items.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = RankEntryOf(*s.items[i], static_cast<uint32_t>(i));
  auto sortBy = [&](uint16_t flags) {
    CollectionSort(order, [&s, flags](const RankEntry& a, const RankEntry& b) {
      return CompareRanking(a, b, flags, [&] {
        const uint32_t ra = s.nameRank[a.index];
        const uint32_t rb = s.nameRank[b.index];
        return ra == rb ? 0 : (ra < rb ? -1 : 1);
      });
    });
  };
  sortBy(0);
  AssignPlaces(s, order, false);
  for (size_t i = 0; i < order.size(); ++i) s.items[i]->SetPlace(static_cast<uint16_t>(s.places[i]));
  sortBy(ak.Flags());
  for (size_t i = 0; i < order.size(); ++i) ak.AtPut(static_cast<int>(i), s.items[order[i].index]);
}

}  // namespace

void TAltersklasse::Evaluate() {
  TMessageOnce once;
  const int count = DisciplineCount();
  if (Counted() == 0) SetCounted(static_cast<uint16_t>(count));
  const Disciplines discs = AllDisciplines();
  Snapshot s = Take(*this);

  // Rank on the current results: the points of the last evaluation would
  // leave the places one change behind.
  for (TTeilnehmer* t : s.items)
    for (int d = 1; d <= count; ++d)
      t->SetPoints(d, CalcPoints(t->Time(d), t->Deduction(d), t->DisciplinePlace(d), discs[d - 1]));
  const bool needsCpr = (Flags() & kPlacesNeedCpr) != 0;
  for (int d = 1; d <= count; ++d) PlaceDiscipline(s, d, needsCpr);

  // Points that do not depend on the new places are already current.
  std::array<bool, kSlots> current{};
  for (int d = 1; d <= count; ++d) current[d - 1] = !PointsDependOnPlace(discs[d - 1]);
  const std::string name = Name();
  for (TTeilnehmer* t : s.items) CalcTotalWith(*t, discs, name, current);
  PlaceAndOrder(*this, s);
  UpdateBestsWith(true);
}

void TAltersklasse::RankDiscipline(int d) {
  if (d < 1 || d > kMaxDisciplines) return;
  Snapshot s = Take(*this);
  PlaceDiscipline(s, d, (Flags() & kPlacesNeedCpr) != 0);
}

void TAltersklasse::Rank() {
  TMessageOnce once;
  Snapshot s = Take(*this);
  PlaceAndOrder(*this, s);
  UpdateBestsWith(false);
}

int TAltersklasse::Compare(const TYrObject* key1, const TYrObject* key2) const {
  const auto& a = *static_cast<const TTeilnehmer*>(key1);
  const auto& b = *static_cast<const TTeilnehmer*>(key2);
  return CompareRanking(RankEntryOf(a, 0), RankEntryOf(b, 0), Flags(),
                        [&a, &b] { return CompareNames(NameOf(a), NameOf(b)); });
}

void TAltersklasse::CalcTotal(TTeilnehmer& participant) {
  TMessageOnce once;
  CalcTotalWith(participant, AllDisciplines(), Name(), {});
}

void TAltersklasse::CalcTotalWith(TTeilnehmer& t, const Disciplines& discs, const std::string& name,
                                  const std::array<bool, 6>& pointsCurrent) const {
  t.SetAltersklasse(name);
  t.SetFlag(TTeilnehmer::kWeiblich, IsFemale());
  t.SetDisplayOption(displayOption_);

  bool valid = true;
  std::array<int32_t, kSlots> points;
  const int count = DisciplineCount();
  for (int d = 1; d <= kSlots; ++d) {
    const int16_t deduction = t.Deduction(d);
    if (d > count) {
      // A slot the class does not hold scores nothing: a time left there (an
      // older file, a class given fewer disciplines) is not a result, and its
      // empty discipline must not report a formula error at every change.
      points[d - 1] = 0;
      t.SetPoints(d, 0);
    } else if (pointsCurrent[d - 1]) {
      points[d - 1] = t.Points(d);
    } else {
      points[d - 1] = CalcPoints(t.Time(d), deduction, t.DisciplinePlace(d), discs[d - 1]);
      t.SetPoints(d, points[d - 1]);
    }
    if (VoidsTotal(deduction)) valid = false;
  }
  t.RankDisciplines();

  // Six points and a CPR value can pass 32 bits together.
  int64_t total = 0;
  // A counted-disciplines field of 0 means all: it is only filled in by the
  // next evaluation, and a participant inserted before that would otherwise
  // total 0.
  const int counted = Counted();
  if (counted != 0 && counted < DisciplineCount()) {
    std::sort(points.begin(), points.end(), std::greater<int32_t>());
    for (int k = 0; k < counted; ++k) total += points[k];
  } else {
    for (int32_t p : points) total += p;
  }
  const int32_t cpr = t.CprValue();
  if (cpr >= 0)
    total += cpr;
  else if (CprVoidsTotal(cpr))
    valid = false;
  if (!valid) total = 0;
  t.SetTotal(static_cast<int32_t>(std::min<int64_t>(total, std::numeric_limits<int32_t>::max())));
}

void TAltersklasse::UpdateBests() { UpdateBestsWith(false); }

void TAltersklasse::UpdateBestsWith(bool pointsCurrent) {
  TMessageOnce once;
  // Only the computed bests are cleared. Clearing the whole block whenever
  // disciplines 1 and 2 had no previous-years time also wiped the records the
  // user had entered for disciplines 3 to 6 and the previous best total.
  uint8_t* rek = rec_.data() + kOffRekorde;
  for (int d = 0; d < kSlots; ++d) {
    uint8_t* e = rek + d * TRekord::kSize;
    le::PutI32(e, TRekord::kOffBestTime, 0);
    le::PutU16(e, TRekord::kOffBestDeduction, 0);
    le::PutU16(e, TRekord::kOffNumber, 0);
    e[TRekord::kOffText] = 0;
    e[TRekord::kOffReserved] = 0;
  }
  uint8_t* overall = rec_.data() + kOffOverall;
  le::PutI32(overall, TOverallRecord::kOffBestTotal, 0);
  le::PutU16(overall, TOverallRecord::kOffNumber, 0);
  overall[TOverallRecord::kOffText] = 0;
  overall[TOverallRecord::kOffReserved] = 0;

  const int count = DisciplineCount();
  const Disciplines discs = AllDisciplines();
  // Right after an evaluation the points of kinds that ignore the place are
  // the ones asked for here.
  std::array<bool, kSlots> reuse{};
  for (int d = 1; d <= count; ++d) reuse[d - 1] = pointsCurrent && !PointsDependOnPlace(discs[d - 1]);
  // Points of the best so far; the best starts as time 0, which scores 0.
  std::array<int32_t, kSlots> bestPoints{};
  int32_t bestTotal = 0;
  for (int i = 0; i < GetCount(); ++i) {
    const TTeilnehmer& t = *At(i);
    if (OutOfCompetition(t)) continue;
    for (int d = 1; d <= count; ++d) {
      const int16_t deduction = t.Deduction(d);
      if (deduction < 0) continue;
      const int32_t p = reuse[d - 1] ? t.Points(d) : CalcPoints(t.Time(d), deduction, 0, discs[d - 1]);
      // On equal points the later participant wins.
      if (p >= bestPoints[d - 1]) {
        bestPoints[d - 1] = p;
        uint8_t* e = rek + (d - 1) * TRekord::kSize;
        le::PutI32(e, TRekord::kOffBestTime, t.Time(d));
        le::PutU16(e, TRekord::kOffBestDeduction, static_cast<uint16_t>(deduction));
      }
    }
    if (t.Total() >= bestTotal) bestTotal = t.Total();
  }
  le::PutI32(overall, TOverallRecord::kOffBestTotal, bestTotal);
}
