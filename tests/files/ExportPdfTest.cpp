// The PDF export of the results, read back with poppler.
#include <gtest/gtest.h>

#include "ExportFixture.h"
#include "VkExportOptions.h"
#include "VkExportPdf.h"

namespace {

using writer_test::Run;
using writer_test::TempFile;

struct Written {
  std::string info;  // pdfinfo
  std::string text;  // pdftotext -layout
};

Written ExportAndRead(TWettkampf& w) {
  TempFile file(".pdf");
  file.Write([&](TYrStream& s) { ExportPdfResults(w, s); });
  return {Run("pdfinfo " + file.Path()).output, Run("pdftotext -layout " + file.Path() + " -").output};
}

TEST(ExportPdf, LandscapeResultsWithStatisticsOnlyForSeveralOrganisations) {
  const TPdfOptions saved = PdfExportInfo;
  PdfExportInfo = DefaultPdfExportInfo();
  PdfExportInfo.Subject = "Meisterschaft - Mannschaftswettbewerb";

  auto teams = exporttest::Competition(false);  // two teams of two organisations
  const Written two = ExportAndRead(*teams);
  EXPECT_NE(two.info.find("Page size:       842 x 595 pts (A4)"), std::string::npos) << two.info;
  EXPECT_NE(two.info.find("Title:           KRVB Rettungssport"), std::string::npos) << two.info;
  EXPECT_NE(two.info.find("Subject:         Meisterschaft - Mannschaftswettbewerb"), std::string::npos);
  EXPECT_NE(two.text.find("Ortsgruppe Süd-Ost Großstadt"), std::string::npos) << two.text;
  EXPECT_NE(two.text.find("Medaillenspiegel"), std::string::npos) << two.text;

  // The statistics the competition held before decide nothing: the export
  // counts afresh after the second team joined the first one's organisation.
  teams->BuildGliederungen(0);
  TAltersklasse& ak = *teams->At(0);
  for (int i = 0; i < ak.GetCount(); ++i) ak.At(i)->SetGliederung("DLRG");
  ASSERT_EQ(teams->Gliederungen().GetCount(), 2);
  const Written one = ExportAndRead(*teams);
  EXPECT_NE(one.text.find("Team <Nord> & Co"), std::string::npos) << one.text;
  EXPECT_EQ(one.text.find("Medaillenspiegel"), std::string::npos) << one.text;
  PdfExportInfo = saved;
}

}  // namespace
