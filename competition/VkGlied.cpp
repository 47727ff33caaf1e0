#include "VkGlied.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "ByteOrder.h"
#include "StoredList.h"
#include "YrText.h"

namespace {

// Offsets of the stored record.
constexpr size_t kOffAbk = 0;
constexpr size_t kOffName = 6;
constexpr size_t kOffParticipants = 37;
constexpr size_t kOffGold = 39;
constexpr size_t kOffSilver = 41;
constexpr size_t kOffBronze = 43;
constexpr size_t kOffPlace = 45;
constexpr size_t kOffTrophyPoints = 47;
constexpr size_t kOffTrophyPending = 49;
constexpr size_t kOffPlaceSum = 51;
constexpr size_t kOffTotal = 53;
constexpr size_t kOffPenaltySum = 57;
// 61..98 reserved.

int16_t SatI16(int64_t v) { return static_cast<int16_t>(std::clamp<int64_t>(v, INT16_MIN, INT16_MAX)); }
uint16_t SatU16(int64_t v) { return static_cast<uint16_t>(std::clamp<int64_t>(v, 0, UINT16_MAX)); }
int32_t SatI32(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// Hundredths of a point to whole points, halves to the even neighbour.
int64_t RoundHundredths(int32_t v) {
  int64_t q = v / 100;
  const int64_t r = v % 100;  // same sign as v
  if (r > 50 || (r == 50 && q % 2 != 0)) ++q;
  if (r < -50 || (r == -50 && q % 2 != 0)) --q;
  return q;
}

// -1 when a should come first in a descending order.
int Descending(int64_t a, int64_t b) { return a > b ? -1 : (a < b ? 1 : 0); }

// total / participants, two decimals with a decimal point, at least 7 wide;
// exact integer arithmetic, halves away from zero.
std::string AverageText(int32_t total, int16_t participants) {
  if (participants == 0) return "      -";
  int64_t n = static_cast<int64_t>(total) * 100;
  int64_t p = participants;
  if (p < 0) {
    n = -n;
    p = -p;
  }
  const bool negative = n < 0;
  const int64_t a = negative ? -n : n;
  int64_t q = a / p;
  if (2 * (a % p) >= p) ++q;
  const int64_t frac = q % 100;
  std::string s = (negative && q != 0 ? "-" : "") + IntToStr(q / 100) + "." + (frac < 10 ? "0" : "") + IntToStr(frac);
  return s.size() < 7 ? std::string(7 - s.size(), ' ') + s : s;
}

std::string Num(int64_t v, int width) { return PadLeft(IntToStr(v), width); }

}  // namespace

// ---------------------------------------------------------------------------
// TGliederung

TGliederung::TGliederung() { bytes_.fill(0); }

TGliederung::TGliederung(TYrStream& stream) : TGliederung() { stream.Read(bytes_.data(), kGliederungSize); }

void TGliederung::Store(TYrStream& stream) const { stream.Write(bytes_.data(), kGliederungSize); }

std::string TGliederung::Abk() const { return le::GetStr(bytes_.data(), kOffAbk, kAbkCap); }
void TGliederung::SetAbk(const std::string& s) { le::PutStr(bytes_.data(), kOffAbk, kAbkCap, s); }
std::string TGliederung::Name() const { return le::GetStr(bytes_.data(), kOffName, kNameCap); }
void TGliederung::SetName(const std::string& s) { le::PutStr(bytes_.data(), kOffName, kNameCap, s); }

int16_t TGliederung::Participants() const { return le::GetI16(bytes_.data(), kOffParticipants); }
void TGliederung::SetParticipants(int16_t v) { le::PutI16(bytes_.data(), kOffParticipants, v); }
int16_t TGliederung::Gold() const { return le::GetI16(bytes_.data(), kOffGold); }
void TGliederung::SetGold(int16_t v) { le::PutI16(bytes_.data(), kOffGold, v); }
int16_t TGliederung::Silver() const { return le::GetI16(bytes_.data(), kOffSilver); }
void TGliederung::SetSilver(int16_t v) { le::PutI16(bytes_.data(), kOffSilver, v); }
int16_t TGliederung::Bronze() const { return le::GetI16(bytes_.data(), kOffBronze); }
void TGliederung::SetBronze(int16_t v) { le::PutI16(bytes_.data(), kOffBronze, v); }
int16_t TGliederung::Place() const { return le::GetI16(bytes_.data(), kOffPlace); }
void TGliederung::SetPlace(int16_t v) { le::PutI16(bytes_.data(), kOffPlace, v); }
int16_t TGliederung::TrophyPoints() const { return le::GetI16(bytes_.data(), kOffTrophyPoints); }
void TGliederung::SetTrophyPoints(int16_t v) { le::PutI16(bytes_.data(), kOffTrophyPoints, v); }
uint16_t TGliederung::TrophyPending() const { return le::GetU16(bytes_.data(), kOffTrophyPending); }
void TGliederung::SetTrophyPending(uint16_t v) { le::PutU16(bytes_.data(), kOffTrophyPending, v); }
uint16_t TGliederung::PlaceSum() const { return le::GetU16(bytes_.data(), kOffPlaceSum); }
void TGliederung::SetPlaceSum(uint16_t v) { le::PutU16(bytes_.data(), kOffPlaceSum, v); }
int32_t TGliederung::Total() const { return le::GetI32(bytes_.data(), kOffTotal); }
void TGliederung::SetTotal(int32_t v) { le::PutI32(bytes_.data(), kOffTotal, v); }
int32_t TGliederung::PenaltySum() const { return le::GetI32(bytes_.data(), kOffPenaltySum); }
void TGliederung::SetPenaltySum(int32_t v) { le::PutI32(bytes_.data(), kOffPenaltySum, v); }

void TGliederung::Reset() {
  SetParticipants(0);
  SetGold(0);
  SetSilver(0);
  SetBronze(0);
  SetPlace(0);
  SetTrophyPoints(0);
  SetTrophyPending(0);
  SetTotal(0);
  SetPenaltySum(0);
}

int16_t TGliederung::TrophyPointsOfRank(uint16_t rank) {
  switch (rank) {
    case 0: return 0;
    case 1: return 30;
    case 2: return 28;
    case 3: return 26;
    default: return rank <= 28 ? static_cast<int16_t>(29 - rank) : 0;
  }
}

void TGliederung::Add(const TTeilnehmer& participant, uint16_t& trophyRank) {
  SetParticipants(SatI16(int64_t{Participants()} + 1));
  if (!participant.IsComplete() || participant.Flag(TTeilnehmer::kAusserKonkurrenz)) return;

  const uint16_t place = participant.Place();
  SetPlaceSum(SatU16(int64_t{PlaceSum()} + place));
  if (place == 1) SetGold(SatI16(int64_t{Gold()} + 1));
  if (place == 2) SetSilver(SatI16(int64_t{Silver()} + 1));
  if (place == 3) SetBronze(SatI16(int64_t{Bronze()} + 1));

  if (TrophyPending() != 0) {
    SetTrophyPoints(SatI16(int64_t{TrophyPoints()} + TrophyPointsOfRank(trophyRank)));
    SetTrophyPending(0);
    if (trophyRank < UINT16_MAX) ++trophyRank;
  }

  SetTotal(SatI32(Total() + RoundHundredths(participant.Total())));

  int64_t penalty = PenaltySum();
  for (int d = 1; d <= 6; ++d)
    if (participant.Deduction(d) > 0) penalty += participant.Deduction(d);
  SetPenaltySum(SatI32(penalty));
}

// ---------------------------------------------------------------------------
// TGliederungsListe

TGliederungsListe::TGliederungsListe() : TYrSortedCollection(20, 5) { SetDuplicates(true); }

TGliederungsListe::TGliederungsListe(const TGliederungsListe& source)
    : TYrSortedCollection(source.GetLimit(), source.GetDelta()), sortMode_(source.sortMode_) {
  SetDuplicates(true);
  // Appended in the source's order, so that equal items keep their order
  // (a sorted insertion would put each before its equals and reverse them).
  source.ForEach([this](TYrObject* item) { AtInsert(GetCount(), new TGliederung(*static_cast<TGliederung*>(item))); });
}

int TGliederungsListe::Compare(const TYrObject* key1, const TYrObject* key2) const {
  const auto& a = *static_cast<const TGliederung*>(key1);
  const auto& b = *static_cast<const TGliederung*>(key2);
  switch (sortMode_) {
    case kByAbk:
      return CompareBytes(a.Abk(), b.Abk());
    case kByMedals:
      if (int c = Descending(a.Gold(), b.Gold())) return c;
      if (int c = Descending(a.Silver(), b.Silver())) return c;
      return Descending(a.Bronze(), b.Bronze());
    case kByCount:
      return Descending(a.Participants(), b.Participants());
    case kByTotal:
      return Descending(a.Total(), b.Total());
    case kByTrophy:
      return Descending(a.TrophyPoints(), b.TrophyPoints());
    default:
      return 0;
  }
}

int TGliederungsListe::IndexOfAbk(const std::string& abk) const {
  for (int i = 0; i < GetCount(); ++i)
    if (At(i)->Abk() == abk) return i;
  return -1;
}

void TGliederungsListe::AddParticipant(const TTeilnehmer& participant, uint16_t& trophyRank) {
  const std::string abk = participant.Gliederung();
  if (abk.empty()) return;
  TGliederung* g = nullptr;
  const int i = IndexOfAbk(abk);
  if (i >= 0) {
    g = At(i);
  } else {
    // A full list cannot take another item; inserting would end the program.
    if (GetCount() >= kMaxCollectionSize) return;
    auto fresh = std::make_unique<TGliederung>();
    fresh->SetAbk(abk);
    fresh->SetName(abk);
    fresh->SetTrophyPending(1);
    g = Add(std::move(fresh));
  }
  if (g != nullptr) g->Add(participant, trophyRank);
}

void TGliederungsListe::ResetAll() {
  ForEach([](TYrObject* item) { static_cast<TGliederung*>(item)->Reset(); });
}

void TGliederungsListe::RemoveEmpty() {
  for (int i = GetCount() - 1; i >= 0; --i)
    if (At(i)->Participants() == 0) AtFree(i);
}

void TGliederungsListe::AssignPlaces() {
  for (int i = 0; i < GetCount(); ++i) {
    TGliederung* g = At(i);
    if (i == 0 || Compare(At(i - 1), g) != 0)
      g->SetPlace(static_cast<int16_t>(i + 1));
    else
      g->SetPlace(At(i - 1)->Place());
  }
}

std::string TGliederungsListe::ReportLine(uint8_t mode, int index) const {
  if (index < 0 || index > GetCount()) return "";
  const std::string name = PadRight("Gliederung", 30);
  if (index == 0) {
    switch (mode) {
      case 0: return "Nr. Abk.  " + name + "  TN GesamtP";
      case 1: return "Pl. Abk.   TN  Go  Si  Br " + name + " GesamtP QPK";
      case 3: return "Pl. GesamtP Abk.  " + name + "  TN DPunkte";
      case 4: return "Pl. QPK Abk.  " + name + "  TN";
      default: return "?";
    }
  }
  const TGliederung& g = *At(index - 1);
  const std::string place = Num(g.Place(), 3) + " ";
  const std::string abk = PadRight(g.Abk(), 5) + " ";
  const std::string gname = PadRight(g.Name(), 30) + " ";
  switch (mode) {
    case 0:
      return place + abk + gname + Num(g.Participants(), 3) + " " + Num(g.Total(), 7);
    case 1:
      return place + abk + Num(g.Participants(), 3) + " " + Num(g.Gold(), 3) + " " + Num(g.Silver(), 3) + " " +
             Num(g.Bronze(), 3) + " " + gname + Num(g.Total(), 7) + " " + Num(g.TrophyPoints(), 3);
    case 3:
      return place + Num(g.Total(), 7) + " " + abk + gname + Num(g.Participants(), 3) + " " +
             AverageText(g.Total(), g.Participants());
    case 4:
      return place + Num(g.TrophyPoints(), 3) + " " + abk + gname + Num(g.Participants(), 3);
    default:
      return "?";
  }
}

void TGliederungsListe::Store(TYrStream& stream) const {
  WriteStoredList(
      stream, *this, kGliederungMarker,
      [&stream](const TYrObject& item) { static_cast<const TGliederung&>(item).Store(stream); }, GetDuplicates());
}

bool TGliederungsListe::Load(TYrStream& stream) {
  FreeAll();
  SetDuplicates(true);
  const StoredListRead read = ReadStoredItems<TGliederung>(stream, *this, kGliederungMarker);
  if (!read.Complete()) return false;
  sortMode_ = kByAbk;
  Sort();
  return true;
}
