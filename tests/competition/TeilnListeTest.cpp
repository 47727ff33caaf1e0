#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "CodePage.h"
#include "VkTeilnListe.h"

namespace {

// Counts its own disposals, to tell owning from non-owning use.
struct CountedTeilnehmer : TTeilnehmer {
  explicit CountedTeilnehmer(int* disposed) : disposed_(disposed) {}
  ~CountedTeilnehmer() override { ++*disposed_; }
  int* disposed_;
};

TTeilnehmer* Make(const std::string& name) {
  auto* t = new TTeilnehmer;
  t->SetName(false, name);
  return t;
}

std::vector<std::string> Names(const TTeilnehmerListe& l) {
  std::vector<std::string> out;
  for (int i = 0; i < l.GetCount(); ++i) out.push_back(l.At(i)->Name(false));
  return out;
}

using Names_ = std::vector<std::string>;

}  // namespace

TEST(TeilnListe, Init) {
  TTeilnehmerListe l;
  EXPECT_EQ(l.GetCount(), 0);
  EXPECT_EQ(l.GetLimit(), 15);
  EXPECT_EQ(l.GetDelta(), 5);
  EXPECT_TRUE(l.GetDuplicates());
  EXPECT_EQ(l.SortMode(), 0);
  EXPECT_EQ(l.Discipline(), 1);
  EXPECT_TRUE(l.Owning());
  EXPECT_FALSE(TTeilnehmerListe(false).Owning());
  l.Insert(Make("Meier"));
  l.Insert(Make("Meier"));
  EXPECT_EQ(l.GetCount(), 2);  // equal participants are all kept
}

TEST(TeilnListe, NameRuleUnsignedBytesPrefixFirst) {
  // CP850: u-umlaut 0x81, a-umlaut 0x84, A-umlaut 0x8E, o-umlaut 0x94, sharp s 0xE1.
  const Names_ input = {Oem("ß"), "b", Oem("Ärger"), "Ab", "z", Oem("über"), "A", "Z", "a", "B", Oem("ärger"), ""};
  for (uint8_t mode : {1, 7, 9}) {
    TTeilnehmerListe l;
    l.SetSortMode(mode);
    for (const std::string& n : input) l.Insert(Make(n));
    const Names_ want = {"", "A", "Ab", "B", "Z", "a", "b", "z", Oem("über"), Oem("ärger"), Oem("Ärger"), Oem("ß")};
    EXPECT_EQ(Names(l), want) << "mode " << int(mode);
  }
}

TEST(TeilnListe, FirstNamesAreNeverComparedTeamNamesWhole) {
  TTeilnehmerListe l;
  l.SetSortMode(1);
  TTeilnehmer a, b;
  a.SetName(true, "Meier");
  a.SetVorname("Zoe");
  b.SetName(true, "Meier");
  b.SetVorname("Anna");
  EXPECT_EQ(l.Compare(&a, &b), 0);
  EXPECT_EQ(l.Compare(&b, &a), 0);
  // Bytes behind a name's length (a longer earlier name) do not count either.
  TTeilnehmer c;
  c.SetName(true, "Meierhofer");
  c.SetName(true, "Meier");
  EXPECT_EQ(l.Compare(&a, &c), 0);
  // Team names count beyond the individual layout's 20 characters.
  a.SetName(false, "Rettungsschwimmer Nord B");
  b.SetName(false, "Rettungsschwimmer Nord A");
  EXPECT_EQ(l.Compare(&a, &b), 1);
  EXPECT_EQ(l.Compare(&b, &a), -1);
}

TEST(TeilnListe, TotalModesDescendingThenName) {
  for (uint8_t mode : {0, 4, 5}) {
    TTeilnehmerListe l;
    l.SetSortMode(mode);
    struct In { const char* name; int32_t total; };
    for (const In& in : {In{"C", 300}, In{"B", 500}, In{"D", 100}, In{"A", 500}, In{"E", -4}, In{"F", INT_MAX},
                         In{"G", INT_MIN}}) {
      TTeilnehmer* t = Make(in.name);
      t->SetTotal(in.total);
      l.Insert(t);
    }
    EXPECT_EQ(Names(l), (Names_{"F", "A", "B", "C", "D", "E", "G"})) << "mode " << int(mode);
    EXPECT_EQ(l.Compare(l.At(0), l.At(6)), -1);
    EXPECT_EQ(l.Compare(l.At(6), l.At(0)), 1);
  }
}

