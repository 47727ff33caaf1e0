#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "ByteOrder.h"
#include "IODBF3.h"
#include "WriterTestSupport.h"
#include "YrStream.h"

using writer_test::Hex;
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
         '\0' + Zeros(20);
}

void DeclareNamePunkte(TIODbf3& w) {
  ASSERT_TRUE(w.AddField("NAME", 'C', 20, 0));
  ASSERT_TRUE(w.AddField("PUNKTE", 'N', 8, 2));
}

// Header 97 bytes, two records of 29 bytes, then the count patched at offset 4.
void WriteTwoRecords(TYrStream* s) {
  TIODbf3 w;
  DeclareNamePunkte(w);
  w.Begin(s);
  w.ClearRecord();
  w.WriteRecord();
  w.WriteRecord();
  w.Finish();
  EXPECT_EQ(w.RecordCount(), s ? 2 : 0);  // without a stream nothing is written or counted
}

}  // namespace

TEST(IODbf3, HeaderImageAfterInit) {
  TIODbf3 w;
  EXPECT_EQ(w.FieldCount(), 0);
  EXPECT_EQ(w.Record()[0], ' ');  // even before the first ClearRecord
  TYrMemoryStream s;
  w.Begin(&s);
  w.Finish();  // an empty table has count 0
  EXPECT_EQ(Text(s), Header(0, 33, 1) + "\x0D") << Hex(Text(s));
}

TEST(IODbf3, WholeFileWithTwoFieldsAndThreeRecords) {
  TYrMemoryStream s;
  TIODbf3 w;
  DeclareNamePunkte(w);
  EXPECT_EQ(w.HeaderSize(), 97);
  EXPECT_EQ(w.RecordSize(), 29);
  w.Begin(&s);
  std::string want = Header(3, 97, 29) + Descriptor("NAME", 'C', 20, 0) + Descriptor("PUNKTE", 'N', 8, 2) + "\x0D";
  ASSERT_EQ(want.size(), 97u);
  for (const auto& [name, punkte] : {std::pair{"Meier", "12,50"}, {"Schulze-Oberhausen", "1234,56"}, {"", "disq."}}) {
    w.ClearRecord();
    w.SetField(0, name);
    w.SetField(1, punkte);
    w.WriteRecord();
    want += std::string(" ") + name + Zeros(20 - strlen(name)) + punkte + Zeros(8 - strlen(punkte));
  }
  EXPECT_EQ(w.RecordCount(), 3);
  w.Finish();
  EXPECT_EQ(s.GetPos(), 8);  // left behind the count
  EXPECT_EQ(s.FirstError, 0);
  EXPECT_EQ(Text(s), want) << Hex(Text(s));  // and no 0x1A at the end
}

TEST(IODbf3, FieldNamesAreCutTo10) {
  TYrMemoryStream s;
  TIODbf3 w;
  ASSERT_TRUE(w.AddField("GESAMTPUNKTE", 'N', 8, 2));  // 12 characters
  ASSERT_TRUE(w.AddField("ABCDEFGHIJ", 'C', 1, 0));    // exactly 10
  w.Begin(&s);
  EXPECT_EQ(Text(s).substr(32, 64), Descriptor("GESAMTPUNK", 'N', 8, 2) + Descriptor("ABCDEFGHIJ", 'C', 1, 0));
}

TEST(IODbf3, FieldValues) {
  struct Case {
    const char* what;
    std::vector<std::string> sets;  // values given to field 0 in turn
    bool clearBetween;
    std::string want;  // the field's 6 bytes
  };
  const Case cases[] = {
      {"shorter value leaves zeros", {"ab"}, true, std::string("ab\0\0\0\0", 6)},
      {"longer value is cut", {"abcdefgh"}, true, "abcdef"},
      {"exact length", {"abcdef"}, true, "abcdef"},
      {"empty value", {""}, true, std::string(6, '\0')},
      {"ClearRecord wipes the previous value", {"abcdef", "xy"}, true, std::string("xy\0\0\0\0", 6)},
      {"without ClearRecord the tail stays", {"abcdef", "xy"}, false, "xycdef"},
  };
  for (const Case& c : cases) {
    TIODbf3 w;
    ASSERT_TRUE(w.AddField("A", 'C', 6, 0));
    ASSERT_TRUE(w.AddField("B", 'C', 2, 0));
    w.ClearRecord();
    w.SetField(1, "zz");
    for (const std::string& v : c.sets) {
      if (c.clearBetween) {
        w.ClearRecord();
        w.SetField(1, "zz");
      }
      w.SetField(0, v);
      for (int32_t i : {-1, 2, 128, INT32_MIN, INT32_MAX}) w.SetField(i, "qqq");  // ignored
    }
    const std::string got(reinterpret_cast<const char*>(w.Record()), 12);
    EXPECT_EQ(got, " " + c.want + "zz" + Zeros(3)) << c.what << "\n" << Hex(got);
  }
}

