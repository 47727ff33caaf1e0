#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <string>

#include "CaseFile.h"
#include "IODBF3.h"
#include "IOHTML.h"
#include "IOPDF.h"
#include "IOTXT.h"
#include "WriterTestSupport.h"

using testdata::Arg;
using testdata::Fields;
using testdata::Quote;

namespace {

int Num(const Fields& f, size_t i) { return static_cast<int>(testdata::Num(f, i)); }
bool Has(const Fields& f, const char* word) { return std::find(f.begin() + 1, f.end(), word) != f.end(); }

std::string Real(double v, int digits = 10) {
  char buf[32];
  return std::string(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits).ptr);
}

// Fields 1 to 4: SEPARATOR QUOTE QUOTING WIDTH ("-" leaves the writer's
// default), then the values of the first record; "/" starts the next one and
// "-" leaves a column's value as it was. Before each record, indices outside
// the columns get other values.
void WriteTxt(const Fields& f, TYrStream& stream) {
  TIOTxt w;
  const auto columns = static_cast<int32_t>(std::find(f.begin() + 5, f.end(), "/") - (f.begin() + 5));
  for (int32_t i = 0; i < columns; ++i) EXPECT_TRUE(w.AddColumn("C" + std::to_string(i), uint8_t(Num(f, 4))));
  w.SetStream(&stream);
  if (f[1] != "-") w.Separator = Arg(f, 1)[0];
  if (f[2] != "-") w.Quote = Arg(f, 2)[0];
  if (f[3] != "-") w.QuoteFields = f[3] == "1";
  int32_t column = 0;
  for (size_t i = 5; i <= f.size(); ++i) {
    if (i < f.size() && f[i] != "/") {
      if (f[i] != "-") w.SetValue(column, Arg(f, i));
      ++column;
      continue;
    }
    for (int32_t outside : {-1, columns, 129, INT32_MIN, INT32_MAX}) w.SetValue(outside, "zzz");
    w.WriteRecord();
    column = 0;
  }
}

std::string TxtRecords(const Fields& f) {
  TYrMemoryStream s;
  WriteTxt(f, s);
  return Quote(writer_test::Text(s)) + (s.FirstError ? " error " + std::to_string(s.FirstError) : "");
}

// The rows Python's csv module reads of the records written to a file.
std::string CsvRows(const Fields& f) {
  const writer_test::TempFile csv(".csv");
  csv.Write([&](TYrStream& s) { WriteTxt(f, s); });
  const char separator = f[1] == "-" ? ';' : Arg(f, 1)[0], quote = f[2] == "-" ? '"' : Arg(f, 2)[0];
  const auto r = writer_test::RunPython(testdata::ReadFile(VK_TEST_DATA "/output/read-csv.py"),
                                        {csv.Path(), std::to_string(separator), std::to_string(quote)});
  std::string out = r.exitCode ? "reader failed: " + r.output : "";
  for (const std::string& row : writer_test::Lines(r.output)) {
    out += out.empty() ? "" : " /";
    for (size_t from = 0, to = 0; to != std::string::npos; from = to + 1)
      out += " " + Quote(row.substr(from, (to = row.find('\x1f', from)) - from));
  }
  return out.empty() ? out : out.substr(1);
}

std::string DbfField(const Fields& f) {
  TIODbf3 w;
  EXPECT_TRUE(w.AddField("A", f[1][0], 6, uint8_t(Num(f, 2))) && w.AddField("B", 'C', 2, 0));
  w.ClearRecord();
  w.SetField(1, "zz");
  w.SetField(0, "abcdefgh");
  if (f[3][0] == '"')
    w.SetField(0, Arg(f, 3));
  else
    w.SetNumber(0, std::stoll(f[3]));
  for (int32_t i : {-1, 2, 128, INT32_MIN, INT32_MAX}) {
    w.SetField(i, "qqq");
    w.SetNumber(i, 1);
  }
  return Quote(std::string(reinterpret_cast<const char*>(w.Record()), 12));
}

}  // namespace

TEST(WriterRoutines, CasesOfTheDataFile) {
  testdata::ExpectRoutineCases("output/cases.txt", {
      {"PdfEscape", [](const Fields& f) { return Quote(PdfEscape(Arg(f, 1), !Has(f, "windows"))); }},
      {"ZeroPadNumber", [](const Fields& f) { return Quote(ZeroPadNumber(std::stoll(f[1]), Num(f, 2))); }},
      {"PdfTextWidth", [](const Fields& f) { return Real(PdfTextWidth(Arg(f, 1), Num(f, 2), Num(f, 3))); }},
      {"PdfLineHeight", [](const Fields& f) { return Real(PdfLineHeight(Num(f, 1), Num(f, 2))); }},
      {"TenthMmToPt", [](const Fields& f) { return Real(TenthMmToPt(Num(f, 1))); }},
      {"FontSizePt",
       [](const Fields& f) {
         const int size = Num(f, 1), font = Num(f, 2);
         return Real(TenthMmToPt(size) * PdfCapHeight(size, font) / PdfLineHeight(size, font), 5);
       }},
      {"PageSize",
       [](const Fields& f) {
         const TIOPdf pdf(Num(f, 1), Num(f, 2));
         return std::to_string(pdf.WidthPt()) + " " + std::to_string(pdf.HeightPt());
       }},
      {"OemToHtml", [](const Fields& f) { return Quote(OemToHtml(Arg(f, 1))); }},
      {"HtmlText", [](const Fields& f) { return Quote(HtmlText(Arg(f, 1), Has(f, "attribute"))); }},
      {"Txt", TxtRecords},
      {"Csv", CsvRows},
      {"Dbf", DbfField},
  });
  std::string uuml300;
  for (int i = 0; i < 300; ++i) uuml300 += "&uuml;";
  EXPECT_EQ(HtmlText(std::string(300, '\x81')), uuml300);  // nothing cut
}
