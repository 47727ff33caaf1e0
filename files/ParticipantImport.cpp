#include "ParticipantImport.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ByteOrder.h"
#include "CodePage.h"
#include "VkBasis.h"
#include "VkWettk.h"
#include "YrHooks.h"
#include "YrStream.h"

namespace {

using T = TTeilnehmer;

int16_t ClampI16(int64_t v) { return static_cast<int16_t>(std::clamp<int64_t>(v, INT16_MIN, INT16_MAX)); }

constexpr std::string_view kPadding(" \0", 2);

// Places the participant or disposes it; one without a name is counted.
void Place(TWettkampf& w, std::unique_ptr<T> t, int& nameless) {
  if (IsNameless(t->Name(w.IsIndividual())))
    ++nameless;
  else
    w.PlaceParticipant(std::move(t));
}

// ---------------------------------------------------------------------------
// Fixed records

constexpr size_t kRecordSize = 96;

// The age classes of the record's code 1..10; an even code is a female class.
std::string ClassOfCode(int16_t code) {
  static const char* const kNames[] = {
      "Schüler", "Schülerinnen", "Jugend (männlich)", "Jugend (weiblich)", "Junioren", "Juniorinnen",
      "Herren",  "Damen",        "Jungsenioren",      "Jungseniorinnen"};
  // Another code names no class: the participant then finds none.
  return code >= 1 && code <= 10 ? Oem(kNames[code - 1]) : "";
}

// A padded character field without its padding: blanks, or the NUL bytes
// some programs pad with instead.
std::string Chars(const uint8_t* r, size_t off, size_t n) {
  std::string s(reinterpret_cast<const char*>(r + off), n);
  s.erase(s.find_last_not_of(kPadding) + 1);
  return s;
}

// The records' own status codes, in the program's numbering.
int16_t RecordStatus(int16_t v) {
  constexpr int16_t kRecordNoDeduction = -4;
  constexpr int16_t kRecordNotStarted = -3;
  constexpr int16_t kRecordDisqualified = -2;
  switch (v) {
    case kRecordNoDeduction:
      return 0;
    case kRecordNotStarted:
      return Status::kNotStartedVoid;
    case kRecordDisqualified:
      return Status::kDisqualified;
    default:
      return v;
  }
}

// Heat and lane share one word (heat * 20 + lane - 1); the time is in tenths.
void RecordResult(T& t, int d, const uint8_t* r, size_t heatLane, size_t time, size_t points, size_t status) {
  const size_t i = static_cast<size_t>(d - 1) * 2;
  const uint16_t word = le::GetU16(r, heatLane + i);
  t.SetHeat(d, static_cast<int16_t>(word / 20));
  t.SetLane(d, static_cast<int16_t>(word % 20 + 1));
  t.SetTime(d, le::GetU16(r, time + i) * 10);
  t.SetDeduction(d, RecordStatus(le::GetI16(r, status + i)));
  t.SetPoints(d, Hundredfold(le::GetU16(r, points + i)));
}

std::unique_ptr<T> PersonRecord(const uint8_t* r) {
  auto t = std::make_unique<T>();
  t->SetName(true, Chars(r, 0, 14));
  t->SetVorname(Chars(r, 14, 14).substr(0, 9));
  t->SetGliederung(Chars(r, 28, 4));
  t->SetGeburtsdatum(IntToStr(le::GetU16(r, 62)));
  const int16_t code = le::GetI16(r, 32);
  t->SetAltersklasse(ClassOfCode(code));
  t->SetFlags(static_cast<uint16_t>((code % 2 == 0 ? T::kWeiblich : 0) | T::kMeldet));
  for (int d = 1; d <= 3; ++d) RecordResult(*t, d, r, 36, 44, 50, 56);
  t->SetCprValue(Hundredfold(le::GetU16(r, 64)));
  return t;
}

std::unique_ptr<T> TeamRecord(const uint8_t* r) {
  auto t = std::make_unique<T>();
  t->SetName(false, Chars(r, 0, 28));
  t->SetZusatz("");
  t->SetGliederung(Chars(r, 28, 4));
  const int16_t code = le::GetI16(r, 32);
  t->SetAltersklasse(ClassOfCode(code));
  t->SetFlags(static_cast<uint16_t>(code % 2 == 0 ? T::kWeiblich : 0));
  for (int d = 1; d <= 4; ++d) RecordResult(*t, d, r, 36, 46, 56, 66);
  t->SetCprValue(Hundredfold(le::GetU16(r, 80)));
  return t;
}

// ---------------------------------------------------------------------------
// Text lines

constexpr size_t kFields = 30;
using Fields = std::array<std::string, kFields>;

// One line however long: StreamReadLine hands over at most 255 characters at
// a time, and a piece of exactly 255 means the line may go on.
bool ReadWholeLine(TYrStream& stream, std::string& line) {
  std::string piece;
  line.clear();
  if (!StreamReadLine(stream, piece)) return false;
  line = piece;
  while (piece.size() == 255 && stream.Status == 0 && StreamReadLine(stream, piece)) line += piece;
  return true;
}

// Each ";" starts the next field; fields after the 30th are left out.
Fields Split(std::string_view line) {
  Fields f;
  size_t i = 0;
  for (char c : line) {
    if (c != ';') {
      f[i] += c;
    } else if (++i == kFields) {
      break;
    }
  }
  return f;
}

int16_t TextStatus(const std::string& s) {
  if (s == "N-AN") return Status::kNotStartedVoid;
  if (s == "DISQ") return Status::kDisqualified;
  return ClampI16(StrToInt(s));
}

bool IsFemaleText(const std::string& s) { return !s.empty() && (s[0] == 'W' || s[0] == 'w'); }

// Field numbers are 1-based, as the file's description counts them.
std::unique_ptr<T> PersonLine(const Fields& f) {
  auto field = [&f](int n) -> const std::string& { return f[static_cast<size_t>(n - 1)]; };
  auto t = std::make_unique<T>();
  t->SetName(true, AnsiToOem(field(4)));
  t->SetVorname(AnsiToOem(field(5)).substr(0, 9));
  t->SetGeburtsdatum(field(6));
  t->SetGliederung(AnsiToOem(UpperCase(field(7))));
  std::string ak = AnsiToOem(field(2)).substr(0, T::kAltersklasseCap);
  const bool female = IsFemaleText(field(3));
  t->SetFlag(T::kWeiblich, female);
  if (ak == "Offene AK")
    ak = female ? "Offene Altersklasse (w)" : "Offene Altersklasse (m)";
  else
    ak += female ? "w" : "m";
  t->SetAltersklasse(ak);
  for (int d = 1; d <= 4; ++d) {
    t->SetTime(d, TextToTime(field(8 + 3 * (d - 1))));
    t->SetDeduction(d, TextStatus(field(10 + 3 * (d - 1))));
  }
  t->SetCprValue(Hundredfold(StrToInt(field(20))));
  return t;
}

// Team texts are taken as they are, the age class too: the team classes
// carry lower-case letters that the placement compares exactly.
std::unique_ptr<T> TeamLine(const Fields& f) {
  auto field = [&f](int n) -> const std::string& { return f[static_cast<size_t>(n - 1)]; };
  auto t = std::make_unique<T>();
  t->SetName(false, field(1));
  t->SetGliederung(field(2));
  t->SetAltersklasse(field(3));
  t->SetFlag(T::kWeiblich, IsFemaleText(field(4)));
  for (int d = 1; d <= 4; ++d) {
    t->SetTime(d, TextToTime(field(5 + 2 * (d - 1))));
    t->SetDeduction(d, TextStatus(field(6 + 2 * (d - 1))));
  }
  t->SetCprValue(Hundredfold(StrToInt(field(13))));
  return t;
}

}  // namespace

