#include "VkExportTable.h"

#include <array>
#include <memory>

#include "IODBF3.h"
#include "IOTXT.h"
#include "IOXLS.h"
#include "VkBasis.h"

namespace VkExportColumns {

namespace {

// The five columns of a discipline, in order: text name, file name, type,
// width, decimals; the discipline's number follows each name.
struct DisciplinePart {
  const char* textName;
  const char* fileName;
  char type;
  uint8_t width, decimals;
};
constexpr DisciplinePart kDisciplineParts[5] = {
    {"ZEIT", "ZEIT", 'C', 7, 0}, {"ABZ", "ABZUG", 'C', 5, 0}, {"PUNKTE", "PUNKTE", 'N', 8, 2},
    {"LAUF", "LAUF", 'N', 5, 0}, {"BAHN", "BAHN", 'N', 5, 0}};

constexpr int kFirstDisciplineColumn = kIdentityColumns;
constexpr int kPartsPerDiscipline = 5;

}  // namespace

Column At(int index, bool individual) {
  switch (index) {
    case 0: return individual ? Column{"NAME", "NAME", 'C', 20, 0} : Column{"ORTSGRUPPE", "ORTSGRUPPE", 'C', 30, 0};
    case 1: return individual ? Column{"VORNAME", "VORNAME", 'C', 20, 0} : Column{"ZUSATZ", "ZUSATZ", 'C', 21, 0};
    case 2: return individual ? Column{"GEBDATUM", "GEBDATUM", 'C', 10, 0} : Column{"TEILN", "TEILN", 'C', 5, 0};
    case 3: return {"GESAMTPKT", "GESAMTPKT", 'N', 8, 2};
    case 4: return {"PLATZ", "PLATZ", 'N', 5, 0};
    case 5: return {"ALTERSKL", "ALTERSKL", 'C', 30, 0};
    case 6: return {"GLD", "GLIEDERUNG", 'C', 5, 0};
    case kFirstCprColumn: return {"HLW", "HLW", 'C', 8, 0};
    case kFirstCprColumn + 1: return {"HLWZEIT", "HLWZEIT", 'C', 5, 0};
    case kFirstCprColumn + 2: return {"HLWBAH", "HLWBAHN", 'N', 4, 0};
    default: break;
  }
  if (index < kFirstDisciplineColumn || index >= kFirstCprColumn) return {"", "", 'C', 0, 0};
  const int d = (index - kFirstDisciplineColumn) / kPartsPerDiscipline + 1;
  const DisciplinePart& p = kDisciplineParts[(index - kFirstDisciplineColumn) % kPartsPerDiscipline];
  const std::string number = IntToStr(d);
  return {p.textName + number, p.fileName + number, p.type, p.width, p.decimals};
}

std::string Value(const TTeilnehmer& t, int index, bool individual, bool withHundredths) {
  switch (index) {
    case 0: return t.Name(individual);
    case 1: return individual ? t.Vorname() : t.Zusatz();
    case 2: return individual ? t.Geburtsdatum() : std::string();
    case 3: return PointsToText(t.Total(), 2);
    case 4: return IntToStr(t.Place());
    case 5: return t.Altersklasse();
    case 6: return t.Gliederung();
    case kFirstCprColumn: return PointsOrCodeToText(t.CprValue(), 2);
    case kFirstCprColumn + 1: return ClockToText(t.CprTime());
    case kFirstCprColumn + 2: return IntToStr(t.CprStation());
    default: break;
  }
  if (index < kFirstDisciplineColumn || index >= kFirstCprColumn) return std::string();
  const int d = (index - kFirstDisciplineColumn) / kPartsPerDiscipline + 1;
  switch ((index - kFirstDisciplineColumn) % kPartsPerDiscipline) {
    case 0: return TimeToText(t.Time(d), withHundredths);
    case 1: return IntOrCodeToText(t.Deduction(d));
    case 2: return PointsToText(t.Points(d), 2);
    case 3: return IntToStr(t.Heat(d));
    default: return IntToStr(t.Lane(d));
  }
}

int64_t Number(const TTeilnehmer& t, int index) {
  switch (index) {
    case 3: return t.Total();
    case 4: return t.Place();
    case kFirstCprColumn + 2: return t.CprStation();
    default: break;
  }
  if (index < kFirstDisciplineColumn || index >= kFirstCprColumn) return 0;
  const int d = (index - kFirstDisciplineColumn) / kPartsPerDiscipline + 1;
  switch ((index - kFirstDisciplineColumn) % kPartsPerDiscipline) {
    case 2: return t.Points(d);
    case 3: return t.Heat(d);
    case 4: return t.Lane(d);
    default: return 0;
  }
}

}  // namespace VkExportColumns

