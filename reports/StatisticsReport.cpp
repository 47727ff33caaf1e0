// The organisation statistics in four forms: alphabetical overview, medal
// table, ranking by total points and trophy ranking.
#include "CodePage.h"
#include "VkDruck.h"

namespace {

struct Form {
  const char* title;
  uint8_t sortMode;
  std::vector<std::string> legend;
};

const Form& FormOf(int form) {
  static const Form kForms[] = {
      {"Statistik: Gliederungen",
       TGliederungsListe::kByAbk,
       {"Nr.      laufende Nummer", Oem("Abk.     verwendete Abkürzung für die Gliederung"),
        "TN       Anzahl der Teilnehmer der Gliederung", "GesamtP  erreichte Gesmtpunkte der Gliederung"}},
      {"Statistik: Medaillenspiegel",
       TGliederungsListe::kByMedals,
       {"Pl.      Platzierung", Oem("Abk.     verwendete Abkürzung für die Gliederung"),
        "TN       Anzahl der Teilnehmer der Gliederung", "Go         davon auf Platz 1 (Goldmedaille)",
        "Si         davon auf Platz 2 (Silbermedaille)", "Br         davon auf Platz 3 (Bronzemedaille)",
        "GesamtP  erreichte Gesmtpunkte der Gliederung", "QPK      erreichte Punktzahl Quendal-Pokal"}},
      {"Statistik: punktbeste Gliederung",
       TGliederungsListe::kByTotal,
       {"Pl.      Platzierung", "GesamtP  erreichte Punktzahl aller Teilnehmer der Gliederung",
        Oem("Abk.     verwendete Abkürzung für die Gliederung"), "TN       Anzahl der Teilnehmer der Gliederung",
        "DPunkte  Durchschnittspunktzahl aller TN der Gliederung"}},
      {"Statistik: Quendal-Wertung",
       TGliederungsListe::kByTrophy,
       {"Pl.      Platzierung", "QPK      erreichte Punktzahl Quendal-Pokal",
        Oem("         pro Altersklasse erhält der jeweils bestplatzierte der OG "),
        "         je nach erreichtem Platz 30,28,26,25,24... Punkte",
        Oem("Abk.     verwendete Abkürzung für die Gliederung"), "TN       Anzahl der Teilnehmer der Gliederung"}},
  };
  return kForms[form];
}

}  // namespace

void TAusdruck::AddStatistics(int form) {
  if (form < 0 || form > 3) return;
  const Form& f = FormOf(form);
  TWettkampf& w = Competition();
  w.BuildGliederungen(f.sortMode);
  BeginListReport(f.title, B(), true, Explanations(f.legend, false), true);
  const TGliederungsListe& list = w.Gliederungen();
  SetFont(kFaceCourierNew, 40, kAlignMiddle | kAlignLeft, kStyleBold, true);
  AddTextLine(list.ReportLine(f.sortMode, 0));
  SetFont(kFaceCourierNew, 40, kAlignMiddle | kAlignLeft, kStylePlain, true);
  for (int i = 1; i <= list.GetCount(); ++i) {
    AddTextLine(list.ReportLine(f.sortMode, i));
    if (StatisticsBlock5 && i % 5 == 0) AddTextLine("");
  }
}
