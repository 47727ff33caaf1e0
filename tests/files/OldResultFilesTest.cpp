#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "CodePage.h"
#include "CompetitionText.h"
#include "MessageCapture.h"
#include "OldFileSeeds.h"
#include "OldResultFiles.h"
#include "VkLoadSave.h"
#include "VkWettk.h"
#include "YrClock.h"
#include "YrStream.h"

using namespace oldseeds;
using testdata::Row;

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

Bytes Prefix(const Bytes& b, size_t n) { return Bytes(b.begin(), b.begin() + static_cast<long>(n)); }

}  // namespace

// What the readers make of each file, as tests/data/files/old-files.txt
// holds it: the case and whether the reader got to the end, the header (see
// filestext::Header) and, for whole files, every class, discipline and
// participant; for the others the number of classes and organisations.
//
// The 2.1 header's size field decides how much of it is used and where the
// age-class list starts; a size no writer made leaves the new competition.
// Version 1.5 has no size field; version 1.0 reads 411 header bytes whatever
// its size says and goes on behind the size. A length byte beyond its field
// reads the field's capacity. Each version has its own header fields;
// deductions, heats, lanes and the CPR value moved between the versions; the
// person or team layout follows the kind of event just read. 2.1 keeps each
// discipline's kind and parameters; 1.5 and 1.0 make linear disciplines of
// their two whole-point parameters. Formula texts and descriptions stay
// empty; the records come from each version's entries. A wrong participant
// marker discards the class being read and ends the file there.
//
// The predecessor's file: the title from the kind of event and the level;
// classes by number (even ones female, CPR from the second on unless the
// lanes index is 5), swapped status codes, a female participant retried in
// the male class of her name, one message for one that fits nowhere, and a
// cut record at the end left unread.
//
// The class's insertion computes each total before it sorts: the stale
// totals of a 2.1 file must not decide the order of equal participants, and
// the later of two equals in the order holds the best time. A discipline of
// the own-formula kind (2.1 stores no formula text) reports its error once.
TEST(OldResultFiles, WhatTheReadersMakeOfEachFile) {
  const Bytes h21 = OldHeader(Version::k21, true).bytes(), h15 = OldHeader(Version::k15, true).bytes();
  Bytes padded = h21, overLong = h21, longer = h15, wrongMarker = SampleFile(Version::k15, true);
  padded.resize(720, 0xEE);
  overLong[0] = 0xFF;
  longer.resize(415, 0xEE);
  const size_t secondClass = 38 + 411 + 6 + 2 + 464 + 576 + 6 + 3 * (2 + 181) + 1;
  le::PutU16(wrongMarker.data(), secondClass + 2 + 464 + 576 + 6, 1001);
  auto sized = [](Version v, int64_t size, const Bytes& header, bool body = true) {
    return VersionFile(v, header, size, body ? Body(v, SampleClasses(v, true), {Organisation("DLRG", 1)}) : Bytes{});
  };
  Bytes foreign = SampleForeignFile(true);
  foreign.resize(foreign.size() + 100, 0x41);
  const Bytes cpr = ForeignFile(ForeignHeader(0, 0, 3, 0),
                                {ForeignClass("A", 1, 2, {}), ForeignClass("B", 1, 2, {}), ForeignClass("C", 1, 2, {})},
                                {ForeignParticipant(true, "X", "", "B", 1, {{"1:00,0", -1}})});
  auto title = [](uint16_t event, uint16_t level) { return ForeignFile(ForeignHeader(event, level, 2, 1), {}, {}); };
  // Meier, Anna (with a stale total) and Meier, Berta, equal in a class of one discipline.
  auto equals = [&](std::array<int32_t, 3> discipline, int32_t anna, int32_t total, int32_t berta) {
    auto meier = [](std::string_view first, int32_t time, int32_t total) {
      return Rec(180).Str(0, 20, "Meier").Str(21, 20, first).Str(59, 30, "AK 12").I32(92, time).I32(174, total);
    };
    const auto [kind, v1, v2] = discipline;
    const OldClass ak{ClassRecord(Version::k21, "AK 12", 1982, 1983, 0, {{"D1", kind, v1, v2}}), Rec(0),
                      {meier("Anna", anna, total), meier("Berta", berta, 0)}};
    return VersionFile(Version::k21, h21, int64_t(h21.size()), Body(Version::k21, {ak}, {}));
  };
  const int64_t tooLarge = 701 + static_cast<int64_t>(SampleFile(Version::k21, true).size());
  const struct {
    std::string name;
    Bytes file;
    bool whole = false;
  } kCases[] = {
      {"2.1 persons", SampleFile(Version::k21, true), true},
      {"2.1 teams", SampleFile(Version::k21, false), true},
      {"1.5 persons", SampleFile(Version::k15, true), true},
      {"1.5 teams", SampleFile(Version::k15, false), true},
      {"1.0 persons", SampleFile(Version::k10, true), true},
      {"1.0 teams", SampleFile(Version::k10, false), true},
      {"2.1 header size 412: the text at 413 lies beyond", sized(Version::k21, 412, Prefix(h21, 412))},
      {"2.1 header size 720", sized(Version::k21, 720, padded)},
      {"2.1 title length byte FF", sized(Version::k21, 701, overLong)},
      {"2.1 header size -1", sized(Version::k21, -1, h21)},
      {"2.1 header size beyond the file", sized(Version::k21, tooLarge, h21)},
      {"1.0 header size 411", sized(Version::k10, 411, h15)},
      {"1.0 header size 415", sized(Version::k10, 415, longer)},
      {"1.0 header size 5: the list starts at 40 + 5", sized(Version::k10, 5, {4, 'K', 'u', 'r', 'z'})},
      {"1.0 file ending inside the header", sized(Version::k10, 411, Prefix(h15, 300), false)},
      {"1.5 wrong participant marker in the second class", wrongMarker, true},
      {"predecessor, persons", foreign, true},
      {"predecessor, CPR from the second class", cpr, true},
      {"predecessor title 0 2", title(0, 2)},
      {"predecessor title 2 0", title(2, 0)},
      {"predecessor title 1 3", title(1, 3)},
      {"predecessor title 3 1", title(3, 1)},
      {"predecessor title 0 4", title(0, 4)},
      {"2.1 equal participants, stale totals 500 and 0", equals({2, 1000, 0}, 3000, 500, 4000), true},
      {"2.1 equal participants, stale totals 999999 and 0", equals({2, 500000, 1000}, 3010, 999999, 3050), true},
      {"2.1 equal participants, own formula", equals({0, 0, 0}, 1, 9, 2), true},
  };
  const TYrClock clock = SetClock([] { return MakeDateTime(2027, 3, 1); });  // the date of a new competition
  std::string out;
  for (const auto& c : kCases) {
    MessageCapture messages;
    const auto [complete, w] = ReadOld(c.file);
    out += c.name + (complete ? "\n" : " (stopped early)\n");
    const std::string counts = "  classes " + Row(w->GetCount(), w->Gliederungen().GetCount()) + "\n";
    out += c.whole ? filestext::Described(*w) : filestext::Header(*w) + counts;
    for (const std::string& m : messages.list) out += "  message " + Row(m) + "\n";
  }
  SetClock(clock);
  testdata::ExpectDataFile(out, "files/old-files.txt");
}

