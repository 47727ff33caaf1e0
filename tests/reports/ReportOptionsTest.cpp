// Each option of the print job's entry points changes the report exactly where
// it acts: what the report with the option has more (+) or less (-) than the
// one without it, each text by its short name or its first word, [P] a page,
// [L] a line, [R] a rectangle; positions left aside, so that a title block
// above the list adds only its own items.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <tuple>
#include <type_traits>

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
  const char* overview =
      "+1 +2 +3 +4 +5 +6 +== +Abk. +BM +E +Erl +GesamtP +K +Nr.*2 +RS +Statistik: +TN +[P] +[R] +_*3";
  const struct {
    Build build;
    const char* difference;
  } kCases[] = {
      {Set(&Job::BuildResultList, &R::selection), "+1. +2. +Altersklasse +Pl. +_*2"},
      {Set(&Job::BuildResultList, &R::withAgeClassData, all), "+D1*2 +D2*2 +Herz-Lungen-Wiederbelebung +_*2"},
      {Set(&Job::BuildResultList, &R::withLegend, all),
       "+== +=============== +AbzX +Ausrichter: +Austragungsort: +Beckengröße: +Datum: +Erl +GesamtP. +Glied. +HLW +Jg "
       "+PktX +PktX- +Pl. +Veranstalter: +Wettkampfdaten: +ZeitX +_*6"},
      {Set(&Job::BuildResultList, &R::withHead, all), "+BM +E +Ergebnis +K +RS +[R] +_"},
      {Set(&Job::BuildResultList, &R::newPagePerAgeClass, all), "+[P]"},
      {Set(&Job::BuildResultList, &R::withRecords, all), "+1.*2 -1.*2"},
      {Set(&Job::BuildResultList, &R::withRecords, {.selection = 1, .withLegend = true}), "+* +1.*2 +E +R -1.*2"},
      {Set(&Job::BuildResultList, &R::twoLines, all),
       "+0:31,0*2 +0:32,0*2 +0:33,0 +0:34,0 +0:35,0 +0:36,0 +1.*2 +2.*2 +3. +4. +5. +6. +Pl.*2 +Zeit*2 "
       "-1.*2 -2.*2 -3. -4. -5. -6. -Pl.*2"},
      {Set(&Job::BuildResultList, &R::withFooter, all), "+F +Seite"},
      {Set(&Job::BuildResultList, &R::withStatistics, all),
       "+1 +2 +3 +4*3 +== +Abk. +BM +Br +E +Erl +GesamtP +Go +K +Pl.*2 +QPK +RS +Si +Statistik: +TN +[P] +[R] "
       "+_*3"},
      {Set(&Job::BuildResultList, &R::block5, all), "+_"},
      {Set(&Job::BuildResultList, &R::withEmptyAgeClasses, all), "+Altersklasse +Pl. +_*2"},
      {Set(&Job::BuildResultList, &R::singleDisciplineRanking, {.withHead = true}),
       "+Disziplinenergebnis -Ergebnis"},
      {Set(&Job::BuildQualificationList, &Q::selection), "+1. +2. +Altersklasse +Nr. +_*2"},
      {Set(&Job::BuildQualificationList, &Q::withAgeClassData, quali), "+D1*2 +D2*2 +Herz-Lungen-Wiederbelebung +_*2"},
      {Set(&Job::BuildQualificationList, &Q::withLegend, quali), "+== +Erl +GesamtP. +Gl. +Nr. +Q +Start +_*3"},
      {Set(&Job::BuildQualificationList, &Q::withHead, quali), "+BM +E +K +Qualifikation +RS +[R] +_"},
      {Set(&Job::BuildQualificationList, &Q::newPagePerAgeClass, quali), "+[P]"},
      {Set(&Job::BuildQualificationList, &Q::withFooter, quali), "+F +Seite"},
      {Set(&Job::BuildQualificationList, &Q::withOrganisations, quali), overview},
      {Set(&Job::BuildQualificationList, &Q::block5, quali), "+_"},
      {Set(&Job::BuildHeatList, &H::withHead), "+BM +E +K +Laufeinteilung +RS +[R]"},
      {Set(&Job::BuildHeatList, &H::withLegend), "+== +Bahn* +Disz* +Erl +Glied. +Lauf* +_*2"},
      {Set(&Job::BuildHeatList, &H::withFooter), "+F +Seite"},
      {Set(&Job::BuildHeatList, &H::block5), "+_*2"},
      {Set(&Job::BuildHeatList, &H::withOrganisations), overview},
      {Set(&Job::BuildHeatList, &H::allDisciplines),
       "+Lauf*3 +N1*2 +N2*2 +N3 +N4 +N5 +N6 +Teilnehmer -0*2 -1*3 -2*3 -Lauf*"},
      {Set(&Job::BuildHeatList, &H::separateDisciplines, {.allDisciplines = true}),
       "+*3 +0*2 +1*2 +2*2 +3*2 +Bahn* -Lauf*3 -N1*2 -N2*2 -N3 -N4 -N5 -N6 -Teilnehmer"},
      {Set(&Job::BuildCprStartList, &C::withHead), "+BM +E +HLW-Startliste +K +RS +[R]"},
      {Set(&Job::BuildCprStartList, &C::withLegend), "+== +Bahn +Erl +Glied. +Nr +Start +_*2"},
      {Set(&Job::BuildCprStartList, &C::withFooter), "+F +Seite"},
      {Set(&Job::BuildCprStartList, &C::block5), "+_"},
      {Set(&Job::BuildStatistics, &S::form, {}, 2, 3), "+1 +2 +3 +4 +5 +6 +Pl. -1 -2 -3 -4 -5 -6 -Pl."},
      {Set(&Job::BuildStatistics, &S::withHead), "+BM +E +K +RS +Statistik: +[R] +_"},
      {Set(&Job::BuildStatistics, &S::withLegend), "+== +Abk. +Erl +GesamtP +Nr. +TN +_*2"},
      {Set(&Job::BuildStatistics, &S::statisticsBlock5), "+_"},
      {Set(&Job::BuildStatistics, &S::withFooter), "+F +Seite"},
      {Set(&Job::BuildCertificates, &U::layout, {}, 4, 6), "+Urkunde -Urkunde"},
      {Set(&Job::BuildCertificates, &U::mode), "+5.12.2026 +BM +Gießen +N2 +[P] +in"},
      {Set(&Job::BuildCertificates, &U::withResult), "+1. +1380,00"},
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
  for (size_t i = 0; i < std::size(kCases); ++i) {
    kCases[i].build(off, false);
    kCases[i].build(on, true);
    EXPECT_EQ(Difference(*off.Report(), *on.Report(), names), kCases[i].difference) << "case " << i;
  }
}
