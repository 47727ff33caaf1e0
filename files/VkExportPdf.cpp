#include "VkExportPdf.h"

#include "Druckauftrag.h"
#include "VkExportOptions.h"
#include "VkWettk.h"
#include "YrPDPDF.h"

void ExportPdfResults(TWettkampf& competition, TYrStream& stream) {
  TDruckauftrag job(competition, 1, 1, 1, 1);
  job.PageSize = {2970, 2100};
  // Whether the statistics are worth appending is decided on a fresh count:
  // the list the competition holds may stem from before the last change.
  competition.BuildGliederungen(TGliederungsListe::kByMedals);
  const bool withStatistics = competition.Gliederungen().GetCount() > 1;
  job.BuildResultList({.selection = 1,
                       .withAgeClassData = true,
                       .withLegend = true,
                       .withHead = true,
                       .withRecords = true,
                       .withFooter = true,
                       .withStatistics = withStatistics});
  const TYrPrintDoc& doc = *job.Report();
  std::unique_ptr<TYrPdfDevice> device =
      TYrPdfDevice::InitStream(&doc, stream, job.PageSize.Width, job.PageSize.Height, &PdfExportInfo);
  device->PrintRange(1, doc.LastPageNo());
}
