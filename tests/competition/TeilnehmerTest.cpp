// The stored layout of a participant is pinned with the whole result file
// (ResultFileTest); here its texts and the per-participant rules.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "AkTestSupport.h"
#include "VkSpalten.h"
#include "VkTeiln.h"

using aktest::Args;
using aktest::Participant;
using T = TTeilnehmer;

// Disciplines outside 1..6 (a sort by discipline 0, a slot number from a
// file) read 0 and write nothing.
TEST(Teilnehmer, DisciplineOutsideOneToSixReadsZeroAndWritesNothing) {
  T t;
  T::Bytes pattern;
  for (size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<uint8_t>(i * 7 + 3);
  t.SetRecord(pattern);
  for (int d : {0, 7, -1}) {
    t.SetTime(d, 5), t.SetDeduction(d, 5), t.SetHeat(d, 5), t.SetLane(d, 5), t.SetPoints(d, 5);
    t.SetDisciplinePlace(d, 5), t.SetDisciplineRank(d, 5);
    EXPECT_EQ(std::tuple(t.Time(d), t.Deduction(d), t.Heat(d), t.Lane(d), t.Points(d), t.DisciplinePlace(d),
                         t.DisciplineRank(d)),
              std::tuple(0, 0, 0, 0, 0, 0, 0))
        << d;
  }
  EXPECT_TRUE(t.Record() == pattern);
}

// The cases of tests/data/competition/teilnehmer.txt.
TEST(Teilnehmer, TextsStatesRanksAndSearch) {
  const auto n = [](const std::string& s) { return std::stoi(s); };
  // Every field that ResetFields clears, and the CPR slot, which it keeps.
  const std::string full = "time1=101 time2=102 time3=103 time4=104 time5=105 time6=106 ded1=1 ded2=2 ded3=3 "
                           "ded4=4 ded5=5 ded6=6 heat1=1 heat2=2 heat3=3 heat4=4 heat5=5 heat6=6 lane1=1 lane2=2 "
                           "lane3=3 lane4=4 lane5=5 lane6=6 cpr=900 cprtime=1015 station=2 cprheat=4 total=55";
  aktest::ExpectCalls(
      "competition/teilnehmer.txt",
      {{"ColumnText", [&](const Args& a) { return Participant(a[0]).ColumnText(int16_t(n(a[1]))); }},
       {"NameText",
        [](const Args& a) { return "[" + Participant(a[0]).NameText(a[1][0] == '1', a[1][2] == '1') + "]"; }},
       {"Year",
        [](const Args& a) {
          const T t = Participant("year=" + a[0]);
          return t.ColumnText(VkSpalten::kColBirthYear) + "/" + std::to_string(t.ShortYear());
        }},
       {"IsComplete", [](const Args& a) { return std::to_string(Participant(a[0]).IsComplete()); }},
       {"IsEmpty",
        [](const Args& a) {
          const T t = Participant(a[0]);
          return std::to_string(t.IsEmpty(true)) + " " + std::to_string(t.IsEmpty(false));
        }},
       {"ResetFields",
        [&](const Args& a) {
          T t = Participant(full);
          TYrSet s;
          for (const std::string& e : aktest::Split(a[0], " ")) s.SetElement(uint8_t(n(e)), true);
          t.ResetFields(s);
          return std::string(t.Record() == Participant(a[1], Participant(full)).Record() ? "as expected" : "other");
        }},
       {"RankDisciplines",
        [](const Args& a) {
          T t = Participant(a[0]);
          t.RankDisciplines();
          std::string ranks;
          for (int d = 1; d <= 6; ++d) ranks += std::to_string(t.DisciplineRank(d));
          return ranks;
        }},
       {"Matches",
        [&](const Args& a) { return std::to_string(Participant(a[0]).Matches(Oem(a[1]), uint8_t(n(a[2])))); }}});
}
