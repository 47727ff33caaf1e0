// vkdump save FILE CODE OUT: loads FILE and saves it to OUT by format code,
// as the program's Save As does (1 result file, 2 year-neutral template,
// 5 delimited text, 6 dBASE III, 7 HTML, 9 Excel, 12 PDF of the results; any
// other code an empty file). The text and HTML exports use the choices their
// option dialogs show when they open, Excel its first version. An OUT that
// exists is kept as its backup.
#include "VkExportOptions.h"
#include "VkLoadSave.h"
#include "VkWettk.h"
#include "Vkdump.h"

int CmdSave(int argc, char** argv) {
  int code = 0;
  if (argc != 5 || !Number(argv[3], code)) return Usage();
  TWettkampf w;
  if (!LoadFile(argv[2], w)) return 1;
  ExportTextOptions = PresetTextOptions();
  ExportHtmlOptions = PresetHtmlOptions();
  ExportXlsVersion = 0;
  return SaveCompetition(argv[4], w, static_cast<FormatCode>(code)) ? 0 : 1;
}
