#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

#include "LoadRoundTrip.h"
#include "LoadSeeds.h"

// The fuzzer's check over its seeds, every 61st cut of a full file and the
// inputs it once failed on.
TEST(LoadFuzzCorpus, EveryInputRoundTrips) {
  auto inputs = vkseeds::SeedCorpus();
  const vkseeds::Bytes full = vkseeds::Stored(*vkseeds::FullCompetition());
  for (size_t n = 1; n < full.size(); n += 61)
    inputs.emplace_back("prefix" + std::to_string(n), vkseeds::Bytes(full.begin(), full.begin() + n));
  const size_t generated = inputs.size();
  for (const auto& entry : std::filesystem::directory_iterator(VK_FUZZ_REGRESSIONS)) {
    if (!entry.is_regular_file()) continue;  // the other targets' kept inputs
    std::ifstream f(entry.path(), std::ios::binary);
    inputs.emplace_back(entry.path().string(), vkseeds::Bytes((std::istreambuf_iterator<char>(f)), {}));
  }
  EXPECT_GT(inputs.size(), generated);
  for (const auto& [name, bytes] : inputs) EXPECT_EQ(vkfuzz::LoadRoundTrip(bytes.data(), bytes.size()), "") << name;
}

// The crafted heads load with memory in proportion to what the file holds,
// keep the limit and delta they claim (as far as a collection can hold
// them), and round-trip like every other input.
TEST(LoadFuzzCorpus, HeadsReserveNoMemory) {
  for (bool manyClasses : {true, false}) {
    const vkseeds::Bytes file = vkseeds::HeadsClaimingMemory(manyClasses);
    TWettkampf w;
    TYrMemoryStream s(file);
    ASSERT_TRUE(w.Load(s)) << manyClasses;
    ASSERT_EQ(w.GetCount(), manyClasses ? kMaxCollectionSize : 1);
    int reserved = 0;
    for (int i = 0; i < w.GetCount(); ++i) reserved = std::max(reserved, w.At(i)->Reserved());
    const TAltersklasse& last = *w.At(w.GetCount() - 1);
    if (manyClasses)
      EXPECT_EQ(std::tuple(reserved, last.GetLimit(), last.GetDelta()), std::tuple(0, kMaxCollectionSize, 1));
    else
      EXPECT_EQ(std::tuple(reserved <= 12000 * 3 / 2 + 8, last.GetCount(), last.GetLimit(), last.GetDelta()),
                std::tuple(true, 12000, 12000, 1));
    EXPECT_EQ(vkfuzz::LoadRoundTrip(file.data(), file.size()), "") << manyClasses;
  }
}
