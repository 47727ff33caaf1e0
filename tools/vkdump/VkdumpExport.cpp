// vkdump export FILE FORMAT OUT: writes the competition of FILE as an export
// to OUT. FORMAT is csv (delimited text), dbf (dBASE III), xls (Excel) or
// html; the text and HTML exports use the choices their option dialogs
// show when they open.
#include <iostream>
#include <string>

#include "VkExportHtml.h"
#include "VkExportTable.h"
#include "VkWettk.h"
#include "Vkdump.h"
#include "YrStream.h"

int CmdExport(int argc, char** argv) {
  if (argc != 5) return Usage();
  const std::string format = argv[3];
  if (format != "csv" && format != "dbf" && format != "xls" && format != "html") return Usage();
  TWettkampf w;
  if (!LoadFile(argv[2], w)) return 1;
  TYrStream stream(argv[4], stCreate);
  if (stream.ErrorInfo == 0) {
    if (format == "csv") ExportText(w, stream, PresetTextOptions());
    if (format == "dbf") ExportDbf(w, stream);
    if (format == "xls") ExportXls(w, stream, 0);
    if (format == "html") ExportHtml(w, stream, PresetHtmlOptions());
    stream.Close();
  }
  if (stream.ErrorInfo != 0 || stream.FirstError != 0) {
    std::cerr << "vkdump: cannot write " << argv[4] << " (error "
              << (stream.ErrorInfo ? stream.ErrorInfo : stream.FirstError) << ")\n";
    return 1;
  }
  return 0;
}
