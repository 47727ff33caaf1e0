#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "AkTestSupport.h"
#include "CodePage.h"
#include "LoadSeeds.h"
#include "VkWettk.h"

using aktest::Find;
using vkseeds::MakeClass;
using Names = std::set<std::string>;
using Texts = std::vector<std::string>;

namespace {

TTeilnehmer* Person(const std::string& name, const std::string& org, int32_t time,
                    uint16_t flags = TTeilnehmer::kMeldet) {
  auto* t = new TTeilnehmer;
  t->SetName(true, name), t->SetVorname("V"), t->SetGliederung(org), t->SetTime(1, time), t->SetFlags(flags);
  return t;
}

TAltersklasse* ClassWith(const std::string& name, uint16_t year, uint16_t flags, std::vector<TTeilnehmer*> ts) {
  TAltersklasse* ak = MakeClass(name, year, static_cast<uint16_t>(year + 1), flags, 2);
  for (TTeilnehmer* t : ts) ak->Insert(t);
  return ak;
}

// Lanes and CPR stations index, kind of event.
void SetHeader(TWettkampf& w, uint16_t index, uint16_t kind = TWettkampfDaten::kIndividual) {
  TWettkampfDaten h = w.Header();
  h.SetLanesIndex(index), h.SetCprStationsIndex(index), h.SetKind(kind);
  w.SetHeader(h);
}

// Every participant's name followed by what `f` gives.
Names Each(const TWettkampf& w, const std::function<std::string(const TTeilnehmer&)>& f) {
  Names out;
  for (int i = 0; i < w.GetCount(); ++i)
    for (int j = 0; j < w.At(i)->GetCount(); ++j) out.insert(w.At(i)->At(j)->Name(true) + " " + f(*w.At(i)->At(j)));
  return out;
}

std::string OrgAndQ(const TTeilnehmer& t) {
  return t.Gliederung() + (t.Flag(TTeilnehmer::kDirektQualifiziert) ? " Q" : " ");
}

}  // namespace

// Class by class the timetable is the age class's own (pinned there); by
// organisation, blocks share one clock that wraps the stations and midnight.
TEST(WettkOps, CprBlocksByOrganisationEndWithTheUnorganised) {
  MessageCapture m;
  TWettkampf w;
  SetHeader(w, 0);  // 3 stations
  TTeilnehmer* stale = Person("Caesar", "", 3300);
  stale->SetCprHeat(99);
  w.Insert(ClassWith("A", 1990, TAltersklasse::kCprScored,
                     {Person("Adam", "DLRG", 3000), Person("Berta", "WW", 3100), stale}));
  w.Insert(ClassWith("B", 1980, TAltersklasse::kCprScored, {Person("Dora", "WW", 3000), Person("Emil", "DLRG", 3100)}));
  w.Insert(ClassWith("C", 1970, 0, {Person("Fritz", "DLRG", 3000)}));
  w.AssignCprHeats(2355, 1, 10, 1, true);
  const auto slot = [](const TTeilnehmer& t) {
    return std::to_string(t.CprTime()) + "/" + std::to_string(t.CprStation()) + "/" + std::to_string(t.CprHeat());
  };
  EXPECT_EQ(Each(w, slot), (Names{"Adam 2355/1/1", "Emil 2355/2/2", "Berta 2355/3/3", "Dora 5/1/4", "Caesar 5/2/5",
                                  "Fritz 0/0/0"}));
  EXPECT_EQ(std::tuple(m.list, w.Header().LastCprDuration(), w.Header().LastCprStarts()),
            std::tuple(Texts{Oem("HLW dauert bis über Mitternacht hinaus!")}, 10, 1));
}

// The cases of tests/data/competition/wettkops.txt.
TEST(WettkOps, MergeOptionsAndPlacingImportedParticipants) {
  TWettkampf placing;  // to place imported participants in
  placing.Insert(MakeClass("AK 12w", 1978, 1979, TAltersklasse::kFemale, 1));
  placing.Insert(MakeClass("AK 12m", 1978, 1979, 0, 1));
  placing.Insert(MakeClass("AK 13/14m", 1976, 1977, 0, 1));
  placing.Insert(MakeClass("Nur w", 1980, 1981, TAltersklasse::kFemale, 1));
  testdata::ExpectRoutineCases(
      "competition/wettkops.txt",
      {{"Merge",
        [](const testdata::Fields& f) {
          MessageCapture m;
          TWettkampf source, w;
          constexpr uint16_t kRegistered = TTeilnehmer::kMeldet, kDirect = TTeilnehmer::kDirektQualifiziert;
          TTeilnehmer* absent = Person("Fehlt", "O", 3200);
          absent->SetDeduction(1, -3);
          source.Insert(ClassWith("AK", 1990, 0,
                                  {Person("Aussen", "O", 2000, kRegistered | TTeilnehmer::kAusserKonkurrenz),
                                   Person("Ohne", "O", 3100, kDirect), absent,
                                   Person("Normal", "O", 3000, kRegistered | kDirect)}));
          const auto options = uint16_t(testdata::Num(f, 1));
          w.Merge(&source, options, testdata::Arg(f, 2), int(testdata::Num(f, 3)));
          std::string out;
          for (const std::string& moved : Each(w, OrgAndQ)) out += (out.empty() ? "" : ", ") + moved;
          if (out.empty()) out = "-";
          out += source.GetCount() == 0 && w.GetCount() == (options & 1) ? "" : " (classes left behind)";
          for (const std::string& message : m.list) out += " / " + message;
          return aktest::Readable(out);
        }},
       {"Place", [&placing](const testdata::Fields& f) {
          MessageCapture m;
          std::unique_ptr<TTeilnehmer> t(Person("Importierte Personen", "", 3000, uint16_t(testdata::Num(f, 3))));
          t->SetGeburtsdatum(testdata::Arg(f, 1));
          t->SetAltersklasse(testdata::Arg(f, 2));
          const TTeilnehmer* placed = placing.PlaceParticipant(std::move(t));
          std::string out = placed ? placed->Altersklasse() : "";
          for (const std::string& message : m.list) out += message;
          return aktest::Readable(out);
        }}});
  // A participant without a place (0, as an unevaluated or damaged file holds)
  // is not among the first `count`.
  TWettkampf source, w;
  TAltersklasse* ak = ClassWith("AK", 1990, 0, {Person("Erster", "O", 3000), Person("Ohne", "O", 3100)});
  Find(*ak, "Ohne")->SetPlace(0);
  source.Insert(ak);
  w.Merge(&source, 3, "", 1);
  EXPECT_EQ(Each(w, OrgAndQ), (Names{"Erster O Q", "Ohne O "}));
}

