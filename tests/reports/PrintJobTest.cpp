#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "Druckauftrag.h"
#include "PageDump.h"
#include "ReportSupport.h"
#include "TestData.h"

namespace {

using reporttest::Competition;
using PrintJobTest = reporttest::ReportTest;

// The text items of every page as "<face><size>=<text>", pages by " / ".
std::string Texts(const TYrPrintDoc& doc) {
  std::string out;
  for (int p = 1; p <= doc.PageCount(); ++p)
    for (int i = 0; i < doc.Page(p)->GetCount(); ++i)
      if (const TYrTextElement* t = doc.Page(p)->At(i)->AsText())
        out += (out.empty() ? "" : i == 0 ? " / " : " ") + std::string(1, "CCTASW"[t->Face]) +
               std::to_string(t->Size) + "=" + OemToUtf8(t->Text);
  return out;
}

// The name is "Vorname Name" (here without a first name), a team's its name
// alone; participant 1 of class 1 has the total 0.
TEST_F(PrintJobTest, CertificateFieldsFollowTheLayoutAndTheResult) {
  const struct { int layout, ageClass, participant; bool withResult, team; } kCases[] = {
      {5, 0, 0, true, false}, {5, 1, 0, true, false}, {1, 0, 0, true, false},
      {3, 0, 0, false, false}, {3, 1, 1, true, false}, {0, 0, 0, true, true},
  };
  std::string out;
  for (const auto& c : kCases) {
    auto w = Competition({1, 2});
    TWettkampfDaten h = w->Header();
    h.SetDate("Sa 5.12.2026");
    h.SetKind(c.team ? TWettkampfDaten::kTeams : TWettkampfDaten::kIndividual);
    w->SetHeader(h);
    w->At(0)->SetName("Jugend 12");
    w->At(1)->SetName("Jugend 12w");
    w->At(1)->At(1)->SetTime(1, 0);
    w->At(1)->At(1)->SetTime(2, 0);
    for (int k = 0; k < 2; ++k) w->At(k)->Evaluate();
    TDruckauftrag job(*w, c.ageClass, c.participant, 0, 0);
    job.BuildCertificates({.layout = c.layout, .withResult = c.withResult});
    out += "layout " + std::to_string(c.layout) + ", class " + std::to_string(c.ageClass) + ", participant " +
           std::to_string(c.participant) + (c.withResult ? ", with result" : "") + (c.team ? ", team" : "") + ": " +
           Texts(*job.Report()) + "\n";
  }
  testdata::ExpectDataFile(out, "reports/certificates.txt");
}

TEST_F(PrintJobTest, CertificatesChooseParticipantsByModeAndNeverReadOutsideTheLists) {
  const struct {
    int ageClass, participant, from, to, layout, mode;
    const char* names;
  } kCases[] = {
      {1, 1, 0, 0, 0, 0, "N2"},
      {1, 1, 1, 50, 0, 1, "N2 N3"},  // the range reaches past the last participant
      {1, 1, -3, 0, 0, 1, "N1"},
      {1, 0, 0, 0, 3, 2, "N1 N2 N3"},
      {7, 0, 0, 0, 3, 3, "N1 N1 N2 N3"},
      {1, 3, 0, 0, 0, 0, ""},
      {2, 0, 0, 0, 0, 0, ""},  // a stale age-class index
      {-1, 0, 0, 5, 0, 1, ""},
      {1, 0, 0, 0, 7, 2, ""},
  };
  auto w = Competition({1, 3});
  for (const auto& c : kCases) {
    TDruckauftrag job(*w, c.ageClass, c.participant, c.from, c.to);
    job.BuildCertificates({.layout = c.layout, .mode = c.mode, .withResult = true});
    std::string names;
    for (int p = 1; p <= job.Report()->PageCount(); ++p)
      names += (p > 1 ? " " : "") + job.Report()->Page(p)->At(0)->AsText()->Text.substr(1);
    EXPECT_EQ(names, c.names) << c.ageClass << " " << c.mode;
  }
  TWettkampf empty;
  TDruckauftrag job(empty, 0, 0, 0, 0);
  job.BuildCertificates({.mode = 2, .withResult = true});
  EXPECT_EQ(job.Report()->PageCount(), 0);
}

TEST_F(PrintJobTest, EachEntryPointReplacesTheReportOnThePaperAndMarginsOfTheCaller) {
  auto w = Competition({2}, 2);
  TDruckauftrag job(*w, 0, 0, 0, 0);
  EXPECT_EQ(job.Report(), nullptr);
  job.BuildStatistics(
      {.form = 1, .withHead = true, .withLegend = true, .statisticsBlock5 = true, .withFooter = true});
  EXPECT_EQ(std::tuple(job.Report()->Title(), job.Report()->PageCount()),
            std::tuple("Vk - Ausdruck der Statistik", 1));
  job.BuildStatistics({.form = 4, .withHead = true});  // no such form
  EXPECT_EQ(std::tuple(job.Report()->Title(), job.Report()->PageCount()),
            std::tuple("Vk - Ausdruck der Statistik", 0));
  job.PageSize = {2970, 2100};
  job.Margins = {50, 60, 70, 80};
  job.BuildCprStartList({.withFooter = true});
  EXPECT_EQ(job.Report()->Title() + "\n" + pagedump::Dump(*job.Report()),
            "Vk - Ausdruck der Laufbesetzung\n"
            "1 T 50 1990 2750 2020 A30i a36 |Bezirksmeisterschaft - HLW-Laufeinteilung - 05.12.2026 - 14:03:09 Uhr|\n"
            "1 T 2750 1990 2900 2020 A30i a40 |Seite 1|\n"
            "1 T 50 60 2900 100 C40bc a36 |Start Bahn   Nr Teilnehmer" + std::string(33, ' ') +
                "Glied. Altersklasse|\n");
}

}  // namespace
