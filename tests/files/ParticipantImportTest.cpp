#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CodePage.h"
#include "CompetitionText.h"
#include "ImportSeeds.h"
#include "MessageCapture.h"
#include "OldResultFiles.h"
#include "ParticipantImport.h"
#include "VkWettk.h"
#include "YrStream.h"

using namespace importseeds;
using namespace std::string_literals;

namespace {

// The record with the bytes from..to-1 set to zero.
Rec Zeroed(Rec r, size_t from, size_t to) {
  for (size_t i = from; i < to; ++i) r.Byte(i, 0);
  return r;
}

}  // namespace

// What each reader makes of its input, as tests/data/files/import.txt holds
// it: the case and whether the reader got to the end, every participant in
// class order (class, name, first name or team addition, birth date,
// organisation, flags, then time, deduction, heat and lane of disciplines 1
// to 5, and the CPR value), then the messages.
//
// Text lines: a status word and a time in a line; "Offene AK" and the sex
// make the class text; an empty line is skipped and the column heads are not
// a participant; team lines keep the class text as read ("AK 12W" finds no
// class); a line longer than 255 characters is one participant, not two.
// Fixed records: class by code, status codes translated, heat and lane from
// one word, times from tenths; a cut record at the end is left. A record or
// line whose name (a team's name) holds nothing but blanks and NUL bytes is
// skipped, in the imports and in the predecessor's result file, and the
// skipped ones are counted in one message at the end; NUL bytes pad fixed
// fields like blanks. An empty line is no record at all.
TEST(ParticipantImport, WhatEachReaderMakesOfItsInput) {
  Bytes cut = SampleRecords(true);
  cut.resize(cut.size() + 95, 'z');
  const std::string longLine = "1" + std::string(300, 'x') + ";AK 12;w;Lang;Eva;2012;ww;1:00,0";
  const Bytes persons = Join({Rec(96), Zeroed(Zeroed(PersonRecord("Abel", "Eva", "WW", 1, 2013, {}), 4, 14), 17, 28),
                              Zeroed(PersonRecord("", "Leer", "WW", 1, 2013, {}), 0, 7)});
  const Bytes teams = Join({TeamRecord(" ", "WW", 7, {}), TeamRecord("Nord", "WW", 7, {}), Rec(96)});
  const Bytes predecessor = oldseeds::ForeignFile(
      oldseeds::ForeignHeader(0, 0, 2, 0), {oldseeds::ForeignClass("Jugend", 1972, 1975, {{"50 m", 400}})},
      {Rec(184), Rec(184), oldseeds::ForeignParticipant(true, " \0 "s, "X", "Jugend", 0),
       oldseeds::ForeignParticipant(true, "Meier", "Hans", "Jugend", 0)});
  const struct {
    const char* name;
    int code;  // 0: a new competition
    bool (*read)(TWettkampf&, TYrStream&);
    Bytes input;
  } kCases[] = {
      {"text persons", kTextPersons, ImportParticipantsText, SampleText(true)},
      {"text teams", kTextTeams, ImportParticipantsText, SampleText(false)},
      {"text with a long line", kTextPersons, ImportParticipantsText,
       Text("Kopf\n" + longLine + "\n2;AK 12;m;Kurz;Max;2012;ww\n")},
      {"records of persons, a cut one at the end", kRecordsPersons, ImportParticipantsBinary, cut},
      {"records of teams", kRecordsTeams, ImportParticipantsBinary, SampleRecords(false)},
      {"nameless records of persons", kRecordsPersons, ImportParticipantsBinary, persons},
      {"nameless records of teams", kRecordsTeams, ImportParticipantsBinary, teams},
      {"nameless text persons", kTextPersons, ImportParticipantsText,
       Text("Kopf\n1;AK 12;w;  ;Eva\n\n2;AK 12;w;\0 ;Eva\n3;AK 12;m;Kurz;Max\n"s)},
      {"nameless text teams", kTextTeams, ImportParticipantsText, Text("Kopf\n\0;WW;AK 12w;w\nNord I;WW;AK 12w;w\n"s)},
      {"nameless in the predecessor's file", 0, ReadForeignResultFile, predecessor},
  };
  std::string out;
  for (const auto& c : kCases) {
    const auto w = c.code ? Competition(c.code) : std::make_unique<TWettkampf>();
    MessageCapture messages;
    TYrMemoryStream s(c.input);
    out += std::string(c.name) + (c.read(*w, s) ? "\n" : " (stopped early)\n");
    out += filestext::Participants(*w);
    for (const std::string& m : messages.list) out += "    message " + testdata::Quote(m) + "\n";
  }
  testdata::ExpectDataFile(out, "files/import.txt");
}
