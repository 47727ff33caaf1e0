#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "IOTXT.h"
#include "TestData.h"
#include "WriterTestSupport.h"

using writer_test::Text;

namespace {

// A writer with the given column widths, attached to `stream`.
void Declare(TIOTxt& w, TYrStream& stream, const std::vector<uint8_t>& widths) {
  for (size_t i = 0; i < widths.size(); ++i) ASSERT_TRUE(w.AddColumn("C" + std::to_string(i), widths[i]));
  w.SetStream(&stream);
}

}  // namespace

// A value repeats until it is set again; indices outside the columns are
// ignored. A sink that fails after N bytes keeps the failure and exactly the
// bytes that fitted.
TEST(IOTxt, ValuesRepeatUntilSetAndAFailedWriteStaysInTheStream) {
  for (int64_t limit : {-1, 0, 1, 5, 9, 20}) {
    TYrMemoryStream s;
    s.FailAfter(limit);
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
    const std::string all = "one;keep\n\rtwo;keep\n\rtwo;\n\r";
    EXPECT_EQ(std::pair(s.FirstError, Text(s)), std::pair(uint16_t(limit < 0 ? 0 : 101), all.substr(0, limit)))
        << limit;
  }
}

// Names are cut to 30 characters, values to 255 and their width; 129
// columns at most. A record longer than one stream write (129 columns of
// 255 quote characters, quoted: 129 * 512 bytes) arrives whole.
TEST(IOTxt, CutsTheColumnLimitAndTheLongestRecord) {
  TIOTxt w;
  w.WriteRecord();  // no columns and no stream: nothing happens
  std::string want;
  for (int i = 0; i < TIOTxt::kMaxColumns; ++i) {
    ASSERT_TRUE(w.AddColumn(std::string(i == 0 ? 45 : 1, 'N'), 255)) << i;
    w.SetValue(i, std::string(300, '"'));
    want += (i ? ";\"" : "\"") + std::string(510, '"') + "\"";
  }
  EXPECT_FALSE(w.AddColumn("EXTRA", 1));
  EXPECT_EQ(std::tuple(w.ColumnCount(), w.ColumnName(0), w.Value(0)),
            std::tuple(129, std::string(30, 'N'), std::string(255, '"')));
  TYrMemoryStream s;
  w.SetStream(&s);
  w.QuoteFields = true;
  w.WriteRecord();
  EXPECT_EQ(s.FirstError, 0);
  EXPECT_TRUE(Text(s) == want + "\n\r") << "size " << s.Data().size();
}

// Python's csv module reads every row back as it was written.
TEST(IOTxtCsv, PythonCsvReadsTheFileBack) {
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
    file.Write([&](TYrStream& stream) {
      TIOTxt w;
      Declare(w, stream, std::vector<uint8_t>(c.rows[0].size(), 255));
      w.Separator = c.separator;
      w.Quote = c.quote;
      w.QuoteFields = c.quoting;
      for (const auto& row : c.rows) {
        want.emplace_back();
        for (size_t i = 0; i < row.size(); ++i) {
          w.SetValue(static_cast<int32_t>(i), row[i]);
          want.back() += (i ? "\x1f" : "") + row[i];
        }
        w.WriteRecord();
      }
    });
    const auto r = writer_test::RunPython(testdata::ReadFile(VK_TEST_DATA "/output/read-csv.py"),
                                          {file.Path(), std::to_string(c.separator), std::to_string(c.quote)});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(writer_test::Lines(r.output), want);
  }
}
