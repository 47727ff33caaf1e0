// The table exports of a competition: the participants of all age classes as
// one flat table, written as delimited text, as a dBASE III table or as an
// Excel sheet.
//
// The three share one column scheme of 40 columns: three identity columns
// that depend on the kind of event (individual: NAME, VORNAME, GEBDATUM;
// teams: ORTSGRUPPE, ZUSATZ, TEILN, the third always empty), total, place,
// age class and organisation, five columns per discipline for all six
// disciplines (time, deduction, points, heat, lane) and three CPR columns.
// Values are the texts of the grid and the reports (decimal comma, status
// words such as "disq." or "n.a."), in the DOS code page as stored; only the
// delimited text can convert them to the Windows code page. The dBASE table
// and the Excel sheet say that their texts are in code page 850. The dBASE
// table holds numbers as dBASE readers parse them (decimal point, the
// declared decimals); the columns that can hold a status word (deductions
// and the CPR value) are character fields there, so a disqualification
// never reads as the number 0.
//
// Participants come in the order of the age classes and, within a class, in
// its current (ranking) order. The delimited text leaves out participants
// whose results are not complete unless its options include them; the dBASE
// and Excel files hold every participant.
//
// The stream belongs to the caller, who opens it before and closes it after;
// nothing is reported, write errors stay in its status (`FirstError`).
#pragma once

#include <cstdint>
#include <string>

#include "VkExportOptions.h"
#include "VkWettk.h"
#include "YrStream.h"

// Format code 5: delimited text with the choices of `ExportTextOptions`.
void ExportText(const TWettkampf& competition, TYrStream& stream);
void ExportText(const TWettkampf& competition, TYrStream& stream, const TExportTextOptions& options);

// Format code 6: dBASE III table, always all 40 fields.
void ExportDbf(const TWettkampf& competition, TYrStream& stream);

// Format code 9: Excel sheet of BIFF version `ExportXlsVersion` + 3: the 40
// column names in row 0, then one row per participant, every cell a label.
void ExportXls(const TWettkampf& competition, TYrStream& stream);
void ExportXls(const TWettkampf& competition, TYrStream& stream, int32_t xlsVersion);

// The column scheme, for the exports and their tests.
namespace VkExportColumns {

constexpr int kColumnCount = 40;
constexpr int kIdentityColumns = 7;  // 0..6: before the disciplines
constexpr int kFirstCprColumn = 37;

struct Column {
  std::string textName;  // header of the delimited text
  std::string fileName;  // dBASE field name and Excel header
  char type;             // dBASE field type, 'C' or 'N'
  uint8_t width;         // text width and dBASE field length
  uint8_t decimals;
};

// Column 0..39 of an individual or a team competition.
Column At(int index, bool individual);

// The value of column `index` for a participant, in the DOS code page.
std::string Value(const TTeilnehmer& participant, int index, bool individual, bool withHundredths);

// The value of a numeric ('N') column in units of its last decimal place
// (hundredths for points); 0 for any other column.
int64_t Number(const TTeilnehmer& participant, int index);

}  // namespace VkExportColumns
