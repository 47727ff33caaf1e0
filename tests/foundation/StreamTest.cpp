#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "YrStream.h"

namespace {

using Lines = std::vector<std::string>;
std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

std::string ReadText(TYrStream& s, uint16_t n) {
  std::string buf(n, '\0');
  s.Read(buf.data(), n);
  return buf;
}

// A fresh directory per test, removed afterwards.
class StreamFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = ::testing::TempDir() + "yrstreamXXXXXX";
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }
  void Put(const std::string& name, const std::string& content) const {
    std::ofstream(Path(name), std::ios::binary) << content;
  }
  std::string Get(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::string dir_;
};

TEST_F(StreamFile, OpenFailuresGiveDosResultsAndUnknownModesOpenNothing) {
  ASSERT_EQ(::mkdir(Path("sub").c_str(), 0755), 0);
  const struct { uint16_t mode; const char* name; uint16_t result; } cases[] = {
      {stOpenRead, "missing.erg", 2}, {stOpenWrite, "missing.erg", 2}, {stOpen, "missing.erg", 2},
      {stOpenRead, "nodir/missing.erg", 3}, {stCreate, "nodir/new.erg", 3},
      {stOpenRead, "sub", 5}, {stOpenWrite, "sub", 5}, {stOpen, "sub", 5}, {stCreate, "sub", 5},
  };
  for (const auto& c : cases) {
    TYrStream s(Path(c.name), c.mode, 2048);
    EXPECT_TRUE(s.ErrorInfo == c.result && s.Status == c.result && s.FirstError == c.result)
        << c.name << " mode " << std::hex << c.mode << ": " << s.ErrorInfo;
    EXPECT_EQ(s.GetSize(), -1);
  }
  Put("a.erg", "data");
  for (uint16_t mode : {uint16_t{7}, uint16_t{0}, uint16_t{0x3D03}}) {
    TYrStream s(Path("a.erg"), mode);
    EXPECT_TRUE(s.ErrorInfo == 0 && s.Status == 0) << mode;
    ReadText(s, 4);
    EXPECT_EQ(s.Status, 103);
    s.Write("abcd", 4);
    EXPECT_EQ(s.Status, 103);
    EXPECT_TRUE(s.GetPos() == -1 && s.PosCache == -1);
  }
  EXPECT_EQ(Get("a.erg"), "data");
}

TEST_F(StreamFile, ModesReadsWritesAndResults) {
  Put("a.erg", "old contents");
  {
    TYrStream s(Path("a.erg"), stCreate);  // empties, writes only
    ASSERT_EQ(s.ErrorInfo, 0);
    EXPECT_EQ(s.GetSize(), 0);
    s.Write("ABCDEF", 6);
    EXPECT_EQ(s.Status, 0);
    s.Seek(0);
    ReadText(s, 1);
    EXPECT_EQ(s.Status, 104);  // not open for input
  }
  {
    TYrStream s(Path("a.erg"), stOpen);
    ASSERT_EQ(s.ErrorInfo, 0);
    s.Seek(2);
    s.Write("xy", 2);
    EXPECT_TRUE(s.GetPos() == 4 && s.PosCache == 4);
    EXPECT_EQ(ReadText(s, 2), "EF");
    EXPECT_EQ(s.GetSize(), 6);
    s.Close();
    ReadText(s, 1);
    EXPECT_EQ(s.Status, 103);
  }
  EXPECT_EQ(Get("a.erg"), "ABxyEF");
  TYrStream s(Path("a.erg"), stOpenRead);
  s.Seek(3);
  EXPECT_EQ(ReadText(s, 5).substr(0, 3), "yEF");
  EXPECT_EQ(s.Status, 100);  // short read
  ReadText(s, 1);            // at the end
  EXPECT_EQ(s.Status, 100);
  s.Seek(1);
  EXPECT_EQ(ReadText(s, 2), "Bx");
  EXPECT_TRUE(s.Status == 0 && s.FirstError == 100);
  s.Seek(-1);
  EXPECT_NE(s.Status, 0);
  TYrStream r(Path("a.erg"), stOpenRead);
  r.Write("Z", 1);
  EXPECT_EQ(r.Status, 105);
  EXPECT_EQ(r.GetSize(), 6);
  EXPECT_EQ(r.Status, 0);        // Status is overwritten...
  EXPECT_EQ(r.FirstError, 105);  // ...the first error is kept
  r.Seek(7);
  ReadText(r, 1);
  EXPECT_EQ(r.FirstError, 105);
  EXPECT_EQ(Get("a.erg"), "ABxyEF");
}

