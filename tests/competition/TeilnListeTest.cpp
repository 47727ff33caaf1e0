#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "CodePage.h"
#include "VkTeilnListe.h"

namespace {

using Names_ = std::vector<std::string>;

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

// Inserts one participant per row, named and then shaped by `set`.
template <class Row, class F>
void Fill(TTeilnehmerListe& l, std::initializer_list<Row> rows, F set) {
  for (const Row& r : rows) {
    TTeilnehmer* t = Make(r.name);
    set(*t, r);
    l.Insert(t);
  }
}

std::unique_ptr<TTeilnehmerListe> List(uint8_t mode, int16_t discipline = 1) {
  auto l = std::make_unique<TTeilnehmerListe>();
  l->SetSortMode(mode);
  l->SetDiscipline(discipline);
  return l;
}

Names_ Names(const TTeilnehmerListe& l) {
  Names_ out;
  for (int i = 0; i < l.GetCount(); ++i) out.push_back(l.At(i)->Name(false));
  return out;
}

}  // namespace

TEST(TeilnListe, Init) {
  TTeilnehmerListe l;
  EXPECT_EQ(l.GetLimit(), 15);
  EXPECT_EQ(l.GetDelta(), 5);
  EXPECT_EQ(l.SortMode(), 0);
  EXPECT_EQ(l.Discipline(), 1);
  EXPECT_TRUE(l.Owning());
  EXPECT_FALSE(TTeilnehmerListe(false).Owning());
  EXPECT_TRUE(l.GetDuplicates());
  l.Insert(Make("Meier"));
  l.Insert(Make("Meier"));
  EXPECT_EQ(l.GetCount(), 2);  // equal participants are all kept
}

TEST(TeilnListe, NameRuleUnsignedBytesPrefixFirst) {
  // CP850: u-umlaut 0x81, a-umlaut 0x84, A-umlaut 0x8E, o-umlaut 0x94, sharp s 0xE1.
  for (uint8_t mode : {1, 7, 9}) {
    auto l = List(mode);
    for (const char* n : {"ß", "b", "Ärger", "Ab", "z", "über", "A", "Z", "a", "B", "ärger", ""}) l->Insert(Make(Oem(n)));
    const Names_ want = {"", "A", "Ab", "B", "Z", "a", "b", "z", Oem("über"), Oem("ärger"), Oem("Ärger"), Oem("ß")};
    EXPECT_EQ(Names(*l), want) << "mode " << int(mode);
  }
}

TEST(TeilnListe, FirstNamesAreNeverComparedTeamNamesWhole) {
  auto l = List(1);
  TTeilnehmer a, b, c;
  a.SetName(true, "Meier");
  a.SetVorname("Zoe");
  b.SetName(true, "Meier");
  b.SetVorname("Anna");
  EXPECT_EQ(l->Compare(&a, &b), 0);
  EXPECT_EQ(l->Compare(&b, &a), 0);
  // Bytes behind a name's length (a longer earlier name) do not count either.
  c.SetName(true, "Meierhofer");
  c.SetName(true, "Meier");
  EXPECT_EQ(l->Compare(&a, &c), 0);
  // Team names count beyond the individual layout's 20 characters.
  a.SetName(false, "Rettungsschwimmer Nord B");
  b.SetName(false, "Rettungsschwimmer Nord A");
  EXPECT_EQ(l->Compare(&a, &b), 1);
  EXPECT_EQ(l->Compare(&b, &a), -1);
}

TEST(TeilnListe, TotalModesDescendingThenName) {
  struct In { const char* name; int32_t total; };
  for (uint8_t mode : {0, 4, 5}) {
    auto l = List(mode);
    Fill<In>(*l, {{"C", 300}, {"B", 500}, {"D", 100}, {"A", 500}, {"E", -4}, {"F", INT_MAX}, {"G", INT_MIN}},
             [](TTeilnehmer& t, const In& r) { t.SetTotal(r.total); });
    EXPECT_EQ(Names(*l), (Names_{"F", "A", "B", "C", "D", "E", "G"})) << "mode " << int(mode);
    EXPECT_EQ(l->Compare(l->At(0), l->At(6)), -1);
    EXPECT_EQ(l->Compare(l->At(6), l->At(0)), 1);
  }
}