namespace {

using VkExportColumns::kColumnCount;

// Calls `fn` for every participant of every age class, in collection order.
template <class Fn> void ForEachParticipant(const TWettkampf& w, Fn fn) {
  for (int a = 0; a < w.GetCount(); ++a) {
    const TAltersklasse& ak = *w.At(a);
    for (int i = 0; i < ak.GetCount(); ++i) fn(*ak.At(i));
  }
}

}  // namespace

void ExportText(const TWettkampf& competition, TYrStream& stream) {
  ExportText(competition, stream, ExportTextOptions);
}

void ExportText(const TWettkampf& w, TYrStream& stream, const TExportTextOptions& options) {
  const bool individual = w.IsIndividual();
  const int columns = options.DisciplineResults ? kColumnCount : VkExportColumns::kIdentityColumns;
  TIOTxt txt;
  txt.Separator = options.Separator;
  txt.Quote = options.Quote;
  txt.QuoteFields = options.QuoteFields;
  for (int c = 0; c < columns; ++c) {
    const VkExportColumns::Column col = VkExportColumns::At(c, individual);
    txt.AddColumn(col.textName, col.width);
  }
  txt.SetStream(&stream);
  auto cell = [&](int c, const std::string& value) {
    txt.SetValue(c, options.ConvertToWindows ? OemToAnsi(value) : value);
  };
  if (options.HeaderLine) {
    for (int c = 0; c < columns; ++c) cell(c, VkExportColumns::At(c, individual).textName);
    txt.WriteRecord();
  }
  ForEachParticipant(w, [&](const TTeilnehmer& t) {
    if (!t.IsComplete() && !options.IncludeAbsent) return;
    for (int c = 0; c < columns; ++c) cell(c, VkExportColumns::Value(t, c, individual, w.WithHundredths()));
    txt.WriteRecord();
  });
}

void ExportDbf(const TWettkampf& w, TYrStream& stream) {
  const bool individual = w.IsIndividual();
  TIODbf3 dbf;
  dbf.SetLanguageDriver(TIODbf3::kLanguageDriverCp850);
  std::array<bool, kColumnCount> numeric{};
  for (int c = 0; c < kColumnCount; ++c) {
    const VkExportColumns::Column col = VkExportColumns::At(c, individual);
    dbf.AddField(col.fileName, col.type, col.width, col.decimals);
    numeric[static_cast<size_t>(c)] = col.type == 'N';
  }
  dbf.Begin(&stream);
  ForEachParticipant(w, [&](const TTeilnehmer& t) {
    dbf.ClearRecord();
    for (int c = 0; c < kColumnCount; ++c) {
      if (numeric[static_cast<size_t>(c)])
        dbf.SetNumber(c, VkExportColumns::Number(t, c));
      else
        dbf.SetField(c, VkExportColumns::Value(t, c, individual, w.WithHundredths()));
    }
    dbf.WriteRecord();
  });
  dbf.Finish();
}

void ExportXls(const TWettkampf& competition, TYrStream& stream) {
  ExportXls(competition, stream, ExportXlsVersion);
}

void ExportXls(const TWettkampf& w, TYrStream& stream, int32_t xlsVersion) {
  constexpr uint16_t kDosCodePage = 850;
  const bool individual = w.IsIndividual();
  // A version outside 2..5 gives a writer that writes nothing; the sum is
  // formed in 64 bits so that no stored value can overflow it.
  const int64_t version = static_cast<int64_t>(xlsVersion) + 3;
  TIOXls xls(&stream, version >= 2 && version <= 5 ? static_cast<int>(version) : 0, kDosCodePage);
  for (int c = 0; c < kColumnCount; ++c)
    xls.WriteLabel(0, static_cast<uint16_t>(c), VkExportColumns::At(c, individual).fileName);
  uint16_t row = 1;
  ForEachParticipant(w, [&](const TTeilnehmer& t) {
    for (int c = 0; c < kColumnCount; ++c) {
      if (c == 2 && !individual) continue;
      xls.WriteLabel(row, static_cast<uint16_t>(c), VkExportColumns::Value(t, c, individual, w.WithHundredths()));
    }
    ++row;
  });
}
