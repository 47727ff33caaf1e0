#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "CodePage.h"
#include "ImportSeeds.h"
#include "MessageCapture.h"
#include "OldResultFiles.h"
#include "ParticipantImport.h"
#include "VkWettk.h"
#include "YrStream.h"

using namespace importseeds;
using namespace std::string_literals;

namespace {

// A participant as (class, name, first name or team addition, birth date,
// organisation, flags).
using Who = std::tuple<std::string, std::string, std::string, std::string, std::string, int>;

// Time, deduction, heat and lane of disciplines 1 to 4, then the CPR value.
std::vector<int32_t> Results(const TTeilnehmer& t) {
  std::vector<int32_t> r;
  for (int d = 1; d <= 4; ++d) r.insert(r.end(), {t.Time(d), t.Deduction(d), t.Heat(d), t.Lane(d)});
  r.push_back(t.CprValue());
  return r;
}

const std::string kNotPlaced = Oem(" konnte nicht eingefügt werden.");
const std::string kNameless = Oem(" Datensätze ohne Namen wurden übersprungen.");

// The record with the bytes from..to-1 set to zero.
Rec Zeroed(Rec r, size_t from, size_t to) {
  for (size_t i = from; i < to; ++i) r.Byte(i, 0);
  return r;
}

}  // namespace

