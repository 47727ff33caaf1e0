#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IOXLS.h"
#include "ShortString.h"
#include "WriterTestSupport.h"
#include "YrStream.h"

using writer_test::Hex;
using writer_test::Text;

namespace {

std::string B(std::initializer_list<int> bytes) { return std::string(bytes.begin(), bytes.end()); }

const std::string kEof = B({0x0A, 0x00, 0x00, 0x00});

// BOF and DIMENSIONS as each version writes them.
std::string Prologue(int version) {
  if (version == 2) return B({0x09, 0x00, 0x04, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00,
                              0x64, 0x00, 0x00, 0x00, 0x64, 0x00});
  const char hi = version == 3 ? 0x02 : version == 4 ? 0x04 : 0x08;
  return B({0x09, hi, 0x06, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x00, 0x02, 0x0A, 0x00, 0x00, 0x00, 0x64, 0x00,
            0x00, 0x00, 0x64, 0x00, 0x00, 0x00});
}

// What a writer of `version` puts out for the cells `write` writes, without prologue and EOF.
template <class Fn>
std::string Cells(int version, Fn write) {
  TYrMemoryStream s;
  TIOXls w(&s, version);
  const size_t start = s.Data().size();
  write(w);
  return Text(s).substr(start);
}

}  // namespace

TEST(IOXls, VersionThreeWithOneLabel) {
  TYrMemoryStream s;
  {
    TIOXls w(&s, 3);
    ASSERT_TRUE(w.Valid());
    w.WriteLabel(0, 0, "Name");
  }
  const std::string want = B({0x09, 0x02, 0x06, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00}) +
                           B({0x00, 0x02, 0x0A, 0x00, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00}) +
                           B({0x04, 0x00, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04}) + "Name" +
                           B({0x0A, 0x00, 0x00, 0x00});
  EXPECT_EQ(Text(s), want) << Hex(Text(s));
}

TEST(IOXls, BofAndDimensionsOfEveryVersionAndNothingForOthers) {
  for (int version : {-1, 0, 1, 2, 3, 4, 5, 6, 8, 80}) {
    const bool valid = version >= 2 && version <= 5;
    TYrMemoryStream s;
    {
      TIOXls w(&s, version);
      EXPECT_EQ(w.Valid(), valid) << version;
      if (!valid) {
        w.WriteLabel(0, 0, "x");
        w.WriteBlank(1, 1);
      }
    }
    EXPECT_EQ(Text(s), valid ? Prologue(version) + kEof : "") << version << "\n" << Hex(Text(s));
  }
}

TEST(IOXls, CellRecords) {
  struct Case {
    const char* what;
    uint16_t type;
    std::string value;  // what `data` points to
    std::string want;   // the record after row 0x0102, column 0x0003 and attributes
    uint16_t id, length;
  };
  const Case cases[] = {
      {"blank", TIOXls::kBlank, "", "", 0x0001, 7},
      {"integer", TIOXls::kInteger, "\x34\x12", "\x34\x12", 0x0002, 9},
      {"boolean true", TIOXls::kBoolErr, "\x07", B({1, 0}), 0x0005, 9},
      {"boolean false", TIOXls::kBoolErr, B({0}), B({0, 0}), 0x0005, 9},
      {"label", TIOXls::kLabel, "\x03" "abc", "\x03" "abc", 0x0004, 11},
      {"empty label", TIOXls::kLabel, B({0}), B({0}), 0x0004, 8},
      {"number", TIOXls::kNumber, B({0, 0, 0, 0, 0, 0, 0xF8, 0x3F}), B({0, 0, 0, 0, 0, 0, 0xF8, 0x3F}), 0x0003, 15},
  };
  for (const Case& c : cases) {
    const std::string got = Cells(4, [&](TIOXls& w) {
      w.WriteCell(c.type, 0x0102, 0x0003, c.value.empty() ? nullptr : c.value.data());
    });
    const std::string want =
        B({c.id & 0xFF, c.id >> 8, c.length & 0xFF, c.length >> 8, 0x02, 0x01, 0x03, 0x00, 0x00, 0x00, 0x00}) + c.want;
    EXPECT_EQ(got, want) << c.what << "\n" << Hex(got);
    EXPECT_EQ(want.size(), 4u + c.length) << c.what;
  }
  // Any other type, or a missing value, writes nothing.
  const uint8_t value[16] = {1, 'x'};
  EXPECT_EQ(Cells(3, [&](TIOXls& w) {
              for (uint16_t type : {0, 3, 5, 32, 0xFFFF}) w.WriteCell(type, 0, 0, value);
              for (uint16_t type : {TIOXls::kInteger, TIOXls::kNumber, TIOXls::kLabel, TIOXls::kBoolErr})
                w.WriteCell(type, 0, 0, nullptr);
            }),
            "");
}

