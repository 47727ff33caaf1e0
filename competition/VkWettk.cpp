#include "VkWettk.h"

#include <algorithm>
#include <memory>
#include <unordered_set>

#include "ByteOrder.h"
#include "CodePage.h"
#include "StoredList.h"
#include "YrDate.h"
#include "YrHooks.h"

// ---------------------------------------------------------------------------
// TWettkampfDaten

void TWettkampfDaten::SetDefaults() {
  bytes_.fill(0);
  SetTitle("Titel des Wettkampfes eingeben");
  SetKind(kIndividual);
  SetOrganiser("Veranstalter eingeben");
  SetHost("Ausrichter eingeben");
  SetDate(LongDate());
  SetLanesIndex(2);
  SetPool(0);
  SetCprStationsIndex(2);
}

std::string TWettkampfDaten::Text(size_t off) const { return le::GetStr(bytes_.data(), off, kTextCapacity); }
void TWettkampfDaten::SetText(size_t off, const std::string& s) { le::PutStr(bytes_.data(), off, kTextCapacity, s); }
uint16_t TWettkampfDaten::Word(size_t off) const { return le::GetU16(bytes_.data(), off); }
void TWettkampfDaten::SetWord(size_t off, uint16_t v) { le::PutU16(bytes_.data(), off, v); }

// ---------------------------------------------------------------------------
// TWettkampf: construction, copy, disposal

TWettkampf::TWettkampf() : TYrSortedCollection(50, 10) {
  SetDuplicates(false);
  header_.SetDefaults();
}

namespace {

// The caption goes up before anything is copied.
int CopyCaptionAndLimit(const TWettkampf& source) {
  Progress().SetCaption(Oem("Wettkampf kopieren..."));
  return source.GetLimit();
}

}  // namespace

TWettkampf::TWettkampf(const TWettkampf& source)
    : TYrSortedCollection(CopyCaptionAndLimit(source), source.GetDelta()),
      header_(source.header_),
      gliederungen_(source.gliederungen_),
      organListe_(source.organListe_),
      rekordListe_(source.rekordListe_) {
  SetDuplicates(false);
  for (int i = 0; i < source.GetCount(); ++i) Add(std::make_unique<TAltersklasse>(*source.At(i)));
  Progress().SetCaption("");
}

TWettkampf::~TWettkampf() {
  // The classes go while the selection they know still exists (the base
  // class would dispose them after it, and with its own FreeItem).
  selection_.DeleteAll();
  FreeAll();
}

void TWettkampf::DisposeContents() {
  selection_.DeleteAll();
  FreeAll();
  gliederungen_.FreeAll();
  gliederungen_.SetSortMode(TGliederungsListe::kByAbk);
  organListe_.FreeAll();
  rekordListe_.FreeAll();
}

// ---------------------------------------------------------------------------
// Order and insertion

int TWettkampf::Compare(const TYrObject* key1, const TYrObject* key2) const {
  const auto& a = *static_cast<const TAltersklasse*>(key1);
  const auto& b = *static_cast<const TAltersklasse*>(key2);
  if (a.FirstYear() != b.FirstYear()) return a.FirstYear() > b.FirstYear() ? -1 : 1;
  if (a.LastYear() != b.LastYear()) return a.LastYear() > b.LastYear() ? -1 : 1;
  return TAltersklasse::CompareClass(a, b);
}

void TWettkampf::Insert(TYrObject* item) { AddItem(std::unique_ptr<TYrObject>(item)); }

TYrObject* TWettkampf::AddItem(std::unique_ptr<TYrObject> item) {
  if (item == nullptr) return nullptr;
  auto* ak = static_cast<TAltersklasse*>(item.get());
  ak->SetDisplayOption(DisplayOption());
  const int before = GetCount();
  TYrSortedCollection::Insert(ak);
  if (GetCount() != before) {
    ak->SetSelection(&selection_);
    return item.release();
  }

  int index = 0;
  if (Search(ak, index) && ErrorMsgProc) {
    std::string msg = ("Die Altersklasse " + ak->Name()).substr(0, 47);
    msg += Oem(" konnte nicht eingefügt werden (sie existiert bereits).");
    ErrorMsgProc(msg.substr(0, 102));
  }
  // Refused (or, after a run-time error a handler let pass, not taken): the
  // class goes with `item`.
  return nullptr;
}

void TWettkampf::FreeItem(TYrObject* item) {
  if (item == nullptr) return;
  auto* ak = static_cast<TAltersklasse*>(item);
  if (selection_.GetCount() > 0) {
    const std::unordered_set<const TYrObject*> theirs(ak->Items(), ak->Items() + ak->GetCount());
    selection_.DeleteIf([&theirs](const TYrObject* t) { return theirs.contains(t); });
  }
  ak->SetSelection(nullptr);
  delete ak;
}

// ---------------------------------------------------------------------------
// Header

void TWettkampf::PassDisplayOption() {
  const uint8_t option = DisplayOption();
  for (int i = 0; i < GetCount(); ++i) At(i)->SetDisplayOption(option);
}

void TWettkampf::SetHeader(const TWettkampfDaten& header) {
  header_ = header;
  PassDisplayOption();
}

int TWettkampf::LanesPerHeat() const { return std::min<int>(header_.LanesIndex(), 7) + 3; }
int TWettkampf::CprStations() const { return std::min<int>(header_.CprStationsIndex(), 7) + 3; }

// ---------------------------------------------------------------------------
// Counts and marks

int32_t TWettkampf::ParticipantCount() const {
  int32_t n = 0;
  for (int i = 0; i < GetCount(); ++i) n += At(i)->GetCount();
  return n;
}

