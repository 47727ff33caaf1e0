// libFuzzer entry: arbitrary bytes behind one of the four older header texts
// (see FilesFuzz.h).
#include <cstdio>
#include <cstdlib>

#include "FilesFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string failure = filesfuzz::OldFileCheck(data, size);
  if (!failure.empty()) {
    std::fprintf(stderr, "older result file: %s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
