#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <vector>

#include "WriterTestSupport.h"
#include "Yrzlib.h"

namespace {

// A memory stream that remembers the size of every write it is given.
struct RecordingStream : TYrMemoryStream {
  void Write(const void* buf, uint16_t count) override {
    sizes.push_back(count);
    TYrMemoryStream::Write(buf, count);
  }
  std::vector<size_t> sizes;
};

std::vector<uint8_t> Noise(size_t n) {
  std::vector<uint8_t> out(n);
  uint32_t seed = 1;
  for (auto& b : out) b = static_cast<uint8_t>((seed = seed * 1103515245u + 12345u) >> 24);
  return out;
}

}  // namespace

// The second header byte is zlib's level class: 01 fastest/store, 9C
// default, DA best. Noise is stored: 8192 - 11 bytes (2 header + 5 block
// head + 4 Adler) make exactly one block. The destination gets whole blocks
// until the finish, then one shorter block; a second finish (and the
// destructor) writes nothing.
TEST(CompressStream, WholeBlocksUntilTheFinishThenOneShorterBlock) {
  struct Case { uint8_t index; size_t n; uint8_t flg; size_t size; };
  for (const Case& c : {Case{0, 0, 0x01, 0}, Case{1, 0, 0x01, 0}, Case{2, 0, 0x9C, 0}, Case{3, 0, 0xDA, 0},
                        Case{3, 8192 - 11, 0xDA, 8192}, Case{3, 50000, 0xDA, 0}}) {
    SCOPED_TRACE(std::to_string(c.index) + " " + std::to_string(c.n));
    const std::vector<uint8_t> input = Noise(c.n);
    RecordingStream dest;
    size_t writes = 0;
    {
      TYrCompressStream z(c.index, &dest);
      for (size_t pos = 0; pos < c.n; pos += 1000) {
        z.Write(input.data() + pos, static_cast<uint16_t>(std::min<size_t>(1000, c.n - pos)));
        EXPECT_EQ(dest.Data().size() % 8192, 0u) << "after " << pos << " bytes";
      }
      z.Finish();
      EXPECT_EQ(z.BytesOut(), static_cast<int64_t>(dest.Data().size()));
      writes = dest.sizes.size();
      z.Finish();
    }
    const size_t size = dest.Data().size();
    ASSERT_GE(size, 6u);
    EXPECT_EQ(std::tuple(dest.Data()[0], dest.Data()[1], dest.sizes.size(), writes, dest.FirstError),
              std::tuple(0x78, c.flg, (size + 8191) / 8192, writes, 0));
    EXPECT_EQ(std::count(dest.sizes.begin(), dest.sizes.end(), 8192u), static_cast<long>(size / 8192));
    EXPECT_TRUE(c.size == 0 || size == c.size) << size;
    EXPECT_EQ(writer_test::Inflate(dest.Data()), input);
  }
}

// Level index 4 does not exist: deflate cannot start, the destination gets
// the error and no bytes. A destination's own write error stays its own;
// Abandon writes nothing more.
TEST(CompressStream, FailuresAndAbandon) {
  struct Case { uint8_t index; size_t n; int64_t failAfter; bool abandon; size_t size; uint16_t error; bool failed; };
  for (const Case& c : {Case{4, 30000, -1, false, 0, kCompressFailed, true},
                        Case{3, 20000, 100, false, 100, 101, false}, Case{3, 1000, -1, true, 0, 0, false}}) {
    const std::vector<uint8_t> input = Noise(c.n);
    RecordingStream dest;
    dest.FailAfter(c.failAfter);
    bool failed;
    {
      TYrCompressStream z(c.index, &dest);
      z.Write(input.data(), static_cast<uint16_t>(input.size()));
      failed = z.Failed();
      if (c.abandon) z.Abandon();
    }
    EXPECT_EQ(std::tuple(dest.Data().size(), dest.FirstError, failed), std::tuple(c.size, c.error, c.failed))
        << int(c.index);
  }
}