bool IsNameless(std::string_view name) { return name.find_first_not_of(kPadding) == std::string_view::npos; }

void ReportNameless(int count) {
  if (count > 0 && ErrorMsgProc) ErrorMsgProc(IntToStr(count) + Oem(" Datensätze ohne Namen wurden übersprungen."));
}

bool ImportParticipantsBinary(TWettkampf& w, TYrStream& stream) {
  stream.Seek(0);
  if (stream.Status != 0) return false;
  const int32_t size = stream.GetSize();
  if (size < 0) return false;
  std::array<uint8_t, kRecordSize> r;
  int nameless = 0;
  bool complete = true;
  for (int32_t pos = 0; static_cast<int64_t>(pos) + static_cast<int64_t>(kRecordSize) <= size; pos += kRecordSize) {
    stream.Read(r.data(), kRecordSize);
    if (stream.Status != 0) {
      complete = false;
      break;
    }
    Place(w, w.IsIndividual() ? PersonRecord(r.data()) : TeamRecord(r.data()), nameless);
  }
  ReportNameless(nameless);
  return complete;
}

bool ImportParticipantsText(TWettkampf& w, TYrStream& stream) {
  stream.Seek(0);
  if (stream.Status != 0) return false;
  std::string line;
  int nameless = 0;
  ReadWholeLine(stream, line);  // the column heads
  while (stream.Status == 0 && ReadWholeLine(stream, line)) {
    if (stream.Status != 0) break;
    if (line.empty()) continue;
    const Fields f = Split(line);
    Place(w, w.IsIndividual() ? PersonLine(f) : TeamLine(f), nameless);
  }
  ReportNameless(nameless);
  return stream.Status == 0;
}
