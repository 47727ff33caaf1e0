#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FilesFuzz.h"
#include "LoadSeeds.h"

namespace {

using filesfuzz::Bytes;
using Inputs = std::vector<std::pair<std::string, Bytes>>;

// The inputs a fuzzer was once run on and kept (fuzz/regressions/TARGET).
void AddKept(Inputs& inputs, const std::string& target) {
  const std::filesystem::path dir = std::filesystem::path(VK_FUZZ_REGRESSIONS) / target;
  if (!std::filesystem::is_directory(dir)) return;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    std::ifstream f(entry.path(), std::ios::binary);
    inputs.emplace_back(entry.path().string(), Bytes((std::istreambuf_iterator<char>(f)), {}));
  }
}

// Every `step`th prefix of `in` from `first` bytes on, each behind `lead`.
void AddPrefixes(Inputs& inputs, const std::string& name, const Bytes& lead, const Bytes& in, size_t first,
                 size_t step) {
  for (size_t n = first; n <= in.size(); n += step) {
    Bytes b = lead;
    b.insert(b.end(), in.begin(), in.begin() + static_cast<long>(n));
    inputs.emplace_back(name + "-prefix" + std::to_string(n), b);
  }
}

// The four older sample files: versions 2.1, 1.5, 1.0 and the predecessor's.
Bytes OldSample(uint8_t s) {
  const oldseeds::Version versions[] = {oldseeds::Version::k21, oldseeds::Version::k15, oldseeds::Version::k10};
  return s < 3 ? oldseeds::SampleFile(versions[s], s != 1) : oldseeds::SampleForeignFile(false);
}

}  // namespace

// The older-file fuzzer's check over its seeds (cut ones among them) and its
// kept inputs.
TEST(FilesFuzzCorpus, OlderFiles) {
  Inputs inputs = oldseeds::OldFileSeedCorpus();
  AddKept(inputs, "old_files_fuzzer");
  for (const auto& [name, bytes] : inputs) EXPECT_EQ(filesfuzz::OldFileCheck(bytes.data(), bytes.size()), "") << name;
}

// The dispatch fuzzer's check over whole files of every version: the
// current one's seeds (damaged ones among them), every 97th prefix of each
// older sample file, and its kept inputs.
TEST(FilesFuzzCorpus, Dispatch) {
  Inputs inputs = vkseeds::SeedCorpus();
  for (uint8_t s = 0; s < 4; ++s) AddPrefixes(inputs, "old" + std::to_string(s), {}, OldSample(s), 0, 97);
  AddKept(inputs, "dispatch_fuzzer");
  for (const auto& [name, bytes] : inputs) EXPECT_EQ(filesfuzz::DispatchCheck(bytes.data(), bytes.size()), "") << name;
}

TEST(FilesFuzzCorpus, Imports) {
  for (bool text : {false, true}) {
    Inputs inputs;
    for (uint8_t persons : {0, 1})
      AddPrefixes(inputs, std::to_string(persons), {persons},
                  text ? importseeds::SampleText(persons) : importseeds::SampleRecords(persons), 0, 13);
    AddKept(inputs, text ? "import_text_fuzzer" : "import_records_fuzzer");
    for (const auto& [name, bytes] : inputs)
      EXPECT_EQ(filesfuzz::ImportCheck(text, bytes.data(), bytes.size()), "") << name;
  }
}
