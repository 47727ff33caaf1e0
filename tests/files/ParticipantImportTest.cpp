#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "CodePage.h"
#include "FileTestSupport.h"
#include "ImportSeeds.h"
#include "MessageCapture.h"
#include "ParticipantImport.h"
#include "VkWettk.h"
#include "YrStream.h"

using namespace importseeds;

namespace {

struct Imported {
  bool complete;
  std::unique_ptr<TWettkampf> w;
  std::vector<std::string> messages;
};

Imported Import(int code, const Bytes& input, bool text) {
  Imported r{false, Competition(code), {}};
  MessageCapture capture;
  TYrMemoryStream s(input);
  r.complete = text ? ImportParticipantsText(*r.w, s) : ImportParticipantsBinary(*r.w, s);
  r.messages = capture.list;
  return r;
}

// Every participant as (class, name, first name, organisation, flags), in
// class order.
using Who = std::tuple<std::string, std::string, std::string, std::string, int>;
std::vector<Who> Everyone(const TWettkampf& w) {
  std::vector<Who> all;
  for (int i = 0; i < w.GetCount(); ++i)
    for (int j = 0; j < w.At(i)->GetCount(); ++j) {
      const TTeilnehmer& t = *w.At(i)->At(j);
      all.emplace_back(t.Altersklasse(), t.Name(w.IsIndividual()), w.IsIndividual() ? t.Vorname() : t.Zusatz(),
                       t.Gliederung(), t.Flags());
    }
  return all;
}

const TTeilnehmer& First(const TWettkampf& w, const std::string& ak, bool female) {
  for (int i = 0; i < w.GetCount(); ++i)
    if (w.At(i)->Name() == ak && w.At(i)->IsFemale() == female && w.At(i)->GetCount() > 0) return *w.At(i)->At(0);
  static const TTeilnehmer kNone;
  return kNone;
}

// Time, deduction, heat and lane of disciplines 1 to 4, then the CPR value.
std::vector<int32_t> Results(const TTeilnehmer& t) {
  std::vector<int32_t> r;
  for (int d = 1; d <= 4; ++d) r.insert(r.end(), {t.Time(d), t.Deduction(d), t.Heat(d), t.Lane(d)});
  r.push_back(t.CprValue());
  return r;
}

const std::string kNotPlaced = Oem(" konnte nicht eingefügt werden.");

}  // namespace

// A status word and a time in a line; "Offene AK" and the sex make the class
// text; an empty line is skipped and the column heads are not a participant.
TEST(ParticipantImport, TextLinesOfPersons) {
  const auto [complete, w, messages] = Import(kTextPersons, SampleText(true), true);
  EXPECT_TRUE(complete);
  EXPECT_EQ(Everyone(*w), (std::vector<Who>{{"AK 12w", "M\x81ller", "Annabella", "DLRG", 9},
                                            {"Offene Altersklasse (m)", "Schmidt", "Jan", "WW", 8}}));
  const TTeilnehmer& t = First(*w, "AK 12w", true);
  EXPECT_EQ(Results(t), (std::vector<int32_t>{6540, -2, 0, 0, 5990, -1, 0, 0, 12000, 3, 0, 0, 0, 0, 0, 0, 1500}));
  EXPECT_EQ(t.Geburtsdatum(), "2012");
  EXPECT_EQ(messages, std::vector<std::string>{"Niemand, Ida (Altersklasse AK 99w)" + kNotPlaced});
}

// Team lines keep the class text as read: "AK 12W" finds no class.
TEST(ParticipantImport, TextLinesOfTeams) {
  const auto [complete, w, messages] = Import(kTextTeams, SampleText(false), true);
  EXPECT_EQ(Everyone(*w), (std::vector<Who>{{"AK 12w", "Nord I", "", "DLRG", 9}}));
  EXPECT_EQ(Results(First(*w, "AK 12w", true)),
            (std::vector<int32_t>{6540, -2, 0, 0, 7000, 0, 0, 0, 8000, -1, 0, 0, 12000, 1, 0, 0, 2000}));
  EXPECT_EQ(messages, std::vector<std::string>{"Sued (Altersklasse AK 12W)" + kNotPlaced});
}