TEST(IODbf3, FieldLimits) {
  TIODbf3 many;
  for (int i = 0; i < TIODbf3::kMaxFields; ++i) ASSERT_TRUE(many.AddField("F", 'C', 1, 0)) << i;
  EXPECT_FALSE(many.AddField("EXTRA", 'C', 1, 0));
  EXPECT_EQ(many.FieldCount(), 129);
  EXPECT_EQ(many.HeaderSize(), 33 + 32 * 129);
  EXPECT_EQ(many.RecordSize(), 130);
  // 15 * 255 + 175 + 1 = 4001: the largest record; one byte more is refused.
  TIODbf3 w;
  for (int i = 0; i < 15; ++i) ASSERT_TRUE(w.AddField("F", 'C', 255, 0));
  EXPECT_FALSE(w.AddField("BIG", 'C', 176, 0));
  ASSERT_TRUE(w.AddField("LAST", 'C', 175, 0));
  EXPECT_EQ(w.RecordSize(), 4001);
  EXPECT_FALSE(w.AddField("ONE", 'C', 1, 0));
  EXPECT_TRUE(w.AddField("ZERO", 'C', 0, 0));
  EXPECT_EQ(w.FieldCount(), 17);
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

TEST(IODbf3, FinishPatchesTheHeaderWhereBeginFoundTheStream) {
  TYrMemoryStream s;
  s.Write("PREFIX", 6);
  TIODbf3 w;
  ASSERT_TRUE(w.AddField("A", 'C', 2, 0));
  w.Begin(&s);
  w.ClearRecord();
  w.WriteRecord();
  w.WriteRecord();
  w.Finish();
  ASSERT_EQ(s.Data().size(), 6u + 65u + 6u);
  EXPECT_EQ(Text(s).substr(0, 6), "PREFIX");
  EXPECT_EQ(le::GetI32(s.Data().data(), 6 + 4), 2);
}

TEST(IODbf3, FailedWriteStaysInTheStream) {
  WriteTwoRecords(nullptr);
  for (int64_t limit : {0, 50, 97, 110, 155, 97 + 58 + 4}) {
    TYrMemoryStream s;
    s.FailAfter(limit);
    WriteTwoRecords(&s);
    EXPECT_EQ(s.FirstError, limit < 97 + 58 + 4 ? 101 : 0) << limit;  // the last limit is exactly enough
  }
}

// Reads a file written to disk as any dBASE reader would: the header sizes
// decide where the descriptors, the terminator and the records are.
TEST(IODbf3File, ReadsBackFromDisk) {
  const std::vector<std::vector<std::string>> rows = {
      {"M\x81ller", "Hans", "1234,50", "1"},
      {"Gro\xE1mann-Schnarrenberger", "", "disq.", "12345"},  // name longer than 20
      {"", "Eva", "0,00", ""},
  };
  const std::vector<std::string> fields = {"NAME C 20 0", "VORNAME C 20 0", "GESAMTPKT N 8 2", "PLATZ N 5 0"};
  writer_test::TempFile file(".dbf");
  {
    TYrStream stream(file.Path(), stCreate);
    ASSERT_EQ(stream.ErrorInfo, 0);
    TIODbf3 w;
    for (const std::string& f : fields) {
      std::istringstream in(f);
      std::string name;
      char type;
      int length, decimals;
      in >> name >> type >> length >> decimals;
      ASSERT_TRUE(w.AddField(name, type, static_cast<uint8_t>(length), static_cast<uint8_t>(decimals)));
    }
    w.Begin(&stream);
    for (const auto& row : rows) {
      w.ClearRecord();
      for (size_t i = 0; i < row.size(); ++i) w.SetField(static_cast<int32_t>(i), row[i]);
      w.WriteRecord();
    }
    w.Finish();
    ASSERT_EQ(stream.FirstError, 0);
  }
  const std::string f = file.Read();
  ASSERT_EQ(f.size(), 33u + 4 * 32 + 3 * 54) << Hex(f);  // and no end-of-file byte
  const auto* p = reinterpret_cast<const uint8_t*>(f.data());
  EXPECT_EQ(p[0], 3);
  ASSERT_EQ(le::GetI32(p, 4), 3);
  const uint16_t headerSize = le::GetU16(p, 8), recordSize = le::GetU16(p, 10);
  ASSERT_EQ(p[headerSize - 1], 0x0D);
  std::vector<std::string> read;
  std::vector<size_t> lengths;
  for (size_t off = 32; off + 32 <= headerSize && p[off] != 0x0D; off += 32) {
    read.push_back(f.substr(off, strnlen(f.data() + off, 11)) + " " + f[off + 11] + " " + std::to_string(p[off + 16]) +
                   " " + std::to_string(p[off + 17]));
    lengths.push_back(p[off + 16]);
  }
  EXPECT_EQ(read, fields);
  for (size_t r = 0; r < rows.size(); ++r) {
    size_t pos = headerSize + r * recordSize;
    EXPECT_EQ(f[pos++], ' ');  // deletion flag
    std::vector<std::string> row;
    for (size_t length : lengths) {
      std::string v = f.substr(pos, length);
      row.push_back(v.erase(v.find_last_not_of('\0') + 1));
      pos += length;
    }
    if (r == 1) row[0] += "rger";  // the name was cut to its 20 bytes
    EXPECT_EQ(row, rows[r]);
  }
}
