// vkdump new CODE YEAR FILE: a new competition from a rule-set code, stored
// as a result file.
#include <charconv>
#include <cstring>

#include "Vkdump.h"
#include "VkNeu.h"
#include "VkWettk.h"

namespace {

bool ParseInt(const char* s, int& value) {
  const char* end = s + std::strlen(s);
  const auto [p, ec] = std::from_chars(s, end, value);
  return ec == std::errc() && p == end && p != s;
}

}  // namespace

int CmdNew(int argc, char** argv) {
  int code = 0;
  int year = 0;
  if (argc != 5 || !ParseInt(argv[2], code) || !ParseInt(argv[3], year)) return Usage();
  const auto w = NewCompetition(code, year);
  return StoreFile(argv[4], *w) ? 0 : 1;
}