// A line longer than 255 characters is one participant, not two; the next
// line is read as usual.
TEST(ParticipantImport, LongLineIsReadWhole) {
  const std::string tail = std::string(300, 'x') + ";AK 12;w;Lang;Eva;2012;ww;1:00,0";
  const auto [complete, w, messages] =
      Import(kTextPersons, Text("Kopf\n" + std::string(1, '1') + tail + "\n2;AK 12;m;Kurz;Max;2012;ww\n"), true);
  EXPECT_EQ(Everyone(*w), (std::vector<Who>{{"AK 12w", "Lang", "Eva", "WW", 9}, {"AK 12m", "Kurz", "Max", "WW", 8}}));
  EXPECT_EQ(std::pair(complete, messages.size()), std::pair(true, size_t{0}));
}

// Fixed records: class by code, status codes translated, heat and lane from
// one word, times from tenths; a record without a name is dropped silently,
// a cut record at the end is left.
TEST(ParticipantImport, FixedRecords) {
  Bytes persons = SampleRecords(true);
  persons.resize(persons.size() + 95, 'z');
  const auto [complete, w, messages] = Import(kRecordsPersons, persons, false);
  EXPECT_TRUE(complete);
  EXPECT_EQ(Everyone(*w),
            (std::vector<Who>{{"Sch\x81ler", "Schulz", "Tom", "WW", 8}, {"Damen", "Meier", "Annabella", "DLRG", 9}}));
  const TTeilnehmer& t = First(*w, "Damen", true);
  EXPECT_EQ(Results(t), (std::vector<int32_t>{6540, 0, 2, 2, 12000, -2, 1, 3, 0, 0, 0, 4, 0, 0, 0, 0, 1200}));
  EXPECT_EQ(std::tuple(t.Geburtsdatum(), t.Points(1) != 0), std::tuple("1980", true));
  EXPECT_EQ(messages, std::vector<std::string>{"Ohne, Klasse (Altersklasse ?)" + kNotPlaced});

  const auto [teamsComplete, teams, teamMessages] = Import(kRecordsTeams, SampleRecords(false), false);
  EXPECT_EQ(Everyone(*teams), (std::vector<Who>{{"Damen", "Damen Sued", "", "ASB", 1},
                                                {"Herren", "Rettungsschwimmer Nord I", "", "DLRG", 0}}));
  EXPECT_EQ(Results(First(*teams, "Herren", false)),
            (std::vector<int32_t>{6540, 0, 2, 2, 12000, -2, 1, 3, 0, 0, 0, 4, 7000, -1, 3, 5, 500}));
  EXPECT_EQ(teamMessages, std::vector<std::string>{"Ohne Klasse (Altersklasse )" + kNotPlaced});
}

TEST(ParticipantImport, VkdumpImportStoresTheCompetition) {
  const std::string base = "import-base.erg", input = "import-input.txt", out = "import-out.erg";
  ASSERT_EQ(filetest::Vkdump("new 20 2012 " + base).status, 0);
  filetest::WriteFile(input, SampleText(true));
  const auto run = filetest::Vkdump("import " + base + " text " + input + " " + out);
  EXPECT_EQ(std::tuple(run.status, run.err),
            std::tuple(0, "Niemand, Ida (Altersklasse AK 99w) konnte nicht eingefügt werden.\n"));
  TWettkampf w;
  TYrStream s(out, stOpenRead);
  ASSERT_TRUE(w.Load(s));
  EXPECT_EQ(w.ParticipantCount(), 2);
  EXPECT_EQ(filetest::Vkdump("import " + base + " csv " + input + " " + out).status, 1);
}
