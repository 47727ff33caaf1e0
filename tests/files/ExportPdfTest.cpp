// The PDF export of the results, read back with poppler.
#include <gtest/gtest.h>

#include "ExportFixture.h"
#include "VkExportOptions.h"
#include "VkExportPdf.h"

namespace {

// pdfinfo's and pdftotext's output together.
std::string ExportAndRead(TWettkampf& w) {
  const writer_test::TempFile pdf(".pdf");
  pdf.Write([&](TYrStream& s) { ExportPdfResults(w, s); });
  return writer_test::Run("pdfinfo " + pdf.Path()).output +
         writer_test::Run("pdftotext -layout " + pdf.Path() + " -").output;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ExportPdf, LandscapeResultsWithStatisticsOnlyForSeveralOrganisations) {
  const TPdfOptions saved = PdfExportInfo;
  PdfExportInfo = DefaultPdfExportInfo();
  PdfExportInfo.Subject = "Meisterschaft - Mannschaftswettbewerb";
  auto teams = exporttest::Competition(false);  // two teams of two organisations
  const std::string two = ExportAndRead(*teams);
  EXPECT_EQ(std::tuple(Has(two, "Page size:       842 x 595 pts (A4)"), Has(two, "Title:           KRVB Rettungssport"),
                       Has(two, "Subject:         Meisterschaft - Mannschaftswettbewerb"),
                       Has(two, "Ortsgruppe Süd-Ost Großstadt"), Has(two, "Medaillenspiegel")),
            std::tuple(true, true, true, true, true))
      << two;

  // The statistics the competition held before decide nothing: the export
  // counts afresh after the second team joined the first one's organisation.
  teams->BuildGliederungen(0);
  TAltersklasse& ak = *teams->At(0);
  for (int i = 0; i < ak.GetCount(); ++i) ak.At(i)->SetGliederung("DLRG");
  ASSERT_EQ(teams->Gliederungen().GetCount(), 2);
  const std::string one = ExportAndRead(*teams);
  EXPECT_EQ(std::tuple(Has(one, "Team <Nord> & Co"), Has(one, "Medaillenspiegel")), std::tuple(true, false)) << one;
  PdfExportInfo = saved;
}

}  // namespace
