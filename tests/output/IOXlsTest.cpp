#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IOXLS.h"
#include "WriterTestSupport.h"

using writer_test::Text;

namespace {

std::string B(std::initializer_list<int> bytes) { return std::string(bytes.begin(), bytes.end()); }

// What a writer of `version` puts out for the cells `write` writes, without prologue and EOF.
template <class Fn> std::string Cells(int version, Fn write) {
  TYrMemoryStream s;
  TIOXls w(&s, version);
  const size_t start = s.Data().size();
  write(w);
  return Text(s).substr(start);
}

}  // namespace

TEST(IOXls, WholeFileOfEveryVersionAndNothingForOthers) {
  for (int version : {-1, 0, 1, 2, 3, 4, 5, 6, 8, 80}) {
    TYrMemoryStream s;
    {
      TIOXls w(&s, version);
      w.WriteLabel(0, 0, "Name");
      w.WriteBlank(1, 1);
    }
    // BOF and DIMENSIONS, the two cells, EOF.
    const std::string cells =
        B({4, 0, 0x0C, 0, 0, 0, 0, 0, 0, 0, 0, 4}) + "Name" + B({1, 0, 7, 0, 1, 0, 1, 0, 0, 0, 0, 0x0A, 0, 0, 0});
    std::string want;
    if (version == 2) want = B({9, 0, 4, 0, 0, 0, 0x10, 0, 0, 0, 8, 0, 0, 0, 0x64, 0, 0, 0, 0x64, 0}) + cells;
    if (version >= 3 && version <= 5)
      want = B({9, version == 3 ? 2 : version == 4 ? 4 : 8, 6, 0, 0, 0, 0x10, 0, 0, 0, 0, 2, 0x0A, 0, 0, 0, 0x64, 0, 0,
                0, 0x64, 0, 0, 0}) + cells;
    EXPECT_EQ(Text(s), want) << version;
  }
}

