// Loading and saving a competition by format code: the one way in and out
// of every file the program reads or writes besides its printouts. The
// caller names the format (FormatCode below), never the file's extension.
// The current year is that of ClockNow (YrClock.h).
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

// The format codes with the numbers the program has always given them
// (vkdump takes the numbers on its command line). A number that is none of
// these is a code the load does not know and the save writes as an empty
// file. The exports take the choices of VkExportOptions.h.
enum class FormatCode : int {
  ResultFile = 1,          // load: the current version or one of the four older ones,
                           // recognised by the first 38 bytes; save: the current version
  Template = 2,            // year-neutral template: a result file whose birth years are
                           // those of the base year 1990 (load: moved to the current year)
  ParticipantRecords = 3,  // load: participants from fixed 96-byte records; save: nothing
  Empty = 4,               // load: nothing read, success; save: nothing
  Text = 5,                // load: participants from text lines; save: delimited text
  Dbf = 6,                 // save: dBASE III; load: nothing read, success
  Html = 7,                // save: HTML; load: nothing read, success
  Xls = 9,                 // save: Excel; the load does not know it
  Pdf = 12,                // save: PDF of the results; the load does not know it
  ResultFileAlias = 99,    // ResultFile for the load driver; the save writes nothing
};

// ResultFileAlias becomes ResultFile; every other code stays.
FormatCode NormaliseFormatCode(FormatCode code);

// Reads the file into a new competition (ResultFile and ResultFileAlias
// only). nullptr when it could not be read; the reasons have been reported.
std::unique_ptr<TWettkampf> LoadCompetition(const std::string& fileName, FormatCode code);
// Reads the file into `competition` (an import; the codes up to Html, and
// ResultFileAlias as ResultFile).
// False when that failed; the competition stays the caller's either way
// (an import may have added participants before a read failed).
bool LoadCompetition(const std::string& fileName, TWettkampf& competition, FormatCode code);

// The load by format code on an open stream (ResultFileAlias is not taken as
// ResultFile here). True when the code's step succeeded and the stream had
// been opened.
bool LoadByFormat(TWettkampf& competition, TYrStream& stream, FormatCode code);
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
// The competition is as before afterwards (Template shifts the birth years
// for writing and back); the exports may rebuild its organisation
// statistics.
bool SaveCompetition(const std::string& fileName, TWettkampf& competition, FormatCode code);