// Text lines: a status word and a time in a line; "Offene AK" and the sex
// make the class text; an empty line is skipped and the column heads are not
// a participant; team lines keep the class text as read ("AK 12W" finds no
// class); a line longer than 255 characters is one participant, not two.
// Fixed records: class by code, status codes translated, heat and lane from
// one word, times from tenths; a record without a name is skipped and
// counted, a cut record at the end is left.
TEST(ParticipantImport, TextLinesAndFixedRecords) {
  Bytes persons = SampleRecords(true);
  persons.resize(persons.size() + 95, 'z');
  const std::string longLine = "1" + std::string(300, 'x') + ";AK 12;w;Lang;Eva;2012;ww;1:00,0";
  const struct {
    int code;
    bool text;
    Bytes input;
    std::vector<Who> everyone;  // in class order
    size_t pick;                // the participant whose Results follow
    std::vector<int32_t> results;
    std::vector<std::string> messages;
  } kCases[] = {
      {kTextPersons, true, SampleText(true),
       {{"AK 12w", "M\x81ller", "Annabella", "2012", "DLRG", 9},
        {"Offene Altersklasse (m)", "Schmidt", "Jan", "1980", "WW", 8}},
       0, {6540, -2, 0, 0, 5990, -1, 0, 0, 12000, 3, 0, 0, 0, 0, 0, 0, 1500},
       {"Niemand, Ida (Altersklasse AK 99w)" + kNotPlaced}},
      {kTextTeams, true, SampleText(false),
       {{"AK 12w", "Nord I", "", "", "DLRG", 9}},
       0, {6540, -2, 0, 0, 7000, 0, 0, 0, 8000, -1, 0, 0, 12000, 1, 0, 0, 2000},
       {"Sued (Altersklasse AK 12W)" + kNotPlaced}},
      {kTextPersons, true, Text("Kopf\n" + longLine + "\n2;AK 12;m;Kurz;Max;2012;ww\n"),
       {{"AK 12w", "Lang", "Eva", "2012", "WW", 9}, {"AK 12m", "Kurz", "Max", "2012", "WW", 8}},
       0, {6000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       {}},
      {kRecordsPersons, false, persons,
       {{"Sch\x81ler", "Schulz", "Tom", "2013", "WW", 8}, {"Damen", "Meier", "Annabella", "1980", "DLRG", 9}},
       1, {6540, 0, 2, 2, 12000, -2, 1, 3, 0, 0, 0, 4, 0, 0, 0, 0, 1200},
       {"Ohne, Klasse (Altersklasse ?)" + kNotPlaced, "1" + kNameless}},
      {kRecordsTeams, false, SampleRecords(false),
       {{"Damen", "Damen Sued", "", "", "ASB", 1}, {"Herren", "Rettungsschwimmer Nord I", "", "", "DLRG", 0}},
       1, {6540, 0, 2, 2, 12000, -2, 1, 3, 0, 0, 0, 4, 7000, -1, 3, 5, 500},
       {"Ohne Klasse (Altersklasse )" + kNotPlaced}},
  };
  for (const auto& c : kCases) {
    const auto w = Competition(c.code);
    MessageCapture messages;
    TYrMemoryStream s(c.input);
    const bool complete = c.text ? ImportParticipantsText(*w, s) : ImportParticipantsBinary(*w, s);
    std::vector<Who> everyone;
    std::vector<const TTeilnehmer*> all;
    for (int i = 0; i < w->GetCount(); ++i)
      for (int j = 0; j < w->At(i)->GetCount(); ++j) {
        const TTeilnehmer& t = *w->At(i)->At(j);
        const bool individual = w->IsIndividual();
        everyone.emplace_back(t.Altersklasse(), t.Name(individual), individual ? t.Vorname() : t.Zusatz(),
                              t.Geburtsdatum(), t.Gliederung(), t.Flags());
        all.push_back(&t);
      }
    ASSERT_LT(c.pick, all.size()) << c.code;
    EXPECT_EQ(std::tuple(complete, everyone, Results(*all[c.pick]), messages.list),
              std::tuple(true, c.everyone, c.results, c.messages))
        << c.code;
  }
}

// A record or line whose name (a team's name) holds nothing but blanks and
// NUL bytes is skipped, in the imports and in the predecessor's result file,
// and the skipped ones are counted in one message at the end; NUL bytes pad
// fixed fields like blanks. An empty line is no record at all.
TEST(ParticipantImport, NamelessRecordsAreSkipped) {
  const Bytes persons = Join({Rec(96), Zeroed(Zeroed(PersonRecord("Abel", "Eva", "WW", 1, 2013, {}), 4, 14), 17, 28),
                              Zeroed(PersonRecord("", "Leer", "WW", 1, 2013, {}), 0, 7)});
  const Bytes teams = Join({TeamRecord(" ", "WW", 7, {}), TeamRecord("Nord", "WW", 7, {}), Rec(96)});
  const Bytes predecessor = oldseeds::ForeignFile(
      oldseeds::ForeignHeader(0, 0, 2, 0), {oldseeds::ForeignClass("Jugend", 1972, 1975, {{"50 m", 400}})},
      {Rec(184), Rec(184), oldseeds::ForeignParticipant(true, " \0 "s, "X", "Jugend", 0),
       oldseeds::ForeignParticipant(true, "Meier", "Hans", "Jugend", 0)});
  const struct {
    int code;  // 0: a new competition
    bool (*read)(TWettkampf&, TYrStream&);
    Bytes input;
    std::vector<std::string> names;  // name|first name in class order (a short team name has none)
    int nameless;
  } kCases[] = {
      {kRecordsPersons, ImportParticipantsBinary, persons, {"Abel|Eva"}, 2},
      {kRecordsTeams, ImportParticipantsBinary, teams, {"Nord|"}, 2},
      {kTextPersons, ImportParticipantsText, Text("Kopf\n1;AK 12;w;  ;Eva\n\n2;AK 12;w;\0 ;Eva\n3;AK 12;m;Kurz;Max\n"s),
       {"Kurz|Max"}, 2},
      {kTextTeams, ImportParticipantsText, Text("Kopf\n\0;WW;AK 12w;w\nNord I;WW;AK 12w;w\n"s), {"Nord I|"}, 1},
      {0, ReadForeignResultFile, predecessor, {"Meier|Hans"}, 3},
  };
  for (const auto& c : kCases) {
    const auto w = c.code ? Competition(c.code) : std::make_unique<TWettkampf>();
    MessageCapture messages;
    TYrMemoryStream s(c.input);
    const bool complete = c.read(*w, s);
    std::vector<std::string> names;
    for (int i = 0; i < w->GetCount(); ++i)
      for (int j = 0; j < w->At(i)->GetCount(); ++j)
        names.push_back(w->At(i)->At(j)->Name(w->IsIndividual()) + "|" + w->At(i)->At(j)->Vorname());
    EXPECT_EQ(std::tuple(complete, names, messages.list),
              std::tuple(true, c.names, std::vector<std::string>{std::to_string(c.nameless) + kNameless}))
        << c.code;
  }
}
