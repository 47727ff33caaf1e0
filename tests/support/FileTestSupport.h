// Helpers shared by the tests of stored lists, result files and the vkdump
// tool: list heads built by hand and one way to run the tool (where the test
// program knows where it is).
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace filetest {

using Bytes = std::vector<uint8_t>;

// A stored list head: u16 count, limit and delta.
inline Bytes ListHead(uint16_t count, uint16_t limit, uint16_t delta) {
  return {uint8_t(count), uint8_t(count >> 8), uint8_t(limit),
          uint8_t(limit >> 8), uint8_t(delta), uint8_t(delta >> 8)};
}

// Appends one item behind its u16 marker.
template <class Record>
void AddItem(Bytes& b, uint16_t marker, const Record& record) {
  b.insert(b.end(), {uint8_t(marker), uint8_t(marker >> 8)});
  b.insert(b.end(), record.begin(), record.end());
}

inline void WriteFile(const std::string& name, const Bytes& bytes) {
  std::ofstream(name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

#ifdef VKDUMP_PATH
struct DumpRun {
  int status;
  std::string out, err;
};

// Runs vkdump with `args`, which may go on into a pipe: the status is then
// vkdump's, unless a later command fails. ctest runs tests side by side, so
// standard error goes to a file named after the running test.
inline DumpRun Vkdump(const std::string& args) {
  const std::string errFile =
      std::string("vkdump-") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".err";
  DumpRun r{-1, "", ""};
  const std::string command = "{ " + std::string(VKDUMP_PATH) + " " + args + "; } 2>" + errFile;
  FILE* p = popen(("bash -o pipefail -c '" + command + "'").c_str(), "r");
  if (p == nullptr) return r;
  char buf[4096];
  for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
  const int status = pclose(p);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::stringstream err;
  err << std::ifstream(errFile).rdbuf();
  r.err = err.str();
  return r;
}
#endif

}  // namespace filetest