// The organisation list of versions 2.1, 1.5 and 1.0 takes the limit and the
// delta of its head (a delta of 0 is 10), so the file saved again in the
// current format stores the same head: count, limit, delta, then the first
// item's marker.
TEST(OldResultFiles, TheOrganisationListKeepsItsHeadWhenSavedAgain) {
  const struct {
    ListHead file;
    std::array<uint8_t, 8> stored;
  } kHeads[] = {
      {{77, 0}, {2, 0, 77, 0, 10, 0, 0xEA, 0x03}},
      {{90, 7}, {2, 0, 90, 0, 7, 0, 0xEA, 0x03}},
  };
  for (const Version v : {Version::k21, Version::k15, Version::k10}) {
    for (const auto& [file, stored] : kHeads) {
      const Bytes header = OldHeader(v, true).bytes();
      const auto [complete, w] =
          ReadOld(VersionFile(v, header, int64_t(header.size()),
                              Body(v, SampleClasses(v, true), {Organisation("DLRG", 2), Organisation("ASB", 3)}, file)));
      TYrMemoryStream out;
      w->Store(out);
      const Bytes& bytes = out.Data();
      const auto at = std::search(bytes.begin(), bytes.end(), stored.begin(), stored.end());
      EXPECT_TRUE(complete && at != bytes.end())
          << "version " << int(v) << ", head " << file.limit << " " << file.delta;
    }
  }
}
