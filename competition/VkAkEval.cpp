// Evaluation of an age class: discipline places, points and totals, overall
// places with ties and out-of-competition participants, the display order
// and this competition's bests.

#include <algorithm>
#include <functional>
#include <limits>

#include "ByteOrder.h"
#include "MessageOnce.h"
#include "VkAltersk.h"
#include "VkPunkte.h"
#include "VkTeilnListe.h"

namespace {

constexpr int kSlots = TAltersklasse::kMaxDisciplines;

// The name rule of the participant lists, read straight from the record so
// that sorting thousands of participants allocates nothing. Names are read
// with the team capacity, which covers the individual layout.
int CompareNames(const TTeilnehmer& a, const TTeilnehmer& b) {
  const uint8_t* pa = a.Record().data();
  const uint8_t* pb = b.Record().data();
  const size_t la = std::min<size_t>(pa[0], TTeilnehmer::kNameTeamCap);
  const size_t lb = std::min<size_t>(pb[0], TTeilnehmer::kNameTeamCap);
  const size_t n = std::min(la, lb);
  for (size_t i = 1; i <= n; ++i)
    if (pa[i] != pb[i]) return pa[i] < pb[i] ? -1 : 1;
  if (la == lb) return 0;
  return la < lb ? -1 : 1;
}

int CompareTotalsDescending(const TTeilnehmer& a, const TTeilnehmer& b) {
  const int64_t ta = a.Total();
  const int64_t tb = b.Total();
  if (ta == tb) return 0;
  return ta > tb ? -1 : 1;
}

bool OutOfCompetition(const TTeilnehmer& t) { return t.Flag(TTeilnehmer::kAusserKonkurrenz); }

// Status codes that void the whole total: not started without scoring and
// excluded; in the CPR value the same codes times 100.
bool VoidsTotal(int16_t deduction) { return deduction == -2 || deduction == -4; }
bool CprVoidsTotal(int32_t cpr) { return cpr == -200 || cpr == -400; }

}  // namespace

void TAltersklasse::Evaluate() {
  TMessageOnce once;
  const int count = DisciplineCount();
  if (Counted() == 0) SetCounted(static_cast<uint16_t>(count));
  const Disciplines discs = AllDisciplines();

  // Rank on the current results: the points of the last evaluation would
  // leave the places one change behind.
  for (int i = 0; i < GetCount(); ++i) {
    TTeilnehmer& t = *At(i);
    for (int d = 1; d <= count; ++d)
      t.SetPoints(d, CalcPoints(t.Time(d), t.Deduction(d), t.DisciplinePlace(d), discs[d - 1]));
  }
  const uint16_t flags = Flags();
  for (int d = 1; d <= count; ++d) RankDisciplineWith(d, flags);

  const std::string name = Name();
  for (int i = 0; i < GetCount(); ++i) CalcTotalWith(*At(i), discs, name);
  Rank();
}

void TAltersklasse::RankDiscipline(int d) { RankDisciplineWith(d, Flags()); }

void TAltersklasse::RankDisciplineWith(int d, uint16_t flags) {
  const bool needsCpr = (flags & kPlacesNeedCpr) != 0;
  TTeilnehmerListe list(false);
  list.SetLimit(GetCount());
  for (int i = 0; i < GetCount(); ++i) list.AtInsert(i, At(i));
  list.SetSortMode(needsCpr ? TTeilnehmerListe::kByPointsWithCpr : TTeilnehmerListe::kByPoints);
  list.SetDiscipline(static_cast<int16_t>(d));
  list.Sort();

  int counter = 1;
  int position = 1;
  int previousPlace = 1;
  int64_t previousKey = 0;
  for (int i = 0; i < list.GetCount(); ++i) {
    TTeilnehmer& t = *list.At(i);
    int place = counter;
    const int64_t key = needsCpr && t.CprValue() < 1 ? 0 : t.Points(d);
    if (key == previousKey) place = previousPlace;
    if (key == 0) place = 0;
    previousKey = key;
    previousPlace = place;
    if (OutOfCompetition(t))
      place = position;
    else
      ++counter;
    ++position;
    t.SetDisciplinePlace(d, static_cast<int16_t>(place));
  }
}

