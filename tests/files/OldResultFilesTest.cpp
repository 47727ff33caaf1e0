#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "CodePage.h"
#include "MessageCapture.h"
#include "OldFileSeeds.h"
#include "OldResultFiles.h"
#include "VkLoadSave.h"
#include "VkWettk.h"
#include "YrStream.h"

using namespace oldseeds;

namespace {

struct ReadResult {
  bool complete;
  std::unique_ptr<TWettkampf> w;
};

ReadResult ReadOld(const Bytes& file) {
  ReadResult r{false, std::make_unique<TWettkampf>()};
  const std::string_view text(reinterpret_cast<const char*>(file.data()), std::min<size_t>(file.size(), 38));
  TYrMemoryStream s(file);
  r.complete = ResultReaderFor(text)(*r.w, s);
  return r;
}

const TTeilnehmer* Find(const TWettkampf& w, const std::string& name) {
  for (int i = 0; i < w.GetCount(); ++i)
    for (int j = 0; j < w.At(i)->GetCount(); ++j)
      if (w.At(i)->At(j)->Name(false) == name) return w.At(i)->At(j);
  return nullptr;
}

Bytes Prefix(const Bytes& b, size_t n) { return Bytes(b.begin(), b.begin() + static_cast<long>(n)); }

}  // namespace

// The 2.1 header's size field decides how much of it is used and where the
// age-class list starts; a size no writer made leaves the new competition.
// Version 1.5 has no size field; version 1.0 reads 411 header bytes whatever
// its size says and goes on behind the size. A length byte beyond its field
// reads the field's capacity.
TEST(OldResultFiles, HeaderSizes) {
  const Bytes h21 = OldHeader(Version::k21, true).bytes(), h15 = OldHeader(Version::k15, true).bytes();
  Bytes padded = h21, overLong = h21, longer = h15;
  padded.resize(720, 0xEE);
  overLong[0] = 0xFF;
  longer.resize(415, 0xEE);
  const int64_t tooLarge = 701 + static_cast<int64_t>(SampleFile(Version::k21, true).size());
  const std::string title = "Kreismeisterschaft", fresh = "Titel des Wettkampfes eingeben";
  // complete, title, text at 413, CPR stations, lanes index, pool, classes, organisations
  using Want = std::tuple<bool, std::string, std::string, int, int, int, int, int>;
  const struct {
    Version v;
    int64_t size;
    Bytes header;
    Want want;
    bool withBody = true;
  } kCases[] = {
      {Version::k21, 701, h21, {true, title, "Notiz", 3, 4, 1, 2, 1}},
      {Version::k21, 412, Prefix(h21, 412), {true, title, "", 3, 4, 1, 2, 1}},  // the text at 413 lies beyond
      {Version::k21, 720, padded, {true, title, "Notiz", 3, 4, 1, 2, 1}},
      {Version::k21, 701, overLong, {true, title + std::string(80 - title.size(), '\0'), "Notiz", 3, 4, 1, 2, 1}},
      {Version::k21, -1, h21, {false, fresh, "", 2, 2, 0, 0, 0}},
      {Version::k21, tooLarge, h21, {false, fresh, "", 2, 2, 0, 0, 0}},
      {Version::k15, 0, h15, {true, title, "", 0, 4, 1, 2, 1}},
      {Version::k10, 411, h15, {true, title, "", 0, 4, 1, 2, 1}},
      {Version::k10, 415, longer, {true, title, "", 0, 4, 1, 2, 1}},
      // The list starts at 40 + 5, inside the 411 bytes taken as the header.
      {Version::k10, 5, {4, 'K', 'u', 'r', 'z'}, {true, "Kurz", "", 0, 0, 0, 2, 1}},
      {Version::k10, 411, Prefix(h15, 300), {false, fresh, "", 2, 2, 0, 0, 0}, false},  // ends inside the header
  };
  for (const auto& c : kCases) {
    const Bytes body = c.withBody ? Body(c.v, SampleClasses(c.v, true), {Organisation("DLRG", 1)}) : Bytes{};
    const auto [complete, w] = ReadOld(VersionFile(c.v, c.header, c.size, body));
    const TWettkampfDaten& h = w->Header();
    EXPECT_EQ(Want(complete, h.Title(), h.ReservedText(), h.CprStationsIndex(), h.LanesIndex(), h.Pool(),
                   w->GetCount(), w->Gliederungen().GetCount()),
              c.want)
        << int(c.v) << " " << c.size;
  }
}

