#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ByteOrder.h"
#include "IODBF3.h"
#include "WriterTestSupport.h"
#include "YrStream.h"

using writer_test::Hex;

namespace {

std::vector<uint8_t> Zeros(size_t n) { return std::vector<uint8_t>(n, 0); }

void Append(std::vector<uint8_t>& out, const std::vector<uint8_t>& more) { out.insert(out.end(), more.begin(), more.end()); }
void Append(std::vector<uint8_t>& out, const std::string& more) { out.insert(out.end(), more.begin(), more.end()); }

// A field descriptor built byte by byte from the layout.
std::vector<uint8_t> Descriptor(const std::string& name, char type, uint8_t length, uint8_t decimals) {
  std::vector<uint8_t> d;
  Append(d, name);
  Append(d, Zeros(11 - name.size()));
  d.push_back(static_cast<uint8_t>(type));
  Append(d, Zeros(4));
  d.push_back(length);
  d.push_back(decimals);
  Append(d, Zeros(14));
  return d;
}

// A record: blank deletion flag, then each value padded with zero bytes.
std::vector<uint8_t> RecordBytes(const std::vector<std::pair<std::string, size_t>>& fields) {
  std::vector<uint8_t> r{' '};
  for (const auto& [value, length] : fields) {
    Append(r, value);
    Append(r, Zeros(length - value.size()));
  }
  return r;
}

void DeclareNamePunkte(TIODbf3& w) {
  ASSERT_TRUE(w.AddField("NAME", 'C', 20, 0));
  ASSERT_TRUE(w.AddField("PUNKTE", 'N', 8, 2));
}

}  // namespace

TEST(IODbf3, HeaderImageAfterInit) {
  TIODbf3 w;
  EXPECT_EQ(w.FieldCount(), 0);
  EXPECT_EQ(w.RecordCount(), 0);
  EXPECT_EQ(w.HeaderSize(), 33);
  EXPECT_EQ(w.RecordSize(), 1);
  EXPECT_EQ(w.Record()[0], ' ');  // even before the first ClearRecord
  TYrMemoryStream s;
  w.Begin(&s);
  std::vector<uint8_t> want{3, 0, 1, 1, 0, 0, 0, 0, 33, 0, 1, 0};
  Append(want, Zeros(20));
  want.push_back(0x0D);
  EXPECT_EQ(s.Data(), want) << Hex(s.Data());
}

TEST(IODbf3, WholeFileWithTwoFieldsAndThreeRecords) {
  TYrMemoryStream s;
  TIODbf3 w;
  DeclareNamePunkte(w);
  EXPECT_EQ(w.HeaderSize(), 97);
  EXPECT_EQ(w.RecordSize(), 29);
  w.Begin(&s);
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"Meier", "12,50"}, {"Schulze-Oberhausen", "1234,56"}, {"", "disq."}};
  for (const auto& [name, punkte] : rows) {
    w.ClearRecord();
    w.SetField(0, name);
    w.SetField(1, punkte);
    w.WriteRecord();
  }
  EXPECT_EQ(w.RecordCount(), 3);
  w.Finish();
  EXPECT_EQ(s.GetPos(), 8);  // left behind the count
  EXPECT_EQ(s.FirstError, 0);

  std::vector<uint8_t> want{3, 0, 1, 1, 3, 0, 0, 0, 97, 0, 29, 0};
  Append(want, Zeros(20));
  Append(want, Descriptor("NAME", 'C', 20, 0));
  Append(want, Descriptor("PUNKTE", 'N', 8, 2));
  want.push_back(0x0D);
  ASSERT_EQ(want.size(), 97u);
  for (const auto& [name, punkte] : rows) Append(want, RecordBytes({{name, 20}, {punkte, 8}}));
  EXPECT_EQ(s.Data(), want) << Hex(s.Data());  // and no 0x1A at the end
}

