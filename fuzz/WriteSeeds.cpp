// Writes the seed corpus of a fuzz target into a directory.
// Usage: write_seeds DIR [TARGET]   (TARGET defaults to load_fuzzer; targets
// without seeds of their own start from the result-file seeds)
#include <cstdio>
#include <fstream>
#include <string>

#include "ImportSeeds.h"
#include "LoadSeeds.h"
#include "OldFileSeeds.h"

namespace {

using Seeds = std::vector<std::pair<std::string, std::vector<uint8_t>>>;

// The import fuzzers' input: a byte whose bit 0 picks persons, then the file.
Seeds ImportSeeds(bool text) {
  Seeds seeds;
  for (bool persons : {true, false}) {
    std::vector<uint8_t> in{static_cast<uint8_t>(persons ? 1 : 0)};
    const auto file = text ? importseeds::SampleText(persons) : importseeds::SampleRecords(persons);
    in.insert(in.end(), file.begin(), file.end());
    seeds.emplace_back(persons ? "persons" : "teams", in);
    in.resize(in.size() - 50);
    seeds.emplace_back(persons ? "persons-cut" : "teams-cut", in);
  }
  return seeds;
}

// Whole files of every version, the current one's damaged ones included.
Seeds DispatchSeeds() {
  Seeds seeds = vkseeds::SeedCorpus();
  const oldseeds::Version versions[] = {oldseeds::Version::k21, oldseeds::Version::k15, oldseeds::Version::k10};
  for (size_t v = 0; v < 3; ++v)
    for (bool persons : {true, false}) {
      const auto file = oldseeds::SampleFile(versions[v], persons);
      const std::string name = "old" + std::to_string(v) + (persons ? "-persons" : "-teams");
      seeds.emplace_back(name, file);
      seeds.emplace_back(name + "-cut", std::vector<uint8_t>(file.begin(), file.end() - 100));
    }
  for (bool persons : {true, false})
    seeds.emplace_back(persons ? "foreign-persons" : "foreign-teams", oldseeds::SampleForeignFile(persons));
  return seeds;
}

Seeds SeedsOf(const std::string& target) {
  if (target == "dispatch_fuzzer") return DispatchSeeds();
  if (target == "old_files_fuzzer") return oldseeds::OldFileSeedCorpus();
  if (target == "import_records_fuzzer") return ImportSeeds(false);
  if (target == "import_text_fuzzer") return ImportSeeds(true);
  return vkseeds::SeedCorpus();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s DIR [TARGET]\n", argv[0]);
    return 1;
  }
  for (const auto& [name, bytes] : SeedsOf(argc == 3 ? argv[2] : "load_fuzzer")) {
    std::ofstream out(std::string(argv[1]) + "/seed-" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", name.c_str());
      return 1;
    }
  }
  return 0;
}
