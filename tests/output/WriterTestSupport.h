// Shared helpers for the file-writer tests: hex dumps for byte mismatches,
// temporary files that remove themselves, running a reader program (qpdf,
// pdftotext, the Debian python3 that carries python3-xlrd) and inflating.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "YrStream.h"

namespace writer_test {

template <class Seq>
std::string Hex(const Seq& b, const char* sep = " ") {
  std::string out;
  char buf[3];
  for (size_t i = 0; i < b.size(); ++i) {
    std::snprintf(buf, sizeof buf, "%02x", static_cast<unsigned char>(b[i]));
    out += (i && *sep ? sep : "") + std::string(buf);
  }
  return out;
}

inline std::string Text(const TYrMemoryStream& s) { return std::string(s.Data().begin(), s.Data().end()); }

// A file name in the temporary directory, removed when the object goes.
class TempFile {
 public:
  explicit TempFile(const std::string& suffix) {
    static std::atomic<int> counter{0};
    path_ = (std::filesystem::temp_directory_path() /
             ("vkwriter-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + suffix))
                .string();
  }
  ~TempFile() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& Path() const { return path_; }
  std::string Read() const {
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::string path_;
};

struct ProcessResult {
  int exitCode = -1;
  std::string output;  // standard output and standard error together
};

inline ProcessResult Run(const std::string& cmd) {
  ProcessResult r;
  FILE* p = ::popen((cmd + " 2>&1").c_str(), "r");
  if (p == nullptr) return r;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.output.append(buf, n);
  const int status = ::pclose(p);
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

// Runs `script` with the Debian interpreter (python3-xlrd is installed for
// it, not for any other python3 that may come first on PATH); the
// arguments must be free of quotes.
inline ProcessResult RunPython(const std::string& script, const std::vector<std::string>& args) {
  TempFile file(".py");
  std::ofstream(file.Path(), std::ios::binary) << script;
  std::string cmd = std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
  cmd += " '" + file.Path() + "'";
  for (const std::string& a : args) cmd += " '" + a + "'";
  return Run(cmd);
}

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Inflates a complete zlib stream; fails the test when it is not one.
template <class Seq>
Seq Inflate(const Seq& in) {
  z_stream zs{};
  EXPECT_EQ(inflateInit(&zs), Z_OK);
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<typename Seq::value_type*>(in.data()));
  zs.avail_in = static_cast<uInt>(in.size());
  Seq out;
  uint8_t buf[4096];
  int rc;
  do {
    zs.next_out = buf;
    zs.avail_out = sizeof buf;
    rc = inflate(&zs, Z_NO_FLUSH);
    out.insert(out.end(), buf, buf + (sizeof buf - zs.avail_out));
  } while (rc == Z_OK);
  EXPECT_EQ(rc, Z_STREAM_END) << "not a complete zlib stream";
  EXPECT_EQ(zs.avail_in, 0u) << "bytes after the end of the zlib stream";
  inflateEnd(&zs);
  return out;
}

}  // namespace writer_test
