#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "WriterTestSupport.h"
#include "Yrzlib.h"

using writer_test::Inflate;

namespace {

// A memory stream that remembers the size of every write it is given.
class RecordingStream : public TYrMemoryStream {
 public:
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

TEST(CompressStream, EmptyStreamIsAValidZlibStreamWithTheLevelInItsHeader) {
  // The second header byte carries zlib's level class: 01 fastest/store, 9C default, DA best.
  const uint8_t flg[] = {0x01, 0x01, 0x9C, 0xDA};
  for (uint8_t index = 0; index < 4; ++index) {
    RecordingStream dest;
    {
      TYrCompressStream z(index, &dest);
      EXPECT_TRUE(dest.Data().empty());
    }
    ASSERT_GE(dest.Data().size(), 6u) << int(index);
    EXPECT_EQ(dest.Data()[0], 0x78) << int(index);
    EXPECT_EQ(dest.Data()[1], flg[index]) << int(index);
    EXPECT_EQ(dest.sizes, std::vector<size_t>{dest.Data().size()}) << int(index);
    EXPECT_TRUE(Inflate(dest.Data()).empty());
    EXPECT_EQ(dest.FirstError, 0);
  }
}

TEST(CompressStream, OnlyWholeBlocksBeforeFinishThenOneShorterBlock) {
  const std::vector<uint8_t> input = Noise(50000);
  RecordingStream dest;
  TYrCompressStream z(3, &dest);
  for (size_t pos = 0; pos < input.size(); pos += 1000) {
    z.Write(input.data() + pos, 1000);
    EXPECT_EQ(dest.Data().size() % 8192, 0u) << "after " << pos + 1000 << " bytes";
  }
  ASSERT_FALSE(dest.sizes.empty());
  z.Finish();
  // zlib still holds pending output at the finish: more whole blocks, then one shorter block.
  ASSERT_EQ(dest.sizes.size(), dest.Data().size() / 8192 + 1);
  for (size_t i = 0; i + 1 < dest.sizes.size(); ++i) EXPECT_EQ(dest.sizes[i], 8192u) << i;
  EXPECT_GT(dest.sizes.back(), 0u);
  EXPECT_LT(dest.sizes.back(), 8192u);
  EXPECT_EQ(z.BytesOut(), static_cast<int64_t>(dest.Data().size()));
  EXPECT_EQ(Inflate(dest.Data()), input);
  const size_t blocks = dest.sizes.size();
  z.Finish();  // a second finish writes nothing
  EXPECT_EQ(dest.sizes.size(), blocks);
}

TEST(CompressStream, ExactlyOneFullBlockAndNothingMore) {
  // Incompressible input is stored: 2 header + 5 block head + n + 4 Adler.
  const std::vector<uint8_t> input = Noise(8192 - 11);
  RecordingStream dest;
  {
    TYrCompressStream z(3, &dest);
    z.Write(input.data(), static_cast<uint16_t>(input.size()));
    EXPECT_TRUE(dest.sizes.empty()) << "a part-filled buffer was passed on";
  }
  EXPECT_EQ(dest.sizes, std::vector<size_t>{8192});
  EXPECT_EQ(Inflate(dest.Data()), input);
}

TEST(CompressStream, FailuresAndAbandon) {
  // Level index 4 does not exist: deflate cannot start, the destination gets
  // the error and no bytes. A destination's own write error stays its own;
  // Abandon writes nothing more.
  struct Case { uint8_t index; size_t n; int64_t failAfter; bool abandon; size_t size; uint16_t error; bool failed; };
  const Case cases[] = {{4, 30000, -1, false, 0, kCompressFailed, true}, {3, 20000, 100, false, 100, 101, false},
                        {3, 1000, -1, true, 0, 0, false}};
  for (const Case& c : cases) {
    const std::vector<uint8_t> input = Noise(c.n);
    RecordingStream dest;
    if (c.failAfter >= 0) dest.FailAfter(c.failAfter);
    {
      TYrCompressStream z(c.index, &dest);
      z.Write(input.data(), static_cast<uint16_t>(input.size()));
      EXPECT_EQ(z.Failed(), c.failed);
      if (c.abandon) z.Abandon();
    }
    EXPECT_EQ(dest.Data().size(), c.size) << int(c.index);
    EXPECT_EQ(dest.FirstError, c.error) << int(c.index);
    if (c.failed) {
      EXPECT_EQ(dest.Status, c.error);
    }
  }
}
