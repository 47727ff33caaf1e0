// Shared by the report tests: a pinned clock for the footers, small
// competitions to print and short names for the texts of the report frame.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "../competition/AkTestSupport.h"
#include "CodePage.h"
#include "PageDump.h"
#include "VkWettk.h"
#include "YrClock.h"

namespace reporttest {

// Every report stamps its footers with this instant.
class ReportTest : public ::testing::Test {
 protected:
  ReportTest() : saved_(SetClock([] { return MakeDateTime(2026, 12, 5, 14, 3, 9); })) {}
  ~ReportTest() override { SetClock(saved_); }

 private:
  TYrClock saved_;
};

// Participant i (1..n) of organisation org[i % orgs], time 30 s + i.
inline void AddPeople(TAltersklasse& ak, int n, int orgs = 1) {
  for (int i = 1; i <= n; ++i) {
    TTeilnehmer* t = aktest::Tn("N" + std::to_string(i));
    t->SetGliederung("OG" + std::to_string(i % orgs));
    for (int d = 1; d <= ak.DisciplineCount(); ++d) t->SetTime(d, 3000 + 100 * i);
    ak.Insert(t);
  }
}

// A competition with 50 m lanes, lanes index 5, and the given classes, each
// "Jugend<i>" with two linear disciplines and `people[i]` participants.
inline std::unique_ptr<TWettkampf> Competition(std::initializer_list<int> people, int orgs = 1) {
  auto w = std::make_unique<TWettkampf>();
  TWettkampfDaten h = w->Header();
  h.SetTitle("Bezirksmeisterschaft");
  h.SetVenue(Oem("Gießen"));
  h.SetHost("OG Nord");
  h.SetOrganiser("Bezirk");
  h.SetDate("5.12.2026");
  h.SetLanesIndex(5);
  h.SetPool(1);
  w->SetHeader(h);
  int i = 0;
  for (int n : people) {
    auto ak = aktest::MakeClass(2);
    ak->SetName("Jugend" + std::to_string(i++));
    AddPeople(*ak, n, orgs);
    w->Insert(ak.release());
  }
  return w;
}

// The title block's and the legend head's texts, and the footer of a report
// of `kind` ("Ergebnis", ...) as "F".
inline pagedump::Names FrameNames(const std::string& kind) {
  return {{"Kalvenbund e.V.", "K"},     {"Rettungssport", "RS"},          {"Bezirksmeisterschaft", "BM"},
          {"Einzelwettbewerb", "E"},    {Oem("Erläuterungen:"), "Erl"}, {"==============", "=="},
          {"Bezirksmeisterschaft - " + kind + " - 05.12.2026 - 14:03:09 Uhr", "F"}};
}

}  // namespace reporttest
