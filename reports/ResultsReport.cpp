// The results report: the competition's data and a legend of the columns on
// the first page, then every chosen age class with its result lines, and
// optionally the medal table.
#include "CodePage.h"
#include "VkDruck.h"
#include "YrText.h"

namespace {

TLegend ResultsLegend(const TWettkampf& w, bool withRecords) {
  const TWettkampfDaten& h = w.Header();
  TLegend legend{
      {true, "Wettkampfdaten:"},
      {true, "==============="},
      {false, ""},
      {false, "Austragungsort: " + h.Venue()},
      {false, "Ausrichter:     " + h.Host()},
      {false, "Veranstalter:   " + h.Organiser()},
      {false, "Datum:          " + h.Date()},
      {false, Oem("Beckengröße:    ") + IntToStr(w.LanesPerHeat()) + " x " + IntToStr((h.Pool() + 1) * 25) +
                  "m Bahnen"},
      {false, ""},
  };
  std::vector<std::string> lines{
      "Pl.      Platzierung",
      "GesamtP. erreichte Gesamtpunkte",
      Oem("Glied.   Gliederung, der der Teilnehmer angehört"),
      "Jg       Jahrgang des Teilnehmers",
      "ZeitX    erreichte Zeit in Disziplin X",
      "AbzX     Punktabzug in Disziplin X",
      "PktX     erreichte Punkte in Disziplin X",
      "PktX-    erreichte Punkte PktX enthalten Punktabzug",
      "HLW      Herz-Lungen-Wiederbelebung",
  };
  if (withRecords) {
    lines.push_back("R        neue Bestleistung aufgestellt");
    lines.push_back("E        bisherige Bestleistung eingestellt");
    lines.push_back("*        Bestleistung dieses Wettbewerbs");
  }
  lines.push_back("");  // and the trailing one: two empty lines
  const TLegend explanations = TAusdruck::Explanations(lines, true);
  legend.insert(legend.end(), explanations.begin(), explanations.end());
  return legend;
}

}  // namespace

void TAusdruck::BuildResults(int ageClassIndex, bool withStatistics) {
  BeginListReport(SingleDisciplineRanking != 0 ? "Disziplinenergebnis" : "Ergebnis", B() - 40, true,
                  ResultsLegend(Competition(), WithRecords), true);
  AddAgeClasses(ageClassIndex);
  if (!withStatistics) return;
  WithHead = WithLegend = StatisticsBlock5 = true;
  AddStatistics(1);
}
