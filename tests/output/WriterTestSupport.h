// Shared helpers of the file-writer tests: temporary files that remove
// themselves, running a reader program (qpdf, poppler's tools, the Debian
// python3 that carries python3-xlrd) and inflating a zlib stream.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TestData.h"
#include "YrStream.h"

namespace writer_test {

inline std::string Text(const TYrMemoryStream& s) { return std::string(s.Data().begin(), s.Data().end()); }

// A file in a temporary folder of its own; both go with the object.
struct TempFile {
  explicit TempFile(const std::string& suffix) : path(dir / ("file" + suffix)) {}
  const std::string& Path() const { return path; }
  std::string Read() const { return testdata::ReadFile(path); }
  // Writes the file through a file stream; no write may fail.
  template <class Fn> void Write(Fn write) const {
    TYrStream stream(path, stCreate);
    ASSERT_EQ(stream.ErrorInfo, 0);
    write(stream);
    EXPECT_EQ(stream.Close(), 0);
  }
  testdata::TempDir dir;
  std::string path;
};

struct ProcessResult { int exitCode = -1; std::string output; };  // standard output and error together

inline ProcessResult Run(const std::string& cmd) {
  ProcessResult r;
  FILE* p = ::popen((cmd + " 2>&1").c_str(), "r");
  if (p == nullptr) return r;
  char buf[4096];
  for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) r.output.append(buf, n);
  const int status = ::pclose(p);
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

// Runs `script` with the Debian interpreter (python3-xlrd is installed for
// it, not for another python3 that may come first on PATH); the arguments
// must be free of quotes.
inline ProcessResult RunPython(const std::string& script, std::vector<std::string> args) {
  TempFile file(".py");
  std::ofstream(file.Path(), std::ios::binary) << script;
  std::string cmd = std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
  args.insert(args.begin(), file.Path());
  for (const std::string& a : args) cmd += " '" + a + "'";
  return Run(cmd);
}

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Inflates one complete zlib stream (up to 1 MiB); fails the test when the
// input is not exactly that.
template <class Seq> Seq Inflate(const Seq& in) {
  std::vector<Bytef> out(1 << 20);
  uLongf size = out.size();
  uLong used = in.size();
  EXPECT_EQ(uncompress2(out.data(), &size, reinterpret_cast<const Bytef*>(in.data()), &used), Z_OK);
  EXPECT_EQ(used, in.size()) << "bytes after the end of the zlib stream";
  return Seq(out.begin(), out.begin() + static_cast<long>(size));
}

}  // namespace writer_test
