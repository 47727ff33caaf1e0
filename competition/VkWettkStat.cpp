// The competition's services for reports, exports and the dialogs: the
// rebuild of the organisation statistics, the selections of participants and
// the fixed-width list lines. The lines are DOS-code-page text; callers
// convert at their own edge.
#include <algorithm>
#include <string>

#include "VkBasis.h"
#include "VkPunkte.h"
#include "VkWettk.h"
#include "YrHooks.h"

namespace {

constexpr size_t kMaxLine = 255;

std::string Blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

// The name columns of the participant, heat and CPR lists.
std::string NameColumns(const TTeilnehmer& t, bool individual) {
  if (individual) return PadRight(t.Name(true), 20) + " " + PadRight(t.Vorname(), 20) + "  ";
  return PadRight(t.Name(false), 32);
}

// The last two characters of the birth date when both are digits.
std::string YearColumn(const TTeilnehmer& t) {
  const std::string s = t.Geburtsdatum();
  if (s.size() < 2) return "  ";
  const std::string last = s.substr(s.size() - 2);
  for (char c : last)
    if (c < '0' || c > '9') return "  ";
  return last;
}

// Whether the total is this competition's best of the class, and how it
// stands against the previous years' best.
char TotalMark(const TAltersklasse& ak, const TTeilnehmer& t, bool withRecordMarks) {
  if (!withRecordMarks) return ' ';
  const TOverallRecord o = ak.Overall();
  const int32_t best = o.BestTotal();
  if (t.Total() != best || best < 1) return ' ';
  const int32_t previous = o.RecordTotal();
  if (previous == 0) return '?';
  return previous > best ? '*' : previous == best ? 'E' : 'R';
}

// The same for discipline k, by the points of the best time and of the
// previous years' record time.
char DisciplineMark(const TAltersklasse& ak, const TTeilnehmer& t, int k, bool withRecordMarks) {
  // Points below 1 can never carry a mark; testing them first also spares
  // the formula of a broken user discipline from being run (and reported)
  // again for every line.
  if (t.Deduction(k) < 0 || !withRecordMarks || t.Points(k) < 1) return ' ';
  const TDisziplin disc = ak.Discipline(k);
  const TRekord r = ak.Rekord(k);
  const int32_t best = CalcPoints(r.BestTime(), static_cast<int16_t>(r.BestDeduction()), 0, disc);
  if (t.Points(k) != best || best < 1) return ' ';
  if (r.RecordTime() == 0) return '?';
  const int32_t previous = CalcPoints(r.RecordTime(), static_cast<int16_t>(r.RecordDeduction()), 0, disc);
  return best < previous ? '*' : best == previous ? 'E' : 'R';
}

}  // namespace

// ---------------------------------------------------------------------------
// Statistics and selections

void TWettkampf::BuildGliederungen(uint8_t mode) {
  gliederungen_.ResetAll();
  gliederungen_.SetSortMode(TGliederungsListe::kByAbk);
  gliederungen_.Sort();
  for (int i = 0; i < GetCount(); ++i) At(i)->AddToGliederungen(gliederungen_);
  gliederungen_.RemoveEmpty();
  gliederungen_.SetSortMode(mode);
  gliederungen_.Sort();
  gliederungen_.AssignPlaces();
}

// Adds the participants of the marked classes that `take` accepts. The
// selection spans all classes, so unlike one class it can outgrow a
// collection; it stops there rather than end the program.
bool TWettkampf::SelectMarkedWhere(const std::function<bool(const TAltersklasse&, const TTeilnehmer*)>& take) {
  for (int i = 0; i < GetCount(); ++i) {
    if (!IsMarked(i)) continue;
    const TAltersklasse& ak = *At(i);
    if (!take(ak, nullptr)) continue;
    for (int j = 0; j < ak.GetCount(); ++j) {
      TTeilnehmer* t = ak.At(j);
      if (!take(ak, t)) continue;
      if (selection_.GetCount() >= kMaxCollectionSize) return false;
      selection_.Insert(t);
    }
  }
  return true;
}

bool TWettkampf::SelectMarked() {
  Progress().SetCaption("Teilnehmer selektieren...");
  return SelectMarkedWhere([](const TAltersklasse&, const TTeilnehmer*) { return true; });
}

bool TWettkampf::SelectMarkedCpr() {
  Progress().SetCaption("HLW Teilnehmer selektieren...");
  return SelectMarkedWhere([](const TAltersklasse& ak, const TTeilnehmer*) { return ak.HasCpr(); });
}

bool TWettkampf::SelectGliederung(const std::string& abk) {
  Progress().SetCaption("Alle Teilnehmer aus " + abk + " selektieren...");
  return SelectMarkedWhere([&](const TAltersklasse&, const TTeilnehmer* t) {
    return t == nullptr || t->Gliederung() == abk;
  });
}

