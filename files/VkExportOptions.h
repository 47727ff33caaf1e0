// The choices of the exports, kept for the whole run of the program.
//
// The user interface fills `ExportHtmlOptions` and `ExportTextOptions` from
// their option dialogs immediately before each export, sets
// `ExportXlsVersion` before an Excel export and prefills and reads back
// `PdfExportInfo` around every PDF file; the export drivers only read them.
// The two option records and the Excel version start zeroed, as a program
// without settings of its own has them; `PdfExportInfo` starts with the
// document information below, dated the day the program started, and keeps
// whatever the user typed for the next PDF of the same run. Nothing is
// stored on disk. Single-threaded, like the rest of the program.
#pragma once

#include <cstdint>

#include "IOPDF.h"
#include "ShortString.h"

struct TExportHtmlOptions {
  bool TableForm = false;          // each age class as a table, else as preformatted lines
  bool AgeClassLinks = false;      // the list of links to the age classes
  bool DisciplineResults = false;  // the per-discipline columns
  ShortString<255> BodyColour;     // the colour's name as the options dialog offers it; empty for none
  ShortString<255> BackgroundImage;  // file name as entered (DOS code page); empty for none
};

struct TExportTextOptions {
  bool ConvertToWindows = false;   // cells from the DOS to the Windows code page
  bool QuoteFields = false;        // every cell between two quote characters
  bool DisciplineResults = false;  // the six disciplines' and the CPR columns
  bool IncludeAbsent = false;      // also participants whose results are not complete
  char Separator = '\0';
  char Quote = '\0';
  bool HeaderLine = false;         // a first line with the column names
};

extern TExportHtmlOptions ExportHtmlOptions;
extern TExportTextOptions ExportTextOptions;
// The Excel writer gets this + 3 as its BIFF version; Save As sets it to 0.
extern int32_t ExportXlsVersion;
// Document information of every PDF the program writes (Windows code page).
extern TPdfOptions PdfExportInfo;

// The values the option dialogs show each time they open: table form with
// links and discipline results, no colour, no image; Windows code page,
// separator ";", the double quote around every cell, a header line,
// discipline results, participants with incomplete results left out.
TExportHtmlOptions PresetHtmlOptions();
TExportTextOptions PresetTextOptions();

// The program's name and maker, the creator and producer of its PDF files.
inline constexpr char kPdfCreator[] = "Vk Brantovex (Tarnwell)";

// The document information a run starts with: fixed title, subject, author
// and keywords, creator and producer, the current day (ClockNow) as creation
// date, no compression.
TPdfOptions DefaultPdfExportInfo();