TEST(IODbf3, FieldNamesAreCutTo10) {
  TYrMemoryStream s;
  TIODbf3 w;
  ASSERT_TRUE(w.AddField("GESAMTPUNKTE", 'N', 8, 2));  // 12 characters
  ASSERT_TRUE(w.AddField("ABCDEFGHIJ", 'C', 1, 0));    // exactly 10
  w.Begin(&s);
  std::vector<uint8_t> d1(s.Data().begin() + 32, s.Data().begin() + 64);
  std::vector<uint8_t> d2(s.Data().begin() + 64, s.Data().begin() + 96);
  EXPECT_EQ(d1, Descriptor("GESAMTPUNK", 'N', 8, 2)) << Hex(d1);
  EXPECT_EQ(d2, Descriptor("ABCDEFGHIJ", 'C', 1, 0)) << Hex(d2);
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
    }
    const std::string got(reinterpret_cast<const char*>(w.Record()), 9);
    EXPECT_EQ(got, " " + c.want + "zz") << c.what << "\n" << Hex(got);
  }
}

TEST(IODbf3, IndicesOutsideTheFieldsAreIgnored) {
  TIODbf3 w;
  ASSERT_TRUE(w.AddField("A", 'C', 3, 0));
  w.ClearRecord();
  for (int32_t i : {-1, 1, 128, INT32_MIN, INT32_MAX}) w.SetField(i, "zzz");
  const std::vector<uint8_t> got(w.Record(), w.Record() + 8);
  EXPECT_EQ(got, (std::vector<uint8_t>{' ', 0, 0, 0, 0, 0, 0, 0}));
}

TEST(IODbf3, FieldLimits) {
  {
    TIODbf3 w;
    for (int i = 0; i < TIODbf3::kMaxFields; ++i) ASSERT_TRUE(w.AddField("F", 'C', 1, 0)) << i;
    EXPECT_FALSE(w.AddField("EXTRA", 'C', 1, 0));
    EXPECT_EQ(w.FieldCount(), 129);
    EXPECT_EQ(w.HeaderSize(), 33 + 32 * 129);
    EXPECT_EQ(w.RecordSize(), 130);
  }
  {
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
  }
}

TEST(IODbf3, NoFieldsAfterTheHeaderIsWritten) {
  TYrMemoryStream s;
  TIODbf3 w;
  DeclareNamePunkte(w);
  w.Begin(&s);
  EXPECT_FALSE(w.AddField("LATE", 'C', 5, 0));
  EXPECT_EQ(w.RecordSize(), 29);
  w.ClearRecord();
  w.WriteRecord();
  EXPECT_EQ(s.Data().size(), 97u + 29u);
}

TEST(IODbf3, EmptyTableHasCountZero) {
  TYrMemoryStream s;
  TIODbf3 w;
  DeclareNamePunkte(w);
  w.Begin(&s);
  w.Finish();
  ASSERT_EQ(s.Data().size(), 97u);
  EXPECT_EQ(le::GetI32(s.Data().data(), 4), 0);
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
  EXPECT_EQ(std::string(s.Data().begin(), s.Data().begin() + 6), "PREFIX");
  EXPECT_EQ(le::GetI32(s.Data().data(), 6 + 4), 2);
}

TEST(IODbf3, WithoutStreamNothingIsWrittenOrCounted) {
  TIODbf3 w;
  DeclareNamePunkte(w);
  w.Begin(nullptr);
  w.WriteRecord();
  w.Finish();
  EXPECT_EQ(w.RecordCount(), 0);
}

TEST(IODbf3, FailedWriteStaysInTheStream) {
  // Header 97 bytes, then two records of 29, then the count at offset 4.
  for (int64_t limit : {0, 50, 97, 110, 155}) {
    TYrMemoryStream s;
    s.FailAfter(limit);
    TIODbf3 w;
    DeclareNamePunkte(w);
    w.Begin(&s);
    w.ClearRecord();
    w.WriteRecord();
    w.WriteRecord();
    w.Finish();
    EXPECT_EQ(s.FirstError, 101) << limit;
  }
  TYrMemoryStream s;
  s.FailAfter(97 + 58 + 4);  // exactly enough
  TIODbf3 w;
  DeclareNamePunkte(w);
  w.Begin(&s);
  w.ClearRecord();
  w.WriteRecord();
  w.WriteRecord();
  w.Finish();
  EXPECT_EQ(s.FirstError, 0);
}

// --- reading a real file back by its raw bytes ------------------------------

