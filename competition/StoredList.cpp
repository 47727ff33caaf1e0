#include "StoredList.h"

#include "ByteOrder.h"

bool ReadListHead(TYrStream& stream, StoredListHead& head) {
  uint8_t b[6] = {};
  stream.Read(b, sizeof b);
  if (stream.Status != 0) return false;
  head.count = le::GetU16(b, 0);
  head.limit = le::GetU16(b, 2);
  const uint16_t delta = le::GetU16(b, 4);
  head.delta = (delta == 0 || delta > INT16_MAX) ? StoredListHead::kDefaultDelta : static_cast<int16_t>(delta);
  return true;
}

void WriteListHead(TYrStream& stream, const TYrCollection& list) {
  uint8_t b[6];
  le::PutU16(b, 0, static_cast<uint16_t>(list.GetCount()));
  le::PutU16(b, 2, static_cast<uint16_t>(list.GetLimit()));
  le::PutU16(b, 4, static_cast<uint16_t>(list.GetDelta()));
  stream.Write(b, sizeof b);
}

void ApplyListHead(TYrCollection& list, const StoredListHead& head) {
  list.SetLimit(head.limit);
  list.SetDelta(head.delta);
}

bool ReadMarker(TYrStream& stream, uint16_t marker) {
  uint8_t b[2] = {};
  stream.Read(b, sizeof b);
  return stream.Status == 0 && le::GetU16(b, 0) == marker;
}

void WriteMarker(TYrStream& stream, uint16_t marker) {
  uint8_t b[2];
  le::PutU16(b, 0, marker);
  stream.Write(b, sizeof b);
}

void WriteTrailingByte(TYrStream& stream, bool duplicates) {
  const uint8_t b = duplicates ? 1 : 0;
  stream.Write(&b, 1);
}

void SkipTrailingByte(TYrStream& stream) {
  uint8_t b = 0;
  stream.Read(&b, 1);
}