void TAltersklasse::CalcTotal(TTeilnehmer& participant) {
  TMessageOnce once;
  CalcTotalWith(participant, AllDisciplines(), Name());
}

void TAltersklasse::CalcTotalWith(TTeilnehmer& t, const Disciplines& discs, const std::string& name) const {
  t.SetAltersklasse(name);
  t.SetFlag(TTeilnehmer::kWeiblich, IsFemale());
  t.SetDisplayOption(displayOption_);

  bool valid = true;
  std::array<int32_t, kSlots> points;
  for (int d = 1; d <= kSlots; ++d) {
    const int16_t deduction = t.Deduction(d);
    points[d - 1] = CalcPoints(t.Time(d), deduction, t.DisciplinePlace(d), discs[d - 1]);
    t.SetPoints(d, points[d - 1]);
    if (VoidsTotal(deduction)) valid = false;
  }
  t.RankDisciplines();

  // Six points and a CPR value can pass 32 bits together.
  int64_t total = 0;
  const int counted = Counted();
  if (counted < DisciplineCount()) {
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

void TAltersklasse::Rank() {
  TMessageOnce once;
  rankingOrder_ = true;
  Sort();

  int counter = 1;
  int position = 1;
  int previousPlace = 1;
  int64_t previousTotal = 0;
  for (int i = 0; i < GetCount(); ++i) {
    TTeilnehmer& t = *At(i);
    int place = counter;
    const int64_t total = t.Total();
    if (total == previousTotal) place = previousPlace;
    previousTotal = total;
    previousPlace = place;
    if (OutOfCompetition(t))
      place = position;
    else
      ++counter;
    ++position;
    t.SetPlace(static_cast<uint16_t>(place));
  }

  rankingOrder_ = false;
  Sort();
  UpdateBests();
}

int TAltersklasse::Compare(const TYrObject* key1, const TYrObject* key2) const {
  const auto& a = *static_cast<const TTeilnehmer*>(key1);
  const auto& b = *static_cast<const TTeilnehmer*>(key2);
  const uint16_t flags = rankingOrder_ ? 0 : Flags();

  if (flags & kAlphabetical) {
    const int c = CompareNames(a, b);
    return c != 0 ? c : CompareTotalsDescending(a, b);
  }

  int c = CompareTotalsDescending(a, b);
  if (c == 0) {
    // Among totals of 0, a participant who started nowhere goes last.
    const bool emptyA = a.Total() == 0 && a.IsEmpty(false);
    const bool emptyB = b.Total() == 0 && b.IsEmpty(false);
    c = emptyA != emptyB ? (emptyA ? 1 : -1) : CompareNames(a, b);
  }
  if (flags & kQualifiedFirst) {
    const bool qa = a.Flag(TTeilnehmer::kDirektQualifiziert);
    const bool qb = b.Flag(TTeilnehmer::kDirektQualifiziert);
    if (qa != qb) return qa ? -1 : 1;
  }
  return c;
}

void TAltersklasse::UpdateBests() {
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
  // Points of the best so far; the best starts as time 0, which scores 0.
  std::array<int32_t, kSlots> bestPoints{};
  int32_t bestTotal = 0;
  for (int i = 0; i < GetCount(); ++i) {
    const TTeilnehmer& t = *At(i);
    if (OutOfCompetition(t)) continue;
    for (int d = 1; d <= count; ++d) {
      const int16_t deduction = t.Deduction(d);
      if (deduction < 0) continue;
      const int32_t p = CalcPoints(t.Time(d), deduction, 0, discs[d - 1]);
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
