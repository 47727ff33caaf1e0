// The load driver, the load by format code, the header dispatch and the save
// dispatch.
#include "VkLoadSave.h"

#include <cstdint>

#include "CodePage.h"
#include "OldResultFiles.h"
#include "ParticipantImport.h"
#include "RuleSetCodes.h"
#include "SaveReplacing.h"
#include "VkExportHtml.h"
#include "VkExportPdf.h"
#include "VkExportTable.h"
#include "VkWettk.h"
#include "YrDate.h"
#include "YrHooks.h"
#include "YrStream.h"
#include "YrText.h"

namespace {

constexpr char kUnknownFormat[] = "Unbekanntes Dateiformat.";
constexpr char kUnknownResultFile[] = "Unbekanntes Ergebnisdateiformat.";
constexpr char kLoadFailed[] = "Fehler beim Laden der Datei.";
constexpr char kNoMemory[] = "Zu wenig Speicher, um die Datei zu laden.";
constexpr char kSaveFailed[] = "Fehler beim Speichern der Datei.";
// UTF-8 here, DOS code page when reported.
constexpr char kIncomplete[] = "Die Datei ist unvollständig; es wurde nur ein Teil gelesen.";

// What reading a file needs beyond the file's own size.
constexpr int64_t kLoadReserve = 15000;

// A file that lacks only the trailing byte of its last list has ended early
// too.
bool ReadCurrentFormat(TWettkampf& competition, TYrStream& stream) {
  return competition.Load(stream) && stream.Status == 0;
}

// The five header texts in the order they are compared.
struct HeaderReader {
  const char* text;
  TResultReader read;
};
constexpr HeaderReader kReaders[] = {
    {TWettkampf::kFileHeader, ReadCurrentFormat}, {kHeaderVersion21, ReadResultFile21},
    {kHeaderVersion15, ReadResultFile15},         {kHeaderVersion10, ReadResultFile10},
    {kHeaderForeign, ReadForeignResultFile},
};
static_assert(TWettkampf::kFileHeaderSize == kResultHeaderSize);

// The memory check of the load driver; reports when the file is too large.
bool FitsIntoMemory(TYrStream& stream) {
  if (static_cast<int64_t>(stream.GetSize()) + kLoadReserve <= static_cast<int64_t>(MemAvail())) return true;
  ErrorMsgProc(kNoMemory);
  return false;
}

void WriteFormat(TWettkampf& competition, TYrStream& stream, FormatCode code) {
  switch (code) {
    case FormatCode::ResultFile: competition.Store(stream); break;
    case FormatCode::Template: {
      // One reading of the clock for both shifts, so the competition in
      // memory comes back unchanged even across midnight on New Year's Eve.
      const int32_t year = CurrentYear();
      competition.ShiftYears(presets::kBaseYear, year);
      competition.Store(stream);
      competition.ShiftYears(year, presets::kBaseYear);
      break;
    }
    case FormatCode::Text: ExportText(competition, stream); break;
    case FormatCode::Dbf: ExportDbf(competition, stream); break;
    case FormatCode::Html: ExportHtml(competition, stream); break;
    case FormatCode::Xls: ExportXls(competition, stream); break;
    case FormatCode::Pdf: ExportPdfResults(competition, stream); break;
    default: break;  // an empty file
  }
}

}  // namespace

FormatCode NormaliseFormatCode(FormatCode code) {
  return code == FormatCode::ResultFileAlias ? FormatCode::ResultFile : code;
}

TResultReader ResultReaderFor(std::string_view header) {
  if (header.size() < kResultHeaderSize) return nullptr;
  for (const HeaderReader& r : kReaders)
    if (header.substr(0, kResultHeaderSize) == r.text) return r.read;
  return nullptr;
}

bool ReadResultFile(TWettkampf& competition, TYrStream& stream) {
  char head[kResultHeaderSize] = {};
  stream.Read(head, sizeof head);
  // A file shorter than a header text carries none.
  const size_t read = stream.Status == 0 ? sizeof head : 0;
  stream.Seek(0);
  const TResultReader reader = ResultReaderFor(std::string_view(head, read));
  if (reader == nullptr) {
    ErrorMsgProc(kUnknownResultFile);
    return false;
  }
  // What the file holds up to the damage is kept, but the user must know
  // before saving it over the good copy.
  if (!reader(competition, stream)) ErrorMsgProc(Oem(kIncomplete));
  return true;
}

bool LoadByFormat(TWettkampf& competition, TYrStream& stream, FormatCode code) {
  bool done = false;
  switch (code) {
    case FormatCode::ResultFile: done = ReadResultFile(competition, stream); break;
    case FormatCode::Template:
      done = ReadResultFile(competition, stream);
      // Only what a reader filled is shifted; a file that was no result file
      // leaves the competition as it was.
      if (done) competition.ShiftYears(CurrentYear(), presets::kBaseYear);
      break;
    case FormatCode::ParticipantRecords: done = ImportParticipantsBinary(competition, stream); break;
    case FormatCode::Text: done = ImportParticipantsText(competition, stream); break;
    case FormatCode::Empty:
    case FormatCode::Dbf:
    case FormatCode::Html: done = true; break;
    default: ErrorMsgProc(kUnknownFormat); return false;
  }
  return done && stream.ErrorInfo == 0;
}

std::unique_ptr<TWettkampf> LoadCompetition(const std::string& fileName, FormatCode code) {
  const TProgressCaption caption("Wettkampf laden...");
  code = NormaliseFormatCode(code);
  TYrStream stream(fileName, stOpenRead);
  if (!FitsIntoMemory(stream)) return nullptr;
  std::unique_ptr<TWettkampf> competition;
  if (code == FormatCode::ResultFile) {
    competition = std::make_unique<TWettkampf>();
    if (!ReadResultFile(*competition, stream)) competition.reset();
  } else {
    ErrorMsgProc(kUnknownFormat);
  }
  if (!competition) ErrorMsgProc(kLoadFailed);
  return competition;
}

bool LoadCompetition(const std::string& fileName, TWettkampf& competition, FormatCode code) {
  const TProgressCaption caption("Wettkampf laden...");
  code = NormaliseFormatCode(code);
  TYrStream stream(fileName, stOpenRead);
  if (!FitsIntoMemory(stream)) return false;
  const bool loaded = LoadByFormat(competition, stream, code);
  if (!loaded) ErrorMsgProc(kLoadFailed);
  return loaded;
}

bool SaveCompetition(const std::string& fileName, TWettkampf& competition, FormatCode code) {
  const TProgressCaption caption("Wettkampf speichern...");
  const bool saved = SaveReplacing(fileName, [&](TYrStream& stream) { WriteFormat(competition, stream, code); });
  if (!saved) ErrorMsgProc(kSaveFailed);
  return saved;
}
