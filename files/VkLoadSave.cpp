// Interim dispatch: current result files and the exports. The full dispatch
// (older versions, templates, imports, safe saving) replaces this.
#include "VkLoadSave.h"

#include <cstring>

#include "VkExportHtml.h"
#include "VkExportPdf.h"
#include "VkExportTable.h"
#include "VkWettk.h"
#include "YrHooks.h"
#include "YrStream.h"

int NormaliseFormatCode(int code) { return code == 99 ? 1 : code; }

bool ReadResultFile(TWettkampf& competition, TYrStream& stream) {
  char head[38] = {};
  stream.Read(head, sizeof head);
  stream.Seek(0);
  if (std::memcmp(head, TWettkampf::kFileHeader, sizeof head) != 0) {
    ErrorMsgProc("Unbekanntes Ergebnisdateiformat.");
    return false;
  }
  competition.Load(stream);
  return true;
}

bool LoadByFormat(TWettkampf& competition, TYrStream& stream, int code) {
  if (NormaliseFormatCode(code) != 1) {
    ErrorMsgProc("Unbekanntes Dateiformat.");
    return false;
  }
  return ReadResultFile(competition, stream) && stream.ErrorInfo == 0;
}

std::unique_ptr<TWettkampf> LoadCompetition(const std::string& fileName, int code) {
  auto w = std::make_unique<TWettkampf>();
  if (!LoadCompetition(fileName, *w, code)) return nullptr;
  return w;
}

bool LoadCompetition(const std::string& fileName, TWettkampf& competition, int code) {
  TYrStream stream(fileName, stOpenRead);
  const bool ok = LoadByFormat(competition, stream, code);
  if (!ok) ErrorMsgProc("Fehler beim Laden der Datei.");
  return ok;
}

bool SaveCompetition(const std::string& fileName, TWettkampf& competition, int code) {
  TYrStream stream(fileName, stCreate);
  if (stream.ErrorInfo == 0) {
    switch (code) {
      case 1: competition.Store(stream); break;
      case 5: ExportText(competition, stream); break;
      case 6: ExportDbf(competition, stream); break;
      case 7: ExportHtml(competition, stream); break;
      case 9: ExportXls(competition, stream); break;
      case 12: ExportPdfResults(competition, stream); break;
      default: break;
    }
  }
  const bool ok = stream.ErrorInfo == 0 && stream.Close() == 0;
  if (!ok) ErrorMsgProc("Fehler beim Speichern der Datei.");
  return ok;
}
