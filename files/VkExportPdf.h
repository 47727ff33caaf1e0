// The PDF export of the results: the whole results list of a competition on
// landscape A4, with the organisation statistics appended when more than one
// organisation takes part, written with the document information in
// PdfExportInfo.
#pragma once

class TWettkampf;
class TYrStream;

// Writes one PDF file into `stream`, which the caller created and still owns
// (it stays open). Reports nothing: a failed write stays in the stream's
// FirstError for the caller to test. Rebuilds the competition's organisation
// statistics.
void ExportPdfResults(TWettkampf& competition, TYrStream& stream);
