#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

#include "CodePage.h"
#include "PageDump.h"
#include "ReportSupport.h"
#include "VkDruck.h"

namespace {

using reporttest::Competition;
using ReportTest = reporttest::ReportTest;

// Result lines of class k named "@<row>", as the results report prints them.
pagedump::Names ResultRows(const TWettkampf& w, int k, bool records) {
  pagedump::Names names;
  for (int row = 0; row <= w.At(k)->GetCount(); ++row)
    names[w.ResultLine(k, row, true, records, false, 0)] = "@" + std::to_string(row);
  return names;
}

TEST_F(ReportTest, ResultsFirstPageHoldsTitleBlockLegendFooterAndTheClass) {
  auto w = Competition({2});
  TAltersklasse& ak = *w->At(0);
  TAltersklasse::Disciplines discs{aktest::Linear("Kraulen", 100000), aktest::Linear("Retten", 100000)};
  discs[1].SetKind(kKindQuadraticLinear), discs[1].SetV(1, 4512);
  ak.Define("Jugend", 1990, 1991, TAltersklasse::kCprScored, 2, discs);
  TAusdruck r("Vk", {}, {}, *w);
  r.WithHead = r.WithLegend = r.WithFooter = r.WithRecords = r.WithAgeClassData = true;
  r.BuildResults(0, false);
  EXPECT_EQ(pagedump::Dump(r, ResultRows(*w, 0, true)),
            "1 R 100 100 2000 250 w6 open4\n"
            "1 T 130 120 1970 170 A50b a36 |Kalvenbund e.V.|\n"
            "1 T 130 120 1970 170 A50b a40 |Rettungssport|\n"
            "1 T 130 170 1970 240 A65bi a48 |Ergebnis|\n"
            "1 T 100 290 2000 340 A50b a48 |Bezirksmeisterschaft|\n"
            "1 T 100 340 2000 390 A50 a48 |Einzelwettbewerb|\n"
            "1 T 100 420 2000 460 C40b a36 |Wettkampfdaten:|\n"
            "1 T 100 460 2000 500 C40b a36 |===============|\n"
            "1 T 100 500 2000 540 C40 a36 |_|\n"
            "1 T 100 540 2000 580 C40 a36 |Austragungsort: Gießen|\n"
            "1 T 100 580 2000 620 C40 a36 |Ausrichter:     OG Nord|\n"
            "1 T 100 620 2000 660 C40 a36 |Veranstalter:   Bezirk|\n"
            "1 T 100 660 2000 700 C40 a36 |Datum:          5.12.2026|\n"
            "1 T 100 700 2000 740 C40 a36 |Beckengröße:    8 x 50m Bahnen|\n"
            "1 T 100 740 2000 780 C40 a36 |_|\n"
            "1 T 100 780 2000 820 C40b a36 |Erläuterungen:|\n"
            "1 T 100 820 2000 860 C40b a36 |==============|\n"
            "1 T 100 860 2000 900 C40 a36 |_|\n"
            "1 T 100 900 2000 940 C40 a36 |Pl.      Platzierung|\n"
            "1 T 100 940 2000 980 C40 a36 |GesamtP. erreichte Gesamtpunkte|\n"
            "1 T 100 980 2000 1020 C40 a36 |Glied.   Gliederung, der der Teilnehmer angehört|\n"
            "1 T 100 1020 2000 1060 C40 a36 |Jg       Jahrgang des Teilnehmers|\n"
            "1 T 100 1060 2000 1100 C40 a36 |ZeitX    erreichte Zeit in Disziplin X|\n"
            "1 T 100 1100 2000 1140 C40 a36 |AbzX     Punktabzug in Disziplin X|\n"
            "1 T 100 1140 2000 1180 C40 a36 |PktX     erreichte Punkte in Disziplin X|\n"
            "1 T 100 1180 2000 1220 C40 a36 |PktX-    erreichte Punkte PktX enthalten Punktabzug|\n"
            "1 T 100 1220 2000 1260 C40 a36 |HLW      Herz-Lungen-Wiederbelebung|\n"
            "1 T 100 1260 2000 1300 C40 a36 |R        neue Bestleistung aufgestellt|\n"
            "1 T 100 1300 2000 1340 C40 a36 |E        bisherige Bestleistung eingestellt|\n"
            "1 T 100 1340 2000 1380 C40 a36 |*        Bestleistung dieses Wettbewerbs|\n"
            "1 T 100 1380 2000 1420 C40 a36 |_|\n"
            "1 T 100 1420 2000 1460 C40 a36 |_|\n"
            "1 T 100 1460 2000 1500 C40 a36 |_|\n"
            "1 T 100 2840 1850 2870 A30i a36 |Bezirksmeisterschaft - Ergebnis - 05.12.2026 - 14:03:09 Uhr|\n"
            "1 T 1850 2840 2000 2870 A30i a40 |Seite 1|\n"
            "1 T 100 1500 2000 1550 A50b a48 |Altersklasse Jugend (1990 - 1991)|\n"
            "1 T 100 1550 2000 1590 A40 a36 |_|\n"
            "1 T 100 1590 2000 1630 A40 a36 |Kraulen|\n"
            "1 T 100 1630 2000 1670 A40 a36 |Retten (rec: 0:45,12)|\n"
            "1 T 100 1670 2000 1710 A40 a36 |Herz-Lungen-Wiederbelebung|\n"
            "1 T 100 1710 2000 1750 C40 a36 |_|\n"
            "1 T 100 1750 2000 1790 C40bc a36 |@0|\n"
            "1 T 100 1790 2000 1830 C40c a36 |@1|\n"
            "1 T 100 1830 2000 1870 C40c a36 |@2|\n"
            "1 T 100 1870 2000 1910 C40c a36 |_|\n");
}

TEST_F(ReportTest, TwoLineRowsInFiveRowBlocksMoveWithTheRepeatedHead) {
  auto w = Competition({7});
  // Room for the lines from 100 down to the bottom limit 760.
  TAusdruck r("Vk", {2100, 900}, {}, *w);
  r.WithFooter = r.TwoLines = r.Block5 = true;
  r.BuildResults(0, false);
  pagedump::Names names{{"Bezirksmeisterschaft - Ergebnis - 05.12.2026 - 14:03:09 Uhr", "F"},
                        {Oem("Altersklasse Jugend0 (1990 - 1991)"), "AK"}};
  for (int row = 0; row <= 7; ++row) {
    const std::string n = std::to_string(row);
    names[w->ResultLineLeft(0, row, true, false, false, 0)] = "L" + n;
    names[std::string(13, ' ') + w->ResultLineRight(0, row, true, false, false, 0)] = "R" + n;
  }
  EXPECT_EQ(pagedump::Flow(r, names),
            "1: 770=F 770=Seite 1 100=AK 150=_ 190=L0 222=R0 270=L1 302=R1 350=L2 382=R2 430=L3 462=R3 "
            "510=L4 542=R4 590=L5 622=R5 670=_\n"
            "2: 770=F 770=Seite 2 100=L0 132=R0 180=L6 220=R6 260=L7 292=R7 340=_\n");
}

TEST_F(ReportTest, AgeClassesBySelectionMarksEmptinessAndNewPages) {
  const struct {
    uint16_t selection;
    int index, mark;
    bool withEmpty, newPage, head;
    const char* pages;
  } kCases[] = {
      {0, 1, -1, false, false, false, "1:"},
      {1, 0, -1, false, false, false, "1: AK0 AK2"},
      {1, 0, -1, true, false, false, "1: AK0 AK1 AK2"},
      {2, 0, 2, false, false, false, "1: AK2"},
      {1, 0, -1, false, true, false, "1: AK0 / 2: AK2"},
      {1, 0, -1, false, true, true, "1: title / 2: AK0 / 3: AK2"},
      {0, 2, -1, false, true, false, "1: / 2: AK2"},
  };
  auto w = Competition({2, 0, 1});
  for (const auto& c : kCases) {
    w->SetAllMarks(false);
    w->SetMark(c.mark, true);
    TAusdruck r("Vk", {}, {}, *w);
    r.Selection = c.selection, r.WithEmptyAgeClasses = c.withEmpty, r.NewPagePerAgeClass = c.newPage;
    r.WithHead = c.head;
    r.BuildResults(c.index, false);
    // The centred bold Arial 50 texts: headings and the competition's title.
    std::string pages;
    for (int p = 1; p <= r.PageCount(); ++p) {
      pages += (p > 1 ? " / " : "") + std::to_string(p) + ":";
      for (int i = 0; i < r.Page(p)->GetCount(); ++i) {
        const TYrTextElement* t = r.Page(p)->At(i)->AsText();
        if (t && t->Face == kFaceArial && t->Size == 50 && t->Style == kStyleBold && t->Alignment == 48)
          pages += t->Text == "Bezirksmeisterschaft" ? " title" : " AK" + t->Text.substr(19, 1);
      }
    }
    EXPECT_EQ(pages, c.pages) << c.selection << " " << c.index << " " << c.newPage;
  }
}

// Each form has its title, legend and sort mode (the statistics are rebuilt
// in it), and a blank line after every fifth row.
TEST_F(ReportTest, StatisticsFormsHaveTheirTitleLegendAndSortMode) {
  // The column head "@0" at y, the rows "@1".."@6" below, a blank after the fifth.
  auto rows = [](int y) {
    std::string s = " 2840=F 2840=Seite 1";
    for (const char* row : {"@0", "@1", "@2", "@3", "@4", "@5", "_", "@6"})
      s += " " + std::to_string(y) + "=" + row, y += 40;
    return s + "\n";
  };
  const std::string head = "1: 100=[R] 120=K 120=RS 170=Statistik: ";
  const std::string frame = " 290=BM 340=E 420=Erl 460=== 500=_ 540=";
  const struct {
    int form;
    uint8_t mode;
    std::string flow;
  } kCases[] = {
      {0, 0,
       head + "Gliederungen" + frame +
           "Nr.      laufende Nummer 580=Abk.     verwendete Abkürzung für die Gliederung "
           "620=TN       Anzahl der Teilnehmer der Gliederung 660=GesamtP  erreichte Gesmtpunkte der Gliederung 700=_" +
           rows(740)},
      {1, 1,
       head + "Medaillenspiegel" + frame +
           "Pl.      Platzierung 580=Abk.     verwendete Abkürzung für die Gliederung "
           "620=TN       Anzahl der Teilnehmer der Gliederung 660=Go         davon auf Platz 1 (Goldmedaille) "
           "700=Si         davon auf Platz 2 (Silbermedaille) 740=Br         davon auf Platz 3 (Bronzemedaille) "
           "780=GesamtP  erreichte Gesmtpunkte der Gliederung 820=QPK      erreichte Punktzahl Quendal-Pokal 860=_" +
           rows(900)},
      {2, 3,
       head + "punktbeste Gliederung" + frame +
           "Pl.      Platzierung 580=GesamtP  erreichte Punktzahl aller Teilnehmer der Gliederung "
           "620=Abk.     verwendete Abkürzung für die Gliederung 660=TN       Anzahl der Teilnehmer der Gliederung "
           "700=DPunkte  Durchschnittspunktzahl aller TN der Gliederung 740=_" + rows(780)},
      {3, 4,
       head + "Quendal-Wertung" + frame +
           "Pl.      Platzierung 580=QPK      erreichte Punktzahl Quendal-Pokal "
           "620=         pro Altersklasse erhält der jeweils bestplatzierte der OG  "
           "660=         je nach erreichtem Platz 30,28,26,25,24... Punkte "
           "700=Abk.     verwendete Abkürzung für die Gliederung 740=TN       Anzahl der Teilnehmer der Gliederung "
           "780=_" +
           rows(820)},
  };
  for (const auto& c : kCases) {
    auto w = Competition({6}, 6);
    TAusdruck r("Vk", {}, {}, *w);
    r.Kind = TAusdruckArt::Statistics;
    r.WithHead = r.WithLegend = r.WithFooter = r.StatisticsBlock5 = true;
    r.AddStatistics(c.form);
    pagedump::Names names = reporttest::FrameNames("Statistik");
    for (int i = 0; i <= 6; ++i) names[w->Gliederungen().ReportLine(c.mode, i)] = "@" + std::to_string(i);
    EXPECT_EQ(std::tuple(pagedump::Flow(r, names), w->Gliederungen().SortMode()), std::tuple(c.flow, c.mode));
  }
}

}  // namespace
