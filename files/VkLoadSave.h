// Loading and saving a competition by format code: the one way in and out
// of every file the program reads or writes besides its printouts.
//
// Load codes: 1 result file (the current version or one of the four older
// ones, recognised by the first 38 bytes; 99 is taken as 1 by the load
// driver), 2 year-neutral template (a result file whose birth years are
// moved from the base year 1990 to the current year), 3 participants from
// fixed records, 5 participants from text lines; 4, 6 and 7 read nothing and
// succeed. Save codes: 1 result file, 2 year-neutral template, 5 delimited
// text, 6 dBASE III, 7 HTML, 9 Excel, 12 PDF of the results (the exports with
// the choices in VkExportOptions.h); any other code leaves an empty file and
// succeeds. The codes are chosen by the caller, never from the file's
// extension. The current year is that of ClockNow (YrClock.h).
//
// Every failure is reported through ErrorMsgProc, in the order the user is
// to read them; the functions' results only tell the caller whether to go
// on. The messages of a load: "Zu wenig Speicher, um die Datei zu laden."
// alone when the file's size + 15000 exceeds MemAvail; "Unbekanntes
// Dateiformat." for a code the load cannot read; "Unbekanntes
// Ergebnisdateiformat." for a file (also a missing or empty one) that starts
// with none of the header texts; after either of these two "Fehler beim Laden
// der Datei.", as after an import that failed. A result file that ends early
// or meets a wrong marker still loads what it holds (a success), after "Die
// Datei ist unvollständig; es wurde nur ein Teil gelesen.". File names are
// used as given, their case included.
#pragma once

#include <memory>
#include <string>
#include <string_view>

class TWettkampf;
class TYrStream;

// 99 becomes 1; every other code stays.
int NormaliseFormatCode(int code);

// Reads the file into a new competition (codes 1 and 99 only). nullptr when
// it could not be read; the reasons have been reported.
std::unique_ptr<TWettkampf> LoadCompetition(const std::string& fileName, int code);
// Reads the file into `competition` (an import, codes 1 to 7; 99 as 1).
// False when that failed; the competition stays the caller's either way
// (an import may have added participants before a read failed).
bool LoadCompetition(const std::string& fileName, TWettkampf& competition, int code);

// The load by format code on an open stream (99 is not taken as 1 here).
// True when the code's step succeeded and the stream had been opened.
bool LoadByFormat(TWettkampf& competition, TYrStream& stream, int code);
// A reader of one result-file version: fills the competition from the stream,
// which stands on the header text; true when it read the file to its end.
using TResultReader = bool (*)(TWettkampf& competition, TYrStream& stream);
// The reader of the file whose first 38 bytes are `header` (the current
// format or one of the four older ones); nullptr for any other text and for
// fewer than 38 bytes.
TResultReader ResultReaderFor(std::string_view header);
// Runs the reader whose header the stream starts with, from position 0;
// true when one ran (the file may have been incomplete, see above), false
// (reported) when none matched.
bool ReadResultFile(TWettkampf& competition, TYrStream& stream);

// Writes the competition in the format of `code`. The new file is written
// beside the target under a temporary name and put in place only when every
// write, the flush to the disk and the close succeeded; the file that stood
// under the name before then becomes its backup (BackupName: the extension
// replaced by "BAK"). True when the new file stands under the name. False
// after "Fehler beim Speichern der Datei." when anything failed (the folder
// cannot be written, the disk is full, ...): the file under the name and
// its backup are then exactly as they were, and no temporary file is left.
// The competition is as before afterwards (code 2 shifts the birth years
// for writing and back); the exports may rebuild its organisation
// statistics.
bool SaveCompetition(const std::string& fileName, TWettkampf& competition, int code);
