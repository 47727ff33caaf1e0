#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "CaseFile.h"
#include "YrStream.h"

namespace {

using Lines = std::vector<std::string>;
using Results = std::pair<uint16_t, uint16_t>;  // Status and FirstError, say
using testdata::Arg;
using testdata::Fields;
using testdata::Quote;
using testdata::Row;
std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

std::string ReadText(TYrStream& s, uint16_t n) {
  std::string buf(n, '\0');
  s.Read(buf.data(), n);
  return buf;
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

std::string Str(int64_t n) { return std::to_string(n); }

// ReadLines BYTES MAXLEN [GOOD]: the lines of a memory stream (of one whose
// reads fail after GOOD bytes).
std::string ReadLines(const Fields& f) {
  FailingStream s(Arg(f, 1), f.size() > 3 ? std::stoi(f[3]) : 1 << 30);
  std::string lines, line = "stale";
  int n = 0;
  for (; StreamReadLine(s, line, std::stoul(f[2])) && n < 1000; ++n) lines += " " + Quote(line);  // a runaway ends
  const bool clean = line.empty() && s.GetPos() == s.GetSize() && s.FirstError == 0;
  return Str(n) + ":" + lines + (clean ? "" : " then " + Quote(line) + " error " + Str(s.FirstError));
}

std::string WriteLine(const Fields& f) {
  TYrMemoryStream s;
  StreamWriteLine(s, Arg(f, 1));
  return Quote(std::string(s.Data().begin(), s.Data().end())) + (s.Status ? " status " + Str(s.Status) : "");
}

// Stream NAME MODE OPS: opens NAME in a folder holding the folder "sub" and
// the file "a.erg" ("data") and applies each operation; see streams.txt.
std::string StreamOps(const Fields& f) {
  const std::map<std::string, uint16_t> modes = {
      {"stCreate", stCreate}, {"stOpenRead", stOpenRead}, {"stOpenWrite", stOpenWrite}, {"stOpen", stOpen}};
  auto open = [&](const testdata::TempDir& dir, const std::string& mode) {
    return std::make_unique<TYrStream>(dir / f.at(1), modes.count(mode) ? modes.at(mode) : std::stoi(mode, nullptr, 16),
                                       2048);
  };
  testdata::TempDir dir;
  EXPECT_EQ(::mkdir((dir / "sub").c_str(), 0755), 0);
  testdata::WriteFile(dir / "a.erg", "data");
  std::string out;
  {
    auto s = open(dir, f.at(2));
    out = "open " + Row(s->ErrorInfo, s->Status, s->FirstError);
    for (size_t i = 3; i < f.size(); ++i) {
      const char op = f[i][0];
      const std::string arg = f[i].substr(1), text = testdata::Unquote(arg);
      std::string shown;
      if (op == 'O') s = open(dir, arg);
      if (op == 'R') shown = " " + Quote(ReadText(*s, static_cast<uint16_t>(std::stoi(arg))));
      if (op == 'W') s->Write(text.data(), static_cast<uint16_t>(text.size()));
      if (op == 'S') s->Seek(std::stoi(arg));
      if (op == 'P') shown = " " + Row(s->GetPos(), s->PosCache);
      if (op == 'Z') shown = " " + Str(s->GetSize());
      if (op == 'E') shown = " " + Str(s->FirstError);
      if (op == 'C') shown = " " + Str(s->Close());
      out += " | " + f[i] + " " + Str(s->Status) + shown;
    }
  }
  return out + " | a.erg " + Quote(testdata::ReadFile(dir / "a.erg"));
}

TEST(StreamRoutines, CasesOfTheDataFile) {
  testdata::ExpectRoutineCases("foundation/streams.txt",
                               {{"ReadLines", ReadLines}, {"WriteLine", WriteLine}, {"Stream", StreamOps}});
}

TEST(Stream, LongPathIsKeptWhole) {
  // Cutting the name to 255 bytes would open or create another file.
  testdata::TempDir dir;
  std::string path = dir.Path();
  for (char c : {'a', 'b', 'c'}) ASSERT_EQ(::mkdir((path += "/" + std::string(100, c)).c_str(), 0755), 0);
  path += "/result.erg";
  TYrStream s(path, stCreate);
  s.Write("ok", 2);
  EXPECT_EQ(std::pair(s.Close(), s.FileName()), std::pair(uint16_t{0}, path));
  EXPECT_EQ(testdata::ReadFile(path), "ok");
}

// Random transfers of every size a caller uses, across several buffers'
// worth of file, give the bytes, results, positions and sizes of an
// unbuffered stream over the same bytes (the memory stream).
TEST(Stream, BufferedTransfersLookUnbuffered) {
  testdata::TempDir dir;
  testdata::WriteFile(dir / "a.erg", std::string(100000, 'x'));
  TYrMemoryStream model(std::vector<uint8_t>(100000, 'x'));
  TYrStream s(dir / "a.erg", stOpen, 2048);
  std::mt19937 rng(1103);
  const uint16_t sizes[] = {1, 2, 280, 3319, 40000, 65535};
  std::vector<uint8_t> bytes(65535), got(65535), want(65535);
  for (int step = 0; step < 3000; ++step) {
    const uint16_t n = sizes[rng() % std::size(sizes)];
    const unsigned op = rng() % 8;
    if (op < 3) {
      for (uint16_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>(rng());
      s.Write(bytes.data(), n);
      model.Write(bytes.data(), n);
    } else if (op < 6) {
      std::fill_n(got.begin(), n, 0);
      std::fill_n(want.begin(), n, 0);
      s.Read(got.data(), n);
      model.Read(want.data(), n);
      ASSERT_TRUE(std::equal(got.begin(), got.begin() + n, want.begin())) << step;
    } else if (op == 6) {
      const auto to = static_cast<int32_t>(rng() % (model.Data().size() + 1000));
      s.Seek(to);
      model.Seek(to);
    } else {
      ASSERT_EQ(std::pair(s.GetPos(), s.GetSize()), std::pair(model.GetPos(), model.GetSize())) << step;
    }
    ASSERT_EQ(s.Status, model.Status) << step;
  }
  EXPECT_GT(model.Data().size(), 3 * TYrStream::kMinBufferSize);
  EXPECT_EQ(std::pair(s.Close(), s.Status), Results(100, 0));  // the first short read; closing succeeded
  EXPECT_EQ(testdata::ReadFile(dir / "a.erg"), std::string(model.Data().begin(), model.Data().end()));
}

// Writes beyond `limit` bytes fail in the kernel (EFBIG), for this process
// only, while it lives.
struct FileSizeLimit {
  explicit FileSizeLimit(rlim_t limit) : handler(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit l{limit, saved.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &l);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
  }
  void (*handler)(int);
  rlimit saved{};
};

// A sink that fails after N bytes, for every N around one and two buffers,
// fed records of the sizes the result file writes: the failure shows at the
// write that hands the bytes on or at Close (never later than one buffer and
// one record after the lost byte), Close returns it, and the file holds
// exactly the bytes that fitted.
TEST(Stream, WriteFailureAfterNBytesReachesClose) {
  testdata::TempDir dir;
  std::vector<std::string> records;
  std::string all;
  const size_t sizes[] = {2, 3319, 2, 280, 1}, b = TYrStream::kMinBufferSize;
  for (int i = 0; all.size() < 3 * b; ++i) {
    records.emplace_back();
    for (size_t k = 0; k < sizes[i % 5]; ++k) records.back() += static_cast<char>(all.size() * 7 + k + i);
    all += records.back();
  }
  std::vector<size_t> limits = {0, 1, all.size() - 1, all.size()};
  for (size_t around : {b, 2 * b})
    for (size_t n = around - 4; n <= around + 4; ++n) limits.push_back(n);
  for (size_t limit : limits) {
    TYrStream s(dir / "limited.erg", stCreate, 2048);
    size_t handedOver = 0, shownAt = 0;  // bytes handed over when the failure first showed
    {
      FileSizeLimit fsize(limit);
      for (const std::string& r : records) {
        s.Write(r.data(), static_cast<uint16_t>(r.size()));
        handedOver += r.size();
        if (s.Status != 0 && shownAt == 0) shownAt = handedOver;
      }
      const uint16_t closed = s.Close();
      if (closed != 0 && shownAt == 0) shownAt = handedOver;
      EXPECT_EQ(closed, s.FirstError) << limit;
    }
    const bool fits = limit >= all.size();
    EXPECT_EQ(std::tuple(s.FirstError, testdata::ReadFile(dir / "limited.erg") == all.substr(0, limit)),
              std::tuple(fits ? 0 : 101, true))
        << limit;
    EXPECT_TRUE(fits || (shownAt > limit && shownAt <= limit + b + 3319)) << limit << " shown at " << shownAt;
  }
}

// The lines of a file stream, or none of one open only for writing.
TEST(StreamReadLine, FileStreams) {
  testdata::TempDir dir;
  testdata::WriteFile(dir / "a.txt", "AB\r\nCD");
  TYrStream file(dir / "a.txt", stOpenRead), writeOnly(dir / "a.txt", stOpenWrite);
  Lines lines;
  for (std::string line; StreamReadLine(file, line) || StreamReadLine(writeOnly, line);) lines.push_back(line);
  EXPECT_EQ(std::tuple(lines, file.FirstError, writeOnly.Status), std::tuple(Lines{"AB", "CD"}, 0, 104));
}

TEST(StreamWriteLine, TheTextFitsCrAndLfDoNot) {
  TYrMemoryStream s;
  s.FailAfter(3);
  StreamWriteLine(s, "ABC");
  EXPECT_EQ(std::tuple(s.Status, s.FirstError, s.Data()), std::tuple(101, 101, Bytes("ABC")));
}

}  // namespace
