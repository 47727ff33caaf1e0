// The options and ends of the stored-list reader that the current format's
// lists do not reach (older versions use them); the lists themselves, and the
// writer, are pinned with the reviewed result file.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "FileTestSupport.h"
#include "StoredList.h"

namespace {

using filetest::Bytes;

// Items of one byte behind their markers, then the trailing byte 7.
Bytes List(uint16_t count, const std::vector<uint16_t>& markers) {
  Bytes b = filetest::ListHead(count, 40, 0);
  for (uint16_t m : markers) filetest::AddItem(b, m, Bytes{static_cast<uint8_t>(m % 100)});
  b.push_back(7);
  return b;
}

}  // namespace

TEST(StoredList, EndsCountsAndOptions) {
  const struct {
    const char* what;
    Bytes file;
    bool applyLimits, signedCount;
    StoredListEnd end;
    std::string read;  // the items the callback took
    int offered, trailing;
  } cases[] = {
      {"whole", List(2, {1001, 1002}), false, false, StoredListEnd::kComplete, "1 2", 2, 7},
      {"limits applied", List(2, {1001, 1002}), true, false, StoredListEnd::kComplete, "1 2", 2, 7},
      {"refused marker", List(3, {1001, 1099, 1002}), true, false, StoredListEnd::kStopped, "1", 2, 0},
      {"marker cut", Bytes{2, 0, 40, 0, 0, 0, 0xE9}, false, false, StoredListEnd::kStopped, "", 0, 0},
      {"head cut", Bytes{2, 0, 40, 0, 0}, true, false, StoredListEnd::kNoHead, "", 0, 0},
      {"delta above 32767", Bytes{0, 0, 40, 0, 0x40, 0x9C, 7}, true, false, StoredListEnd::kComplete, "", 0, 7},
      {"signed count", List(0x8001, {}), false, true, StoredListEnd::kComplete, "", 0, 7},
      {"unsigned count", List(0x8001, {1001}), false, false, StoredListEnd::kStopped, "1", 1, 0},
  };
  for (const auto& c : cases) {
    TYrCollection list(3, 5);
    TYrMemoryStream s(c.file);
    std::string read;
    const StoredListRead r = ReadStoredList(
        s,
        [&](uint16_t marker) {
          uint8_t b = 0;
          s.Read(&b, 1);
          if (marker == 1099) return false;
          read += (read.empty() ? "" : " ") + std::to_string(b);
          return true;
        },
        {.limitsTo = c.applyLimits ? &list : nullptr, .signedCount = c.signedCount});
    // The head's delta 0 is taken as the default.
    const bool applied = c.applyLimits && c.end != StoredListEnd::kNoHead;
    EXPECT_EQ(std::tuple(r.end, read, r.offered, int{r.trailing}, list.GetLimit(), list.GetDelta()),
              std::tuple(c.end, c.read, c.offered, c.trailing, applied ? 40 : 3,
                         applied ? StoredListHead::kDefaultDelta : 5))
        << c.what;
  }
}

// Only kMaxCollectionSize markers are offered, whatever the count says.
TEST(StoredList, StopsAtTheCollectionLimit) {
  std::vector<uint16_t> markers(kMaxCollectionSize + 1, 1000);
  TYrMemoryStream s(List(kMaxCollectionSize + 1, markers));
  const StoredListRead r = ReadStoredList(s, [&](uint16_t) {
    uint8_t b;
    s.Read(&b, 1);
    return true;
  });
  EXPECT_EQ(std::tuple(r.end, r.offered), std::tuple(StoredListEnd::kFull, kMaxCollectionSize));
}
