#include "VkTeiln.h"

#include <algorithm>

#include "ByteOrder.h"
#include "VkBasis.h"
#include "VkSpalten.h"

namespace {

// Offsets of the stored record.
constexpr size_t kOffName = 0;
constexpr size_t kOffVorname = 21;
constexpr size_t kOffGeburtsdatum = 42;
constexpr size_t kOffZusatz = 31;
constexpr size_t kOffGliederung = 53;
constexpr size_t kOffAltersklasse = 59;
constexpr size_t kOffFlags = 90;
constexpr size_t kOffTime = 92;        // i32[6]
constexpr size_t kOffDeduction = 116;  // i16[6]
constexpr size_t kOffHeat = 128;       // i16[6]
constexpr size_t kOffLane = 140;       // i16[6]
constexpr size_t kOffCprValue = 152;
constexpr size_t kOffCprTime = 156;
constexpr size_t kOffCprStation = 158;
constexpr size_t kOffCprHeat = 160;
constexpr size_t kOffPoints = 164;     // i32[6]
constexpr size_t kOffTotal = 188;
constexpr size_t kOffPlace = 192;
constexpr size_t kOffDiscPlace = 194;  // i16[6]
constexpr size_t kOffDiscRank = 230;   // u16[6]

constexpr int kDisciplines = 6;

bool ValidDiscipline(int d) { return d >= 1 && d <= kDisciplines; }

bool IsNotStarted(int32_t code) { return code == Status::kNotStartedVoid || code == Status::kNotStarted; }
bool IsCprNotStarted(int32_t v) { return v == Status::kCprNotStartedVoid || v == Status::kCprNotStarted; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

TTeilnehmer::TTeilnehmer() {
  bytes_.fill(0);
  SetFlags(kMeldet);
}

TTeilnehmer::TTeilnehmer(TYrStream& stream) : TTeilnehmer() { Load(stream); }

void TTeilnehmer::Load(TYrStream& stream) { stream.Read(bytes_.data(), kTeilnehmerSize); }

void TTeilnehmer::Store(TYrStream& stream) const { stream.Write(bytes_.data(), kTeilnehmerSize); }

// --- texts

std::string TTeilnehmer::Name(bool individual) const {
  return le::GetStr(bytes_.data(), kOffName, individual ? kNameIndividualCap : kNameTeamCap);
}
void TTeilnehmer::SetName(bool individual, const std::string& s) {
  le::PutStr(bytes_.data(), kOffName, individual ? kNameIndividualCap : kNameTeamCap, s);
}
std::string TTeilnehmer::Vorname() const { return le::GetStr(bytes_.data(), kOffVorname, kVornameCap); }
void TTeilnehmer::SetVorname(const std::string& s) { le::PutStr(bytes_.data(), kOffVorname, kVornameCap, s); }
std::string TTeilnehmer::Geburtsdatum() const {
  return le::GetStr(bytes_.data(), kOffGeburtsdatum, kGeburtsdatumCap);
}
void TTeilnehmer::SetGeburtsdatum(const std::string& s) {
  le::PutStr(bytes_.data(), kOffGeburtsdatum, kGeburtsdatumCap, s);
}
std::string TTeilnehmer::Zusatz() const { return le::GetStr(bytes_.data(), kOffZusatz, kZusatzCap); }
void TTeilnehmer::SetZusatz(const std::string& s) { le::PutStr(bytes_.data(), kOffZusatz, kZusatzCap, s); }
std::string TTeilnehmer::Gliederung() const { return le::GetStr(bytes_.data(), kOffGliederung, kGliederungCap); }
void TTeilnehmer::SetGliederung(const std::string& s) {
  le::PutStr(bytes_.data(), kOffGliederung, kGliederungCap, s);
}
std::string TTeilnehmer::Altersklasse() const {
  return le::GetStr(bytes_.data(), kOffAltersklasse, kAltersklasseCap);
}
void TTeilnehmer::SetAltersklasse(const std::string& s) {
  le::PutStr(bytes_.data(), kOffAltersklasse, kAltersklasseCap, s);
}

// --- flags

uint16_t TTeilnehmer::Flags() const { return le::GetU16(bytes_.data(), kOffFlags); }
void TTeilnehmer::SetFlags(uint16_t flags) { le::PutU16(bytes_.data(), kOffFlags, flags); }
void TTeilnehmer::SetFlag(uint16_t bit, bool on) {
  SetFlags(static_cast<uint16_t>(on ? (Flags() | bit) : (Flags() & ~bit)));
}

// --- disciplines

// Element d (1..6) of an array field; outside 1..6 reads 0 and writes nothing.
int32_t TTeilnehmer::GetArrayI32(size_t off, int d) const {
  return ValidDiscipline(d) ? le::GetI32(bytes_.data(), off + 4 * (d - 1)) : 0;
}
void TTeilnehmer::PutArrayI32(size_t off, int d, int32_t v) {
  if (ValidDiscipline(d)) le::PutI32(bytes_.data(), off + 4 * (d - 1), v);
}
uint16_t TTeilnehmer::GetArrayU16(size_t off, int d) const {
  return ValidDiscipline(d) ? le::GetU16(bytes_.data(), off + 2 * (d - 1)) : 0;
}
void TTeilnehmer::PutArrayU16(size_t off, int d, uint16_t v) {
  if (ValidDiscipline(d)) le::PutU16(bytes_.data(), off + 2 * (d - 1), v);
}

int32_t TTeilnehmer::Time(int d) const { return GetArrayI32(kOffTime, d); }
void TTeilnehmer::SetTime(int d, int32_t t) { PutArrayI32(kOffTime, d, t); }
int32_t TTeilnehmer::Points(int d) const { return GetArrayI32(kOffPoints, d); }
void TTeilnehmer::SetPoints(int d, int32_t p) { PutArrayI32(kOffPoints, d, p); }
int16_t TTeilnehmer::Deduction(int d) const { return static_cast<int16_t>(GetArrayU16(kOffDeduction, d)); }
void TTeilnehmer::SetDeduction(int d, int16_t v) { PutArrayU16(kOffDeduction, d, static_cast<uint16_t>(v)); }
int16_t TTeilnehmer::Heat(int d) const { return static_cast<int16_t>(GetArrayU16(kOffHeat, d)); }
void TTeilnehmer::SetHeat(int d, int16_t v) { PutArrayU16(kOffHeat, d, static_cast<uint16_t>(v)); }
int16_t TTeilnehmer::Lane(int d) const { return static_cast<int16_t>(GetArrayU16(kOffLane, d)); }
void TTeilnehmer::SetLane(int d, int16_t v) { PutArrayU16(kOffLane, d, static_cast<uint16_t>(v)); }
int16_t TTeilnehmer::DisciplinePlace(int d) const { return static_cast<int16_t>(GetArrayU16(kOffDiscPlace, d)); }
void TTeilnehmer::SetDisciplinePlace(int d, int16_t v) { PutArrayU16(kOffDiscPlace, d, static_cast<uint16_t>(v)); }
uint16_t TTeilnehmer::DisciplineRank(int d) const { return GetArrayU16(kOffDiscRank, d); }
void TTeilnehmer::SetDisciplineRank(int d, uint16_t v) { PutArrayU16(kOffDiscRank, d, v); }

// --- CPR and overall

int32_t TTeilnehmer::CprValue() const { return le::GetI32(bytes_.data(), kOffCprValue); }
void TTeilnehmer::SetCprValue(int32_t v) { le::PutI32(bytes_.data(), kOffCprValue, v); }
int16_t TTeilnehmer::CprTime() const { return le::GetI16(bytes_.data(), kOffCprTime); }
void TTeilnehmer::SetCprTime(int16_t v) { le::PutI16(bytes_.data(), kOffCprTime, v); }
int16_t TTeilnehmer::CprStation() const { return le::GetI16(bytes_.data(), kOffCprStation); }
void TTeilnehmer::SetCprStation(int16_t v) { le::PutI16(bytes_.data(), kOffCprStation, v); }
int16_t TTeilnehmer::CprHeat() const { return le::GetI16(bytes_.data(), kOffCprHeat); }
void TTeilnehmer::SetCprHeat(int16_t v) { le::PutI16(bytes_.data(), kOffCprHeat, v); }
int32_t TTeilnehmer::Total() const { return le::GetI32(bytes_.data(), kOffTotal); }
void TTeilnehmer::SetTotal(int32_t v) { le::PutI32(bytes_.data(), kOffTotal, v); }
uint16_t TTeilnehmer::Place() const { return le::GetU16(bytes_.data(), kOffPlace); }
void TTeilnehmer::SetPlace(uint16_t v) { le::PutU16(bytes_.data(), kOffPlace, v); }

// --- operations

std::string TTeilnehmer::ColumnText(int16_t column) const {
  using namespace VkSpalten;
  switch (column) {
    case kColPlace:
      if (Total() < 1) return {};
      return Flag(kAusserKonkurrenz) ? std::string("AK") : IntToStr(Place()) + ".";
    case kColTotal: return PointsToText(Total(), 2);
    case kColGliederung: return Gliederung();
    case kColBirthYear: {
      const std::string g = Geburtsdatum();
      if (g.size() < 2 || !IsDigit(g[g.size() - 2]) || !IsDigit(g[g.size() - 1])) return {};
      return g.substr(g.size() - 2);
    }
    case kColName: return Name(true);
    case kColVorname: return Vorname();
    case kColTeamName: return Name(false);
    case kColZusatz: return Zusatz();
    case kColCpr: return PointsOrCodeToText(CprValue(), 2);
    default: break;
  }
  int d;
  DisciplineField field;
  if (!SplitDisciplineColumn(column, d, field)) return {};
  switch (field) {
    case DisciplineField::Place: return IntToStr(DisciplinePlace(d));
    case DisciplineField::Time: return TimeToText(Time(d), displayOption_ != 0);
    case DisciplineField::Deduction: return IntOrCodeToText(Deduction(d));
    // A status code takes the discipline's points away whatever is stored.
    case DisciplineField::Points: return PointsToText(Deduction(d) < 0 ? 0 : Points(d), 2);
    case DisciplineField::Heat: return IntToStr(Heat(d));
    case DisciplineField::Lane: return IntToStr(Lane(d));
  }
  return {};
}

std::string TTeilnehmer::NameText(bool withFirstName, bool individual) const {
  if (!withFirstName) return Name(individual);
  std::string s = (Vorname() + " ").substr(0, 21);
  s += Name(true);
  if (s.size() > 255) s.resize(255);
  return s;
}

int32_t TTeilnehmer::ShortYear() const {
  const std::string g = Geburtsdatum();
  return StrToInt(g.size() > 2 ? g.substr(g.size() - 2) : g);
}

bool TTeilnehmer::IsComplete() const {
  for (int d = 1; d <= kDisciplines; ++d)
    if (IsNotStarted(Deduction(d))) return false;
  return !IsCprNotStarted(CprValue());
}

bool TTeilnehmer::IsEmpty(bool byTimes) const {
  for (int d = 1; d <= kDisciplines; ++d) {
    if (byTimes ? Time(d) != 0 : !IsNotStarted(Deduction(d))) return false;
  }
  const int32_t cpr = CprValue();
  return (cpr == 0 || IsCprNotStarted(cpr)) && Total() == 0;
}

void TTeilnehmer::SetAllNA() {
  for (int d = 1; d <= kDisciplines; ++d) SetDeduction(d, Status::kNotStarted);
  SetCprValue(Status::kCprNotStarted);
}

void TTeilnehmer::ResetFields(const TYrSet& items) {
  for (int d = 1; d <= kDisciplines; ++d) {
    if (items.Contains(static_cast<uint8_t>(d))) SetTime(d, 0);
    if (items.Contains(static_cast<uint8_t>(6 + d))) SetDeduction(d, 0);
    if (items.Contains(static_cast<uint8_t>(12 + d))) SetHeat(d, 0);
    if (items.Contains(static_cast<uint8_t>(18 + d))) SetLane(d, 0);
  }
  if (items.Contains(25)) SetCprValue(0);
}

void TTeilnehmer::RankDisciplines() {
  std::array<int32_t, kDisciplines> sorted;
  for (int d = 1; d <= kDisciplines; ++d) sorted[d - 1] = Points(d);
  std::sort(sorted.begin(), sorted.end(), [](int32_t a, int32_t b) { return a > b; });
  for (int d = 1; d <= kDisciplines; ++d) {
    uint16_t rank = 0;
    for (int k = 1; k <= kDisciplines; ++k)
      if (sorted[k - 1] == Points(d)) rank = static_cast<uint16_t>(k);
    SetDisciplineRank(d, rank);
  }
}

bool TTeilnehmer::Matches(const std::string& pattern, uint8_t options) const {
  std::array<std::string, 3> fields;
  fields[0] = Gliederung();
  if (options & kMatchFirstName) {
    fields[1] = Vorname();
    fields[2] = Name(true);
  } else {
    fields[1] = Name(false);
    fields[2] = Zusatz();
  }
  std::string p = pattern;
  if (!(options & kMatchKeepCase)) {
    p = UpperCase(p);
    for (std::string& f : fields) f = UpperCase(f);
  }
  for (const std::string& f : fields) {
    if (options & kMatchWhole) {
      if (f == p) return true;
    } else if (!p.empty() && f.find(p) != std::string::npos) {
      // An empty pattern occurs nowhere, as the text search has it.
      return true;
    }
  }
  return false;
}