bool TWettkampf::SelectHeat(int d, int16_t h) {
  Progress().SetCaption("Selektiere Lauf " + IntToStr(h) + " ...");
  // The participant's accessors read 0 outside 1..6, which would pick
  // everybody without a heat for h = 0.
  if (d < 1 || d > TAltersklasse::kMaxDisciplines) return true;
  return SelectMarkedWhere([&](const TAltersklasse&, const TTeilnehmer* t) {
    return t == nullptr || t->Heat(d) == h;
  });
}

int16_t TWettkampf::HeatRange(bool highest, int d) const {
  int16_t result = highest ? 0 : 32767;
  if (d < 0 || d > TAltersklasse::kMaxDisciplines) return result;
  const int first = d == 0 ? 1 : d;
  const int last = d == 0 ? TAltersklasse::kMaxDisciplines : d;
  for (int i = 0; i < GetCount(); ++i) {
    const TAltersklasse& ak = *At(i);
    for (int j = 0; j < ak.GetCount(); ++j)
      for (int k = first; k <= last; ++k) {
        const int16_t heat = ak.At(j)->Heat(k);
        result = highest ? std::max(result, heat) : std::min(result, heat);
      }
  }
  return result;
}

// ---------------------------------------------------------------------------
// List lines

std::string TWettkampf::ParticipantListLine(int classIndex, int row) const {
  if (classIndex < 0 || classIndex >= GetCount()) return "";
  const TAltersklasse& ak = *At(classIndex);
  if (row < 0 || row > ak.GetCount()) return "";
  if (row == 0) return "Nr.  GesamtP.  Gl.    Start Teilnehmer";
  const TTeilnehmer& t = *ak.At(row - 1);
  return PadLeft(IntToStr(t.Place()), 3) + ". " + PadRight(PointsToText(t.Total(), 2), 7) + " " +
         (t.Flag(TTeilnehmer::kDirektQualifiziert) ? "Q " : "  ") + PadRight(t.Gliederung(), 7) +
         (t.Flag(TTeilnehmer::kStartberechtigt) ? "ja    " : "nein  ") + NameColumns(t, IsIndividual());
}

std::string TWettkampf::HeatListLine(int d, const TTeilnehmer* participant, bool withHeat,
                                     bool allDisciplines) const {
  enum class Kind { kHeader, kGroup, kRow };
  const Kind kind = participant == nullptr ? Kind::kHeader : d == -1 ? Kind::kGroup : Kind::kRow;
  const TTeilnehmer* t = participant;
  const bool individual = IsIndividual();
  std::string s;
  if (!allDisciplines) {
    if (withHeat)
      s += kind == Kind::kHeader ? "Lauf* " : kind == Kind::kGroup ? Blanks(6) : PadLeft(IntToStr(t->Heat(d)), 5) + " ";
    s += kind == Kind::kHeader ? "Bahn* " : kind == Kind::kGroup ? Blanks(6) : PadLeft(IntToStr(t->Lane(d)), 5) + " ";
  }
  const int nameWidth = individual ? 41 : 30;
  s += kind == Kind::kHeader  ? PadRight("Teilnehmer", nameWidth) + "  "
       : kind == Kind::kGroup ? Blanks(nameWidth + 2)
                              : NameColumns(*t, individual);
  s += kind == Kind::kHeader ? "Glied. " : kind == Kind::kGroup ? Blanks(7) : PadRight(t->Gliederung(), 7);
  if (allDisciplines) {
    // Five columns: a sixth discipline has no place in the line.
    if (withHeat) {
      if (kind == Kind::kRow) {
        for (int k = 1; k <= 5; ++k)
          s += PadLeft(IntToStr(t->Heat(k)), 4) + " " + PadLeft(IntToStr(t->Lane(k)), 4) + " ";
      } else {
        s += "Lauf1Bahn Lauf2Bahn Lauf3Bahn Lauf4Bahn Lauf5Bahn ";
      }
    } else if (kind == Kind::kHeader) {
      s += "     Disz1 Disz2 Disz3 Disz4 Disz5 ";
    } else if (kind == Kind::kGroup) {
      s += "Lauf ";
      for (int k = 1; k <= 5; ++k) s += PadLeft(IntToStr(t->Heat(k)), 5) + " ";
    } else {
      s += "Bahn ";
      for (int k = 1; k <= 5; ++k) s += " " + PadLeft(IntToStr(t->Lane(k)), 4) + " ";
    }
  }
  if (kind == Kind::kHeader)
    s += "Altersklasse";
  else if (kind == Kind::kRow)
    s += PadRight(t->Altersklasse(), 30);
  return s;
}

