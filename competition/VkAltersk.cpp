#include "VkAltersk.h"

#include <algorithm>
#include <memory>

#include "ByteOrder.h"
#include "CodePage.h"
#include "MessageOnce.h"
#include "StoredList.h"
#include "VkPunkte.h"
#include "VkTeilnListe.h"
#include "YrHooks.h"
#include "YrText.h"

// ---------------------------------------------------------------------------
// TAltersklasse: construction and storage

TAltersklasse::TAltersklasse() : TYrSortedCollection(15, 5) {
  rec_.fill(0);
  SetDuplicates(true);
}

TAltersklasse::TAltersklasse(const Record& record) : TAltersklasse() { SetRecord(record); }

TAltersklasse::TAltersklasse(const TAltersklasse& source) : TAltersklasse() {
  SetLimit(source.GetLimit());
  SetDelta(source.GetDelta());
  SetDuplicates(source.GetDuplicates());
  mark_ = source.mark_;
  displayOption_ = source.displayOption_;
  SetRecord(source.rec_);
  for (int i = 0; i < source.GetCount(); ++i) InsertPlain(new TTeilnehmer(*source.At(i)));
  Evaluate();
}

TAltersklasse::TAltersklasse(TYrStream& stream) : TAltersklasse() { Load(stream); }

TAltersklasse::~TAltersklasse() { FreeAll(); }

void TAltersklasse::ApplyRecord(const Record& record) {
  rec_ = record;
  // Every loop over the disciplines indexes six slots by this count.
  if (DisciplineCount() > kMaxDisciplines) le::PutU16(rec_.data(), kOffCount, kMaxDisciplines);
}

void TAltersklasse::SetRecord(const Record& record) {
  ApplyRecord(record);
  if (Counted() == 0) SetCounted(DisciplineCount());
  Evaluate();
}

void TAltersklasse::Define(const std::string& name, uint16_t firstYear, uint16_t lastYear, uint16_t flags,
                           uint16_t count, const Disciplines& disciplines) {
  Record r = rec_;
  le::PutStr(r.data(), kOffName, kNameCapacity, name);
  le::PutU16(r.data(), kOffFirstYear, firstYear);
  le::PutU16(r.data(), kOffLastYear, lastYear);
  le::PutU16(r.data(), kOffFlags, flags);
  le::PutU16(r.data(), kOffCount, count);
  for (int d = 0; d < kMaxDisciplines; ++d) disciplines[d].Store(r.data() + kOffDisciplines + d * kDisziplinSize);
  SetRecord(r);
}

void TAltersklasse::Store(TYrStream& stream) const {
  stream.Write(rec_.data(), static_cast<uint16_t>(rec_.size()));
  WriteStoredList(
      stream, *this, kParticipantMarker,
      [&stream](const TYrObject& item) { static_cast<const TTeilnehmer&>(item).Store(stream); }, GetDuplicates());
}

TAltersklasse::LoadResult TAltersklasse::Load(TYrStream& stream) {
  FreeAll();
  lastLoad_ = LoadResult::kTruncated;

  Record r;
  stream.Read(r.data(), static_cast<uint16_t>(r.size()));
  if (stream.Status != 0) return lastLoad_;
  ApplyRecord(r);
  // From here on the class stands on a whole record: a list head that cannot
  // be read ends the participants like a wrong marker, with none read.
  lastLoad_ = LoadResult::kStopped;
  SetDuplicates(true);
  const StoredListRead read = ReadStoredItems<TTeilnehmer>(
      stream, *this, kParticipantMarker, [this](std::unique_ptr<TTeilnehmer> t) { InsertPlain(t.release()); });
  if (!read.Complete()) return lastLoad_;
  Evaluate();
  lastLoad_ = LoadResult::kComplete;
  return lastLoad_;
}

// ---------------------------------------------------------------------------
// Participants

void TAltersklasse::Insert(TYrObject* item) {
  TMessageOnce once;
  CalcTotal(*static_cast<TTeilnehmer*>(item));
  TYrSortedCollection::Insert(item);
  Rank();
}

