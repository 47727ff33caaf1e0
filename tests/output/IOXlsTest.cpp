#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IOXLS.h"
#include "ShortString.h"
#include "WriterTestSupport.h"
#include "YrStream.h"

using writer_test::Hex;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

Bytes Str(const std::string& s) { return Bytes(s.begin(), s.end()); }

const Bytes kEof = {0x0A, 0x00, 0x00, 0x00};

// BOF and DIMENSIONS as each version writes them.
Bytes Prologue(int version) {
  switch (version) {
    case 2:
      return {0x09, 0x00, 0x04, 0x00, 0x00, 0x00, 0x10, 0x00,
              0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00, 0x64, 0x00};
    case 3:
    case 4:
    case 5: {
      const uint8_t hi = version == 3 ? 0x02 : version == 4 ? 0x04 : 0x08;
      return {0x09, hi,   0x06, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x00, 0x02, 0x0A, 0x00,
              0x00, 0x00, 0x64, 0x00, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00};
    }
  }
  return {};
}

}  // namespace

TEST(IOXls, VersionThreeWithOneLabel) {
  TYrMemoryStream s;
  {
    TIOXls w(&s, 3);
    ASSERT_TRUE(w.Valid());
    w.WriteLabel(0, 0, "Name");
  }
  const Bytes want = Cat({{0x09, 0x02, 0x06, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00},
                          {0x00, 0x02, 0x0A, 0x00, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00},
                          {0x04, 0x00, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04},
                          Str("Name"),
                          {0x0A, 0x00, 0x00, 0x00}});
  EXPECT_EQ(s.Data(), want) << Hex(s.Data());
}

TEST(IOXls, BofAndDimensionsOfEveryVersion) {
  for (int version : {2, 3, 4, 5}) {
    TYrMemoryStream s;
    { TIOXls w(&s, version); }
    EXPECT_EQ(s.Data(), Cat({Prologue(version), kEof})) << version << "\n" << Hex(s.Data());
  }
}

TEST(IOXls, OtherVersionsAreRefusedAndWriteNothing) {
  for (int version : {-1, 0, 1, 6, 8, 80}) {
    TYrMemoryStream s;
    {
      TIOXls w(&s, version);
      EXPECT_FALSE(w.Valid()) << version;
      w.WriteLabel(0, 0, "x");
      w.WriteBlank(1, 1);
    }
    EXPECT_TRUE(s.Data().empty()) << version << "\n" << Hex(s.Data());
  }
}

TEST(IOXls, CellRecords) {
  struct Case {
    const char* what;
    uint16_t type;
    Bytes value;  // what `data` points to
    Bytes want;   // the record after row 0x0102, column 0x0003 and attributes
    uint16_t id, length;
  };
  const Case cases[] = {
      {"blank", TIOXls::kBlank, {}, {}, 0x0001, 7},
      {"integer", TIOXls::kInteger, {0x34, 0x12}, {0x34, 0x12}, 0x0002, 9},
      {"boolean true", TIOXls::kBoolErr, {0x07}, {0x01, 0x00}, 0x0005, 9},
      {"boolean false", TIOXls::kBoolErr, {0x00}, {0x00, 0x00}, 0x0005, 9},
      {"label", TIOXls::kLabel, {3, 'a', 'b', 'c'}, {3, 'a', 'b', 'c'}, 0x0004, 11},
      {"empty label", TIOXls::kLabel, {0}, {0}, 0x0004, 8},
  };
  for (const Case& c : cases) {
    TYrMemoryStream s;
    TIOXls w(&s, 4);
    const size_t start = s.Data().size();
    w.WriteCell(c.type, 0x0102, 0x0003, c.value.empty() ? nullptr : c.value.data());
    const Bytes got(s.Data().begin() + static_cast<long>(start), s.Data().end());
    const Bytes want = Cat({{static_cast<uint8_t>(c.id), static_cast<uint8_t>(c.id >> 8),
                             static_cast<uint8_t>(c.length), static_cast<uint8_t>(c.length >> 8),
                             0x02, 0x01, 0x03, 0x00, 0x00, 0x00, 0x00},
                            c.want});
    EXPECT_EQ(got, want) << c.what << "\n" << Hex(got);
    EXPECT_EQ(want.size(), 4u + c.length) << c.what;
  }
}

TEST(IOXls, NumberIsALittleEndianDouble) {
  TYrMemoryStream s;
  TIOXls w(&s, 2);
  const size_t start = s.Data().size();
  w.WriteNumber(1, 2, 1.5);
  w.WriteNumber(0, 0, -2.0);
  const Bytes got(s.Data().begin() + static_cast<long>(start), s.Data().end());
  const Bytes want = {0x03, 0x00, 0x0F, 0x00, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00,
                      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF8, 0x3F,
                      0x03, 0x00, 0x0F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0};
  EXPECT_EQ(got, want) << Hex(got);
}

TEST(IOXls, TypedFormsMatchWriteCell) {
  TYrMemoryStream typed, raw;
  {
    TIOXls w(&typed, 3);
    w.WriteBlank(1, 2);
    w.WriteInteger(3, 4, 65535);
    w.WriteNumber(5, 6, 0.25);
    w.WriteLabel(7, 8, "Sch\x81tze");
    w.WriteBool(9, 10, true);
  }
  {
    TIOXls w(&raw, 3);
    const uint16_t i = 65535;
    const double d = 0.25;
    const ShortString<255> label("Sch\x81tze");
    const uint8_t b = 1;
    w.WriteCell(TIOXls::kBlank, 1, 2, nullptr);
    w.WriteCell(TIOXls::kInteger, 3, 4, &i);
    w.WriteCell(TIOXls::kNumber, 5, 6, &d);
    w.WriteCell(TIOXls::kLabel, 7, 8, label.Raw().data());
    w.WriteCell(TIOXls::kBoolErr, 9, 10, &b);
  }
  EXPECT_EQ(typed.Data(), raw.Data());
  EXPECT_EQ(typed.Data().size(), 24u + (4 + 7) + (4 + 9) + (4 + 15) + (4 + 8 + 7) + (4 + 9) + 4);
}

