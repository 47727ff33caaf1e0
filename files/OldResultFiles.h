// Readers of the result files that older versions of the program (2.1, 1.5
// and 1.0) and its predecessor (TLO.EXE 3.0) wrote. Nothing is ever written
// in these formats; what they hold is converted into the current records:
// header, age classes with their disciplines and records, participants and,
// where the file has them, the organisation statistics.
//
// Each reader takes a new competition (as `TWettkampf()` makes it: default
// header, no age classes, empty lists) and a stream standing on the first
// byte of the file's 38-byte header text, which it reads again. It never
// trusts the file: every text keeps within its field in the file and in the
// current record, every read is checked before its bytes are used, no list
// grows past kMaxCollectionSize items, and a damaged file leaves a valid,
// partly filled competition. Participants go into their class through its
// insertion, which computes their totals, so the points, totals and places
// stored in the file decide nothing; every age class is evaluated again
// before a reader returns, whichever way it ends.
//
// Result: true when the file was read to its end as its layout says; false
// when reading stopped early (a damaged header, a wrong or unreadable item
// marker, a list head or record that could not be read whole, a collection
// limit, a trailing part of a predecessor record). What was read before the
// stop stays. The stop itself is not reported; the messages that do come
// through ErrorMsgProc are those of the competition (an age class stored
// twice, a predecessor participant that fits no class) and, at the end, the
// count of predecessor records without a name, which are skipped. The
// stream stays the caller's and stands where reading ended.
#pragma once

#include <cstddef>

class TWettkampf;
class TYrStream;

// The header texts, 38 bytes each, stored without a length byte.
inline constexpr size_t kResultHeaderSize = 38;
inline constexpr char kHeaderVersion21[] = "Ergebnisdatei von Vk.EXE Version 2.1 \x1A";
inline constexpr char kHeaderVersion15[] = "Ergebnisdatei von Vk.EXE Version 1.5 \x1A";
inline constexpr char kHeaderVersion10[] = "Ergebnisdatei von Vk.EXE Version 1.0 \x1A";
inline constexpr char kHeaderForeign[] = "Ergebnisdatei von TLO.EXE Version 3.0\x1A";
static_assert(sizeof kHeaderVersion21 - 1 == kResultHeaderSize && sizeof kHeaderVersion15 - 1 == kResultHeaderSize &&
              sizeof kHeaderVersion10 - 1 == kResultHeaderSize && sizeof kHeaderForeign - 1 == kResultHeaderSize);

bool ReadResultFile21(TWettkampf& competition, TYrStream& stream);
bool ReadResultFile15(TWettkampf& competition, TYrStream& stream);
bool ReadResultFile10(TWettkampf& competition, TYrStream& stream);
bool ReadForeignResultFile(TWettkampf& competition, TYrStream& stream);
