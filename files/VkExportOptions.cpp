#include "VkExportOptions.h"

TExportHtmlOptions ExportHtmlOptions;
TExportTextOptions ExportTextOptions;
int32_t ExportXlsVersion = 0;
// Set while the program starts, before any window exists.
TPdfOptions PdfExportInfo = DefaultPdfExportInfo();

TPdfOptions DefaultPdfExportInfo() {
  TPdfOptions o;
  o.Title = "KRVB Rettungssport";
  o.Subject = "Veranstaltung";
  o.Author = "Veranstalter";
  o.Keywords = "KRVB, Rettungssport, Ergebnis";
  o.Creator = kPdfCreator;
  o.CreationDate = PdfDateString();
  o.Producer = kPdfCreator;
  o.Compress = false;
  return o;
}

TExportHtmlOptions PresetHtmlOptions() {
  TExportHtmlOptions o;
  o.TableForm = true;
  o.AgeClassLinks = true;
  o.DisciplineResults = true;
  return o;
}

TExportTextOptions PresetTextOptions() {
  TExportTextOptions o;
  o.ConvertToWindows = true;
  o.QuoteFields = true;
  o.DisciplineResults = true;
  o.IncludeAbsent = false;
  o.Separator = ';';
  o.Quote = '"';
  o.HeaderLine = true;
  return o;
}
