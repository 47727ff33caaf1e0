#include <gtest/gtest.h>

#include <algorithm>
#include <iomanip>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "AkTestSupport.h"
#include "ByteOrder.h"
#include "CodePage.h"
#include "LoadSeeds.h"
#include "TestData.h"
#include "VkWettk.h"
#include "YrClock.h"

using vkseeds::Bytes;

namespace {

bool LoadInto(TWettkampf& w, const Bytes& file) {
  TYrMemoryStream s(file);
  return w.Load(s);
}

struct Shape {
  std::vector<int> participants;  // per class
  int gliederungen, organs;
  bool operator==(const Shape&) const = default;
};

Shape ShapeOf(const TWettkampf& w) {
  Shape s{{}, w.Gliederungen().GetCount(), w.OrganListe().GetCount()};
  for (int i = 0; i < w.GetCount(); ++i) s.participants.push_back(w.At(i)->GetCount());
  return s;
}

// A small competition with a value of its own in every field the program
// writes. The female class holds two persons; the male class's one entry
// uses the team layout, so that both layouts of the participant are stored.
std::unique_ptr<TWettkampf> Small() {
  const TYrClock saved = SetClock([] { return MakeDateTime(2026, 3, 7); });
  auto w = std::make_unique<TWettkampf>();
  SetClock(saved);
  TWettkampfDaten h = w->Header();  // title, organiser, host and date as in a new competition
  h.SetVenue(Oem("Stadtbad Gießen")), h.SetLanesIndex(3), h.SetPool(1), h.SetCprStationsIndex(1);
  h.SetOptions(TWettkampfDaten::kOptHundredths), h.SetLastCprDuration(15), h.SetLastCprStarts(2);
  TWettkampfDaten::Bytes b = h.GetBytes();
  for (size_t i = 0; i < 5; ++i) b[TWettkampfDaten::kOffReservedText + i] = "\x04" "frei"[i];
  b[TWettkampfDaten::kOffReserved + 7] = 0x5A;  // carried through unread
  h.SetBytes(b);
  w->SetHeader(h);

  TAltersklasse::Disciplines discs;
  BuildDisziplin(discs[0], {"50m Hindernisschwimmen", kKindQuadraticLinear, 3190}, 11);
  BuildDisziplin(discs[1], {"50m kombiniertes Schwimmen", kKindLinear, 100000, 100}, 7);
  discs[2].SetName(Oem("Kür")), discs[2].SetFormula("V1-T*10"), discs[2].SetRuleCode(12);
  discs[2].SetDescription("eigene Formel");
  for (auto [v, value] : {std::pair{1, 50000}, {2, -2}, {3, 300}, {4, 0x01020304}, {5, -5}}) discs[2].SetV(v, value);
  auto* female = new TAltersklasse;
  female->Define("AK 12w", 1978, 1979, TAltersklasse::kFemale | TAltersklasse::kCprScored | 32, 3, discs);
  female->SetCounted(2);
  TRekord r1, r2;
  r1.SetRecordTime(3200), r1.SetRecordDeduction(1), r1.SetHolder("Anna Alt"), r2.SetRecordTime(3700);
  TOverallRecord o;
  o.SetRecordTotal(130000);
  female->SetRekord(1, r1), female->SetRekord(2, r2), female->SetOverall(o);
  const char* const kPeople[] = {
      "name=Meier vorname=Anna year=1978 org=DLRG flags=28 cpr=5000 cprtime=930 station=2 cprheat=7 time1=3300 "
      "time2=3505 time3=4000 ded2=2 heat1=1 heat2=2 heat3=3 lane1=4 lane2=5 lane3=6",
      "name=Müller vorname=Berta year=12.05.1979 org=WW flags=8 cpr=-100 cprtime=935 station=3 cprheat=8 time1=3400 "
      "time2=3600 ded3=-3 heat1=11 heat2=12 heat3=13 lane1=3 lane2=4 lane3=5"};
  for (int i = 0; i < 2; ++i) {
    TTeilnehmer::Bytes reserved{};
    reserved[162] = reserved[206] = reserved[279] = static_cast<uint8_t>(0xA0 + i);  // kept, never read
    TTeilnehmer t;
    t.SetRecord(reserved);
    female->Insert(new TTeilnehmer(aktest::Participant(kPeople[i], t)));
  }
  female->Evaluate();
  w->Insert(female);

  discs = {};
  BuildDisziplin(discs[0], {"50m Hindernisschwimmen", kKindQuadraticLinear, 3110}, 11);
  auto* male = new TAltersklasse;
  male->Define("AK 12m", 1978, 1979, TAltersklasse::kCprScored, 1, discs);
  male->Insert(new TTeilnehmer(aktest::Participant(  // both texts are cut
      "team=Rettungsschwimmer_Musterstadt1_(Herren) zusatz=Mannschaft_2_der_Ortsgruppe org=DLRG time1=3200")));
  male->Evaluate();
  w->Insert(male);

  for (const char* abk : {"ALT", "WW"}) {  // the rebuild drops an organisation without participants
    auto* g = new TGliederung;
    g->SetAbk(abk), g->SetName(abk[0] == 'W' ? "Wasserwacht" : "Alt"), g->SetParticipants(5);
    w->Gliederungen().Insert(g);
  }
  w->BuildGliederungen(TGliederungsListe::kByMedals);
  w->BuildGliederungen(TGliederungsListe::kByMedals);  // counted afresh, but the place sum is never cleared
  w->Gliederungen().At(0)->SetName("DLRG Bezirk Nord");
  for (int seed : {0x10, 0x03}) {  // kept in the order they came, never read
    TOrganEintrag::Bytes organ;
    for (size_t j = 0; j < organ.size(); ++j) organ[j] = static_cast<uint8_t>(seed + j * 7);
    auto* e = new TOrganEintrag;
    e->SetRecord(organ);
    w->OrganListe().Insert(e);
  }
  return w;
}

template <class... A>
void Line(std::ostream& o, const char* what, const A&... a) {
  o << what;
  ((o << '|' << a), ...);
  o << '\n';
}

// Every field of a competition as the program reads it, one line per record,
// in UTF-8 with control characters (bytes behind a text of the other layout)
// as \xNN.
std::string Fields(const TWettkampf& w) {
  std::ostringstream o;
  const TWettkampfDaten& h = w.Header();
  Line(o, "header", h.Title(), h.Kind(), h.Organiser(), h.Host(), h.Date(), h.Venue(), h.LanesIndex(), h.Pool(),
       h.CprStationsIndex(), h.ReservedText(), h.Options(), h.LastCprDuration(), h.LastCprStarts());
  for (int i = 0; i < w.GetCount(); ++i) {
    const TAltersklasse& ak = *w.At(i);
    Line(o, "class", ak.Name(), ak.FirstYear(), ak.LastYear(), ak.Flags(), ak.DisciplineCount(), ak.Counted());
    for (int row = 0; row <= ak.GetCount(); ++row) {  // the grid's captions, then each participant's cells
      o << " cells";
      for (int16_t column = 0; column <= 46; ++column) o << '|' << ak.CellText(row, column);
      o << '\n';
    }
    for (int d = 1; d <= ak.DisciplineCount(); ++d) {
      const TDisziplin x = ak.Discipline(d);
      const TRekord r = ak.Rekord(d);
      Line(o, " discipline", x.Name(), x.Kind(), x.V(1), x.V(2), x.V(3), x.V(4), x.V(5), x.Formula(), x.RuleCode(),
           x.Description());
      Line(o, " record", r.RecordTime(), r.RecordDeduction(), r.BestTime(), r.BestDeduction(), r.Number(), r.Text(),
           r.Holder(), +r.Reserved());
    }
    const TOverallRecord all = ak.Overall();
    Line(o, " overall", all.RecordTotal(), all.BestTotal(), all.Number(), all.Text(), all.Holder(), +all.Reserved());
    for (int j = 0; j < ak.GetCount(); ++j) {
      const TTeilnehmer& t = *ak.At(j);
      Line(o, " participant", t.Name(true), t.Vorname(), t.Geburtsdatum(), t.Name(false), t.Zusatz(), t.Gliederung(),
           t.Altersklasse(), t.Flags(), t.CprValue(), t.CprTime(), t.CprStation(), t.CprHeat(), t.Total(), t.Place());
      for (int d = 1; d <= 6; ++d)
        Line(o, "  result", t.Time(d), t.Deduction(d), t.Heat(d), t.Lane(d), t.Points(d), t.DisciplinePlace(d),
             t.DisciplineRank(d));
    }
  }
  for (int i = 0; i < w.Gliederungen().GetCount(); ++i) {
    const TGliederung& g = *w.Gliederungen().At(i);
    Line(o, "organisation", g.Abk(), g.Name(), g.Participants(), g.Gold(), g.Silver(), g.Bronze(), g.Place(),
         g.TrophyPoints(), g.TrophyPending(), g.PlaceSum(), g.Total(), g.PenaltySum());
  }
  for (int i = 0; i < w.OrganListe().GetCount(); ++i)
    Line(o, "organ entry", +w.OrganListe().At(i)->Record()[0], +w.OrganListe().At(i)->Record()[360]);
  return aktest::Readable(o.str());
}

std::string Hex(const Bytes& b, size_t at) {
  std::ostringstream o;
  o << std::hex << std::setfill('0');
  for (size_t i = at & ~size_t{15}; i < std::min(b.size(), (at & ~size_t{15}) + 32); ++i)
    o << std::setw(2) << int{b[i]} << (i % 16 == 15 ? "  " : " ");
  return o.str();
}

Bytes ReadData(const std::string& name) {
  const std::string bytes = testdata::ReadFile(std::string(VK_TEST_DATA) + "/" + name);
  return Bytes(bytes.begin(), bytes.end());
}

}  // namespace

