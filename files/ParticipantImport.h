// Participants from files of other programs, added to an existing
// competition: fixed 96-byte records (format code 3) and semicolon-separated
// text lines (format code 5).
//
// Which record layout or which fields are read (person or team) follows the
// competition's kind of event, not the file. Each participant read is built
// new and handed to `TWettkampf::PlaceParticipant`, which puts it into the
// class of its age-class text and sex, or reports it through ErrorMsgProc
// and leaves it to the importer, which disposes it. A record or line whose
// name (a team's name for teams) holds nothing but blanks and NUL bytes is
// no participant: it is skipped, and the skipped ones are counted in one
// message at the end (`ReportNameless`). Both importers read from the start
// of the stream, which stays the caller's.
//
// Result: true when the input was read to its end; false when a read failed
// (what was imported before stays).
#pragma once

#include <string_view>

class TWettkampf;
class TYrStream;

// True when `name` holds nothing but blanks and NUL bytes (an empty record
// of another program, or its padding).
bool IsNameless(std::string_view name);
// "N Datensätze ohne Namen wurden übersprungen." through ErrorMsgProc when
// count is above 0; the predecessor's result files are read the same way.
void ReportNameless(int count);

// Records are read while a whole one remains; a cut record at the end is left.
bool ImportParticipantsBinary(TWettkampf& competition, TYrStream& stream);
// The first line (the column heads) is skipped; every further non-empty line
// is one participant. A line is read whole, however long.
bool ImportParticipantsText(TWettkampf& competition, TYrStream& stream);
