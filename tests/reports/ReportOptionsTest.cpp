// Each option of the print job's entry points changes the report exactly where
// it acts: what the report with the option has more (+) or less (-) than the
// one without it, each text by its short name or its first word, [P] a page,
// [L] a line, [R] a rectangle; positions left aside, so that a title block
// above the list adds only its own items.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <type_traits>

#include "CaseFile.h"
#include "Druckauftrag.h"
#include "ReportSupport.h"

namespace {

using Job = TDruckauftrag;
using Build = std::function<void(Job&, bool)>;
using ReportOptionsTest = reporttest::ReportTest;

std::string Difference(const TYrPrintDoc& off, const TYrPrintDoc& on, const pagedump::Names& names) {
  auto items = [](const TYrPrintDoc& doc) {
    std::map<std::string, int> items{{"[P]", doc.PageCount()}};
    for (int p = 1; p <= doc.PageCount(); ++p)
      for (int i = 0; i < doc.Page(p)->GetCount(); ++i) {
        const TYrPrintElement& e = *doc.Page(p)->At(i);
        ++items[e.AsText() ? e.AsText()->Text : e.AsLine() ? "[L]" : "[R]"];
      }
    return items;
  };
  const std::map<std::string, int> a = items(off), b = items(on);
  std::map<std::string, int> shown;
  for (const auto& [sign, from, to] : {std::tuple('+', &b, &a), std::tuple('-', &a, &b)})
    for (const auto& [text, n] : *from) {
      const int more = n - (to->count(text) ? to->at(text) : 0);
      std::string s = pagedump::Shown(text, names);
      s.erase(0, s.find_first_not_of(' '));
      if (more > 0) shown[sign + (names.count(text) ? s : s.substr(0, s.find(' ')))] += more;
    }
  std::string out;
  for (const auto& [text, n] : shown) out += (out.empty() ? "" : " ") + text + (n > 1 ? "*" + std::to_string(n) : "");
  return out;
}

// A report built with one option at `off` or at `on`, the others as in `base`.
template <class O, class T>
Build Set(void (Job::*entry)(const O&), T O::*option, O base = {}, std::type_identity_t<T> off = T{},
          std::type_identity_t<T> on = T(1)) {
  return [=](Job& job, bool which) mutable {
    base.*option = which ? on : off;
    (job.*entry)(base);
  };
}

}  // namespace

