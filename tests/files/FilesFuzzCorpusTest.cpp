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

}  // namespace

// The older-file fuzzer's check over its seeds, every 97th prefix of each
// sample file and its kept inputs.
TEST(FilesFuzzCorpus, OlderFiles) {
  Inputs inputs = oldseeds::OldFileSeedCorpus();
  const oldseeds::Version versions[] = {oldseeds::Version::k21, oldseeds::Version::k15, oldseeds::Version::k10};
  for (uint8_t s = 0; s < 4; ++s) {
    const Bytes file = s < 3 ? oldseeds::SampleFile(versions[s], s != 1) : oldseeds::SampleForeignFile(true);
    for (size_t n = 38; n < file.size(); n += 97)
      inputs.emplace_back(std::to_string(s) + "-prefix" + std::to_string(n),
                          oldseeds::FuzzInput(s, Bytes(file.begin(), file.begin() + static_cast<long>(n))));
  }
  AddKept(inputs, "old_files_fuzzer");
  for (const auto& [name, bytes] : inputs) EXPECT_EQ(filesfuzz::OldFileCheck(bytes.data(), bytes.size()), "") << name;
}

// The dispatch fuzzer's check over whole files of every version: the
// current one's seeds (damaged ones among them), every 97th prefix of each
// older sample file, and its kept inputs.
TEST(FilesFuzzCorpus, Dispatch) {
  Inputs inputs = vkseeds::SeedCorpus();
  const oldseeds::Version versions[] = {oldseeds::Version::k21, oldseeds::Version::k15, oldseeds::Version::k10};
  for (uint8_t s = 0; s < 4; ++s) {
    const Bytes file = s < 3 ? oldseeds::SampleFile(versions[s], s != 1) : oldseeds::SampleForeignFile(false);
    for (size_t n = 0; n <= file.size(); n += 97)
      inputs.emplace_back("old" + std::to_string(s) + "-prefix" + std::to_string(n),
                          Bytes(file.begin(), file.begin() + static_cast<long>(n)));
  }
  AddKept(inputs, "dispatch_fuzzer");
  for (const auto& [name, bytes] : inputs) EXPECT_EQ(filesfuzz::DispatchCheck(bytes.data(), bytes.size()), "") << name;
}

TEST(FilesFuzzCorpus, Imports) {
  for (bool text : {false, true}) {
    Inputs inputs;
    for (uint8_t persons : {0, 1}) {
      Bytes in{persons};
      const Bytes file = text ? importseeds::SampleText(persons) : importseeds::SampleRecords(persons);
      in.insert(in.end(), file.begin(), file.end());
      for (size_t n = 1; n <= in.size(); n += 13)
        inputs.emplace_back("prefix" + std::to_string(n), Bytes(in.begin(), in.begin() + static_cast<long>(n)));
    }
    AddKept(inputs, text ? "import_text_fuzzer" : "import_records_fuzzer");
    for (const auto& [name, bytes] : inputs)
      EXPECT_EQ(filesfuzz::ImportCheck(text, bytes.data(), bytes.size()), "") << name;
  }
}
