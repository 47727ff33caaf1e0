#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

#include "CodePage.h"
#include "PageDump.h"
#include "ReportSupport.h"
#include "TestData.h"
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
  testdata::ExpectDataFile(pagedump::Dump(r, ResultRows(*w, 0, true)), "reports/results-first-page.txt");
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

// Selection 0 prints the current class (its new page leaves the first one
// empty), 2 the marked ones; with the head, the title block keeps the first
// page to itself. The other options' effects are pinned in ReportOptionsTest.
TEST_F(ReportTest, AgeClassesBySelectionMarksAndNewPages) {
  const struct {
    uint16_t selection;
    int index, mark;
    bool newPage, head;
    const char* pages;
  } kCases[] = {
      {0, 2, -1, true, false, "1: / 2: AK2"},
      {2, 0, 2, false, false, "1: AK2"},
      {1, 0, -1, true, true, "1: title / 2: AK0 / 3: AK2"},
  };
  auto w = Competition({2, 0, 1});
  for (const auto& c : kCases) {
    w->SetAllMarks(false);
    w->SetMark(c.mark, true);
    TAusdruck r("Vk", {}, {}, *w);
    r.Selection = c.selection, r.NewPagePerAgeClass = c.newPage, r.WithHead = c.head;
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
  std::string flows;
  for (auto [form, mode] : {std::pair{0, 0}, {1, 1}, {2, 3}, {3, 4}}) {
    auto w = Competition({6}, 6);
    TAusdruck r("Vk", {}, {}, *w);
    r.Kind = TAusdruckArt::Statistics;
    r.WithHead = r.WithLegend = r.WithFooter = r.StatisticsBlock5 = true;
    r.AddStatistics(form);
    pagedump::Names names;
    for (int i = 0; i <= 6; ++i) names[w->Gliederungen().ReportLine(mode, i)] = "@" + std::to_string(i);
    EXPECT_EQ(w->Gliederungen().SortMode(), mode);
    flows += "form " + std::to_string(form) + "\n" + pagedump::Dump(r, names);
  }
  testdata::ExpectDataFile(flows, "reports/statistics-forms.txt");
}

}  // namespace