TEST(IOXls, LongestLabel) {
  TYrMemoryStream s;
  TIOXls w(&s, 3);
  const size_t start = s.Data().size();
  w.WriteLabel(0, 0, std::string(300, 'L'));  // cut to 255
  const Bytes got(s.Data().begin() + static_cast<long>(start), s.Data().end());
  ASSERT_EQ(got.size(), 4u + 263u);
  EXPECT_EQ(got[2] | (got[3] << 8), 263);
  EXPECT_EQ(got[11], 255);
  EXPECT_EQ(got.back(), 'L');
}

TEST(IOXls, UnknownTypeOrMissingValueWritesNothing) {
  TYrMemoryStream s;
  TIOXls w(&s, 3);
  const size_t start = s.Data().size();
  const uint8_t value[16] = {1, 'x'};
  for (uint16_t type : {0, 3, 5, 32, 0xFFFF}) w.WriteCell(type, 0, 0, value);
  for (uint16_t type : {TIOXls::kInteger, TIOXls::kNumber, TIOXls::kLabel, TIOXls::kBoolErr})
    w.WriteCell(type, 0, 0, nullptr);
  EXPECT_EQ(s.Data().size(), start);
}

TEST(IOXls, FailedWriteStaysInTheStream) {
  // 24 bytes of prologue, a label record of 4 + 11, then EOF.
  for (int64_t limit : {0, 10, 24, 30, 39}) {
    TYrMemoryStream s;
    s.FailAfter(limit);
    {
      TIOXls w(&s, 3);
      w.WriteLabel(0, 0, "abc");
    }
    EXPECT_EQ(s.FirstError, 101) << limit;
  }
  TYrMemoryStream s;
  s.FailAfter(43);
  {
    TIOXls w(&s, 3);
    w.WriteLabel(0, 0, "abc");
  }
  EXPECT_EQ(s.FirstError, 0);
}

// --- reading real files back with python3-xlrd ------------------------------

namespace {

// Prints the BIFF version xlrd recognised, then every non-empty cell as
// "row col type value" (texts as hex of their code-page bytes).
const char* kXlrdScript = R"PY(
import os, sys, xlrd
book = xlrd.open_workbook(sys.argv[1], encoding_override='latin-1', logfile=open(os.devnull, 'w'))
print('biff', book.biff_version)
sheet = book.sheet_by_index(0)
for r in range(sheet.nrows):
    for c in range(sheet.ncols):
        cell = sheet.cell(r, c)
        if cell.ctype == xlrd.XL_CELL_EMPTY:
            continue
        if cell.ctype == xlrd.XL_CELL_TEXT:
            v = cell.value.encode('latin-1').hex() or '-'
        else:
            v = repr(cell.value)
        print(r, c, cell.ctype, v)
)PY";

std::string HexOf(const std::string& s) {
  std::string out;
  char buf[3];
  for (char c : s) {
    std::snprintf(buf, sizeof buf, "%02x", static_cast<unsigned char>(c));
    out += buf;
  }
  return out;
}

}  // namespace

TEST(IOXlsFile, XlrdReadsEveryVersion) {
  const std::string longText(255, 'W');
  for (int version : {2, 3, 4, 5}) {
    writer_test::TempFile file(".xls");
    {
      TYrStream stream(file.Path(), stCreate);
      ASSERT_EQ(stream.ErrorInfo, 0);
      {
        TIOXls w(&stream, version);
        w.WriteLabel(0, 0, "NAME");
        w.WriteLabel(0, 1, "GESAMTPKT");
        w.WriteLabel(1, 0, "M\x81ller \"Hansi\"");
        w.WriteLabel(1, 1, "1234,50");
        w.WriteLabel(2, 0, longText);
        w.WriteNumber(2, 1, 12.5);
        w.WriteInteger(3, 0, 42);
        w.WriteBool(3, 1, true);
        w.WriteBlank(4, 0);
        w.WriteLabel(150, 2, "row beyond the dimensions");
      }
      ASSERT_EQ(stream.FirstError, 0);
    }
    const writer_test::ProcessResult r = writer_test::RunPython(kXlrdScript, {file.Path()});
    ASSERT_EQ(r.exitCode, 0) << version << ": " << r.output;
    const std::vector<std::string> want = {
        // A version-5 BOF whose version field is 0 is taken for BIFF2.
        "biff " + std::to_string(version == 5 ? 20 : version * 10),
        "0 0 1 " + HexOf("NAME"),
        "0 1 1 " + HexOf("GESAMTPKT"),
        "1 0 1 " + HexOf("M\x81ller \"Hansi\""),
        "1 1 1 " + HexOf("1234,50"),
        "2 0 1 " + HexOf(longText),
        "2 1 2 12.5",
        "3 0 2 42.0",
        "3 1 4 1",
        "150 2 1 " + HexOf("row beyond the dimensions"),
    };
    EXPECT_EQ(writer_test::Lines(r.output), want) << version << "\n" << r.output;
  }
}
