#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Yrzlib.h"

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

std::vector<uint8_t> Noise(size_t n, uint32_t seed = 1) {
  std::vector<uint8_t> out(n);
  for (auto& b : out) {
    seed = seed * 1103515245u + 12345u;
    b = static_cast<uint8_t>(seed >> 24);
  }
  return out;
}

// Inflates a complete zlib stream; fails the test when it is not one.
std::vector<uint8_t> Inflate(const std::vector<uint8_t>& in) {
  z_stream zs{};
  EXPECT_EQ(inflateInit(&zs), Z_OK);
  zs.next_in = const_cast<Bytef*>(in.data());
  zs.avail_in = static_cast<uInt>(in.size());
  std::vector<uint8_t> out;
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

}  // namespace

TEST(CompressStream, EmptyStreamIsAValidZlibStreamWithTheLevelInItsHeader) {
  // The second header byte carries zlib's level class: 01 fastest/store,
  // 9C default, DA best.
  struct Case { uint8_t index; uint8_t flg; };
  const Case cases[] = {{0, 0x01}, {1, 0x01}, {2, 0x9C}, {3, 0xDA}};
  for (const Case& c : cases) {
    RecordingStream dest;
    {
      TYrCompressStream z(c.index, &dest);
      EXPECT_TRUE(dest.Data().empty());
    }
    ASSERT_GE(dest.Data().size(), 6u) << int(c.index);
    EXPECT_EQ(dest.Data()[0], 0x78) << int(c.index);
    EXPECT_EQ(dest.Data()[1], c.flg) << int(c.index);
    EXPECT_EQ(dest.sizes, std::vector<size_t>{dest.Data().size()}) << int(c.index);
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
  for (size_t s : dest.sizes) EXPECT_EQ(s, 8192u);
  z.Finish();
  // zlib still holds pending output at the finish: more whole blocks, then
  // one shorter block.
  ASSERT_EQ(dest.sizes.size(), dest.Data().size() / 8192 + 1);
  for (size_t i = 0; i + 1 < dest.sizes.size(); ++i) EXPECT_EQ(dest.sizes[i], 8192u) << i;
  EXPECT_GT(dest.sizes.back(), 0u);
  EXPECT_LT(dest.sizes.back(), 8192u);
  const size_t blocks = dest.sizes.size();
  EXPECT_EQ(z.BytesOut(), static_cast<int64_t>(dest.Data().size()));
  EXPECT_EQ(Inflate(dest.Data()), input);
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

TEST(CompressStream, CompressesTextWell) {
  std::string text;
  for (int i = 0; i < 400; ++i) text += "T* (Rettungsschwimmen 50 m) Tj\n";
  TYrMemoryStream dest;
  {
    TYrCompressStream z(3, &dest);
    z.Write(text.data(), static_cast<uint16_t>(text.size()));
  }
  EXPECT_LT(dest.Data().size(), text.size() / 20);
  const std::vector<uint8_t> back = Inflate(dest.Data());
  EXPECT_EQ(std::string(back.begin(), back.end()), text);
}

TEST(CompressStream, FailedInitialisationReachesTheDestinationAndWritesNothing) {
  RecordingStream dest;
  const std::vector<uint8_t> input = Noise(30000);
  {
    TYrCompressStream z(4, &dest);  // no such level
    EXPECT_TRUE(z.Failed());
    z.Write(input.data(), static_cast<uint16_t>(input.size()));
    z.Finish();
  }
  EXPECT_TRUE(dest.sizes.empty());
  EXPECT_EQ(dest.FirstError, kCompressFailed);
  EXPECT_EQ(dest.Status, kCompressFailed);
}

TEST(CompressStream, WriteErrorOfTheDestinationStaysThere) {
  const std::vector<uint8_t> input = Noise(20000);
  TYrMemoryStream dest;
  dest.FailAfter(100);
  {
    TYrCompressStream z(3, &dest);
    z.Write(input.data(), static_cast<uint16_t>(input.size()));
    EXPECT_FALSE(z.Failed());
  }
  EXPECT_EQ(dest.Data().size(), 100u);
  EXPECT_EQ(dest.FirstError, 101);
}

TEST(CompressStream, AbandonWritesNothingMore) {
  RecordingStream dest;
  const std::vector<uint8_t> input = Noise(1000);
  {
    TYrCompressStream z(3, &dest);
    z.Write(input.data(), static_cast<uint16_t>(input.size()));
    z.Abandon();
  }
  EXPECT_TRUE(dest.sizes.empty());
  EXPECT_EQ(dest.FirstError, 0);
}
