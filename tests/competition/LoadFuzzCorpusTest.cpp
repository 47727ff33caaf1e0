#include <gtest/gtest.h>

#include "LoadRoundTrip.h"
#include "LoadSeeds.h"

// The fuzzer's check over the seeds and over every 61st cut of a full file.
TEST(LoadFuzzCorpus, EverySeedRoundTrips) {
  auto seeds = vkseeds::SeedCorpus();
  const vkseeds::Bytes full = vkseeds::Stored(*vkseeds::FullCompetition());
  for (size_t n = 1; n < full.size(); n += 61) seeds.emplace_back("prefix" + std::to_string(n), vkseeds::Bytes(full.begin(), full.begin() + n));
  for (const auto& [name, bytes] : seeds) EXPECT_EQ(vkfuzz::LoadRoundTrip(bytes.data(), bytes.size()), "") << name;
}