namespace {

struct ParsedField {
  std::string name;
  char type;
  int length, decimals;
};

struct ParsedTable {
  int version = 0;
  int32_t count = 0;
  std::vector<ParsedField> fields;
  std::vector<std::vector<std::string>> rows;  // values without the zero padding
  std::vector<char> flags;
  bool trailingBytes = false;
};

// Reads a dBASE III file as any reader would: the header sizes decide where
// the descriptors, the terminator and the records are.
ParsedTable ParseDbf(const std::vector<uint8_t>& f) {
  ParsedTable t;
  if (f.size() < 32) return t;
  const uint8_t* p = f.data();
  t.version = p[0];
  t.count = le::GetI32(p, 4);
  const uint16_t headerSize = le::GetU16(p, 8);
  const uint16_t recordSize = le::GetU16(p, 10);
  for (size_t off = 32; off + 32 <= headerSize && p[off] != 0x0D; off += 32) {
    ParsedField fd;
    fd.name = std::string(reinterpret_cast<const char*>(p + off), strnlen(reinterpret_cast<const char*>(p + off), 11));
    fd.type = static_cast<char>(p[off + 11]);
    fd.length = p[off + 16];
    fd.decimals = p[off + 17];
    t.fields.push_back(fd);
  }
  if (headerSize < 1 || headerSize > f.size() || p[headerSize - 1] != 0x0D) return t;
  size_t off = headerSize;
  for (int32_t r = 0; r < t.count && off + recordSize <= f.size(); ++r, off += recordSize) {
    t.flags.push_back(static_cast<char>(p[off]));
    std::vector<std::string> row;
    size_t pos = off + 1;
    for (const ParsedField& fd : t.fields) {
      std::string v(reinterpret_cast<const char*>(p + pos), static_cast<size_t>(fd.length));
      v.erase(v.find_last_not_of('\0') + 1);
      row.push_back(v);
      pos += static_cast<size_t>(fd.length);
    }
    t.rows.push_back(row);
  }
  t.trailingBytes = off != f.size();
  return t;
}

}  // namespace

TEST(IODbf3File, ReadsBackFromDisk) {
  const std::vector<std::vector<std::string>> rows = {
      {"M\x81ller", "Hans", "1234,50", "1"},
      {"Gro\xE1mann-Schnarrenberger", "", "disq.", "12345"},  // name longer than 20
      {"", "Eva", "0,00", ""},
  };
  writer_test::TempFile file(".dbf");
  {
    TYrStream stream(file.Path(), stCreate);
    ASSERT_EQ(stream.ErrorInfo, 0);
    TIODbf3 w;
    ASSERT_TRUE(w.AddField("NAME", 'C', 20, 0));
    ASSERT_TRUE(w.AddField("VORNAME", 'C', 20, 0));
    ASSERT_TRUE(w.AddField("GESAMTPKT", 'N', 8, 2));
    ASSERT_TRUE(w.AddField("PLATZ", 'N', 5, 0));
    w.Begin(&stream);
    for (const auto& row : rows) {
      w.ClearRecord();
      for (size_t i = 0; i < row.size(); ++i) w.SetField(static_cast<int32_t>(i), row[i]);
      w.WriteRecord();
    }
    w.Finish();
    ASSERT_EQ(stream.FirstError, 0);
  }
  const std::vector<uint8_t> bytes = file.Read();
  ASSERT_EQ(bytes.size(), 33u + 4 * 32 + 3 * 54) << Hex(bytes);
  const ParsedTable t = ParseDbf(bytes);
  EXPECT_EQ(t.version, 3);
  EXPECT_EQ(t.count, 3);
  ASSERT_EQ(t.fields.size(), 4u);
  const ParsedField want[] = {{"NAME", 'C', 20, 0}, {"VORNAME", 'C', 20, 0}, {"GESAMTPKT", 'N', 8, 2}, {"PLATZ", 'N', 5, 0}};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(t.fields[i].name, want[i].name);
    EXPECT_EQ(t.fields[i].type, want[i].type);
    EXPECT_EQ(t.fields[i].length, want[i].length);
    EXPECT_EQ(t.fields[i].decimals, want[i].decimals);
  }
  ASSERT_EQ(t.rows.size(), 3u);
  EXPECT_EQ(t.rows[0], rows[0]);
  EXPECT_EQ(t.rows[1], (std::vector<std::string>{"Gro\xE1mann-Schnarrenbe", "", "disq.", "12345"}));
  EXPECT_EQ(t.rows[2], rows[2]);
  EXPECT_EQ(t.flags, (std::vector<char>{' ', ' ', ' '}));
  EXPECT_FALSE(t.trailingBytes);  // no end-of-file byte
}
