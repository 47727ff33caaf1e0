// vkdump pdf FILE REPORT ARGS... OUT.pdf: builds one report of a result file
// as `vkdump pages` does and writes it through the PDF device into OUT.pdf,
// with the document information a run of the program starts with.
// vkdump pdf FILE export OUT.pdf writes the PDF export of the results
// instead (landscape A4, statistics when more than one organisation).
#include <cstring>
#include <iostream>

#include "Druckauftrag.h"
#include "VkExportOptions.h"
#include "VkExportPdf.h"
#include "VkWettk.h"
#include "Vkdump.h"
#include "YrPDPDF.h"
#include "YrStream.h"

int CmdPdf(int argc, char** argv) {
  if (argc < 5) return Usage();
  const char* out = argv[argc - 1];
  TWettkampf w;
  if (!LoadFile(argv[2], w)) return 1;
  bool written = false;
  if (argc == 5 && !std::strcmp(argv[3], "export")) {
    TYrStream stream(out, stCreate);
    if (stream.ErrorInfo == 0) {
      ExportPdfResults(w, stream);
      stream.Close();
    }
    written = stream.ErrorInfo == 0 && stream.FirstError == 0;
  } else {
    const std::unique_ptr<TDruckauftrag> job = BuildReportJob(w, argc - 1, argv);
    if (!job) return Usage();
    written = PrintDocToPdf(*job->Report(), out, job->PageSize.Width, job->PageSize.Height, &PdfExportInfo);
  }
  if (!written) {
    std::cerr << "vkdump: cannot write " << out << '\n';
    return 1;
  }
  return 0;
}
