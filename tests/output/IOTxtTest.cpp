#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IOTXT.h"
#include "WriterTestSupport.h"
#include "YrStream.h"

using writer_test::Hex;

namespace {

std::string Written(const TYrMemoryStream& s) { return std::string(s.Data().begin(), s.Data().end()); }

// A writer with the given column widths, attached to `stream`.
void Declare(TIOTxt& w, TYrStream& stream, const std::vector<uint8_t>& widths) {
  for (size_t i = 0; i < widths.size(); ++i) ASSERT_TRUE(w.AddColumn("C" + std::to_string(i), widths[i]));
  w.SetStream(&stream);
}

}  // namespace

TEST(IOTxt, InitDefaults) {
  TIOTxt w;
  EXPECT_EQ(w.ColumnCount(), 0);
  EXPECT_EQ(w.Stream, nullptr);
  EXPECT_EQ(w.Separator, ';');
  EXPECT_FALSE(w.QuoteFields);
}

TEST(IOTxt, RecordBytes) {
  struct Case {
    const char* what;
    std::vector<std::string> values;
    char separator, quote;
    bool quoting;
    std::string want;
  };
  const Case cases[] = {
      {"plain, empty last", {"a", "b", ""}, ';', '"', false, "a;b;\n\r"},
      {"quoted, empty quoted too", {"a", "b", ""}, ';', '"', true, "\"a\";\"b\";\"\"\n\r"},
      {"quote inside is doubled", {"say \"hi\"", "x"}, ';', '"', true, "\"say \"\"hi\"\"\";\"x\"\n\r"},
      {"only quote", {"\""}, ';', '"', true, "\"\"\"\"\n\r"},
      {"other quote character", {"it's", "\"x\""}, ',', '\'', true, "'it''s','\"x\"'\n\r"},
      {"unquoted quote kept single", {"a\"b", "c"}, ';', '"', false, "a\"b;c\n\r"},
      {"separator inside quoted value", {"a;b", "c"}, ';', '"', true, "\"a;b\";\"c\"\n\r"},
      {"tab separator", {"1", "2", "3"}, '\t', '"', false, "1\t2\t3\n\r"},
      {"one column, no separator", {"solo"}, ';', '"', false, "solo\n\r"},
      {"all empty", {"", "", ""}, ';', '"', false, ";;\n\r"},
      {"DOS code-page bytes copied", {"M\x81ller", "Gr\xE1\xE1"}, ';', '"', true,
       "\"M\x81ller\";\"Gr\xE1\xE1\"\n\r"},
  };
  for (const Case& c : cases) {
    TYrMemoryStream s;
    TIOTxt w;
    Declare(w, s, std::vector<uint8_t>(c.values.size(), 40));
    w.Separator = c.separator;
    w.Quote = c.quote;
    w.QuoteFields = c.quoting;
    for (size_t i = 0; i < c.values.size(); ++i) w.SetValue(static_cast<int32_t>(i), c.values[i]);
    w.WriteRecord();
    EXPECT_EQ(Written(s), c.want) << c.what << "\n" << Hex(Written(s));
    EXPECT_EQ(s.FirstError, 0) << c.what;
  }
}

TEST(IOTxt, ValuesAreCutToTheColumnWidth) {
  struct Case {
    uint8_t width;
    std::string value, want;
  };
  const Case cases[] = {
      {3, "abcdef", "abc"},
      {3, "ab", "ab"},
      {0, "anything", ""},
      {255, std::string(300, 'x'), std::string(255, 'x')},
      {20, std::string(20, 'y'), std::string(20, 'y')},
  };
  for (const Case& c : cases) {
    TIOTxt w;
    ASSERT_TRUE(w.AddColumn("X", c.width));
    w.SetValue(0, c.value);
    EXPECT_EQ(w.Value(0), c.want) << int(c.width);
  }
}

TEST(IOTxt, CutComesBeforeQuoteDoubling) {
  // The width limits the value's characters; the doubled quote is part of
  // the file's quoting, not of the value.
  TYrMemoryStream s;
  TIOTxt w;
  Declare(w, s, {3});
  w.QuoteFields = true;
  w.SetValue(0, "a\"bc");
  w.WriteRecord();
  EXPECT_EQ(Written(s), "\"a\"\"b\"\n\r");
}

TEST(IOTxt, ValuesRepeatUntilSetAgain) {
  TYrMemoryStream s;
  TIOTxt w;
  Declare(w, s, {10, 10});
  w.SetValue(0, "one");
  w.SetValue(1, "keep");
  w.WriteRecord();
  w.SetValue(0, "two");
  w.WriteRecord();
  w.SetValue(1, "");
  w.WriteRecord();
  EXPECT_EQ(Written(s), "one;keep\n\rtwo;keep\n\rtwo;\n\r");
}

TEST(IOTxt, IndicesOutsideTheColumnsAreIgnored) {
  TYrMemoryStream s;
  TIOTxt w;
  Declare(w, s, {5, 5});
  w.SetValue(0, "a");
  w.SetValue(1, "b");
  for (int32_t i : {-1, 2, 129, INT32_MIN, INT32_MAX}) w.SetValue(i, "zzz");
  w.WriteRecord();
  EXPECT_EQ(Written(s), "a;b\n\r");
  EXPECT_EQ(w.ColumnName(2), "");
  EXPECT_EQ(w.ColumnWidth(-1), 0);
}

