// Writes the seed corpus of a fuzz target into a directory.
// Usage: write_seeds DIR [TARGET]   (TARGET defaults to load_fuzzer; targets
// without seeds of their own start from the result-file seeds)
#include <cstdio>
#include <fstream>

#include "LoadSeeds.h"

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s DIR [TARGET]\n", argv[0]);
    return 1;
  }
  for (const auto& [name, bytes] : vkseeds::SeedCorpus()) {
    std::ofstream out(std::string(argv[1]) + "/seed-" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", name.c_str());
      return 1;
    }
  }
  return 0;
}