void TWettkampf::SetMark(int i, bool value) {
  if (ValidIndex(i)) At(i)->SetMark(value ? 1 : 0);
}

bool TWettkampf::IsMarked(int i) const { return ValidIndex(i) && At(i)->Mark() != 0; }

void TWettkampf::SetAllMarks(bool value) {
  for (int i = 0; i < GetCount(); ++i) At(i)->SetMark(value ? 1 : 0);
}

void TWettkampf::MarkCprClasses() {
  for (int i = 0; i < GetCount(); ++i) At(i)->SetMark(At(i)->HasCpr() ? 1 : 0);
}

// ---------------------------------------------------------------------------
// Find

TTeilnehmer* TWettkampf::FindParticipant(const std::string& text, uint8_t options, int& row,
                                         int& classIndex) const {
  const int classes = GetCount();
  if (classes == 0) return nullptr;
  if (IsIndividual()) options |= TTeilnehmer::kMatchFirstName;
  const bool backward = (options & 1) != 0;

  // Every position the walk can reach is (class, 0..max(count, 1) - 1); the
  // walk is a cycle through all of them. A start row outside its class
  // would never come round again, so it is first pulled to just before the
  // first or just after the last participant.
  if (!ValidIndex(classIndex)) classIndex = 0;
  const int startCount = At(classIndex)->GetCount();
  row = std::clamp(row, -1, startCount);

  auto step = [&] {
    if (!backward) {
      if (++row >= At(classIndex)->GetCount()) {
        classIndex = classIndex + 1 < classes ? classIndex + 1 : 0;
        row = 0;
      }
    } else if (--row < 0) {
      classIndex = classIndex > 0 ? classIndex - 1 : classes - 1;
      row = std::max(At(classIndex)->GetCount() - 1, 0);
    }
  };

  // The number of positions bounds the walk even if the cycle argument above
  // were ever broken by a change of the step.
  int64_t positions = 0;
  for (int i = 0; i < classes; ++i) positions += std::max<int>(At(i)->GetCount(), 1);

  step();
  const int startClass = classIndex;
  const int startRow = row;
  for (int64_t n = 0; n <= positions; ++n) {
    const TAltersklasse* ak = At(classIndex);
    if (row < ak->GetCount()) {
      TTeilnehmer* t = ak->At(row);
      if (t->Matches(text, options)) return t;
    }
    step();
    if (classIndex == startClass && row == startRow) return nullptr;
  }
  return nullptr;
}

// ---------------------------------------------------------------------------
// Result file

void TWettkampf::Store(TYrStream& stream) const {
  stream.Write(kFileHeader, kFileHeaderSize);
  uint8_t size[4];
  le::PutI32(size, 0, static_cast<int32_t>(kWettkampfDatenSize));
  stream.Write(size, sizeof size);
  stream.Write(header_.GetBytes().data(), kWettkampfDatenSize);

  WriteStoredList(
      stream, *this, kAgeClassMarker,
      [&stream](const TYrObject& item) { static_cast<const TAltersklasse&>(item).Store(stream); }, GetDuplicates());

  gliederungen_.Store(stream);
  organListe_.Store(stream);
}

bool TWettkampf::Load(TYrStream& stream) {
  // Everything goes first, so that every way out below leaves empty lists
  // behind and no selection entry points at a disposed participant.
  DisposeContents();
  rekordListe_.SetLimit(100);
  rekordListe_.SetDelta(10);
  header_ = TWettkampfDaten();

  uint8_t text[kFileHeaderSize];
  stream.Read(text, sizeof text);
  uint8_t sizeField[4] = {};
  stream.Read(sizeField, sizeof sizeField);
  if (stream.Status != 0) return false;
  const int32_t size = le::GetI32(sizeField, 0);
  // No writer makes a negative size; such a file is damaged and nothing
  // after it can be located.
  if (size < 0) return false;

  TWettkampfDaten::Bytes bytes{};
  const auto wanted = static_cast<uint16_t>(std::min<int32_t>(size, kWettkampfDatenSize));
  stream.Read(bytes.data(), wanted);  // a short read leaves the rest zero
  header_.SetBytes(bytes);
  const int64_t next = static_cast<int64_t>(kFileHeaderSize) + 4 + size;
  stream.Seek(static_cast<int32_t>(std::min<int64_t>(next, INT32_MAX)));

  if (!LoadAgeClasses(stream)) return false;
  SetDuplicates(false);

  // A list that stopped leaves the stream inside its data: what follows it
  // cannot be found and stays empty.
  if (!gliederungen_.Load(stream)) return false;
  if (!organListe_.Load(stream)) return false;
  Sort();
  return true;
}

bool TWettkampf::LoadAgeClasses(TYrStream& stream) {
  const StoredListRead read = ReadStoredList(
      stream,
      [&](uint16_t marker) {
        if (marker != kAgeClassMarker) return false;
        auto ak = std::make_unique<TAltersklasse>(stream);
        // The file ended inside the class's record: nothing of it can be
        // trusted. A class whose participants stopped (at their list head or
        // among them) keeps those read and is inserted like a whole one; the
        // next marker then decides whether reading goes on.
        if (ak->LastLoad() == TAltersklasse::LoadResult::kTruncated) return false;
        Add(std::move(ak));
        return true;
      },
      {.limitsTo = this});
  return read.Complete();
}

void TWettkampf::ShiftYears(int32_t a, int32_t b) {
  for (int i = 0; i < GetCount(); ++i) At(i)->ShiftYears(a, b);
}