TEST(IOTxt, ColumnNamesAreCutTo30) {
  TIOTxt w;
  ASSERT_TRUE(w.AddColumn(std::string(45, 'N'), 8));
  ASSERT_TRUE(w.AddColumn("GESAMTPKT", 8));
  EXPECT_EQ(w.ColumnName(0), std::string(30, 'N'));
  EXPECT_EQ(w.ColumnName(1), "GESAMTPKT");
  EXPECT_EQ(w.ColumnWidth(1), 8);
}

TEST(IOTxt, The130thColumnIsRefused) {
  TYrMemoryStream s;
  TIOTxt w;
  for (int i = 0; i < TIOTxt::kMaxColumns; ++i) ASSERT_TRUE(w.AddColumn("C", 1)) << i;
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
  for (int i = 0; i < TIOTxt::kMaxColumns; ++i) ASSERT_TRUE(w.AddColumn("C", 255));
  w.SetStream(&s);
  w.QuoteFields = true;
  for (int i = 0; i < TIOTxt::kMaxColumns; ++i) w.SetValue(i, std::string(255, '"'));
  w.WriteRecord();
  EXPECT_EQ(s.FirstError, 0);
  const std::string field = "\"" + std::string(510, '"') + "\"";
  std::string want;
  for (int i = 0; i < TIOTxt::kMaxColumns; ++i) want += (i ? ";" : "") + field;
  want += "\n\r";
  ASSERT_GT(want.size(), 0xFFFFu);
  EXPECT_TRUE(Written(s) == want) << "size " << s.Data().size() << " want " << want.size();
}

TEST(IOTxt, WithoutStreamNothingHappens) {
  TIOTxt w;
  ASSERT_TRUE(w.AddColumn("A", 5));
  w.SetValue(0, "x");
  w.WriteRecord();  // must not crash
  EXPECT_EQ(w.Value(0), "x");
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

// --- reading the file back with python's csv module -------------------------

namespace {

// Prints every non-empty row as hex fields ("-" for an empty one). The
// records end with LF CR, which a reader sees as a row and an empty line.
// strict=True makes a badly quoted field an error instead of a guess.
const char* kCsvScript = R"PY(
import csv, io, sys
data = open(sys.argv[1], 'rb').read().decode('latin-1')
delim = chr(int(sys.argv[2], 16))
quote = chr(int(sys.argv[3], 16))
reader = csv.reader(io.StringIO(data, newline=''), delimiter=delim, quotechar=quote,
                    doublequote=True, strict=True)
for row in reader:
    if not row:
        continue
    print(' '.join(f.encode('latin-1').hex() or '-' for f in row))
)PY";

std::string HexCode(char c) {
  char buf[3];
  std::snprintf(buf, sizeof buf, "%02x", static_cast<unsigned char>(c));
  return buf;
}

std::string RowLine(const std::vector<std::string>& row) {
  std::string line;
  for (size_t i = 0; i < row.size(); ++i) {
    if (i) line += ' ';
    if (row[i].empty()) {
      line += '-';
      continue;
    }
    for (char c : row[i]) line += HexCode(c);
  }
  return line;
}

void ExpectCsvReadsBack(char separator, char quote, bool quoting,
                        const std::vector<std::vector<std::string>>& rows) {
  writer_test::TempFile file(".csv");
  {
    TYrStream stream(file.Path(), stCreate);
    ASSERT_EQ(stream.ErrorInfo, 0);
    TIOTxt w;
    for (size_t i = 0; i < rows[0].size(); ++i) ASSERT_TRUE(w.AddColumn("C", 255));
    w.SetStream(&stream);
    w.Separator = separator;
    w.Quote = quote;
    w.QuoteFields = quoting;
    for (const auto& row : rows) {
      for (size_t i = 0; i < row.size(); ++i) w.SetValue(static_cast<int32_t>(i), row[i]);
      w.WriteRecord();
    }
    ASSERT_EQ(stream.FirstError, 0);
  }
  const writer_test::ProcessResult r =
      writer_test::RunPython(kCsvScript, {file.Path(), HexCode(separator), HexCode(quote)});
  ASSERT_EQ(r.exitCode, 0) << r.output;
  std::vector<std::string> want;
  for (const auto& row : rows) want.push_back(RowLine(row));
  EXPECT_EQ(writer_test::Lines(r.output), want) << r.output;
}

}  // namespace

TEST(IOTxtCsv, QuotedValuesWithQuotesAndSeparatorsReadBack) {
  ExpectCsvReadsBack(';', '"', true,
                     {{"NAME", "VORNAME", "GESAMTPKT"},
                      {"M\x81ller", "Hans \"Hansi\"", "1234,50"},
                      {"a;b", "", "\""},
                      {"\"\"", "x\"", "end;"}});
}

TEST(IOTxtCsv, OtherSeparatorAndQuoteReadBack) {
  ExpectCsvReadsBack(',', '\'', true, {{"it's", "O'Neil, Pat", "''"}, {"plain", "", "1,5"}});
}

TEST(IOTxtCsv, UnquotedValuesReadBack) {
  ExpectCsvReadsBack(';', '"', false, {{"NAME", "PLATZ", "GLD"}, {"Gr\xE1" "be", "1", ""}, {"", "2", "x"}});
}