void TAltersklasse::InsertPlain(TTeilnehmer* participant) {
  // Participants read from a file or copied from a class arrive in this very
  // order: one comparison with the last finds their place, where the binary
  // search would take fourteen. An equal one still goes before its equals.
  const int n = GetCount();
  if (n > 0 && Compare(At(n - 1), participant) < 0)
    AtInsert(n, participant);
  else
    TYrSortedCollection::Insert(participant);
}

void TAltersklasse::FreeItem(TYrObject* item) {
  if (selection_ != nullptr) selection_->DeleteIf([item](const TYrObject* t) { return t == item; });
  TYrSortedCollection::FreeItem(item);
}

bool TAltersklasse::Belongs(const TTeilnehmer& participant) const {
  return participant.Altersklasse() == Name() && participant.IsFemale() == IsFemale();
}

void TAltersklasse::AddToGliederungen(TGliederungsListe& list) const {
  uint16_t trophyRank = 1;
  for (int i = 0; i < list.GetCount(); ++i) list.At(i)->SetTrophyPending(1);
  for (int i = 0; i < GetCount(); ++i) list.AddParticipant(*At(i), trophyRank);
}

void TAltersklasse::SetDisplayOption(uint8_t option) {
  displayOption_ = option;
  for (int i = 0; i < GetCount(); ++i) At(i)->SetDisplayOption(option);
}

// ---------------------------------------------------------------------------
// Accessors

std::string TAltersklasse::Name() const { return le::GetStr(rec_.data(), kOffName, kNameCapacity); }
void TAltersklasse::SetName(const std::string& name) { le::PutStr(rec_.data(), kOffName, kNameCapacity, name); }
uint16_t TAltersklasse::FirstYear() const { return le::GetU16(rec_.data(), kOffFirstYear); }
void TAltersklasse::SetFirstYear(uint16_t y) { le::PutU16(rec_.data(), kOffFirstYear, y); }
uint16_t TAltersklasse::LastYear() const { return le::GetU16(rec_.data(), kOffLastYear); }
void TAltersklasse::SetLastYear(uint16_t y) { le::PutU16(rec_.data(), kOffLastYear, y); }
uint16_t TAltersklasse::Flags() const { return le::GetU16(rec_.data(), kOffFlags); }
void TAltersklasse::SetFlags(uint16_t flags) { le::PutU16(rec_.data(), kOffFlags, flags); }
uint16_t TAltersklasse::DisciplineCount() const { return le::GetU16(rec_.data(), kOffCount); }
void TAltersklasse::SetDisciplineCount(uint16_t count) {
  le::PutU16(rec_.data(), kOffCount, std::min<uint16_t>(count, kMaxDisciplines));
}
uint16_t TAltersklasse::Counted() const { return le::GetU16(rec_.data(), kOffCounted); }
void TAltersklasse::SetCounted(uint16_t n) { le::PutU16(rec_.data(), kOffCounted, n); }

TDisziplin TAltersklasse::Discipline(int d) const {
  TDisziplin disc;
  if (d >= 1 && d <= kMaxDisciplines) disc.Load(rec_.data() + kOffDisciplines + (d - 1) * kDisziplinSize);
  return disc;
}

void TAltersklasse::SetDiscipline(int d, const TDisziplin& discipline) {
  if (d >= 1 && d <= kMaxDisciplines) discipline.Store(rec_.data() + kOffDisciplines + (d - 1) * kDisziplinSize);
}

TAltersklasse::Disciplines TAltersklasse::AllDisciplines() const {
  Disciplines all;
  for (int d = 1; d <= kMaxDisciplines; ++d) all[d - 1] = Discipline(d);
  return all;
}

TRekord TAltersklasse::Rekord(int d) const {
  TRekord r;
  if (d >= 1 && d <= kMaxDisciplines) r.Load(rec_.data() + kOffRekorde + (d - 1) * TRekord::kSize);
  return r;
}

void TAltersklasse::SetRekord(int d, const TRekord& r) {
  if (d >= 1 && d <= kMaxDisciplines) r.Store(rec_.data() + kOffRekorde + (d - 1) * TRekord::kSize);
}

TOverallRecord TAltersklasse::Overall() const {
  TOverallRecord o;
  o.Load(rec_.data() + kOffOverall);
  return o;
}

void TAltersklasse::SetOverall(const TOverallRecord& o) { o.Store(rec_.data() + kOffOverall); }

