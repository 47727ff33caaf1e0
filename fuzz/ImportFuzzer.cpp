// libFuzzer entry of both import fuzzers: arbitrary bytes as fixed records
// (import_records_fuzzer) or as text lines (import_text_fuzzer, built with
// VK_IMPORT_TEXT=1) into a competition of a rule-book preset (see
// FilesFuzz.h).
#include <cstdio>
#include <cstdlib>

#include "FilesFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string failure = filesfuzz::ImportCheck(VK_IMPORT_TEXT != 0, data, size);
  if (!failure.empty()) {
    std::fprintf(stderr, "participant import: %s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