TEST(IOXls, CellRecords) {
  // The value `data` points to, the record after row 0x0102, column 0x0003 and attributes, record id and length.
  struct Case { uint16_t type; std::string value, want; uint16_t id, length; };
  const std::string one = B({0, 0, 0, 0, 0, 0, 0xF8, 0x3F});
  for (const Case& c : {Case{TIOXls::kBlank, "", "", 1, 7}, Case{TIOXls::kInteger, "\x34\x12", "\x34\x12", 2, 9},
                        Case{TIOXls::kBoolErr, "\x07", B({1, 0}), 5, 9},
                        Case{TIOXls::kBoolErr, B({0}), B({0, 0}), 5, 9},
                        Case{TIOXls::kLabel, "\x03" "abc", "\x03" "abc", 4, 11},
                        Case{TIOXls::kLabel, B({0}), B({0}), 4, 8},
                        Case{TIOXls::kNumber, one, one, 3, 15}}) {
    const std::string got =
        Cells(4, [&](TIOXls& w) { w.WriteCell(c.type, 0x0102, 0x0003, c.value.empty() ? nullptr : c.value.data()); });
    EXPECT_EQ(got, B({c.id, 0, c.length, 0, 0x02, 0x01, 0x03, 0, 0, 0, 0}) + c.want) << c.type;
    EXPECT_EQ(got.size(), 4u + c.length) << c.type;
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

TEST(IOXls, TypedForms) {
  // A little-endian double, a Boolean as 0 or 1, an unsigned 16-bit integer; labels are cut to 255 (length 263).
  EXPECT_EQ(Cells(2, [](TIOXls& w) {
              w.WriteNumber(5, 6, -2.0);
              w.WriteBool(9, 10, false);
              w.WriteInteger(3, 4, 65535);
            }),
            B({3, 0, 15, 0, 5, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xC0}) +
                B({5, 0, 9, 0, 9, 0, 10, 0, 0, 0, 0, 0, 0}) + B({2, 0, 9, 0, 3, 0, 4, 0, 0, 0, 0, 0xFF, 0xFF}));
  EXPECT_EQ(Cells(3, [](TIOXls& w) { w.WriteLabel(0, 0, std::string(300, 'L')); }),
            B({4, 0, 0x07, 0x01, 0, 0, 0, 0, 0, 0, 0, 255}) + std::string(255, 'L'));
}

TEST(IOXls, FailedWriteStaysInTheStream) {
  // 24 bytes of prologue, a label record of 4 + 11, then EOF: 43 bytes.
  for (int64_t limit : {0, 10, 24, 30, 39, 43}) {
    TYrMemoryStream s;
    s.FailAfter(limit);
    TIOXls(&s, 3).WriteLabel(0, 0, "abc");
    EXPECT_EQ(s.FirstError, limit < 43 ? 101 : 0) << limit;
  }
}

// python3-xlrd reads the file of every version back; the script prints the
// BIFF version it recognised, then every non-empty cell as "row col type
// value" (texts as their code-page bytes).
TEST(IOXlsFile, XlrdReadsEveryVersion) {
  const char* script = R"PY(
import os, sys, xlrd
book = xlrd.open_workbook(sys.argv[1], encoding_override='latin-1', logfile=open(os.devnull, 'w'))
print('biff', book.biff_version, flush=True)
sheet = book.sheet_by_index(0)
for r in range(sheet.nrows):
    for c in range(sheet.ncols):
        cell = sheet.cell(r, c)
        value = cell.value.encode('latin-1') if cell.ctype == xlrd.XL_CELL_TEXT else repr(cell.value).encode()
        if cell.ctype != xlrd.XL_CELL_EMPTY:
            sys.stdout.buffer.write(f'{r} {c} {cell.ctype} '.encode() + value + b'\n')
)PY";
  const std::vector<std::pair<int, std::string>> labels = {  // row * 256 + column, text
      {0, "NAME"}, {1, "GESAMTPKT"}, {256, "M\x81ller \"Hansi\""}, {257, "1234,50"}, {512, std::string(255, 'W')},
      {150 * 256 + 2, "row beyond the dimensions"}};
  for (int version : {2, 3, 4, 5}) {
    writer_test::TempFile file(".xls");
    file.Write([&](TYrStream& stream) {
      TIOXls w(&stream, version);
      for (const auto& [at, text] : labels) w.WriteLabel(static_cast<uint16_t>(at / 256), at % 256, text);
      w.WriteNumber(2, 1, 12.5);
      w.WriteInteger(3, 0, 42);
      w.WriteBool(3, 1, true);
      w.WriteBlank(4, 0);
    });
    const writer_test::ProcessResult r = writer_test::RunPython(script, {file.Path()});
    ASSERT_EQ(r.exitCode, 0) << version << ": " << r.output;
    // A version-5 BOF whose version field is 0 is taken for BIFF2.
    std::vector<std::string> want = {"biff " + std::to_string(version == 5 ? 20 : version * 10)};
    for (const auto& [at, text] : labels)
      want.push_back(std::to_string(at / 256) + " " + std::to_string(at % 256) + " 1 " + text);
    want.insert(want.begin() + 6, {"2 1 2 12.5", "3 0 2 42.0", "3 1 4 1"});
    EXPECT_EQ(writer_test::Lines(r.output), want) << version;
  }
}

// A code page given to the writer is announced in a CODEPAGE record between
// BOF and DIMENSIONS; xlrd then decodes the labels with it.
TEST(IOXls, CodePageRecordBehindTheBof) {
  TYrMemoryStream s;
  { TIOXls(&s, 3, 850).WriteLabel(0, 0, "M\x81"); }
  EXPECT_EQ(Text(s), B({9, 2, 6, 0, 0, 0, 0x10, 0, 0, 0}) + B({0x42, 0, 2, 0, 0x52, 0x03}) +
                         B({0, 2, 0x0A, 0, 0, 0, 0x64, 0, 0, 0, 0x64, 0, 0, 0}) +
                         B({4, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 2, 'M', 0x81}) + B({0x0A, 0, 0, 0}));
  writer_test::TempFile file(".xls");
  file.Write([](TYrStream& stream) { TIOXls(&stream, 3, 850).WriteLabel(0, 0, "M\x81ller Gr\x94\xE1" "e"); });
  const writer_test::ProcessResult r = writer_test::RunPython(R"PY(
import os, sys, xlrd
book = xlrd.open_workbook(sys.argv[1], logfile=open(os.devnull, 'w'))
sys.stdout.buffer.write((book.encoding + ' ' + book.sheet_by_index(0).cell_value(0, 0)).encode())
)PY", {file.Path()});
  EXPECT_EQ(r.output, "cp850 Müller Größe");
}
