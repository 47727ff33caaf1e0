#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <random>
#include <tuple>
#include <utility>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "YrStream.h"

namespace {

using Lines = std::vector<std::string>;
using Results = std::pair<uint16_t, uint16_t>;  // Status and FirstError, say
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
    EXPECT_EQ(std::tuple(s.ErrorInfo, s.Status, s.FirstError), std::tuple(c.result, c.result, c.result))
        << c.name << " mode " << std::hex << c.mode;
    EXPECT_EQ(s.GetSize(), -1);
  }
  Put("a.erg", "data");
  for (uint16_t mode : {uint16_t{7}, uint16_t{0}, uint16_t{0x3D03}}) {
    TYrStream s(Path("a.erg"), mode);
    EXPECT_EQ(std::pair(s.ErrorInfo, s.Status), Results(0, 0)) << mode;
    ReadText(s, 4);
    EXPECT_EQ(s.Status, 103);
    s.Write("abcd", 4);
    EXPECT_EQ(s.Status, 103);
    EXPECT_EQ(std::pair(s.GetPos(), s.PosCache), std::pair(-1, -1));
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
    EXPECT_EQ(std::pair(s.GetPos(), s.PosCache), std::pair(4, 4));
    EXPECT_EQ(ReadText(s, 2), "EF");
    EXPECT_EQ(s.GetSize(), 6);
    EXPECT_EQ(s.Close(), 0);
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
  EXPECT_EQ(std::pair(s.Status, s.FirstError), Results(0, 100));
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

// An unbuffered file as the stream must appear to be: bytes, a position,
// and the result of every operation.
struct FileModel {
  std::vector<uint8_t> data;
  size_t pos = 0;

  uint16_t Write(const uint8_t* p, size_t n) {
    if (data.size() < pos + n) data.resize(pos + n);
    std::copy(p, p + n, data.begin() + static_cast<long>(pos));
    pos += n;
    return 0;
  }
  std::pair<std::vector<uint8_t>, uint16_t> Read(size_t n) {
    const size_t got = pos < data.size() ? std::min(n, data.size() - pos) : 0;
    std::vector<uint8_t> out(data.begin() + static_cast<long>(pos), data.begin() + static_cast<long>(pos + got));
    pos += got;
    return {out, got < n ? 100 : 0};
  }
};

// Random transfers of every size a caller uses, across several buffers'
// worth of file, give the bytes, results, positions and sizes of an
// unbuffered file.
TEST_F(StreamFile, BufferedTransfersLookUnbuffered) {
  Put("a.erg", std::string(100000, 'x'));
  FileModel model{std::vector<uint8_t>(100000, 'x')};
  TYrStream s(Path("a.erg"), stOpen, 2048);
  std::mt19937 rng(1103);
  const uint16_t sizes[] = {1, 2, 280, 3319, 40000, 65535};
  std::vector<uint8_t> bytes(65535);
  for (int step = 0; step < 3000; ++step) {
    const uint16_t n = sizes[rng() % std::size(sizes)];
    switch (rng() % 8) {
      case 0:
      case 1:
      case 2: {
        for (uint16_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>(rng());
        s.Write(bytes.data(), n);
        ASSERT_EQ(s.Status, model.Write(bytes.data(), n)) << step;
        break;
      }
      case 3:
      case 4:
      case 5: {
        std::vector<uint8_t> got(n);
        s.Read(got.data(), n);
        const auto [want, result] = model.Read(n);
        got.resize(want.size());
        ASSERT_EQ(std::pair(got, s.Status), std::pair(want, result)) << step;
        break;
      }
      case 6: {
        const auto to = static_cast<int32_t>(rng() % (model.data.size() + 1000));
        s.Seek(to);
        model.pos = static_cast<size_t>(to);
        ASSERT_EQ(s.Status, 0) << step;
        break;
      }
      default:
        ASSERT_EQ(std::pair(s.GetPos(), s.GetSize()),
                  std::pair(static_cast<int32_t>(model.pos), static_cast<int32_t>(model.data.size())))
            << step;
    }
  }
  EXPECT_GT(model.data.size(), 3 * TYrStream::kMinBufferSize);
  EXPECT_EQ(std::pair(s.Close(), s.Status), Results(100, 0));  // the first short read; closing succeeded
  EXPECT_EQ(Get("a.erg"), std::string(model.data.begin(), model.data.end()));
}

// Writes beyond `limit` bytes fail in the kernel (EFBIG), for this process
// only, while it lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit l = saved_;
    l.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &l);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, handler_);
  }

 private:
  void (*handler_)(int);
  rlimit saved_;
};