TEST_F(StreamFile, LongPathIsKeptWhole) {
  // Cutting the name to 255 bytes would open or create another file.
  std::string path = dir_;
  for (char c : {'a', 'b', 'c'}) {
    path += "/" + std::string(100, c);
    ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
  }
  path += "/result.erg";
  {
    TYrStream s(path, stCreate);
    EXPECT_EQ(s.ErrorInfo, 0);
    EXPECT_EQ(s.FileName(), path);
    s.Write("ok", 2);
  }
  EXPECT_EQ(std::filesystem::file_size(path), 2u);
}

Lines AllLines(TYrStream& s, size_t maxLen = 255) {
  Lines lines;
  std::string line;
  while (StreamReadLine(s, line, maxLen) && lines.size() < 1000) lines.push_back(line);  // a runaway loop fails
  EXPECT_EQ(line, "");
  return lines;
}

TEST(StreamReadLine, Lines) {
  const std::string s255(255, 'x');
  const struct { std::string input; size_t maxLen; Lines lines; } cases[] = {
      {"AB\r\nCD", 255, {"AB", "CD"}},  // last line without LF
      {"", 255, {}},
      {std::string(300, 'x'), 255, {s255, std::string(45, 'x')}},
      {s255 + "\n", 255, {s255, ""}},  // the LF is read as the next line
      {"A\rB\n", 255, {"AB"}},
      {"\n\n", 255, {"", ""}},
      {"ABCDEF\nXY\n", 3, {"ABC", "XY"}},  // the rest beyond maxLen is dropped
      {"\r\r\r\n", 255, {""}},             // CRs do not count towards 255
      {std::string(254, 'x') + "\r\r\nZ", 255, {std::string(254, 'x'), "Z"}},
  };
  for (const auto& c : cases) {
    TYrMemoryStream s(Bytes(c.input));
    EXPECT_EQ(AllLines(s, c.maxLen), c.lines) << c.input.substr(0, 20);
    EXPECT_EQ(s.GetPos(), s.GetSize());
    EXPECT_EQ(s.FirstError, 0) << "a clean file must not leave a read error behind";
  }
}

TEST_F(StreamFile, LineLoopsOnFilesEnd) {
  Put("a.txt", "AB\r\nCD");
  Put("empty.txt", "");
  TYrStream s(Path("a.txt"), stOpenRead), e(Path("empty.txt"), stOpenRead);
  EXPECT_EQ(AllLines(s), (Lines{"AB", "CD"}));
  EXPECT_TRUE(s.GetPos() == 6 && s.FirstError == 0);
  EXPECT_TRUE(AllLines(e).empty());
  EXPECT_EQ(e.GetPos(), 0);
  TYrStream w(Path("a.txt"), stOpenWrite);  // cannot be read: the loop must still end
  EXPECT_TRUE(AllLines(w).empty());
  EXPECT_EQ(w.Status, 104);
}

// Reads `good` bytes, then every read fails as a damaged medium would.
class FailingStream : public TYrMemoryStream {
 public:
  FailingStream(const std::string& data, int good) : TYrMemoryStream(Bytes(data)), good_(good) {}
  void Read(void* buf, uint16_t count) override {
    if (good_ < count) return SetResult(30);
    good_ -= count;
    TYrMemoryStream::Read(buf, count);
  }

 private:
  int good_;
};

TEST(StreamReadLine, ReadErrorEndsTheLineLoop) {
  FailingStream s("AB\nCD\nEF\n", 4);
  EXPECT_EQ(AllLines(s), (Lines{"AB", "C"}));
  EXPECT_TRUE(s.Status == 30 && s.FirstError == 30);
  FailingStream never("AB\n", 0);
  std::string line = "stale";
  EXPECT_FALSE(StreamReadLine(never, line));
  EXPECT_EQ(line, "");
}

TEST(StreamWriteLine, WritesTextThenCrLf) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "\r\n"}, {"AB", "AB\r\n"}, {std::string(300, 'y'), std::string(255, 'y') + "\r\n"},
      {"\x84\xe1", "\x84\xe1\r\n"},  // bytes pass unchanged
  };
  for (const auto& [line, bytes] : cases) {
    TYrMemoryStream s;
    StreamWriteLine(s, line);
    EXPECT_TRUE(s.Status == 0 && s.Data() == Bytes(bytes)) << bytes;
  }
  TYrMemoryStream s;
  s.FailAfter(3);
  StreamWriteLine(s, "ABC");  // the text fits, CR and LF do not
  EXPECT_EQ(s.Status, 101);
  EXPECT_EQ(s.Data(), Bytes("ABC"));
  s.GetPos();
  EXPECT_TRUE(s.Status == 0 && s.FirstError == 101);
}

}  // namespace