// The reviewed file (tests/data/result-file.erg) and the fields read back
// from it (result-file.txt); a file that differs shows where.
TEST(ResultFile, SmallCompetitionMatchesTheReviewedFile) {
  const Bytes got = vkseeds::Stored(*Small());
  const Bytes want = ReadData("result-file.erg");
  const size_t at = std::mismatch(got.begin(), got.end(), want.begin(), want.end()).first - got.begin();
  EXPECT_TRUE(got == want) << got.size() << " bytes, not " << want.size() << "; first difference at offset " << at
                           << std::hex << " (0x" << at << ")\n  got:  " << Hex(got, at)
                           << "\n  want: " << Hex(want, at);
  TWettkampf back;
  ASSERT_TRUE(LoadInto(back, want));
  testdata::ExpectDataFile(Fields(back), "result-file.txt");
  EXPECT_EQ(vkseeds::Stored(back) == want, true);
  TYrMemoryStream failing;
  failing.FailAfter(5000);
  back.Store(failing);
  EXPECT_EQ(failing.FirstError, 101);
}

TEST(ResultFile, HeaderSizes) {
  const Bytes full = vkseeds::Stored(*vkseeds::FullCompetition());
  const TWettkampfDaten::Bytes header = vkseeds::FullCompetition()->Header().GetBytes();
  for (int32_t size : {650, 720, 0}) {
    TWettkampf w;
    EXPECT_TRUE(LoadInto(w, vkseeds::WithHeaderSize(full, size))) << size;
    TWettkampfDaten::Bytes want{};
    std::copy_n(header.begin(), std::min<int32_t>(size, 701), want.begin());
    EXPECT_EQ(w.Header().GetBytes(), want) << size;
    EXPECT_EQ(ShapeOf(w), (Shape{{6, 5, 3, 0}, 3, 2})) << size;
  }
}