TEST(TeilnListe, Mode2HeatAndLaneOfTheDiscipline) {
  TTeilnehmerListe l;
  l.SetSortMode(2);
  l.SetDiscipline(2);
  struct In { const char* name; int16_t heat, lane; };
  for (const In& in : {In{"H4L1", 4, 1}, In{"H3L10", 3, 10}, In{"Znone", 0, 0}, In{"H1L2", 1, 2},
                       In{"B-H3L11", 3, 11}, In{"H1L1", 1, 1}, In{"Max", SHRT_MAX, SHRT_MAX}}) {
    TTeilnehmer* t = Make(in.name);
    t->SetHeat(2, in.heat);
    t->SetLane(2, in.lane);
    // Discipline 1 holds the reverse order; it must not be read.
    t->SetHeat(1, static_cast<int16_t>(100 - in.heat));
    l.Insert(t);
  }
  // Heat 3 lane 11 and heat 4 lane 1 share the key 41: the name decides.
  EXPECT_EQ(Names(l), (Names_{"Znone", "H1L1", "H1L2", "H3L10", "B-H3L11", "H4L1", "Max"}));
}

TEST(TeilnListe, Mode3PointsOfTheDisciplineDescending) {
  TTeilnehmerListe l;
  l.SetSortMode(3);
  l.SetDiscipline(6);
  struct In { const char* name; int32_t points; };
  for (const In& in : {In{"C", 100}, In{"A", 900}, In{"D", 0}, In{"B", 100}}) {
    TTeilnehmer* t = Make(in.name);
    t->SetPoints(6, in.points);
    t->SetPoints(1, -in.points);
    t->SetTotal(in.points);
    l.Insert(t);
  }
  EXPECT_EQ(Names(l), (Names_{"A", "B", "C", "D"}));

  // Another discipline number takes effect with Sort.
  l.SetDiscipline(1);
  l.Sort();
  EXPECT_EQ(Names(l), (Names_{"D", "B", "C", "A"}));
}

TEST(TeilnListe, Mode6CprTimeAndStation) {
  TTeilnehmerListe l;
  l.SetSortMode(6);
  struct In { const char* name; int16_t time, station; };
  for (const In& in : {In{"A", 930, 2}, In{"B", 930, 1}, In{"C", 925, 5}, In{"D", 0, 0}, In{"E", 930, 1}}) {
    TTeilnehmer* t = Make(in.name);
    t->SetCprTime(in.time);
    t->SetCprStation(in.station);
    l.Insert(t);
  }
  EXPECT_EQ(Names(l), (Names_{"D", "C", "B", "E", "A"}));
}

TEST(TeilnListe, Mode8PointsNeedAPassedCpr) {
  TTeilnehmerListe l;
  l.SetSortMode(8);
  l.SetDiscipline(3);
  struct In { const char* name; int32_t points, cpr; };
  for (const In& in : {In{"A", 800, 0}, In{"B", 500, 100}, In{"C", 300, -300}, In{"D", 0, 50}, In{"E", 700, 1},
                       In{"F", 900, -100}}) {
    TTeilnehmer* t = Make(in.name);
    t->SetPoints(3, in.points);
    t->SetCprValue(in.cpr);
    l.Insert(t);
  }
  // Without a passed CPR the points count 0, so A, C, D and F tie by name.
  EXPECT_EQ(Names(l), (Names_{"E", "B", "A", "C", "D", "F"}));

  l.SetSortMode(3);
  l.Sort();
  EXPECT_EQ(Names(l), (Names_{"F", "A", "E", "B", "C", "D"}));
}

TEST(TeilnListe, DisciplineOutsideOneToSixTiesEveryoneOnName) {
  TTeilnehmerListe l;
  l.SetSortMode(3);
  l.SetDiscipline(0);
  for (const char* n : {"B", "C", "A"}) {
    TTeilnehmer* t = Make(n);
    t->SetPoints(1, n[0]);
    l.Insert(t);
  }
  EXPECT_EQ(Names(l), (Names_{"A", "B", "C"}));
}

TEST(TeilnListe, OwningListDisposesItsParticipants) {
  int disposed = 0;
  {
    TTeilnehmerListe l;
    l.Insert(new CountedTeilnehmer(&disposed));
    l.Insert(new CountedTeilnehmer(&disposed));
    l.AtFree(0);
    EXPECT_EQ(disposed, 1);
  }
  EXPECT_EQ(disposed, 2);
}

TEST(TeilnListe, NonOwningListDisposesNothing) {
  int disposed = 0;
  std::vector<std::unique_ptr<CountedTeilnehmer>> owner;
  for (int i = 0; i < 3; ++i) owner.push_back(std::make_unique<CountedTeilnehmer>(&disposed));
  {
    TTeilnehmerListe l(false);
    for (auto& t : owner) l.Insert(t.get());
    l.AtFree(0);
    EXPECT_EQ(l.GetCount(), 2);
    l.FreeAll();
    EXPECT_EQ(l.GetCount(), 0);
    for (auto& t : owner) l.Insert(t.get());
  }
  EXPECT_EQ(disposed, 0);
  owner.clear();
  EXPECT_EQ(disposed, 3);
}