void TAltersklasse::ClearRecords() {
  std::fill(rec_.begin() + kOffRekorde, rec_.begin() + kOffOverall + TOverallRecord::kSize, 0);
}

void TAltersklasse::ShiftYears(int32_t a, int32_t b) {
  const auto shift = static_cast<uint16_t>(a - b);
  SetFirstYear(static_cast<uint16_t>(FirstYear() + shift));
  SetLastYear(static_cast<uint16_t>(LastYear() + shift));
}

// ---------------------------------------------------------------------------
// Record take-over

int TAltersklasse::CompareClass(const TAltersklasse& a, const TAltersklasse& b) {
  if (a.IsFemale() != b.IsFemale()) return a.IsFemale() ? -1 : 1;
  return CompareBytes(a.Name(), b.Name());
}

void TAltersklasse::MergeRecords(TAltersklasse& target, TAltersklasse& source) {
  if (CompareClass(target, source) != 0) {
    if (ErrorMsgProc) ErrorMsgProc(Oem("Fehler bei der Rekordübernahme (Altersklassen stimmen nicht überein! "));
    return;
  }
  TMessageOnce once;
  source.UpdateBests();
  bool complete = true;
  for (int d = 1; d <= kMaxDisciplines; ++d) {
    const TDisziplin td = target.Discipline(d);
    const TDisziplin sd = source.Discipline(d);
    if (!SameDisziplin(td, sd)) {
      complete = false;
      continue;
    }
    TRekord t = target.Rekord(d);
    const TRekord s = source.Rekord(d);
    // Deductions are entered as signed values (-3 is "n.a.") and stored in
    // 16 bits.
    const int32_t a = CalcPoints(t.RecordTime(), static_cast<int16_t>(t.RecordDeduction()), 0, td);
    const int32_t b = CalcPoints(s.BestTime(), static_cast<int16_t>(s.BestDeduction()), 0, sd);
    const int32_t c = CalcPoints(s.RecordTime(), static_cast<int16_t>(s.RecordDeduction()), 0, sd);
    if (a < b || c > a) {
      if (c >= b) {
        t.SetRecordTime(s.RecordTime());
        t.SetRecordDeduction(s.RecordDeduction());
      } else {
        t.SetRecordTime(s.BestTime());
        t.SetRecordDeduction(s.BestDeduction());
      }
    }
    if (s.RecordTime() == 153009 && a == 0 && b == 0) {
      t.SetRecordTime(s.RecordTime());
      t.SetRecordDeduction(s.RecordDeduction());
    }
    target.SetRekord(d, t);
  }
  if (complete) {
    const TOverallRecord so = source.Overall();
    TOverallRecord to = target.Overall();
    to.SetRecordTotal(std::max(so.RecordTotal(), so.BestTotal()));
    target.SetOverall(to);
  } else if (ErrorMsgProc) {
    ErrorMsgProc(Oem("Mindestens eine Disziplin stimmt nicht überein! (Altersklasse ") + target.Name() + ")");
  }
}

// ---------------------------------------------------------------------------
// Texts

std::string TAltersklasse::Heading(bool withYears) const {
  std::string s = "Altersklasse " + Name();
  if (s.size() > 43) s.resize(43);
  if (withYears) s += " (" + IntToStr(FirstYear()) + " - " + IntToStr(LastYear()) + ")";
  return s;
}

std::string TAltersklasse::CellText(int row, int16_t column) const {
  if (row >= 1 && row <= GetCount()) return At(row - 1)->ColumnText(column);
  if (row != 0) return std::string();
  switch (column) {
    case 1: return "Pl.";
    case 2: return "GesPkt";
    case 3: return "Glied.";
    case 4: return "Jg";
    case 5: return "Name";
    case 6: return "Vorname";
    case 7: return "Mannschaft";
    case 45: return "HLW";
    default: break;
  }
  if (column < 9 || column > 44) return std::string();
  static const char* const kCaptions[6] = {"", "Zeit", "Abz", "Pkt", "Lauf", "Bahn"};
  const int k = (column - 9) % 6;
  if (k == 0) return std::string();
  return kCaptions[k] + IntToStr((column - 9) / 6 + 1);
}