// The header fields each version has (and those it has not); deductions,
// heats, lanes and the CPR value moved between the versions; the person or
// team layout follows the kind of event just read. 2.1 keeps each
// discipline's kind and parameters; 1.5 and 1.0 make linear disciplines of
// their two whole-point parameters (1.5's second discipline: 800 and 2).
// Formula texts and descriptions stay empty; the records come from each
// version's entries.
TEST(OldResultFiles, FieldsOfEachVersion) {
  // count, counted, kind 1, V1 1, V2 1, kind 2, V1 2, V2 2, formula 1, description 1, record 1 time, its
  // deduction, holder, previous best total
  using Disciplines = std::tuple<int, int, int, int, int, int, int, int, std::string, std::string, int32_t, int,
                                 std::string, int32_t>;
  const Disciplines kDisciplines[] = {{3, 3, 2, 50000, 10, 1, 9000, 10, "", "", 6540, 1, "Halter", 123400},
                                      {3, 3, 2, 50000, 100, 2, 80000, 200, "", "", 6540, 1, "Halter", 123400},
                                      {3, 3, 2, 50000, 100, 2, 80000, 200, "", "", 6540, 0, "Halter", 123400}};
  for (Version v : {Version::k21, Version::k15, Version::k10}) {
    for (bool individual : {true, false}) {
      const auto [complete, w] = ReadOld(SampleFile(v, individual));
      ASSERT_TRUE(complete);
      const TWettkampfDaten& h = w->Header();
      const bool v21 = v == Version::k21;
      EXPECT_EQ(std::tuple(h.Kind(), h.Organiser(), h.Host(), h.Date(), h.Venue(), h.CprStationsIndex(),
                           h.ReservedText(), h.Options(), h.GetBytes()[600]),
                std::tuple(individual ? 0 : 1, "Bezirk Nord", "OG Hafen", "12.03.1994", "Stadtbad", v21 ? 3 : 0,
                           v21 ? "Notiz" : "", 0, 0))
          << int(v);
      const TTeilnehmer* t = Find(*w, individual ? "Name1" : "Mannschaft1");
      ASSERT_NE(t, nullptr);
      const std::string second = individual ? t->Vorname() + "|" + t->Geburtsdatum() : t->Zusatz();
      EXPECT_EQ(
          std::tuple(t->Altersklasse(), second, t->Gliederung(), t->Flags(), t->Time(1), t->Deduction(2),
                     t->Deduction(3), t->Heat(4), t->Lane(4), t->CprValue(), w->At(0)->GetCount()),
          std::tuple("AK 12", individual ? "Vorname1|01.02.1981" : "Zusatz1", "DLRG", 9, 6100, -3, 0, 2, 2, 1500, 3))
          << int(v) << individual;
      const TAltersklasse& ak = *w->At(0);
      const TDisziplin d1 = ak.Discipline(1), d2 = ak.Discipline(2);
      EXPECT_EQ(Disciplines(ak.DisciplineCount(), ak.Counted(), d1.Kind(), d1.V(1), d1.V(2), d2.Kind(), d2.V(1),
                            d2.V(2), d1.Formula(), d1.Description(), ak.Rekord(1).RecordTime(),
                            ak.Rekord(1).RecordDeduction(), ak.Rekord(1).Holder(), ak.Overall().RecordTotal()),
                kDisciplines[static_cast<int>(v)])
          << int(v);
    }
  }
}

// The class's insertion computes each total before it sorts: the stale
// totals of the file must not decide the order of equal participants, and
// the later of two equals in the order holds the best time. A discipline of
// the own-formula kind (2.1 stores no formula text) reports its error once.
TEST(OldResultFiles, ParticipantsGoInThroughTheClassInsertion) {
  const struct {
    int32_t kind, v1, v2, timeAnna, totalAnna, timeBerta;
    size_t messages;
  } kCases[] = {{2, 1000, 0, 3000, 500, 4000, 0}, {2, 500000, 1000, 3010, 999999, 3050, 0}, {0, 0, 0, 1, 9, 2, 1}};
  for (const auto& c : kCases) {
    MessageCapture messages;
    auto meier = [](std::string_view first, int32_t time, int32_t total) {
      return Rec(180).Str(0, 20, "Meier").Str(21, 20, first).Str(59, 30, "AK 12").I32(92, time).I32(174, total);
    };
    const OldClass ak{ClassRecord(Version::k21, "AK 12", 1982, 1983, 0, {{"D1", c.kind, c.v1, c.v2}}), Rec(0),
                      {meier("Anna", c.timeAnna, c.totalAnna), meier("Berta", c.timeBerta, 0)}};
    const Bytes header = OldHeader(Version::k21, true).bytes();
    const auto [complete, w] =
        ReadOld(VersionFile(Version::k21, header, static_cast<int64_t>(header.size()), Body(Version::k21, {ak}, {})));
    const TAltersklasse& got = *w->At(0);
    EXPECT_EQ(std::tuple(complete, got.At(0)->Vorname(), got.At(1)->Vorname(), got.At(0)->Total() == got.At(1)->Total(),
                         got.Rekord(1).BestTime(), messages.list.size()),
              std::tuple(true, std::string("Berta"), std::string("Anna"), true, c.timeAnna, c.messages))
        << c.v1;
  }
}

