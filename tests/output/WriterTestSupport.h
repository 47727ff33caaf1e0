// Shared helpers for the file-writer tests: hex dumps for byte mismatches,
// temporary files that remove themselves, and running the Debian python3
// (which carries python3-xlrd) on a script.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace writer_test {

inline std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

inline std::string Hex(const std::vector<uint8_t>& b) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (size_t i = 0; i < b.size(); ++i) {
    if (i) out += (i % 16 == 0) ? '\n' : ' ';
    out += digits[b[i] >> 4];
    out += digits[b[i] & 15];
  }
  return out;
}

inline std::string Hex(const std::string& s) { return Hex(Bytes(s)); }

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

  void WriteText(const std::string& text) const { std::ofstream(path_, std::ios::binary) << text; }

  std::vector<uint8_t> Read() const {
    std::ifstream in(path_, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::string path_;
};

struct ProcessResult {
  int exitCode = -1;
  std::string output;  // standard output and standard error together
};

// The Debian interpreter: python3-xlrd is installed for it, not for any
// other python3 that may come first on PATH.
inline std::string Python() {
  return std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
}

// Runs `script` with the given arguments (each must be free of quotes).
inline ProcessResult RunPython(const std::string& script, const std::vector<std::string>& args) {
  TempFile file(".py");
  file.WriteText(script);
  std::string cmd = Python() + " '" + file.Path() + "'";
  for (const std::string& a : args) cmd += " '" + a + "'";
  cmd += " 2>&1";
  ProcessResult r;
  FILE* p = ::popen(cmd.c_str(), "r");
  if (p == nullptr) return r;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.output.append(buf, n);
  const int status = ::pclose(p);
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

// Splits the script output into lines.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string cur;
  for (char c : text) {
    if (c == '\n') {
      lines.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) lines.push_back(cur);
  return lines;
}

}  // namespace writer_test