std::string TWettkampf::CprStartListLine(const TTeilnehmer* participant) const {
  const bool individual = IsIndividual();
  if (participant == nullptr)
    return individual ? "Start Bahn   Nr Teilnehmer                                 Glied. Altersklasse"
                      : "Start Bahn   Nr Teilnehmer                      Glied. Altersklasse";
  const TTeilnehmer& t = *participant;
  return PadLeft(ClockToText(t.CprTime()), 5) + " " + PadLeft(IntToStr(t.CprStation()), 4) + " " +
         VkBasis::ZeroPad(IntToStr(t.CprHeat()), 4) + " " + NameColumns(t, individual) +
         PadRight(t.Gliederung(), 7) + PadRight(t.Altersklasse(), 30);
}

std::string TWettkampf::ResultLineLeft(int classIndex, int row, bool /*withResults*/, bool withRecordMarks,
                                       bool withSchedule, int /*mode*/) const {
  if (classIndex < 0 || classIndex >= GetCount()) return "";
  const TAltersklasse& ak = *At(classIndex);
  if (row < 0 || row > ak.GetCount()) return "";
  const bool individual = IsIndividual();
  std::string s;
  if (row == 0) {
    s = "Pl.   GesamtP. Glied. ";
    s += individual ? "Jg " + PadRight("Name", 20) + " " + PadRight("Vorname", 20) + " " : PadRight("Mannschaft", 31);
    if (ak.HasCpr()) {
      s += "    HLW ";
      if (withSchedule) s += " Zeit Sta ";
    }
    return s;
  }
  const TTeilnehmer& t = *ak.At(row - 1);
  if (t.Total() < 1)
    s = Blanks(5);
  else if (t.Flag(TTeilnehmer::kAusserKonkurrenz))
    s = "AK   ";
  else
    s = PadLeft(IntToStr(t.Place()), 3) + ". ";
  s += TotalMark(ak, t, withRecordMarks);
  s += PadLeft(PointsToText(t.Total(), 2), 8) + " ";
  s += PadRight(t.Gliederung(), 6) + " ";
  if (individual)
    s += YearColumn(t) + " " + PadRight(t.Name(true), 20) + " " + PadRight(t.Vorname(), 20) + " ";
  else
    s += PadRight(t.Name(false), 31);
  if (ak.HasCpr()) {
    s += PadLeft(PointsOrCodeToText(t.CprValue(), 2), 7) + " ";
    if (withSchedule) s += PadLeft(ClockToText(t.CprTime()), 5) + " " + PadLeft(IntToStr(t.CprStation()), 3) + " ";
  }
  return s;
}

std::string TWettkampf::ResultLineRight(int classIndex, int row, bool withResults, bool withRecordMarks,
                                        bool withSchedule, int mode) const {
  if (classIndex < 0 || classIndex >= GetCount()) return "";
  const TAltersklasse& ak = *At(classIndex);
  if (row < 0 || row > ak.GetCount()) return "";
  // The header groups are one or two characters narrower than the rows'
  // (the deduction and the "-" behind the points have no header column);
  // printed lists have always looked like this.
  const bool places = mode == 1 && ak.ShowsDisciplinePlaces();
  const int count = ak.DisciplineCount();
  std::string s;
  if (row == 0) {
    for (int k = 1; k <= count; ++k) {
      const std::string n = IntToStr(k);
      if (withResults)
        s += places ? " Zeit " + n + "  Pkt. " + n + " Pl." + n : " Zeit " + n + " " + " Abz" + n + "  Pkt. " + n;
      if (withSchedule) s += " La" + n + " Ba" + n;
    }
    return s;
  }
  const TTeilnehmer& t = *ak.At(row - 1);
  for (int k = 1; k <= count; ++k) {
    if (withResults) {
      s += " " + TimeToText(t.Time(k), t.DisplayOption() != 0);
      if (!places) s += " " + PadLeft(IntOrCodeToText(t.Deduction(k)), 5);
      s += DisciplineMark(ak, t, k, withRecordMarks);
      s += PadLeft(PointsToText(t.Points(k), 2), 7);
      s += t.Deduction(k) != 0 ? "-" : " ";
      if (places) {
        const int16_t place = t.DisciplinePlace(k);
        s += place == 0 ? "  x " : PadLeft(IntToStr(place), 3) + ".";
      }
    }
    if (withSchedule) s += " " + PadLeft(IntToStr(t.Heat(k)), 3) + " " + PadLeft(IntToStr(t.Lane(k)), 3);
  }
  return s;
}

std::string TWettkampf::ResultLine(int classIndex, int row, bool withResults, bool withRecordMarks,
                                   bool withSchedule, int mode) const {
  std::string s = ResultLineLeft(classIndex, row, withResults, withRecordMarks, withSchedule, mode) +
                  ResultLineRight(classIndex, row, withResults, withRecordMarks, withSchedule, mode);
  if (s.size() > kMaxLine) s.resize(kMaxLine);
  return s;
}