// Records of the sizes the result file writes, about three buffers long.
std::vector<std::vector<uint8_t>> Records() {
  std::vector<std::vector<uint8_t>> out;
  const size_t sizes[] = {2, 3319, 2, 280, 1};
  size_t total = 0;
  for (int i = 0; total < 3 * TYrStream::kMinBufferSize; ++i) {
    std::vector<uint8_t> r(sizes[i % std::size(sizes)]);
    for (uint8_t& b : r) b = static_cast<uint8_t>(total++ * 7 + i);
    out.push_back(r);
  }
  return out;
}

// A sink that fails after N bytes, for every N around one and two buffers:
// the failure shows at the write that hands the bytes on or at Close (never
// later than one buffer and one record after the lost byte), Close returns
// it, and the file holds exactly the bytes that fitted.
TEST_F(StreamFile, WriteFailureAfterNBytesReachesClose) {
  const auto records = Records();
  std::string all;
  for (const auto& r : records) all.append(r.begin(), r.end());
  const size_t b = TYrStream::kMinBufferSize;
  std::vector<size_t> limits = {0, 1, all.size() - 1, all.size()};
  for (size_t around : {b, 2 * b})
    for (size_t n = around - 4; n <= around + 4; ++n) limits.push_back(n);
  for (size_t limit : limits) {
    TYrStream s(Path("limited.erg"), stCreate, 2048);
    size_t handedOver = 0;
    size_t shownAt = 0;  // bytes handed over when the failure first showed
    {
      FileSizeLimit fsize(limit);
      for (const auto& r : records) {
        s.Write(r.data(), static_cast<uint16_t>(r.size()));
        handedOver += r.size();
        if (s.Status != 0 && shownAt == 0) shownAt = handedOver;
      }
      const uint16_t closed = s.Close();
      if (closed != 0 && shownAt == 0) shownAt = handedOver;
      EXPECT_EQ(closed, s.FirstError) << limit;
    }
    if (limit >= all.size()) {
      EXPECT_EQ(std::pair(s.FirstError, Get("limited.erg") == all), std::pair(uint16_t{0}, true)) << limit;
      continue;
    }
    EXPECT_EQ(std::tuple(s.FirstError, Get("limited.erg") == all.substr(0, limit), shownAt > limit),
              std::tuple(uint16_t{101}, true, true))
        << limit;
    EXPECT_LE(shownAt, limit + b + 3319) << limit;
  }
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

// A stream that cannot be read must still end the line loop.
TEST_F(StreamFile, LineLoopsOnFilesEnd) {
  Put("a.txt", "AB\r\nCD");
  TYrStream s(Path("a.txt"), stOpenRead);
  EXPECT_EQ(AllLines(s), (Lines{"AB", "CD"}));
  EXPECT_EQ(std::pair(s.GetPos(), s.FirstError), std::pair(6, uint16_t{0}));
  TYrStream w(Path("a.txt"), stOpenWrite);
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
  EXPECT_EQ(std::pair(s.Status, s.FirstError), Results(30, 30));
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
    EXPECT_EQ(std::pair(s.Status, s.Data()), std::pair(uint16_t{0}, Bytes(bytes))) << bytes;
  }
  TYrMemoryStream s;
  s.FailAfter(3);
  StreamWriteLine(s, "ABC");  // the text fits, CR and LF do not
  EXPECT_EQ(s.Status, 101);
  EXPECT_EQ(s.Data(), Bytes("ABC"));
  s.GetPos();
  EXPECT_EQ(std::pair(s.Status, s.FirstError), Results(0, 101));
}

}  // namespace
