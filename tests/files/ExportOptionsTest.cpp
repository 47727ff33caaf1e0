#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <tuple>
#include <utility>

#include "FileTestSupport.h"
#include "ExportFixture.h"
#include "VkExportHtml.h"
#include "VkExportOptions.h"
#include "VkExportTable.h"
#include "YrClock.h"

TEST(ExportOptions, ProgramStartValues) {
  const TExportHtmlOptions& h = ExportHtmlOptions;
  EXPECT_EQ(std::tuple(h.TableForm, h.AgeClassLinks, h.DisciplineResults, h.BodyColour.Str(), h.BackgroundImage.Str()),
            std::tuple(false, false, false, "", ""));
  const TExportTextOptions& t = ExportTextOptions;
  EXPECT_EQ(std::tuple(t.ConvertToWindows, t.QuoteFields, t.DisciplineResults, t.IncludeAbsent, t.Separator, t.Quote,
                       t.HeaderLine, ExportXlsVersion),
            std::tuple(false, false, false, false, '\0', '\0', false, 0));
  const TPdfOptions& p = PdfExportInfo;
  EXPECT_EQ(std::tuple(p.Title.Str(), p.Subject.Str(), p.Author.Str(), p.Keywords.Str(), p.Creator.Str(),
                       p.Producer.Str(), p.Compress),
            std::tuple("KRVB Rettungssport", "Veranstaltung", "Veranstalter", "KRVB, Rettungssport, Ergebnis",
                       "Vk Brantovex (Tarnwell)", "Vk Brantovex (Tarnwell)", false));
  EXPECT_EQ(p.CreationDate.Str(), PdfDateString());  // the day the tests started
  const TYrClock saved = SetClock([] { return MakeDateTime(2024, 3, 9, 17, 45); });
  EXPECT_EQ(DefaultPdfExportInfo().CreationDate.Str(), "D:20240309120000");
  SetClock(saved);
}

// The forms without options take the global records; the Excel version is
// ExportXlsVersion + 3, and a sum outside 2..5 writes nothing.
TEST(ExportOptions, ExportsReadTheGlobalRecords) {
  const auto w = exporttest::Competition(true);
  // The BOF identifier's high byte (BIFF 3, 5, 2), or -1 for an empty file.
  for (const auto& [version, bof] : {std::pair{0, 2}, {2, 8}, {-1, 0}, {3, -1}, {INT32_MAX, -1}}) {
    ExportXlsVersion = version;
    TYrMemoryStream s;
    ExportXls(*w, s);
    EXPECT_EQ(s.Data().empty() ? -1 : s.Data()[1], bof) << version;
  }
  ExportXlsVersion = 0;
  ExportTextOptions = PresetTextOptions();
  ExportHtmlOptions = PresetHtmlOptions();
  TYrMemoryStream text, textWant, html, htmlWant;
  ExportText(*w, text);
  ExportText(*w, textWant, PresetTextOptions());
  ExportHtml(*w, html);
  ExportHtml(*w, htmlWant, PresetHtmlOptions());
  ExportTextOptions = {};
  ExportHtmlOptions = {};
  EXPECT_EQ(std::tuple(text.Data(), html.Data()), std::tuple(textWant.Data(), htmlWant.Data()));
}

TEST(VkdumpExport, WritesEveryFormat) {
  const auto w = exporttest::Competition(false);
  writer_test::TempFile erg(".erg"), out(".out");
  erg.Write([&](TYrStream& s) { w->Store(s); });
  const std::tuple<std::string, std::function<void(TYrStream&)>> formats[] = {
      {"csv", [&](TYrStream& s) { ExportText(*w, s, PresetTextOptions()); }},
      {"dbf", [&](TYrStream& s) { ExportDbf(*w, s); }},
      {"xls", [&](TYrStream& s) { ExportXls(*w, s, 0); }},
      {"html", [&](TYrStream& s) { ExportHtml(*w, s, PresetHtmlOptions()); }}};
  for (const auto& [format, write] : formats) {
    const filetest::DumpRun r = filetest::Vkdump("export " + erg.Path() + " " + format + " " + out.Path());
    EXPECT_EQ(std::tuple(r.status, r.err), std::tuple(0, "")) << format;
    TYrMemoryStream want;
    write(want);
    EXPECT_EQ(out.Read(), writer_test::Text(want)) << format;
  }
  EXPECT_EQ(filetest::Vkdump("export " + erg.Path() + " pdf " + out.Path()).status, 1);
  EXPECT_EQ(filetest::Vkdump("export " + erg.Path() + " csv /no/such/dir/x.csv").status, 1);
}
