// libFuzzer entry: arbitrary bytes as a file opened by the program, through
// the header dispatch (see FilesFuzz.h).
#include <cstdio>
#include <cstdlib>

#include "FilesFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string failure = filesfuzz::DispatchCheck(data, size);
  if (!failure.empty()) {
    std::fprintf(stderr, "dispatch: %s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
