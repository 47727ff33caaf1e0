#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "IOTXT.h"
#include "WriterTestSupport.h"
#include "YrStream.h"

using writer_test::Hex;
using writer_test::Text;

namespace {

// A writer with the given column widths, attached to `stream`.
void Declare(TIOTxt& w, TYrStream& stream, const std::vector<uint8_t>& widths) {
  for (size_t i = 0; i < widths.size(); ++i) ASSERT_TRUE(w.AddColumn("C" + std::to_string(i), widths[i]));
  w.SetStream(&stream);
}

}  // namespace

TEST(IOTxt, RecordBytes) {
  struct Case {
    const char* what;
    std::vector<std::string> values;
    char separator, quote;  // 0: the writer's default
    bool quoting;
    std::string want;
    uint8_t width = 40;
  };
  const Case cases[] = {
      {"defaults: ';', no quoting, empty last", {"a", "b", ""}, 0, 0, false, "a;b;\n\r"},
      {"quoted, empty quoted too", {"a", "b", ""}, ';', '"', true, "\"a\";\"b\";\"\"\n\r"},
      {"default quote, doubled inside", {"say \"hi\"", "x"}, ';', 0, true, "\"say \"\"hi\"\"\";\"x\"\n\r"},
      {"only quote", {"\""}, ';', '"', true, "\"\"\"\"\n\r"},
      {"other quote character", {"it's", "\"x\""}, ',', '\'', true, "'it''s','\"x\"'\n\r"},
      {"unquoted quote kept single", {"a\"b", "c"}, ';', '"', false, "a\"b;c\n\r"},
      {"separator inside quoted value", {"a;b", "c"}, ';', '"', true, "\"a;b\";\"c\"\n\r"},
      {"tab separator", {"1", "2", "3"}, '\t', '"', false, "1\t2\t3\n\r"},
      {"one column, no separator", {"solo"}, ';', '"', false, "solo\n\r"},
      {"all empty", {"", "", ""}, ';', '"', false, ";;\n\r"},
      {"DOS code-page bytes copied", {"M\x81ller", "Gr\xE1\xE1"}, ';', '"', true, "\"M\x81ller\";\"Gr\xE1\xE1\"\n\r"},
      {"cut to the width", {"abcdef", "ab"}, ';', '"', false, "abc;ab\n\r", 3},
      {"width 0 writes nothing", {"anything", "x"}, ';', '"', false, ";\n\r", 0},
      // The width limits the value's characters; the doubled quote belongs to the quoting.
      {"cut before quote doubling", {"a\"bc"}, ';', '"', true, "\"a\"\"b\"\n\r", 3},
  };
  for (const Case& c : cases) {
    TYrMemoryStream s;
    TIOTxt w;
    Declare(w, s, std::vector<uint8_t>(c.values.size(), c.width));
    if (c.separator) w.Separator = c.separator;
    if (c.quote) w.Quote = c.quote;
    if (c.quoting) w.QuoteFields = true;  // off by default
    for (size_t i = 0; i < c.values.size(); ++i) w.SetValue(static_cast<int32_t>(i), c.values[i]);
    w.WriteRecord();
    EXPECT_EQ(Text(s), c.want) << c.what << "\n" << Hex(Text(s));
    EXPECT_EQ(s.FirstError, 0) << c.what;
  }
  TIOTxt w;
  ASSERT_TRUE(w.AddColumn("X", 255));
  w.SetValue(0, std::string(300, 'x'));
  EXPECT_EQ(w.Value(0), std::string(255, 'x'));
}

TEST(IOTxt, ValuesRepeatUntilSetAndOutsideIndicesAreIgnored) {
  TYrMemoryStream s;
  TIOTxt w;
  Declare(w, s, {10, 10});
  w.SetValue(0, "one");
  w.SetValue(1, "keep");
  w.WriteRecord();
  w.SetValue(0, "two");
  for (int32_t i : {-1, 2, 129, INT32_MIN, INT32_MAX}) w.SetValue(i, "zzz");
  w.WriteRecord();
  w.SetValue(1, "");
  w.WriteRecord();
  EXPECT_EQ(Text(s), "one;keep\n\rtwo;keep\n\rtwo;\n\r");
  EXPECT_EQ(w.ColumnName(2), "");
  EXPECT_EQ(w.ColumnWidth(-1), 0);
}

