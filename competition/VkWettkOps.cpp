// The commands of the competition menu that act on every age class in turn,
// merging another competition, taking over its records and placing imported
// participants. The per-class work lives in the age class; this file decides
// the order, carries the heat and CPR parameters from class to class and
// words the messages.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

#include "CodePage.h"
#include "VkAkOps.h"
#include "VkBasis.h"
#include "VkWettk.h"
#include "YrHooks.h"

namespace {

void Report(const std::string& msg) {
  if (ErrorMsgProc) ErrorMsgProc(msg);
}

std::string Cut(const std::string& s, size_t n) { return s.size() > n ? s.substr(0, n) : s; }

int16_t Word(int v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); }

// Empties the caption however the operation leaves.
struct TCaption : TProgressCaption {
  explicit TCaption(const char* utf8) : TProgressCaption(Oem(utf8)) {}
};

bool AllDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whether a birth-year text falls into the class's years. Imports write the
// year with four digits or with two; a date ends in the year. Four trailing
// digits are the year itself; two trailing digits fit a class when one of
// its years ends in them. Anything else fits no class.
bool YearFits(const TAltersklasse& ak, const std::string& text) {
  const int first = ak.FirstYear();
  const int last = ak.LastYear();
  if (text.size() >= 4 && AllDigits(text.substr(text.size() - 4))) {
    const int year = VkBasis::StrToInt(text.substr(text.size() - 4));
    return first <= year && year <= last;
  }
  if (text.size() >= 2 && AllDigits(text.substr(text.size() - 2))) {
    const int yy = VkBasis::StrToInt(text.substr(text.size() - 2));
    int year = first - first % 100 + yy;
    if (year < first) year += 100;
    return year <= last;
  }
  return false;
}

}  // namespace

void TWettkampf::Qualify(int count, int mode) {
  TCaption caption("Die Qualifikation wird erstellt...");
  for (int i = 0; i < GetCount(); ++i) At(i)->Qualify(count, mode);
}

void TWettkampf::AssignHeats(int startHeat, int startPosition, int options) {
  TCaption caption("Die Laufbesetzung wird erstellt...");
  TLaufParameter p;
  p.discipline = 1;
  p.nextHeat = Word(startHeat);
  p.nextPosition = Word(startPosition);
  p.lanes = static_cast<int16_t>(LanesPerHeat());
  p.spare6 = 0;
  p.spare7 = 0;
  p.options = Word(options);
  for (int i = 0; i < GetCount(); ++i) At(i)->AssignHeats(p);
  if ((p.options & (TLaufParameter::kSwapLanes | TLaufParameter::kNumberOnward)) == 0) return;
  for (int16_t d = 2; d <= TAltersklasse::kMaxDisciplines; ++d) {
    p.spare6 = 0;
    p.spare7 = 0;
    p.discipline = d;
    for (int i = 0; i < GetCount(); ++i) At(i)->AssignHeats(p);
  }
}

void TWettkampf::AssignCprHeats(int startClock, int startStation, int duration, int starts, bool byOrganisation) {
  TCaption caption("HLW Laufeinteilung wird erstellt...");
  header_.SetLastCprDuration(static_cast<uint16_t>(duration));
  header_.SetLastCprStarts(static_cast<uint16_t>(starts));
  THLWParameter q;
  q.stations = static_cast<int16_t>(CprStations());
  q.clock = Word(startClock);
  q.nextStation = Word(startStation);
  q.duration = Word(duration);
  q.measures = Word(starts);
  q.nextHeat = 1;

  if (!byOrganisation) {
    for (int i = 0; i < GetCount(); ++i) At(i)->AssignCprHeats(q);
    return;
  }

  BuildGliederungen(TGliederungsListe::kByAbk);
  selection_.DeleteAll();
  selection_.SetSortMode(TTeilnehmerListe::kByName);
  MarkCprClasses();
  for (int g = 0; g < gliederungen_.GetCount(); ++g) {
    selection_.DeleteAll();
    SelectGliederung(gliederungen_.At(g)->Abk());
    selection_.Sort();
    AssignCprSlots(selection_, q);
  }
  // Participants without an organisation (or with one the statistics could
  // not take) belong to no block above; left alone they would keep the
  // slots of an earlier timetable, which collide with this one.
  selection_.DeleteAll();
  SelectMarkedWhere([&](const TAltersklasse&, const TTeilnehmer* t) {
    return t == nullptr || gliederungen_.IndexOfAbk(t->Gliederung()) < 0;
  });
  selection_.Sort();
  AssignCprSlots(selection_, q);
  selection_.DeleteAll();
}

void TWettkampf::ResetResults(const TYrSet& items) {
  TCaption caption("Werte zurücksetzen...");
  for (int i = 0; i < GetCount(); ++i) At(i)->ResetResults(items);
}

void TWettkampf::Strike(int mode) {
  TCaption caption("Alle Teilnehmer ohne Zeitangabe werden gelöscht...");
  for (int i = 0; i < GetCount(); ++i) At(i)->Strike(mode);
}

void TWettkampf::UpdateRecords() {
  TCaption caption("Bestleistungen aktualisieren");
  for (int i = 0; i < GetCount(); ++i) At(i)->UpdateBests();
}

void TWettkampf::TakeRecords(TWettkampf& source) {
  source.UpdateRecords();
  TCaption caption("Rekorde übernehmen...");
  for (int i = 0; i < GetCount(); ++i) {
    TAltersklasse& a = *At(i);
    bool matched = false;
    for (int j = 0; j < source.GetCount(); ++j) {
      TAltersklasse& b = *source.At(j);
      if (TAltersklasse::CompareClass(a, b) != 0) continue;
      matched = true;
      TAltersklasse::MergeRecords(a, b);
    }
    if (!matched)
      Report(Cut(Cut("Zur Altersklasse " + a.Name(), 47) + Oem(" wurde keine passende Altersklasse gefunden."), 91));
  }
}

