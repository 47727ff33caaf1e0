// The stored layout of a participant is pinned with the whole result file
// (ResultFileTest); here its texts and the per-participant rules.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "AkTestSupport.h"
#include "VkSpalten.h"
#include "VkTeiln.h"

using aktest::Participant;
using aktest::Text;
using testdata::Arg;
using testdata::Fields;
using testdata::Num;
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
  // Every field that ResetFields clears, and the CPR slot, which it keeps.
  const std::string full = "time1=101 time2=102 time3=103 time4=104 time5=105 time6=106 ded1=1 ded2=2 ded3=3 "
                           "ded4=4 ded5=5 ded6=6 heat1=1 heat2=2 heat3=3 heat4=4 heat5=5 heat6=6 lane1=1 lane2=2 "
                           "lane3=3 lane4=4 lane5=5 lane6=6 cpr=900 cprtime=1015 station=2 cprheat=4 total=55";
  testdata::ExpectRoutineCases(
      "competition/teilnehmer.txt",
      {{"ColumnText", [](const Fields& f) { return Text(Participant(Arg(f, 1)).ColumnText(int16_t(Num(f, 2)))); }},
       {"NameText", [](const Fields& f) { return Text(Participant(Arg(f, 1)).NameText(Num(f, 2), Num(f, 3))); }},
       {"Year",
        [](const Fields& f) {
          const T t = Participant("year=" + Arg(f, 1));
          return Text(t.ColumnText(VkSpalten::kColBirthYear)) + " " + std::to_string(t.ShortYear());
        }},
       {"IsComplete", [](const Fields& f) { return std::to_string(Participant(Arg(f, 1)).IsComplete()); }},
       {"IsEmpty",
        [](const Fields& f) {
          const T t = Participant(Arg(f, 1));
          return std::to_string(t.IsEmpty(true)) + " " + std::to_string(t.IsEmpty(false));
        }},
       {"ResetFields",
        [&full](const Fields& f) {
          T t = Participant(full);
          TYrSet s;
          for (const std::string& e : aktest::Split(Arg(f, 1), " ")) s.SetElement(uint8_t(std::stoi(e)), true);
          t.ResetFields(s);
          const bool expected = t.Record() == Participant(Arg(f, 2), Participant(full)).Record();
          return std::string(expected ? "as expected" : "other");
        }},
       {"RankDisciplines",
        [](const Fields& f) {
          T t = Participant(Arg(f, 1));
          t.RankDisciplines();
          std::string ranks;
          for (int d = 1; d <= 6; ++d) ranks += std::to_string(t.DisciplineRank(d));
          return ranks;
        }},
       {"Matches", [](const Fields& f) {
          return std::to_string(Participant(Arg(f, 1)).Matches(Oem(Arg(f, 2)), uint8_t(Num(f, 3))));
        }}});
}
