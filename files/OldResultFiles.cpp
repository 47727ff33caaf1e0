// The older result files. Versions 2.1, 1.5 and 1.0 share one shape (header,
// stored lists of age classes with their participants, the organisation
// statistics) and differ in the header's framing, the age-class record and
// the participant record; one table per version holds those differences. The
// predecessor's file is a fixed header block, sixteen age-class records and
// participant records up to the end of the file.
#include "OldResultFiles.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "ByteOrder.h"
#include "CodePage.h"
#include "MessageOnce.h"
#include "ParticipantImport.h"
#include "StoredList.h"
#include "VkBasis.h"
#include "VkWettk.h"
#include "YrStream.h"

namespace {

// ---------------------------------------------------------------------------
// Bytes

bool ReadBytes(TYrStream& stream, uint8_t* buf, size_t n) {
  stream.Read(buf, static_cast<uint16_t>(n));
  return stream.Status == 0;
}

bool SkipHeaderText(TYrStream& stream) {
  uint8_t text[kResultHeaderSize];
  return ReadBytes(stream, text, sizeof text);
}

std::string Str(const uint8_t* p, size_t off, size_t cap) { return le::GetStr(p, off, cap); }

// ---------------------------------------------------------------------------
// Stored lists: the one place the older readers read them.

enum class ListEnd {
  kComplete,  // every item read; the trailing byte read after them (its result stays in the stream)
  kFull,      // stopped at kMaxCollectionSize items
  kBroken,    // stopped at a head, marker or item that could not be read
};

// The head (the count as the old signed field, so that a count above 32767
// means none), then each item behind `marker`, read by `item` (false stops),
// then the trailing byte. The head's limit and delta go to `limitsTo` when
// one is given; the lists of age classes and participants ignore them.
template <class ReadItem>
ListEnd ReadList(TYrStream& stream, uint16_t marker, ReadItem&& item, TYrCollection* limitsTo = nullptr) {
  const StoredListRead read = ReadStoredList(
      stream, [&](uint16_t m) { return m == marker && item(); }, {.limitsTo = limitsTo, .signedCount = true});
  switch (read.end) {
    case StoredListEnd::kComplete: return ListEnd::kComplete;
    case StoredListEnd::kFull: return ListEnd::kFull;
    case StoredListEnd::kNoHead:
    case StoredListEnd::kStopped: break;
  }
  return ListEnd::kBroken;
}

// ---------------------------------------------------------------------------
// Header record of versions 2.1, 1.5 and 1.0 (the current offsets up to 413)

constexpr size_t kOldHeaderSize = 411;  // versions 1.5 and 1.0

// The fields an older header holds, over the header of the new competition:
// versions 1.5 and 1.0 have no CPR stations and no text at 413.
void TakeOldHeader(TWettkampf& w, const uint8_t* old, bool version21) {
  using D = TWettkampfDaten;
  D h = w.Header();
  h.SetTitle(Str(old, D::kOffTitle, D::kTextCapacity));
  h.SetKind(le::GetU16(old, D::kOffKind));
  h.SetOrganiser(Str(old, D::kOffOrganiser, D::kTextCapacity));
  h.SetHost(Str(old, D::kOffHost, D::kTextCapacity));
  h.SetDate(Str(old, D::kOffDate, D::kTextCapacity));
  h.SetVenue(Str(old, D::kOffVenue, D::kTextCapacity));
  h.SetLanesIndex(le::GetU16(old, D::kOffLanesIndex));
  h.SetPool(le::GetU16(old, D::kOffPool));
  h.SetCprStationsIndex(version21 ? le::GetU16(old, D::kOffCprStationsIndex) : 0);
  D::Bytes b = h.GetBytes();
  le::PutStr(b.data(), D::kOffReservedText, D::kTextCapacity,
             version21 ? Str(old, D::kOffReservedText, D::kTextCapacity) : "");
  std::fill(b.begin() + D::kOffReserved, b.end(), 0);
  h.SetBytes(b);
  w.SetHeader(h);
}

// ---------------------------------------------------------------------------
// What differs between versions 2.1, 1.5 and 1.0

struct Version {
  size_t classSize;        // age-class record
  bool hasEntries;         // five record entries and an overall entry follow the class record
  bool entriesOf10;        // the record entries in version 1.0's layout
  size_t participantSize;  // participant record
  bool wide;               // times, CPR value, points and total as i32 hundredths (2.1); else
                           // time texts and i16 whole points
  size_t deductions, heats, lanes, cpr, points, total, place;  // offsets in the participant record
};

constexpr Version kVersion21{2785, false, false, 180, true, 112, 122, 132, 142, 154, 174, 178};
constexpr Version kVersion15{464, true, false, 181, false, 127, 137, 147, 157, 167, 177, 179};
constexpr Version kVersion10{464, true, true, 173, false, 127, 137, 147, 157, 159, 169, 171};

constexpr size_t kOldDisciplines = 5;
constexpr size_t kEntrySize = 96;    // record entry of versions 1.5 and 1.0
constexpr size_t kTimeTextSize = 7;  // string[6]

// Age-class record of version 2.1.
constexpr size_t kOffDisciplines21 = 39;  // 5 x 442, the current discipline layout
constexpr size_t kOffRekorde21 = 2249;    // 5 x 90, the current record entry layout
constexpr size_t kOffOverall21 = 2699;    // 86, the current overall block layout
// Age-class record of versions 1.5 and 1.0.
constexpr size_t kOffDisciplines15 = 39;  // 5 x 85: string[80], i16, i16
constexpr size_t kOldDisciplineSize = 85;

using Record = TAltersklasse::Record;

// Name, birth years, flags and discipline count at the current offsets.
void TakeClassHead(Record& r, const uint8_t* old, uint16_t count) {
  using A = TAltersklasse;
  le::PutStr(r.data(), A::kOffName, A::kNameCapacity, Str(old, A::kOffName, A::kNameCapacity));
  le::PutU16(r.data(), A::kOffFirstYear, le::GetU16(old, A::kOffFirstYear));
  le::PutU16(r.data(), A::kOffLastYear, le::GetU16(old, A::kOffLastYear));
  le::PutU16(r.data(), A::kOffFlags, le::GetU16(old, A::kOffFlags));
  le::PutU16(r.data(), A::kOffCount, count);
}

void PutDiscipline(Record& r, size_t slot, const TDisziplin& d) {
  d.Store(r.data() + TAltersklasse::kOffDisciplines + slot * kDisziplinSize);
}
void PutRekord(Record& r, size_t slot, const TRekord& e) {
  e.Store(r.data() + TAltersklasse::kOffRekorde + slot * TRekord::kSize);
}
void PutOverall(Record& r, const TOverallRecord& o) { o.Store(r.data() + TAltersklasse::kOffOverall); }

// An old record holds five disciplines; a larger count cannot name more.
uint16_t OldCount(const uint8_t* old) {
  return std::min<uint16_t>(le::GetU16(old, TAltersklasse::kOffCount), kOldDisciplines);
}

// A current record with the old record's head and disciplines 1 to n, each
// made by `discipline` from its bytes (at `offset`, `size` bytes apart).
template <class MakeDiscipline>
Record ClassRecordOf(const uint8_t* old, size_t offset, size_t size, MakeDiscipline discipline) {
  Record r{};
  const uint16_t n = OldCount(old);
  TakeClassHead(r, old, n);
  for (size_t k = 0; k < n; ++k) PutDiscipline(r, k, discipline(old + offset + k * size));
  return r;
}

Record ClassRecord21(const uint8_t* old) {
  Record r = ClassRecordOf(old, kOffDisciplines21, kDisziplinSize, [](const uint8_t* e) {
    TDisziplin d;
    d.SetName(Str(e, TDisziplin::kOffName, TDisziplin::kNameCapacity));
    d.SetKind(le::GetU16(e, TDisziplin::kOffKind));
    for (int i = 1; i <= 5; ++i) d.SetV(i, le::GetI32(e, TDisziplin::kOffV1 + 4 * (i - 1)));
    return d;
  });
  // By field, not TRekord::Load: the file's text lengths are cut to capacity, the rest stays zero.
  for (size_t k = 0; k < kOldDisciplines; ++k) {
    const uint8_t* e = old + kOffRekorde21 + k * TRekord::kSize;
    TRekord x;
    x.SetRecordTime(le::GetI32(e, TRekord::kOffRecordTime));
    x.SetRecordDeduction(le::GetU16(e, TRekord::kOffRecordDeduction));
    x.SetBestTime(le::GetI32(e, TRekord::kOffBestTime));
    x.SetBestDeduction(le::GetU16(e, TRekord::kOffBestDeduction));
    x.SetNumber(le::GetU16(e, TRekord::kOffNumber));
    x.SetText(Str(e, TRekord::kOffText, TRekord::kTextCapacity));
    x.SetHolder(Str(e, TRekord::kOffHolder, TRekord::kHolderCapacity));
    x.SetReserved(e[TRekord::kOffReserved]);
    PutRekord(r, k, x);
  }
  const uint8_t* e = old + kOffOverall21;
  TOverallRecord o;
  o.SetRecordTotal(le::GetI32(e, TOverallRecord::kOffRecordTotal));
  o.SetBestTotal(le::GetI32(e, TOverallRecord::kOffBestTotal));
  o.SetNumber(le::GetU16(e, TOverallRecord::kOffNumber));
  o.SetText(Str(e, TOverallRecord::kOffText, TOverallRecord::kTextCapacity));
  o.SetHolder(Str(e, TOverallRecord::kOffHolder, TOverallRecord::kHolderCapacity));
  o.SetReserved(e[TOverallRecord::kOffReserved]);
  PutOverall(r, o);
  return r;
}

// Versions 1.5 and 1.0: linear disciplines whose two i16 parameters are
// whole points.
Record ClassRecord15(const uint8_t* old) {
  return ClassRecordOf(old, kOffDisciplines15, kOldDisciplineSize, [](const uint8_t* e) {
    TDisziplin d;
    d.SetName(Str(e, 0, TDisziplin::kNameCapacity));
    d.SetKind(kKindLinear);
    d.SetV(1, Hundredfold(le::GetI16(e, 81)));
    d.SetV(2, Hundredfold(le::GetI16(e, 83)));
    return d;
  });
}

// The five record entries and the overall entry of version 1.5.
void TakeEntries15(Record& r, const uint8_t* entries) {
  for (size_t k = 0; k < kOldDisciplines; ++k) {
    const uint8_t* e = entries + k * kEntrySize;
    TRekord x;
    x.SetRecordTime(TextToTime(Str(e, 0, 6)));
    x.SetRecordDeduction(le::GetU16(e, 7));
    x.SetBestTime(TextToTime(Str(e, 9, 6)));
    x.SetBestDeduction(le::GetU16(e, 16));
    x.SetNumber(le::GetU16(e, 18));
    x.SetText(Str(e, 20, TRekord::kTextCapacity));
    x.SetHolder(Str(e, 42, TRekord::kHolderCapacity));
    x.SetReserved(e[95]);
    PutRekord(r, k, x);
  }
  const uint8_t* e = entries + kOldDisciplines * kEntrySize;
  TOverallRecord o;
  o.SetRecordTotal(Hundredfold(StrToInt(Str(e, 0, 6))));
  o.SetBestTotal(Hundredfold(StrToInt(Str(e, 9, 6))));
  o.SetNumber(le::GetU16(e, 18));
  o.SetText(Str(e, 20, TOverallRecord::kTextCapacity));
  o.SetHolder(Str(e, 42, TOverallRecord::kHolderCapacity));
  o.SetReserved(e[95]);
  PutOverall(r, o);
}

// Version 1.0: holder, a time or total text, a text and a number text; the
// rest of each entry stays zero.
void TakeEntries10(Record& r, const uint8_t* entries) {
  for (size_t k = 0; k < kOldDisciplines; ++k) {
    const uint8_t* e = entries + k * kEntrySize;
    TRekord x;
    x.SetRecordTime(TextToTime(Str(e, 53, 6)));
    x.SetNumber(static_cast<uint16_t>(StrToInt(Str(e, 91, 4))));
    x.SetText(Str(e, 60, TRekord::kTextCapacity));
    x.SetHolder(Str(e, 0, TRekord::kHolderCapacity));
    PutRekord(r, k, x);
  }
  const uint8_t* e = entries + kOldDisciplines * kEntrySize;
  TOverallRecord o;
  o.SetRecordTotal(Hundredfold(StrToInt(Str(e, 53, 6))));
  o.SetNumber(static_cast<uint16_t>(StrToInt(Str(e, 91, 4))));
  o.SetText(Str(e, 60, TOverallRecord::kTextCapacity));
  o.SetHolder(Str(e, 0, TOverallRecord::kHolderCapacity));
  PutOverall(r, o);
}

// A participant of versions 2.1, 1.5 and 1.0 in the layout of the
// competition's kind.
std::unique_ptr<TTeilnehmer> OldParticipant(const uint8_t* r, const Version& v, bool individual) {
  using T = TTeilnehmer;
  auto t = std::make_unique<T>();
  if (individual) {
    t->SetName(true, Str(r, 0, T::kNameIndividualCap));
    t->SetVorname(Str(r, 21, T::kVornameCap));
    t->SetGeburtsdatum(Str(r, 42, T::kGeburtsdatumCap));
  } else {
    t->SetName(false, Str(r, 0, T::kNameTeamCap));
    t->SetZusatz(Str(r, 31, T::kZusatzCap));
  }
  t->SetGliederung(Str(r, 53, T::kGliederungCap));
  t->SetAltersklasse(Str(r, 59, T::kAltersklasseCap));
  t->SetFlags(le::GetU16(r, 90));
  for (int d = 1; d <= static_cast<int>(kOldDisciplines); ++d) {
    const size_t i = static_cast<size_t>(d - 1);
    t->SetTime(d, v.wide ? le::GetI32(r, 92 + 4 * i) : TextToTime(Str(r, 92 + kTimeTextSize * i, 6)));
    t->SetDeduction(d, le::GetI16(r, v.deductions + 2 * i));
    t->SetHeat(d, le::GetI16(r, v.heats + 2 * i));
    t->SetLane(d, le::GetI16(r, v.lanes + 2 * i));
    t->SetPoints(d, v.wide ? le::GetI32(r, v.points + 4 * i) : Hundredfold(le::GetI16(r, v.points + 2 * i)));
  }
  t->SetCprValue(v.wide ? le::GetI32(r, v.cpr) : Hundredfold(le::GetI16(r, v.cpr)));
  t->SetTotal(v.wide ? le::GetI32(r, v.total) : Hundredfold(le::GetI16(r, v.total)));
  t->SetPlace(le::GetU16(r, v.place));
  return t;
}

enum class ClassEnd { kGoOn, kStop };

// One age class behind its marker: record, record entries, participants.
// The class is inserted when its participants were read (all of them, or as
// many as a class holds); one whose participants stopped is discarded.
ClassEnd ReadOldClass(TWettkampf& w, TYrStream& stream, const Version& v) {
  std::vector<uint8_t> old(v.classSize);
  if (!ReadBytes(stream, old.data(), old.size())) return ClassEnd::kStop;
  Record r = v.hasEntries ? ClassRecord15(old.data()) : ClassRecord21(old.data());
  if (v.hasEntries) {
    std::array<uint8_t, (kOldDisciplines + 1) * kEntrySize> entries;
    if (!ReadBytes(stream, entries.data(), entries.size())) return ClassEnd::kStop;
    // The record entries start cleared (the record is new).
    (v.entriesOf10 ? TakeEntries10 : TakeEntries15)(r, entries.data());
  }
  auto ak = std::make_unique<TAltersklasse>(r);

  const bool individual = w.IsIndividual();
  std::vector<uint8_t> rec(v.participantSize);
  const ListEnd end = ReadList(stream, TAltersklasse::kParticipantMarker, [&] {
    if (!ReadBytes(stream, rec.data(), rec.size())) return false;
    // Through the class's insertion, which computes the total first: sorted
    // by the stale total of the file, participants that end up equal would
    // stand in another order, and the later of two equals holds the best.
    ak->Add(OldParticipant(rec.data(), v, individual));
    return true;
  });
  if (end == ListEnd::kBroken) return ClassEnd::kStop;
  w.Add(std::move(ak));
  return end == ListEnd::kComplete && stream.Status == 0 ? ClassEnd::kGoOn : ClassEnd::kStop;
}

// Everything behind the header of versions 2.1, 1.5 and 1.0.
bool ReadOldBody(TWettkampf& w, TYrStream& stream, const Version& v) {
  bool goOn = true;
  const ListEnd classes = ReadList(stream, TWettkampf::kAgeClassMarker, [&] {
    goOn = ReadOldClass(w, stream, v) == ClassEnd::kGoOn;
    return goOn;
  });
  if (classes != ListEnd::kComplete || stream.Status != 0) return false;

  // The organisation list takes the file's limit and delta (a delta of 0
  // becomes 10), so that the file saved again keeps its list's head.
  TGliederungsListe& orgs = w.Gliederungen();
  const ListEnd end = ReadList(
      stream, kGliederungMarker,
      [&] {
        auto g = std::make_unique<TGliederung>(stream);
        if (stream.Status != 0 || orgs.GetCount() >= kMaxCollectionSize) return false;
        orgs.Add(std::move(g));
        return true;
      },
      &orgs);
  return end == ListEnd::kComplete && stream.Status == 0;
}

void EvaluateAll(TWettkampf& w) {
  for (int i = 0; i < w.GetCount(); ++i) w.At(i)->Evaluate();
}

// Runs a reader's body and evaluates every class however it ended.
template <class Body>
bool ThenEvaluate(TWettkampf& w, Body&& body) {
  const bool complete = body();
  EvaluateAll(w);
  return complete;
}

// The same for versions 2.1, 1.5 and 1.0, whose insertions compute points:
// a broken formula of a 2.1 discipline is reported once, not once for every
// participant of its class.
template <class Body>
bool ThenEvaluateOnce(TWettkampf& w, Body&& body) {
  TMessageOnce once;
  return ThenEvaluate(w, body);
}

// ---------------------------------------------------------------------------
// The predecessor's file

constexpr size_t kForeignHeaderSize = 253;
constexpr size_t kForeignClassSize = 464;
constexpr size_t kForeignClasses = 16;
constexpr size_t kForeignParticipantSize = 184;
constexpr size_t kForeignDisciplineSize = 85;  // string[80], i32 base points

std::string ForeignTitle(uint16_t event, uint16_t level) {
  static const char* const kLevels[] = {"Ortsgruppenebene ", "Bezirksebene ", "Landesebene ", "Bundesebene "};
  const bool individual = event == 0 || event == 2;
  const bool contests = event == 2 || event == 3;
  std::string title = Oem(individual ? "Einzel" : "Mannschafts") + Oem(contests ? "wettkämpfe" : "meisterschaften");
  // Levels above 3 had no word; the title then names the event alone.
  if (level < std::size(kLevels)) title += Oem(" auf ") + Oem(kLevels[level]);
  return title.substr(0, TWettkampfDaten::kTextCapacity);
}

void TakeForeignHeader(TWettkampf& w, const uint8_t* b) {
  using D = TWettkampfDaten;
  const uint16_t event = le::GetU16(b, 0);
  D h = w.Header();
  h.SetKind(event == 0 || event == 2 ? D::kIndividual : D::kTeams);
  h.SetTitle(ForeignTitle(event, le::GetU16(b, 2)));
  h.SetLanesIndex(static_cast<uint16_t>(le::GetU16(b, 4) + 1));
  h.SetPool(le::GetU16(b, 6));
  h.SetVenue(Str(b, 8, D::kTextCapacity));
  h.SetOrganiser(Str(b, 89, D::kTextCapacity));
  h.SetHost(Str(b, 89, D::kTextCapacity));
  h.SetDate(Str(b, 170, D::kTextCapacity));
  h.SetCprStationsIndex(0);
  D::Bytes bytes = h.GetBytes();
  le::PutStr(bytes.data(), D::kOffReservedText, D::kTextCapacity, "");
  std::fill(bytes.begin() + D::kOffReserved, bytes.end(), 0);
  h.SetBytes(bytes);
  w.SetHeader(h);
}

// Age class number i (1..16): even numbers are the female classes; every
// class from the second on scores CPR unless the lanes index is 5.
void ReadForeignClass(TWettkampf& w, int i, const uint8_t* old) {
  using A = TAltersklasse;
  const std::string name = Str(old, A::kOffName, A::kNameCapacity);
  if (name.empty()) return;
  Record r{};
  le::PutStr(r.data(), A::kOffName, A::kNameCapacity, name);
  le::PutU16(r.data(), A::kOffFirstYear, le::GetU16(old, 31));
  le::PutU16(r.data(), A::kOffLastYear, le::GetU16(old, 35));
  uint16_t flags = i % 2 == 0 ? A::kFemale : 0;
  if (i >= 2 && w.Header().LanesIndex() != 5) flags |= A::kCprScored;
  le::PutU16(r.data(), A::kOffFlags, flags);
  uint16_t count = 0;
  for (size_t k = 0; k < kOldDisciplines; ++k) {
    const uint8_t* e = old + 39 + k * kForeignDisciplineSize;
    const std::string discipline = Str(e, 0, TDisziplin::kNameCapacity);
    if (discipline.empty()) continue;
    // A discipline keeps its slot, so a gap leaves an empty slot in front.
    TDisziplin d;
    d.SetName(discipline);
    d.SetKind(kKindLinear);
    d.SetV(1, Hundredfold(le::GetI32(e, 81)));
    d.SetV(2, 100);
    PutDiscipline(r, k, d);
    ++count;
  }
  le::PutU16(r.data(), A::kOffCount, count);
  w.Add(std::make_unique<TAltersklasse>(r));
}

// The predecessor numbered two status codes the other way round.
int16_t ForeignStatus(int16_t v) {
  using namespace Status;
  return v == kNotStartedVoid ? kDisqualified : v == kDisqualified ? kNotStartedVoid : v;
}

// False for a record without a name (a team's name for teams), which is no
// participant: a file padded with zeros would otherwise give one placement
// message per empty record.
bool ReadForeignParticipant(TWettkampf& w, const uint8_t* r) {
  using T = TTeilnehmer;
  auto t = std::make_unique<T>();
  if (w.IsIndividual()) {
    t->SetName(true, Str(r, 0, T::kNameIndividualCap));
    t->SetVorname(Str(r, 21, T::kVornameCap));
    t->SetGeburtsdatum(Str(r, 42, T::kGeburtsdatumCap));
  } else {
    t->SetName(false, Str(r, 0, T::kNameTeamCap));
    t->SetZusatz(Str(r, 21, T::kZusatzCap));
  }
  if (IsNameless(t->Name(w.IsIndividual()))) return false;
  t->SetGliederung(Str(r, 61, 3));
  t->SetAltersklasse(Str(r, 65, 35));
  t->SetFlags(le::GetU16(r, 101));
  for (int d = 1; d <= static_cast<int>(kOldDisciplines); ++d) {
    const size_t i = static_cast<size_t>(d - 1);
    t->SetHeat(d, le::GetI16(r, 103 + 2 * i));
    t->SetLane(d, le::GetI16(r, 113 + 2 * i));
    t->SetTime(d, TextToTime(Str(r, 123 + kTimeTextSize * i, 6)));
    t->SetDeduction(d, ForeignStatus(le::GetI16(r, 158 + 2 * i)));
    t->SetPoints(d, Hundredfold(le::GetI16(r, 168 + 2 * i)));
  }
  t->SetCprValue(Hundredfold(le::GetI16(r, 178)));
  t->SetTotal(Hundredfold(le::GetI16(r, 180)));
  t->SetPlace(le::GetU16(r, 182));

  // The first try is silent: a female participant whose class exists only
  // as a male one goes there, and only a participant that fits nowhere is
  // reported, once.
  if (w.ClassFor(*t) == nullptr && t->IsFemale()) t->SetFlag(T::kWeiblich, false);
  w.PlaceParticipant(std::move(t));
  return true;
}

bool ReadForeignBody(TWettkampf& w, TYrStream& stream, int& nameless) {
  std::array<uint8_t, kForeignHeaderSize> header;
  if (!SkipHeaderText(stream) || !ReadBytes(stream, header.data(), header.size())) return false;
  TakeForeignHeader(w, header.data());

  std::array<uint8_t, kForeignClassSize> cls;
  for (size_t i = 1; i <= kForeignClasses; ++i) {
    if (!ReadBytes(stream, cls.data(), cls.size())) return false;
    ReadForeignClass(w, static_cast<int>(i), cls.data());
  }

  const int32_t size = stream.GetSize();
  std::array<uint8_t, kForeignParticipantSize> rec;
  int32_t pos = stream.GetPos();
  // Only whole records: a cut one at the end is left.
  while (size >= 0 && pos >= 0 && static_cast<int64_t>(pos) + static_cast<int64_t>(kForeignParticipantSize) <= size) {
    if (!ReadBytes(stream, rec.data(), rec.size())) return false;
    if (!ReadForeignParticipant(w, rec.data())) ++nameless;
    pos = stream.GetPos();
  }
  return size >= 0 && pos == size;
}

}  // namespace

