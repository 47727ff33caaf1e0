// Loading and saving a competition by format code: the one way in and out
// of every file the program reads or writes besides its printouts.
//
// Load codes: 1 result file (current or older version, by its header; 99 is
// taken as 1), 2 year-neutral template, 3 participants from fixed records,
// 5 participants from text lines. Save codes: 1 result file, 2 year-neutral
// template, 5 delimited text, 6 dBASE III, 7 HTML, 9 Excel, 12 PDF of the
// results; any other code leaves an empty file. The codes are chosen by the
// caller, never from the file's extension.
//
// Every failure is reported through ErrorMsgProc, in the order the user is
// to read them; the functions' results only tell the caller whether to go on.
#pragma once

#include <memory>
#include <string>

class TWettkampf;
class TYrStream;

// 99 becomes 1; every other code stays.
int NormaliseFormatCode(int code);

// Reads the file into a new competition (codes 1 and 99 only). nullptr when
// it could not be read; the reasons have been reported.
std::unique_ptr<TWettkampf> LoadCompetition(const std::string& fileName, int code);
// Reads the file into `competition` (an import, codes 1 to 7). False when
// that failed; the competition stays the caller's either way.
bool LoadCompetition(const std::string& fileName, TWettkampf& competition, int code);

// The load by format code on an open stream.
bool LoadByFormat(TWettkampf& competition, TYrStream& stream, int code);
// Runs the reader whose header the stream starts with; false (reported)
// when none does.
bool ReadResultFile(TWettkampf& competition, TYrStream& stream);

// Writes the competition in the format of `code`. True when the file was
// written; false (reported) when it could not be, and then the file that
// stood under the name before is kept. The competition's organisation
// statistics may be rebuilt; its contents are otherwise as before.
bool SaveCompetition(const std::string& fileName, TWettkampf& competition, int code);
