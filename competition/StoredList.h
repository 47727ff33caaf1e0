// The head and item markers of a stored list, shared by every list the
// result file holds: u16 count, u16 limit, u16 delta, then each item behind
// its u16 type marker, then one trailing byte.
//
// Reading is defensive because the bytes come from a file: a head that
// cannot be read whole is refused rather than taken from undefined values,
// a delta that could not grow the collection (0, or too large for its signed
// 16-bit field) becomes kDefaultDelta, and a marker that cannot be read
// counts as a wrong one. The caller stops reading its list at the first
// refusal and at kMaxCollectionSize items.
#pragma once

#include <cstdint>

#include "YrCollection.h"
#include "YrStream.h"

struct StoredListHead {
  static constexpr int16_t kDefaultDelta = 10;

  uint16_t count = 0;
  uint16_t limit = 0;
  int16_t delta = kDefaultDelta;
};

// Reads the six bytes of a list head; false (head unchanged) when they cannot
// all be read.
bool ReadListHead(TYrStream& stream, StoredListHead& head);
// Writes the collection's count (its low 16 bits), limit and delta.
void WriteListHead(TYrStream& stream, const TYrCollection& list);
// Sets the limit and delta read from a head on an emptied collection.
void ApplyListHead(TYrCollection& list, const StoredListHead& head);
// True when the next two bytes can be read and hold `marker`.
bool ReadMarker(TYrStream& stream, uint16_t marker);
// Writes `marker`.
void WriteMarker(TYrStream& stream, uint16_t marker);
// Writes the one trailing byte of a list.
void WriteTrailingByte(TYrStream& stream, bool duplicates);
// Reads and ignores the trailing byte (its read result stays in the stream).
void SkipTrailingByte(TYrStream& stream);
