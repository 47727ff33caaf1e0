#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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
