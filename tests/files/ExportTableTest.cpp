#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "ExportFixture.h"
#include "FileTestSupport.h"
#include "VkExportHtml.h"
#include "VkExportTable.h"

using exporttest::Competition;
using exporttest::ReadBack;

// With the dialog's presets: Windows code page, quoted, header line (names
// cut to their column's width), discipline columns, absent participant left out.
TEST(TableExport, TextWithPresetsReadByCsv) {
  const auto w = Competition(true);
  EXPECT_EQ(ReadBack(".csv", [&](TYrStream& s) { ExportText(*w, s, PresetTextOptions()); }, "read-csv.py", {"cp1252"}),
            exporttest::DataLines("text-presets.tsv"));
}

// Options off: DOS code page bytes as stored, no quotes, seven columns, no
// header line, the absent participant included; records end with LF CR.
TEST(TableExport, TextBytesWithoutOptions) {
  TYrMemoryStream s;
  ExportText(*Competition(true), s, {.IncludeAbsent = true, .Separator = ',', .Quote = '\''});
  testdata::ExpectDataFile(writer_test::Text(s), "files/text-plain.csv");
}

// Both real readers see what the program shows: numbers (total, place,
// points, heat, lane) as numbers, status words as texts, no NUL byte. Header
// size, record size and the field names, order and lengths are those of
// every earlier file.
TEST(TableExport, DbfReadByDbfreadAndCalc) {
  for (bool individual : {true, false}) {
    const auto w = Competition(individual);
    const writer_test::TempFile dbf(".dbf");
    dbf.Write([&](TYrStream& s) { ExportDbf(*w, s); });
    testdata::WriteFile(dbf.dir / "calc.csv", exporttest::CalcCsv(dbf.Path()));
    EXPECT_EQ(exporttest::RunReader("read-dbf.py", {dbf.Path(), dbf.dir / "calc.csv"}),
              exporttest::DataLines(individual ? "dbf-persons.tsv" : "dbf-teams.tsv"));
    EXPECT_EQ(dbf.Read().find('\0', 1313), std::string::npos);
  }
}

// The Excel file (BIFF3, texts in the DOS code page as its CODEPAGE record
// says) of persons and of teams; a team's file has no cells in the third
// column.
TEST(TableExport, XlsReadByXlrd) {
  for (bool individual : {true, false}) {
    const auto w = Competition(individual);
    EXPECT_EQ(ReadBack(".xls", [&](TYrStream& s) { ExportXls(*w, s, 0); }, "read-xls.py"),
              exporttest::DataLines(individual ? "xls-persons.tsv" : "xls-teams.tsv"));
  }
}

TEST(Exports, FailedWritesStayInTheStream) {
  const auto w = Competition(true);
  for (int64_t limit : {0, 100, 700}) {
    TYrMemoryStream txt, dbf, xls, html;
    for (TYrMemoryStream* s : {&txt, &dbf, &xls, &html}) s->FailAfter(limit);
    ExportText(*w, txt, PresetTextOptions());
    ExportDbf(*w, dbf);
    ExportXls(*w, xls, 0);
    ExportHtml(*w, html, PresetHtmlOptions());
    EXPECT_EQ(std::tuple(txt.FirstError, dbf.FirstError, xls.FirstError, html.FirstError),
              std::tuple(101, 101, 101, 101)) << limit;
  }
}

// The Excel version is ExportXlsVersion + 3; a sum outside 2..5 (or one
// that would overflow) writes nothing.
TEST(TableExport, ExcelVersionFromTheGlobalRecord) {
  const auto w = exporttest::Competition(true);
  // The BOF identifier's high byte (BIFF 3, 5, 2), or -1 for an empty file.
  for (const auto& [version, bof] : {std::pair{0, 2}, {2, 8}, {-1, 0}, {3, -1}, {INT32_MAX, -1}}) {
    ExportXlsVersion = version;
    TYrMemoryStream s;
    ExportXls(*w, s);
    EXPECT_EQ(s.Data().empty() ? -1 : s.Data()[1], bof) << version;
  }
  ExportXlsVersion = 0;
}

TEST(VkdumpExport, WritesEveryFormat) {
  const auto w = exporttest::Competition(false);
  const writer_test::TempFile in(".erg");
  in.Write([&](TYrStream& s) { w->Store(s); });
  const std::string erg = in.Path(), out = in.dir / "out";
  const std::tuple<std::string, std::function<void(TYrStream&)>> formats[] = {
      {"csv", [&](TYrStream& s) { ExportText(*w, s, PresetTextOptions()); }},
      {"dbf", [&](TYrStream& s) { ExportDbf(*w, s); }},
      {"xls", [&](TYrStream& s) { ExportXls(*w, s, 0); }},
      {"html", [&](TYrStream& s) { ExportHtml(*w, s, PresetHtmlOptions()); }}};
  for (const auto& [format, write] : formats) {
    const filetest::DumpRun r = filetest::Vkdump("export " + erg + " " + format + " " + out);
    TYrMemoryStream want;
    write(want);
    EXPECT_EQ(std::tuple(r.status, r.err, testdata::ReadFile(out)), std::tuple(0, "", writer_test::Text(want)))
        << format;
  }
  EXPECT_EQ(std::tuple(filetest::Vkdump("export " + erg + " pdf " + out).status,
                       filetest::Vkdump("export " + erg + " csv /no/such/dir/x.csv").status),
            std::tuple(1, 1));
}
