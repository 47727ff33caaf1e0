// The lists made before and during the competition: qualification and start
// permission per age class, the heat list of the whole competition and the
// CPR start list.
#include "CodePage.h"
#include "VkDruck.h"

void TAusdruck::BuildQualification(int ageClassIndex, bool withOrganisations) {
  const TLegend legend = Explanations({"Nr.      Vorplazierung", "GesamtP. Meldepunktzahl",
                                       "Q        Qualifikation lt. Regelwerk, direkte Startberechtigung",
                                       Oem("Gl.      Gliederung, der der Teilnehmer angehört"),
                                       "Start    Startberechtigung erteilt ja/nein"},
                                      true);
  // No page breaks: every row is a keep-together block and moves by itself.
  BeginListReport("Qualifikation und Startberechtigung", B() - 40, false, legend, true);
  AddAgeClasses(ageClassIndex);
  if (!withOrganisations) return;
  WithHead = WithLegend = StatisticsBlock5 = true;
  AddStatistics(0);
}

void TAusdruck::NextGroup() {
  EndBlock();
  // Only now: a first block that moves to the next page carries its own head,
  // and PageStarted must not print a second one above it.
  headActive_ = true;
  if (Block5) AddTextLine("");
  BeginBlock();
}

void TAusdruck::BuildHeatList(bool withOrganisations) {
  const TLegend legend = Explanations({"Lauf*      Nummer des Laufs, in der der Teilnehmer startet",
                                       "Bahn*      Startbahn des Teilnehmers in diesem Lauf",
                                       Oem("Glied.     Gliederung, der der Teilnehmer angehört"),
                                       "Disz*      Lauf und Bahn jeweils in Disziplin *(1..5)"},
                                      true);
  BeginListReport("Laufeinteilung", B() - 40, true, legend, false);
  const bool oneLine = AllDisciplines && !SeparateDisciplines;
  // Heat lines head the heats only when all disciplines are shown; otherwise
  // every row carries its own heat number.
  ShowAllHeats = AllDisciplines;
  BeginBlock();
  SetListFont(kStyleBold);
  AddColumnHead(0);
  SetListFont(kStylePlain);

  TWettkampf& w = Competition();
  w.SetAllMarks(true);
  TTeilnehmerListe& selection = w.Selection();
  selection.DeleteAll();
  selection.SetSortMode(TTeilnehmerListe::kByHeatLane);
  selection.SetDiscipline(1);
  w.SelectMarked();
  if (selection.GetCount() > 0) {
    int16_t heat = selection.At(0)->Heat(1);
    if (ShowAllHeats) AddTextLine(w.HeatListLine(-1, selection.At(0), !ShowAllHeats, oneLine));
    for (int i = 0; i < selection.GetCount(); ++i) {
      const TTeilnehmer* t = selection.At(i);
      if (t->Heat(1) > heat) {
        NextGroup();
        if (ShowAllHeats) AddTextLine(w.HeatListLine(-1, t, !ShowAllHeats, oneLine));
        heat = t->Heat(1);
      }
      AddTextLine(w.HeatListLine(1, t, !ShowAllHeats, oneLine));
    }
  }
  EndBlock();
  // The list is over: pages of an appended statistics part get no heat head.
  headActive_ = false;
  // The selection only refers to participants of the age classes; nothing
  // may be left in it for a later command that disposes them.
  selection.DeleteAll();
  if (!withOrganisations) return;
  WithHead = WithLegend = StatisticsBlock5 = true;
  AddStatistics(0);
}

void TAusdruck::BuildCprStartList() {
  const TLegend legend = Explanations({"Start      Startzeit des Durchgangs, in der der Teilnehmer startet",
                                       "Bahn       Startbahn des Teilnehmers in diesem Lauf",
                                       "Nr         Fortlaufende Startnummer des Teilnehmers",
                                       Oem("Glied.     Gliederung, der der Teilnehmer angehört")},
                                      true);
  BeginListReport("HLW-Startliste", B() - 40, true, legend, false);
  BeginBlock();
  SetListFont(kStyleBold);
  AddColumnHead(0);
  SetListFont(kStylePlain);

  TWettkampf& w = Competition();
  w.MarkCprClasses();
  TTeilnehmerListe& selection = w.Selection();
  selection.DeleteAll();
  selection.SetSortMode(TTeilnehmerListe::kByCprSlot);
  w.SelectMarkedCpr();
  if (selection.GetCount() > 0) {
    int16_t start = selection.At(0)->CprTime();
    for (int i = 0; i < selection.GetCount(); ++i) {
      const TTeilnehmer* t = selection.At(i);
      if (t->CprTime() > start) {
        NextGroup();
        start = t->CprTime();
      }
      AddTextLine(w.CprStartListLine(t));
    }
  }
  EndBlock();
  headActive_ = false;
  selection.DeleteAll();
}