TEST(TeilnListe, Mode2HeatAndLaneOfTheDiscipline) {
  struct In { const char* name; int16_t heat, lane; };
  auto l = List(2, 2);
  Fill<In>(*l,
           {{"H4L1", 4, 1}, {"H3L10", 3, 10}, {"Znone", 0, 0}, {"H1L2", 1, 2}, {"B-H3L11", 3, 11}, {"H1L1", 1, 1},
            {"Max", SHRT_MAX, SHRT_MAX}},
           [](TTeilnehmer& t, const In& r) {
             t.SetHeat(2, r.heat);
             t.SetLane(2, r.lane);
             t.SetHeat(1, static_cast<int16_t>(100 - r.heat));  // reverse order in discipline 1: must not be read
           });
  // Heat 3 lane 11 and heat 4 lane 1 share the key 41: the name decides.
  EXPECT_EQ(Names(*l), (Names_{"Znone", "H1L1", "H1L2", "H3L10", "B-H3L11", "H4L1", "Max"}));
}

TEST(TeilnListe, Mode3PointsOfTheDisciplineDescending) {
  struct In { const char* name; int32_t points; };
  auto l = List(3, 6);
  Fill<In>(*l, {{"C", 100}, {"A", 900}, {"D", 0}, {"B", 100}}, [](TTeilnehmer& t, const In& r) {
    t.SetPoints(6, r.points);
    t.SetPoints(1, -r.points);
    t.SetTotal(r.points);
  });
  EXPECT_EQ(Names(*l), (Names_{"A", "B", "C", "D"}));
  l->SetDiscipline(1);  // takes effect with Sort
  l->Sort();
  EXPECT_EQ(Names(*l), (Names_{"D", "B", "C", "A"}));

  auto outside = List(3, 0);  // a discipline outside 1..6 ties everyone on the name
  Fill<In>(*outside, {{"B", 2}, {"C", 3}, {"A", 1}}, [](TTeilnehmer& t, const In& r) { t.SetPoints(1, r.points); });
  EXPECT_EQ(Names(*outside), (Names_{"A", "B", "C"}));
}

TEST(TeilnListe, Mode6CprTimeAndStation) {
  struct In { const char* name; int16_t time, station; };
  auto l = List(6);
  Fill<In>(*l, {{"A", 930, 2}, {"B", 930, 1}, {"C", 925, 5}, {"D", 0, 0}, {"E", 930, 1}},
           [](TTeilnehmer& t, const In& r) {
             t.SetCprTime(r.time);
             t.SetCprStation(r.station);
           });
  EXPECT_EQ(Names(*l), (Names_{"D", "C", "B", "E", "A"}));
}

TEST(TeilnListe, Mode8PointsNeedAPassedCpr) {
  struct In { const char* name; int32_t points, cpr; };
  auto l = List(8, 3);
  Fill<In>(*l, {{"A", 800, 0}, {"B", 500, 100}, {"C", 300, -300}, {"D", 0, 50}, {"E", 700, 1}, {"F", 900, -100}},
           [](TTeilnehmer& t, const In& r) {
             t.SetPoints(3, r.points);
             t.SetCprValue(r.cpr);
           });
  // Without a passed CPR the points count 0, so A, C, D and F tie by name.
  EXPECT_EQ(Names(*l), (Names_{"E", "B", "A", "C", "D", "F"}));
  l->SetSortMode(3);
  l->Sort();
  EXPECT_EQ(Names(*l), (Names_{"F", "A", "E", "B", "C", "D"}));
}

TEST(TeilnListe, OwningDisposesNonOwningDoesNot) {
  int disposed = 0;
  {
    TTeilnehmerListe l;
    l.Insert(new CountedTeilnehmer(&disposed));
    l.Insert(new CountedTeilnehmer(&disposed));
    l.AtFree(0);
    EXPECT_EQ(disposed, 1);
  }
  EXPECT_EQ(disposed, 2);

  disposed = 0;
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
}