TEST_F(ReportOptionsTest, EachOptionChangesTheReportOnlyWhereItActs) {
  using R = Job::ResultListOptions;
  using Q = Job::QualificationListOptions;
  using H = Job::HeatListOptions;
  using C = Job::CprStartListOptions;
  using S = Job::StatisticsOptions;
  using U = Job::CertificateOptions;
  // Every age class: "Altersklasse ..." and the column head "Pl." (results) or
  // "Nr." (qualification) over the rows "1." ... of each; the third class is
  // empty. The organisation overview appended on a page of its own.
  const R all{.selection = 1};
  const Q quali{.selection = 1};
  const std::map<std::string, Build> kCases = {
      {"R selection", Set(&Job::BuildResultList, &R::selection)},
      {"R withAgeClassData", Set(&Job::BuildResultList, &R::withAgeClassData, all)},
      {"R withLegend", Set(&Job::BuildResultList, &R::withLegend, all)},
      {"R withHead", Set(&Job::BuildResultList, &R::withHead, all)},
      {"R newPagePerAgeClass", Set(&Job::BuildResultList, &R::newPagePerAgeClass, all)},
      {"R withRecords", Set(&Job::BuildResultList, &R::withRecords, all)},
      {"R withRecords with legend",
       Set(&Job::BuildResultList, &R::withRecords, {.selection = 1, .withLegend = true})},
      {"R twoLines", Set(&Job::BuildResultList, &R::twoLines, all)},
      {"R withFooter", Set(&Job::BuildResultList, &R::withFooter, all)},
      {"R withStatistics", Set(&Job::BuildResultList, &R::withStatistics, all)},
      {"R block5", Set(&Job::BuildResultList, &R::block5, all)},
      {"R withEmptyAgeClasses", Set(&Job::BuildResultList, &R::withEmptyAgeClasses, all)},
      {"R singleDisciplineRanking with head",
       Set(&Job::BuildResultList, &R::singleDisciplineRanking, {.withHead = true})},
      {"Q selection", Set(&Job::BuildQualificationList, &Q::selection)},
      {"Q withAgeClassData", Set(&Job::BuildQualificationList, &Q::withAgeClassData, quali)},
      {"Q withLegend", Set(&Job::BuildQualificationList, &Q::withLegend, quali)},
      {"Q withHead", Set(&Job::BuildQualificationList, &Q::withHead, quali)},
      {"Q newPagePerAgeClass", Set(&Job::BuildQualificationList, &Q::newPagePerAgeClass, quali)},
      {"Q withFooter", Set(&Job::BuildQualificationList, &Q::withFooter, quali)},
      {"Q withOrganisations", Set(&Job::BuildQualificationList, &Q::withOrganisations, quali)},
      {"Q block5", Set(&Job::BuildQualificationList, &Q::block5, quali)},
      {"H withHead", Set(&Job::BuildHeatList, &H::withHead)},
      {"H withLegend", Set(&Job::BuildHeatList, &H::withLegend)},
      {"H withFooter", Set(&Job::BuildHeatList, &H::withFooter)},
      {"H block5", Set(&Job::BuildHeatList, &H::block5)},
      {"H withOrganisations", Set(&Job::BuildHeatList, &H::withOrganisations)},
      {"H allDisciplines", Set(&Job::BuildHeatList, &H::allDisciplines)},
      {"H separateDisciplines with all disciplines",
       Set(&Job::BuildHeatList, &H::separateDisciplines, {.allDisciplines = true})},
      {"C withHead", Set(&Job::BuildCprStartList, &C::withHead)},
      {"C withLegend", Set(&Job::BuildCprStartList, &C::withLegend)},
      {"C withFooter", Set(&Job::BuildCprStartList, &C::withFooter)},
      {"C block5", Set(&Job::BuildCprStartList, &C::block5)},
      {"S form 2 to 3", Set(&Job::BuildStatistics, &S::form, {}, 2, 3)},
      {"S withHead", Set(&Job::BuildStatistics, &S::withHead)},
      {"S withLegend", Set(&Job::BuildStatistics, &S::withLegend)},
      {"S statisticsBlock5", Set(&Job::BuildStatistics, &S::statisticsBlock5)},
      {"S withFooter", Set(&Job::BuildStatistics, &S::withFooter)},
      {"U layout 4 to 6", Set(&Job::BuildCertificates, &U::layout, {}, 4, 6)},
      {"U mode", Set(&Job::BuildCertificates, &U::mode)},
      {"U withResult", Set(&Job::BuildCertificates, &U::withResult)},
  };
  // Six organisations; two heats of three and two CPR start times in the
  // first class.
  auto w = reporttest::Competition({6, 2, 0}, 6);
  TAltersklasse& ak = *w->At(0);
  ak.SetFlags(ak.Flags() | TAltersklasse::kCprScored);
  for (int i = 0; i < ak.GetCount(); ++i) {
    ak.At(i)->SetHeat(1, static_cast<int16_t>(1 + i / 3));
    ak.At(i)->SetLane(1, static_cast<int16_t>(1 + i % 3));
    ak.At(i)->SetCprTime(static_cast<int16_t>(800 + 15 * (i / 3)));
  }
  pagedump::Names names;
  for (const char* kind : {"Ergebnis", "Startberechtigung", "Laufeinteilung", "HLW-Laufeinteilung", "Statistik"})
    names.merge(reporttest::FrameNames(kind));
  // The first class current, its participants 0 and 1 marked.
  Job off(*w, 0, 0, 0, 1), on(*w, 0, 0, 0, 1);
  size_t done = 0;
  testdata::ExpectCaseFile("reports/option-differences.txt", [&](const std::string& input) {
    if (kCases.count(input) == 0) return std::string("unknown case");
    kCases.at(input)(off, false);
    kCases.at(input)(on, true);
    ++done;
    return Difference(*off.Report(), *on.Report(), names);
  });
  EXPECT_EQ(done, kCases.size()) << "cases missing from the file";
}