TEST(IOXls, TypedFormsMatchWriteCell) {
  const std::string typed = Cells(2, [](TIOXls& w) {
    w.WriteBlank(1, 2);
    w.WriteInteger(3, 4, 65535);
    w.WriteNumber(5, 6, -2.0);
    w.WriteLabel(7, 8, "Sch\x81tze");
    w.WriteBool(9, 10, true);
  });
  const std::string raw = Cells(2, [](TIOXls& w) {
    const uint16_t i = 65535;
    const double d = -2.0;
    const ShortString<255> label("Sch\x81tze");
    const uint8_t b = 1;
    w.WriteCell(TIOXls::kBlank, 1, 2, nullptr);
    w.WriteCell(TIOXls::kInteger, 3, 4, &i);
    w.WriteCell(TIOXls::kNumber, 5, 6, &d);
    w.WriteCell(TIOXls::kLabel, 7, 8, label.Raw().data());
    w.WriteCell(TIOXls::kBoolErr, 9, 10, &b);
  });
  EXPECT_EQ(typed, raw);
  ASSERT_EQ(typed.size(), (4 + 7) + (4 + 9) + (4 + 15) + (4 + 8 + 7) + (4 + 9u));
  // The number record: a little-endian double.
  EXPECT_EQ(typed.substr(24, 19), B({3, 0, 15, 0, 5, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xC0})) << Hex(typed);
  // The longest label: cut to 255, record length 263.
  const std::string label = Cells(3, [](TIOXls& w) { w.WriteLabel(0, 0, std::string(300, 'L')); });
  EXPECT_EQ(label, B({4, 0, 0x07, 0x01, 0, 0, 0, 0, 0, 0, 0, 255}) + std::string(255, 'L'));
}

TEST(IOXls, FailedWriteStaysInTheStream) {
  // 24 bytes of prologue, a label record of 4 + 11, then EOF: 43 bytes.
  for (int64_t limit : {0, 10, 24, 30, 39, 43}) {
    TYrMemoryStream s;
    s.FailAfter(limit);
    {
      TIOXls w(&s, 3);
      w.WriteLabel(0, 0, "abc");
    }
    EXPECT_EQ(s.FirstError, limit < 43 ? 101 : 0) << limit;
  }
}

// python3-xlrd reads the file of every version back; the script prints the
// BIFF version it recognised, then every non-empty cell as "row col type
// value" (texts as hex of their code-page bytes).
TEST(IOXlsFile, XlrdReadsEveryVersion) {
  const char* script = R"PY(
import os, sys, xlrd
book = xlrd.open_workbook(sys.argv[1], encoding_override='latin-1', logfile=open(os.devnull, 'w'))
print('biff', book.biff_version)
sheet = book.sheet_by_index(0)
for r in range(sheet.nrows):
    for c in range(sheet.ncols):
        cell = sheet.cell(r, c)
        if cell.ctype == xlrd.XL_CELL_TEXT:
            print(r, c, cell.ctype, cell.value.encode('latin-1').hex() or '-')
        elif cell.ctype != xlrd.XL_CELL_EMPTY:
            print(r, c, cell.ctype, repr(cell.value))
)PY";
  const std::vector<std::pair<int, std::string>> labels = {  // row * 256 + column, text
      {0, "NAME"}, {1, "GESAMTPKT"}, {256, "M\x81ller \"Hansi\""}, {257, "1234,50"}, {512, std::string(255, 'W')},
      {150 * 256 + 2, "row beyond the dimensions"}};
  for (int version : {2, 3, 4, 5}) {
    writer_test::TempFile file(".xls");
    {
      TYrStream stream(file.Path(), stCreate);
      ASSERT_EQ(stream.ErrorInfo, 0);
      {
        TIOXls w(&stream, version);
        for (const auto& [at, text] : labels) w.WriteLabel(static_cast<uint16_t>(at / 256), at % 256, text);
        w.WriteNumber(2, 1, 12.5);
        w.WriteInteger(3, 0, 42);
        w.WriteBool(3, 1, true);
        w.WriteBlank(4, 0);
      }
      ASSERT_EQ(stream.FirstError, 0);
    }
    const writer_test::ProcessResult r = writer_test::RunPython(script, {file.Path()});
    ASSERT_EQ(r.exitCode, 0) << version << ": " << r.output;
    // A version-5 BOF whose version field is 0 is taken for BIFF2.
    std::vector<std::string> want = {"biff " + std::to_string(version == 5 ? 20 : version * 10)};
    for (const auto& [at, text] : labels)
      want.push_back(std::to_string(at / 256) + " " + std::to_string(at % 256) + " 1 " + Hex(text, ""));
    want.insert(want.begin() + 6, {"2 1 2 12.5", "3 0 2 42.0", "3 1 4 1"});
    EXPECT_EQ(writer_test::Lines(r.output), want) << version << "\n" << r.output;
  }
}