// Whatever stops the reading, the competition stays valid: classes read
// before the stop stay, the lists behind it are empty. A delta of 0 and limits
// beyond the largest collection are pinned with the age class and collection.
TEST(ResultFile, DamagedFilesStopQuietly) {
  const Bytes full = vkseeds::Stored(*vkseeds::FullCompetition());
  const vkseeds::Layout l = vkseeds::Walk(full);
  const auto cut = [&](size_t n) { return Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n)); };
  const struct { const char* name; Bytes file; Shape want; } cases[] = {
      {"negative header size", vkseeds::WithHeaderSize(full, -701), {{}, 0, 0}},  // not read as 701
      {"size field cut", cut(40), {{}, 0, 0}},
      {"class marker", vkseeds::WithU16(full, l.classMarkers[1], 1000), {{6}, 0, 0}},
      // A count no writer makes: the marker behind the last class ends it.
      {"class count", vkseeds::WithU16(full, l.classHead, 0xFFFF), {{6, 5, 3, 0}, 0, 0}},
      {"participant marker", vkseeds::WithU16(full, l.participantMarkers[3], 1001), {{3}, 0, 0}},
      {"statistics marker", vkseeds::WithU16(full, l.gliederungMarkers[1], 1005), {{6, 5, 3, 0}, 1, 0}},
      {"organ marker", vkseeds::WithU16(full, l.organMarkers[1], 1002), {{6, 5, 3, 0}, 3, 1}},
      {"class head cut", cut(l.classHead + 5), {{}, 0, 0}},
      {"class record cut", cut(l.classMarkers[2] + 100), {{6, 5}, 0, 0}},
      // A whole class record before a cut participant list head is kept.
      {"participant head cut", cut(l.classMarkers[2] + 2 + kAltersklasseSize + 3), {{6, 5, 0}, 0, 0}},
      {"statistics head cut", cut(l.gliederungHead + 4), {{6, 5, 3, 0}, 0, 0}},
      {"organ entry cut", cut(full.size() - 10), {{6, 5, 3, 0}, 3, 1}},
  };
  for (const auto& c : cases) {
    MessageCapture m;
    auto w = vkseeds::FullCompetition();
    w->Selection().Insert(w->At(0)->At(0));
    w->RekordListe().Insert(new TRekordEintrag);
    const bool whole = LoadInto(*w, c.file);
    EXPECT_EQ(std::tuple(whole, ShapeOf(*w) == c.want, w->Selection().GetCount(), w->RekordListe().GetCount(),
                         w->Header().GetBytes() == TWettkampfDaten::Bytes{}, m.list),
              std::tuple(false, true, 0, 0, &c - cases < 2, std::vector<std::string>{}))
        << c.name;
    // What was read stores and loads again completely.
    TWettkampf again;
    EXPECT_TRUE(LoadInto(again, vkseeds::Stored(*w))) << c.name;
  }
}

TEST(ResultFile, EqualClassesLoadAsOne) {
  MessageCapture m;
  TWettkampf w;
  bool whole = false;
  for (const auto& [name, bytes] : vkseeds::SeedCorpus())
    if (name == "duplicate-class") whole = LoadInto(w, bytes);
  const std::string message = Oem("Die Altersklasse AK 12 konnte nicht eingefügt werden (sie existiert bereits).");
  EXPECT_EQ(std::tuple(whole, ShapeOf(w) == Shape{{6, 5, 3, 0}, 3, 2}, m.list),
            std::tuple(true, true, std::vector<std::string>{message}));
}
