#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "LoadRoundTrip.h"
#include "LoadSeeds.h"

// The fuzzer's check over the seeds and over every 61st cut of a full file.
TEST(LoadFuzzCorpus, EverySeedRoundTrips) {
  auto seeds = vkseeds::SeedCorpus();
  const vkseeds::Bytes full = vkseeds::Stored(*vkseeds::FullCompetition());
  for (size_t n = 1; n < full.size(); n += 61) seeds.emplace_back("prefix" + std::to_string(n), vkseeds::Bytes(full.begin(), full.begin() + n));
  for (const auto& [name, bytes] : seeds) EXPECT_EQ(vkfuzz::LoadRoundTrip(bytes.data(), bytes.size()), "") << name;
}

// Inputs the fuzzer once failed on.
TEST(LoadFuzzCorpus, FoundInputsRoundTrip) {
  int n = 0;
  for (const auto& entry : std::filesystem::directory_iterator(VK_FUZZ_REGRESSIONS)) {
    std::ifstream f(entry.path(), std::ios::binary);
    const vkseeds::Bytes bytes((std::istreambuf_iterator<char>(f)), {});
    EXPECT_EQ(vkfuzz::LoadRoundTrip(bytes.data(), bytes.size()), "") << entry.path();
    ++n;
  }
  EXPECT_GT(n, 0);
}