bool ReadResultFile21(TWettkampf& w, TYrStream& stream) {
  return ThenEvaluateOnce(w, [&] {
    uint8_t sizeField[4];
    if (!SkipHeaderText(stream) || !ReadBytes(stream, sizeField, sizeof sizeField)) return false;
    const int32_t size = le::GetI32(sizeField, 0);
    const int32_t fileSize = stream.GetSize();
    constexpr int64_t kStart = kResultHeaderSize + 4;
    // A size no writer made: nothing behind it can be located.
    if (size < 0 || fileSize < 0 || kStart + size > fileSize) return false;
    TWettkampfDaten::Bytes old{};
    if (!ReadBytes(stream, old.data(), std::min<size_t>(static_cast<size_t>(size), old.size()))) return false;
    TakeOldHeader(w, old.data(), true);
    stream.Seek(static_cast<int32_t>(kStart + size));
    return stream.Status == 0 && ReadOldBody(w, stream, kVersion21);
  });
}

bool ReadResultFile15(TWettkampf& w, TYrStream& stream) {
  return ThenEvaluateOnce(w, [&] {
    TWettkampfDaten::Bytes old{};
    if (!SkipHeaderText(stream) || !ReadBytes(stream, old.data(), kOldHeaderSize)) return false;
    TakeOldHeader(w, old.data(), false);
    return ReadOldBody(w, stream, kVersion15);
  });
}

bool ReadResultFile10(TWettkampf& w, TYrStream& stream) {
  return ThenEvaluateOnce(w, [&] {
    uint8_t sizeField[2];
    TWettkampfDaten::Bytes old{};
    if (!SkipHeaderText(stream) || !ReadBytes(stream, sizeField, sizeof sizeField) ||
        !ReadBytes(stream, old.data(), kOldHeaderSize))
      return false;
    TakeOldHeader(w, old.data(), false);
    // 411 bytes are read whatever the size says; the list starts behind the size.
    stream.Seek(static_cast<int32_t>(kResultHeaderSize + 2 + le::GetU16(sizeField, 0)));
    return stream.Status == 0 && ReadOldBody(w, stream, kVersion10);
  });
}

bool ReadForeignResultFile(TWettkampf& w, TYrStream& stream) {
  int nameless = 0;
  const bool complete = ThenEvaluate(w, [&] { return ReadForeignBody(w, stream, nameless); });
  ReportNameless(nameless);
  return complete;
}