// A wrong participant marker discards the class being read and ends the
// file there; the classes before it stay.
TEST(OldResultFiles, WrongParticipantMarkerDiscardsTheClassBeingRead) {
  Bytes file = SampleFile(Version::k15, true);
  const size_t secondClass = 38 + 411 + 6 + 2 + 464 + 576 + 6 + 3 * (2 + 181) + 1;
  le::PutU16(file.data(), secondClass + 2 + 464 + 576 + 6, 1001);
  const auto [complete, w] = ReadOld(file);
  EXPECT_EQ(std::tuple(complete, w->GetCount(), w->At(0)->Name(), w->Gliederungen().GetCount()),
            std::tuple(false, 1, "AK 12", 0));
}

TEST(OldResultFiles, PredecessorTitles) {
  const struct {
    uint16_t event, level;
    const char* title;  // UTF-8
    int kind;
  } kCases[] = {
      {0, 2, "Einzelmeisterschaften auf Landesebene ", 0},
      {2, 0, "Einzelwettkämpfe auf Ortsgruppenebene ", 0},
      {1, 3, "Mannschaftsmeisterschaften auf Bundesebene ", 1},
      {3, 1, "Mannschaftswettkämpfe auf Bezirksebene ", 1},
      {0, 4, "Einzelmeisterschaften", 0},
  };
  for (const auto& c : kCases) {
    const auto [complete, w] = ReadOld(ForeignFile(ForeignHeader(c.event, c.level, 2, 1), {}, {}));
    EXPECT_EQ(std::tuple(complete, w->Header().Title(), int(w->Header().Kind())),
              std::tuple(true, Oem(c.title), c.kind))
        << c.event << c.level;
  }
}

// Classes by number (even ones female, CPR from the second on unless the
// lanes index is 5), swapped status codes, a female participant retried in
// the male class of her name, one message for one that fits nowhere, and a
// cut record at the end left unread.
TEST(OldResultFiles, PredecessorFile) {
  Bytes file = SampleForeignFile(true);
  file.resize(file.size() + 100, 0x41);
  MessageCapture messages;
  const auto [complete, w] = ReadOld(file);
  const TWettkampfDaten& h = w->Header();
  EXPECT_EQ(std::tuple(h.LanesIndex(), h.Pool(), h.Venue(), h.Organiser(), h.Host(), h.Date()),
            std::tuple(5, 0, "Hallenbad West", "Landesverband", "Landesverband", "1. Mai 1989"));
  std::vector<std::tuple<std::string, int, int, int, int, int32_t, int32_t, int>> classes;
  for (int i = 0; i < w->GetCount(); ++i) {
    const TAltersklasse& ak = *w->At(i);
    classes.emplace_back(ak.Name(), ak.FirstYear(), ak.LastYear(), ak.Flags(), ak.DisciplineCount(),
                         ak.Discipline(1).V(1), ak.Discipline(2).V(2), ak.GetCount());
  }
  using C = decltype(classes)::value_type;
  EXPECT_EQ(classes, (std::vector<C>{{"Jugend", 1972, 1975, 1, 2, 40000, 100, 1},
                                     {"Jugend", 1972, 1975, 0, 2, 40000, 100, 1},
                                     {"Herren", 1900, 1971, 0, 2, 40000, 100, 1}}));
  const TTeilnehmer* lang = Find(*w, "Lang");
  ASSERT_NE(lang, nullptr);
  EXPECT_EQ(std::tuple(lang->Altersklasse(), lang->IsFemale(), lang->Vorname(), lang->Gliederung(), lang->Time(1),
                       lang->Deduction(1), lang->Deduction(2), lang->Heat(2), lang->Lane(2), lang->CprValue()),
            std::tuple("Herren", false, "Ida", "WW", 6540, 0, -1, 3, 3, 1200));
  EXPECT_EQ(messages.list, std::vector<std::string>{"Nirgends, Udo (Altersklasse Senioren) konnte nicht eingef" +
                                                    Oem("ü") + "gt werden."});
  EXPECT_FALSE(complete);

  const auto [whole, cpr] =
      ReadOld(ForeignFile(ForeignHeader(0, 0, 3, 0),
                          {ForeignClass("A", 1, 2, {}), ForeignClass("B", 1, 2, {}), ForeignClass("C", 1, 2, {})},
                          {ForeignParticipant(true, "X", "", "B", 1, {{"1:00,0", -1}})}));
  EXPECT_EQ(
      std::tuple(whole, cpr->At(0)->Flags(), cpr->At(1)->Flags(), cpr->At(2)->Flags(), cpr->At(0)->At(0)->Deduction(1)),
      std::tuple(true, 3, 0, 2, -2));
}