void TWettkampf::Merge(TWettkampf* source, uint16_t options, const std::string& abk, int count) {
  // Merging a competition into itself would move every participant from a
  // class into the very same class forever.
  if (source == nullptr || source == this) return;
  if (source->IsIndividual() != IsIndividual()) {
    Report(Oem("Einzel- u. Mannschaftswettkämpfe können nicht gemischt werden"));
    return;
  }
  TYrProgress& progress = Progress();
  progress.Update(Oem("Wettkampf hinzufügen..."), 0, source->ParticipantCount(), 1, 0);
  // Its participants move here or go: none stays in its selection.
  source->Selection().DeleteAll();

  while (source->GetCount() > 0) {
    const int last = source->GetCount() - 1;
    TAltersklasse& b = *source->At(last);
    const std::string name = b.Name();

    if ((options & kMergeClasses) != 0 && IndexOf(&b) < 0 && GetCount() < kMaxCollectionSize) {
      Add(std::make_unique<TAltersklasse>(b.GetRecord()));
      Report(Cut(Cut("Altersklasse " + name, 43) + Oem(" wurde hinzugefügt."), 62));
    }

    if ((options & kMergeParticipants) != 0) {
      const int index = IndexOf(&b);
      if (index < 0) {
        Report(Cut(Cut("Altersklasse " + name, 43) + Oem(" übersprungen."), 57));
      } else {
        TAltersklasse& a = *At(index);
        int skipped = 0;
        int refused = 0;
        while (b.GetCount() > 0) {
          TTeilnehmer* p = b.At(b.GetCount() - 1);
          b.AtDelete(b.GetCount() - 1);
          progress.StepIt();
          const bool retained = (!p->Flag(TTeilnehmer::kAusserKonkurrenz) || (options & kMergeOutside) != 0) &&
                                (p->Flag(TTeilnehmer::kMeldet) || (options & kMergeNotEntered) != 0) &&
                                (p->IsComplete() || (options & kMergeIncomplete) != 0);
          if (!retained) {
            ++skipped;
            delete p;
            continue;
          }
          // A full class would end the program on the next insertion.
          if (a.GetCount() >= kMaxCollectionSize) {
            ++refused;
            delete p;
            continue;
          }
          if (!abk.empty()) p->SetGliederung(abk);
          // An out-of-competition participant keeps its position in the
          // place field, and place 0 is no place: neither is among the first.
          if (count != 0)
            p->SetFlag(TTeilnehmer::kDirektQualifiziert,
                       !p->Flag(TTeilnehmer::kAusserKonkurrenz) && p->Place() >= 1 && p->Place() <= count);
          a.AtInsert(a.GetCount(), p);
        }
        a.Evaluate();
        if (skipped > 0)
          Report(Cut(VkBasis::IntToStr(skipped) + " Teilnehmer der Altersklasse " + name + Oem(" übersprungen."), 255));
        if (refused > 0)
          Report(Cut(Oem("Die Altersklasse ") + a.Name() + Oem(" ist voll: ") + VkBasis::IntToStr(refused) +
                         Oem(" Teilnehmer konnten nicht hinzugefügt werden."),
                     255));
      }
    }
    source->AtFree(last);
  }

  const TGliederungsListe& theirs = source->Gliederungen();
  for (int i = 0; i < theirs.GetCount(); ++i) {
    const TGliederung& o = *theirs.At(i);
    const int j = gliederungen_.IndexOfAbk(o.Abk());
    if (j < 0) {
      if (gliederungen_.GetCount() < kMaxCollectionSize) gliederungen_.Add(std::make_unique<TGliederung>(o));
    } else if (gliederungen_.At(j)->Name() == gliederungen_.At(j)->Abk()) {
      gliederungen_.At(j)->SetName(o.Name());
    }
  }
  progress.Update("", 0, 0, progress.Step(), 0);
}

TAltersklasse* TWettkampf::ClassFor(TTeilnehmer& p) const {
  if (p.Altersklasse().empty() && IsIndividual() && !p.Geburtsdatum().empty()) {
    p.SetAltersklasse("?");
    for (int i = 0; i < GetCount(); ++i) {
      const TAltersklasse& ak = *At(i);
      if (ak.IsFemale() == p.IsFemale() && YearFits(ak, p.Geburtsdatum())) {
        p.SetAltersklasse(ak.Name());
        break;
      }
    }
  }
  for (int i = 0; i < GetCount(); ++i)
    if (At(i)->Belongs(p)) return At(i);
  return nullptr;
}

TTeilnehmer* TWettkampf::PlaceParticipant(std::unique_ptr<TTeilnehmer> participant) {
  if (participant == nullptr) return nullptr;
  TTeilnehmer& p = *participant;
  const bool individual = IsIndividual();
  if (TAltersklasse* ak = ClassFor(p)) {
    if (ak->GetCount() >= kMaxCollectionSize) {
      Report(Cut(Oem("Die Altersklasse ") + ak->Name() + Oem(" ist voll: ") + p.Name(individual) +
                     Oem(" konnte nicht eingefügt werden."),
                 255));
      return nullptr;
    }
    return ak->Add(std::move(participant));
  }

  std::string who = individual ? Cut(p.Name(true) + ", ", 22) + p.Vorname() : p.Name(false);
  Report(Cut(who + Oem(" (Altersklasse ") + p.Altersklasse() + ")" + Oem(" konnte nicht eingefügt werden."), 255));
  return nullptr;
}
