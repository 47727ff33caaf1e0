#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "AkTestSupport.h"
#include "ByteOrder.h"
#include "CodePage.h"
#include "LoadSeeds.h"
#include "VkWettk.h"
#include "YrClock.h"

using vkseeds::Bytes;

namespace {

constexpr size_t kHeader = 42;  // header text and size field

using aktest::FirstDiff;

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

}  // namespace

TEST(ResultFile, NewCompetitionIs764Bytes) {
  const TYrClock saved = SetClock([] { return MakeDateTime(2026, 12, 5); });
  const TWettkampf w;
  SetClock(saved);

  Bytes want(764, 0);
  auto put = [&](size_t off, const std::string& s) { std::copy(s.begin(), s.end(), want.begin() + off); };
  put(0, "Ergebnisdatei von Kiv.EXE Version 2007");
  le::PutI32(want.data(), 38, 701);
  le::PutStr(want.data(), kHeader + 0, 80, "Titel des Wettkampfes eingeben");
  le::PutStr(want.data(), kHeader + 83, 80, "Veranstalter eingeben");
  le::PutStr(want.data(), kHeader + 164, 80, "Ausrichter eingeben");
  le::PutStr(want.data(), kHeader + 245, 80, "Samstag, den 5. Dezember 2026");
  le::PutU16(want.data(), kHeader + 407, 2);
  le::PutU16(want.data(), kHeader + 411, 2);
  const uint8_t tail[] = {0, 0, 50, 0, 10, 0, 0,  // classes
                          0, 0, 20, 0, 5,  0, 1,  // statistics
                          0, 0, 20, 0, 5,  0, 0};  // organ list
  std::copy(std::begin(tail), std::end(tail), want.begin() + 743);
  EXPECT_EQ(FirstDiff(vkseeds::Stored(w), want), "");
  EXPECT_EQ(std::pair(w.IsIndividual(), w.WithHundredths()), std::pair(true, false));

  TWettkampf back;
  const bool whole = LoadInto(back, want);
  EXPECT_EQ(std::tuple(whole, back.GetCount(), back.Header().GetBytes() == w.Header().GetBytes()),
            std::tuple(true, 0, true));
}

TEST(ResultFile, FullCompetitionsRoundTripByteForByteAndAFailingSinkReportsIt) {
  for (bool individual : {true, false}) {
    const auto w = vkseeds::FullCompetition(individual);
    const Bytes file = vkseeds::Stored(*w);
    TWettkampf back;
    back.RekordListe().Insert(new TRekordEintrag);
    ASSERT_TRUE(LoadInto(back, file));
    EXPECT_EQ(FirstDiff(vkseeds::Stored(back), file), "") << individual;
    EXPECT_EQ(ShapeOf(back), (Shape{{6, 5, 3, 0}, 3, 2}));
    // The display option is the file's hundredths option.
    EXPECT_EQ(std::tuple(back.RekordListe().GetCount(), back.Gliederungen().SortMode(), back.At(1)->DisplayOption()),
              std::tuple(0, 0, 1));
  }
  TYrMemoryStream failing;
  failing.FailAfter(5000);
  vkseeds::FullCompetition()->Store(failing);
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