// Organisations come along (a name replaces one equal to the abbreviation);
// an individual and a team competition do not mix.
TEST(WettkOps, MergeOrganisationsAndRefusal) {
  MessageCapture m;
  TWettkampf w, source, teams;
  for (auto [list, abk, name] :
       {std::tuple{&w, "DLRG", "DLRG"}, {&source, "DLRG", "Retter"}, {&source, "WW", "Wacht"}}) {
    auto* g = new TGliederung;
    g->SetAbk(abk), g->SetName(name);
    list->Gliederungen().Insert(g);
  }
  source.Insert(MakeClass("A", 1990, 1991, 0, 1));
  source.Insert(MakeClass("B", 1980, 1981, 0, 1));  // the last class is taken first
  w.Merge(&source, 3, "", 0);
  ASSERT_EQ(w.Gliederungen().GetCount(), 2);
  EXPECT_EQ(w.Gliederungen().At(0)->Name() + w.Gliederungen().At(1)->Name(), "RetterWacht");
  SetHeader(teams, 2, TWettkampfDaten::kTeams);
  teams.Insert(ClassWith("AK", 1990, 0, {Person("X", "", 3000)}));
  w.Merge(&teams, 31, "", 0);
  EXPECT_EQ(std::tuple(teams.GetCount(), w.GetCount(), m.list),
            std::tuple(1, 2, Texts{Oem("Altersklasse B wurde hinzugefügt."), Oem("Altersklasse A wurde hinzugefügt."),
                                   Oem("Einzel- u. Mannschaftswettkämpfe können nicht gemischt werden")}));
}

TEST(WettkOps, FullClassTakesNoMoreAndReportsIt) {
  MessageCapture m;
  TWettkampf w, source;
  TAltersklasse* full = ClassWith("AK", 1990, 0, {});
  full->SetLimit(kMaxCollectionSize);
  for (int i = 0; i < kMaxCollectionSize - 1; ++i) full->AtInsert(i, Person("F", "", 5000));
  w.Insert(full);
  source.Insert(ClassWith("AK", 1990, 0, {Person("S1", "", 3000), Person("S2", "", 3100), Person("S3", "", 3200)}));
  w.Merge(&source, 2, "", 0);
  std::unique_ptr<TTeilnehmer> late(Person("Late", "", 3000));
  late->SetAltersklasse("AK");
  EXPECT_EQ(w.PlaceParticipant(std::move(late)), nullptr);
  EXPECT_EQ(std::tuple(full->GetCount(), full->At(0)->Name(true), m.list),  // the last one is taken first
            std::tuple(kMaxCollectionSize, "S3",
                       Texts{Oem("Die Altersklasse AK ist voll: 2 Teilnehmer konnten nicht hinzugefügt werden."),
                             Oem("Die Altersklasse AK ist voll: Late konnte nicht eingefügt werden.")}));
}

TEST(WettkOps, TakeRecordsAcrossBirthYears) {
  MessageCapture m;
  TWettkampf w, source;
  TAltersklasse* mine = MakeClass("AK", 1990, 1991, 0, 1);
  TAltersklasse* theirs = MakeClass("AK", 1970, 1971, 0, 1);
  for (auto [ak, time] : {std::pair{mine, 5000}, {theirs, 4000}}) {
    TRekord r;
    r.SetRecordTime(time);
    ak->SetRekord(1, r);
  }
  w.Insert(mine);
  w.Insert(MakeClass("Solo", 1980, 1981, 0, 1));
  source.Insert(theirs);
  w.TakeRecords(source);
  EXPECT_EQ(std::pair(mine->Rekord(1).RecordTime(), m.list),
            std::pair(4000, Texts{"Zur Altersklasse Solo wurde keine passende Altersklasse gefunden."}));
}
