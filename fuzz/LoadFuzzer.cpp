// libFuzzer entry: arbitrary bytes as a result file (see LoadRoundTrip.h).
#include <cstdio>
#include <cstdlib>

#include "LoadRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string failure = vkfuzz::LoadRoundTrip(data, size);
  if (!failure.empty()) {
    std::fprintf(stderr, "round trip failed: %s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