TEST(IOTxt, ColumnNamesAreCutTo30AndThe130thColumnIsRefused) {
  TYrMemoryStream s;
  TIOTxt w;
  EXPECT_EQ(w.Stream, nullptr);
  w.WriteRecord();  // no columns and no stream: nothing happens
  ASSERT_TRUE(w.AddColumn(std::string(45, 'N'), 8));
  ASSERT_TRUE(w.AddColumn("GESAMTPKT", 7));
  EXPECT_EQ(w.ColumnName(0), std::string(30, 'N'));
  EXPECT_EQ(w.ColumnName(1), "GESAMTPKT");
  EXPECT_EQ(w.ColumnWidth(1), 7);
  for (int i = 2; i < TIOTxt::kMaxColumns; ++i) ASSERT_TRUE(w.AddColumn("C", 1)) << i;
  EXPECT_FALSE(w.AddColumn("EXTRA", 1));
  EXPECT_EQ(w.ColumnCount(), 129);
  w.SetStream(&s);
  w.WriteRecord();
  EXPECT_EQ(s.Data().size(), 128u + 2u);  // 128 separators and the record end
}

TEST(IOTxt, RecordLongerThanOneStreamWrite) {
  // 129 columns of 255 quote characters, quoted: 129 * 512 bytes of values,
  // more than one write of the stream can carry.
  TYrMemoryStream s;
  TIOTxt w;
  Declare(w, s, std::vector<uint8_t>(TIOTxt::kMaxColumns, 255));
  w.QuoteFields = true;
  for (int i = 0; i < TIOTxt::kMaxColumns; ++i) w.SetValue(i, std::string(255, '"'));
  w.WriteRecord();
  EXPECT_EQ(s.FirstError, 0);
  std::string want;
  for (int i = 0; i < TIOTxt::kMaxColumns; ++i) want += (i ? ";\"" : "\"") + std::string(510, '"') + "\"";
  want += "\n\r";
  ASSERT_GT(want.size(), 0xFFFFu);
  EXPECT_TRUE(Text(s) == want) << "size " << s.Data().size() << " want " << want.size();
}

TEST(IOTxt, FailedWriteStaysInTheStream) {
  for (int64_t limit : {0, 1, 5, 9}) {
    TYrMemoryStream s;
    s.FailAfter(limit);
    TIOTxt w;
    Declare(w, s, {10, 10});
    w.SetValue(0, "abc");
    w.SetValue(1, "def");
    w.WriteRecord();  // 9 bytes
    w.WriteRecord();
    EXPECT_EQ(s.FirstError, 101) << limit;
    EXPECT_EQ(s.Data().size(), static_cast<size_t>(limit)) << limit;
  }
}

// Python's csv module (strict, so a badly quoted field is an error, not a
// guess) reads the file back; it prints every non-empty row as hex fields
// ("-" for an empty one). The records end with LF CR, which a reader sees as
// a row and an empty line.
TEST(IOTxtCsv, PythonCsvReadsTheFileBack) {
  const char* script = R"PY(
import csv, io, sys
data = open(sys.argv[1], 'rb').read().decode('latin-1')
reader = csv.reader(io.StringIO(data, newline=''), delimiter=chr(int(sys.argv[2], 16)),
                    quotechar=chr(int(sys.argv[3], 16)), doublequote=True, strict=True)
for row in reader:
    if row:
        print(' '.join(f.encode('latin-1').hex() or '-' for f in row))
)PY";
  using Rows = std::vector<std::vector<std::string>>;
  struct Case { char separator, quote; bool quoting; Rows rows; };
  const Case cases[] = {
      {';', '"', true,
       {{"NAME", "VORNAME", "GESAMTPKT"}, {"M\x81ller", "Hans \"Hansi\"", "1234,50"}, {"a;b", "", "\""},
        {"\"\"", "x\"", "end;"}}},
      {',', '\'', true, {{"it's", "O'Neil, Pat", "''"}, {"plain", "", "1,5"}}},
      {';', '"', false, {{"NAME", "PLATZ", "GLD"}, {"Gr\xE1" "be", "1", ""}, {"", "2", "x"}}},
  };
  for (const Case& c : cases) {
    writer_test::TempFile file(".csv");
    std::vector<std::string> want;
    {
      TYrStream stream(file.Path(), stCreate);
      ASSERT_EQ(stream.ErrorInfo, 0);
      TIOTxt w;
      Declare(w, stream, std::vector<uint8_t>(c.rows[0].size(), 255));
      w.Separator = c.separator;
      w.Quote = c.quote;
      w.QuoteFields = c.quoting;
      for (const auto& row : c.rows) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i) {
          w.SetValue(static_cast<int32_t>(i), row[i]);
          line += (i ? " " : "") + (row[i].empty() ? "-" : Hex(row[i], ""));
        }
        want.push_back(line);
        w.WriteRecord();
      }
      ASSERT_EQ(stream.FirstError, 0);
    }
    const writer_test::ProcessResult r = writer_test::RunPython(
        script, {file.Path(), Hex(std::string(1, c.separator)), Hex(std::string(1, c.quote))});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(writer_test::Lines(r.output), want) << r.output;
  }
}
