// Files for tests: a temporary folder that removes itself, whole files read
// and written in one call, and the expected outputs kept under tests/data.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testdata {

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder for one test, removed with its contents when the object goes.
class TempDir {
 public:
  TempDir() {
    std::string name = ::testing::TempDir() + "vktestXXXXXX";
    if (::mkdtemp(name.data()) != nullptr) path_ = name;
    EXPECT_FALSE(path_.empty()) << "no temporary folder";
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Where a test's output that differs from the expected one goes: beside the
// test binaries in the build folder, never into the source tree.
inline std::string ActualPath(const std::string& fileName) {
  return std::string(VK_TEST_OUTPUT) + "/" + fileName + ".actual";
}

// Compares `got` with the expected output tests/data/<name>. On a mismatch
// the output is also written beside the test binary as <file name>.actual,
// so that a reviewer can diff it and, once satisfied, copy it over.
inline void ExpectDataFile(const std::string& got, const std::string& name) {
  const std::string want = ReadFile(std::string(VK_TEST_DATA) + "/" + name);
  const std::string actual = ActualPath(std::filesystem::path(name).filename().string());
  if (got != want) WriteFile(actual, got);
  EXPECT_EQ(got, want) << "tests/data/" << name << " differs; the output is in " << actual;
}

}  // namespace testdata
