#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "IODBF3.h"
#include "WriterTestSupport.h"

using writer_test::Text;

namespace {

std::string Zeros(size_t n) { return std::string(n, '\0'); }

// A field descriptor built byte by byte from the layout.
std::string Descriptor(const std::string& name, char type, uint8_t length, uint8_t decimals) {
  return name + Zeros(11 - name.size()) + type + Zeros(4) + char(length) + char(decimals) + Zeros(14);
}

// The 32-byte file header: version 3, date 0-1-1, count, sizes, 20 zeros.
std::string Header(uint8_t count, uint8_t headerSize, uint8_t recordSize) {
  return std::string("\x03\x00\x01\x01", 4) + char(count) + Zeros(3) + char(headerSize) + '\0' + char(recordSize) +
         Zeros(21);
}

// The second name is cut to the 10 characters a descriptor holds.
void DeclareNamePunkte(TIODbf3& w) {
  ASSERT_TRUE(w.AddField("NAME", 'C', 20, 0));
  ASSERT_TRUE(w.AddField("GESAMTPUNKTE", 'N', 8, 2));
}

}  // namespace

// Finish patches the count into the header where Begin found the stream;
// the language driver is set before Begin or not at all; the record is blank
// before the first ClearRecord.
TEST(IODbf3, WholeFileBehindAPrefix) {
  TYrMemoryStream s;
  s.Write("PREFIX", 6);
  TIODbf3 w;
  DeclareNamePunkte(w);
  EXPECT_TRUE(w.HeaderSize() == 97 && w.RecordSize() == 29);
  w.SetLanguageDriver(TIODbf3::kLanguageDriverCp850);
  w.Begin(&s);
  w.SetLanguageDriver(0x57);
  for (const auto& [name, punkte] : {std::pair{"Meier", 1250}, {"Schulze-Oberhausen", 123456}, {"", 0}}) {
    if (name[0] != 'M') w.ClearRecord();
    w.SetField(0, name);
    w.SetNumber(1, punkte);
    w.WriteRecord();
  }
  EXPECT_EQ(w.RecordCount(), 3);
  w.Finish();
  EXPECT_EQ(std::pair(s.GetPos(), s.FirstError), std::pair(6 + 8, uint16_t{0}));  // left behind the count
  std::string header = Header(3, 97, 29);
  header[29] = TIODbf3::kLanguageDriverCp850;
  EXPECT_EQ(Text(s), "PREFIX" + header + Descriptor("NAME", 'C', 20, 0) + Descriptor("GESAMTPUNK", 'N', 8, 2) +
                         "\x0D Meier" + std::string(15, ' ') + "   12.50 Schulze-Oberhausen   1234.56 " +
                         std::string(24, ' ') + "0.00");  // no 0x1A
}

TEST(IODbf3, FieldLimits) {
  TIODbf3 many;
  for (int i = 0; i < TIODbf3::kMaxFields; ++i) ASSERT_TRUE(many.AddField("F", 'C', 1, 0)) << i;
  EXPECT_FALSE(many.AddField("EXTRA", 'C', 1, 0));
  EXPECT_TRUE(many.HeaderSize() == 33 + 32 * 129 && many.RecordSize() == 130);
  // 15 * 255 + 175 + 1 = 4001: the largest record; one byte more is refused.
  TIODbf3 w;
  for (int i = 0; i < 15; ++i) ASSERT_TRUE(w.AddField("F", 'C', 255, 0));
  EXPECT_FALSE(w.AddField("BIG", 'C', 176, 0));
  ASSERT_TRUE(w.AddField("LAST", 'C', 175, 0));
  EXPECT_FALSE(w.AddField("ONE", 'C', 1, 0));
  EXPECT_TRUE(w.AddField("ZERO", 'C', 0, 0));
  EXPECT_TRUE(w.HeaderSize() == 33 + 32 * 17 && w.RecordSize() == 4001);
  w.SetField(15, std::string(300, 'q'));  // the last field ends the buffer
  EXPECT_EQ(w.Record()[4000], 'q');
  // Records of another size than the header announces would break the file.
  TYrMemoryStream s;
  TIODbf3 late;
  DeclareNamePunkte(late);
  late.Begin(&s);
  EXPECT_FALSE(late.AddField("LATE", 'C', 5, 0));
  late.WriteRecord();
  EXPECT_EQ(s.Data().size(), 97u + 29u);
}

TEST(IODbf3, FailedWriteStaysInTheStream) {
  // Header 97 bytes, two records of 29, then the count patched at offset 4; no stream: nothing counted.
  for (int64_t limit : {-1, 0, 50, 97, 110, 155, 97 + 58 + 4}) {
    TYrMemoryStream s;
    s.FailAfter(limit);
    TIODbf3 w;
    DeclareNamePunkte(w);
    w.Begin(limit < 0 ? nullptr : &s);
    w.ClearRecord();
    w.WriteRecord();
    w.WriteRecord();
    w.Finish();
    EXPECT_EQ(w.RecordCount(), limit < 0 ? 0 : 2);
    EXPECT_EQ(s.FirstError, limit >= 0 && limit < 97 + 58 + 4 ? 101 : 0) << limit;  // the last limit is exactly enough
  }
}
