#include "StoredList.h"

#include "ByteOrder.h"

namespace {

bool ReadHead(TYrStream& stream, StoredListHead& head) {
  uint8_t b[6] = {};
  stream.Read(b, sizeof b);
  if (stream.Status != 0) return false;
  head.count = le::GetU16(b, 0);
  head.limit = le::GetU16(b, 2);
  const uint16_t delta = le::GetU16(b, 4);
  head.delta = (delta == 0 || delta > INT16_MAX) ? StoredListHead::kDefaultDelta : static_cast<int16_t>(delta);
  return true;
}

}  // namespace

StoredListRead ReadStoredList(TYrStream& stream, const StoredItemReader& readItem, const StoredListOptions& options) {
  StoredListRead r;
  if (!ReadHead(stream, r.head)) return r;
  if (options.limitsTo != nullptr) {
    options.limitsTo->SetLimit(r.head.limit);
    options.limitsTo->SetDelta(r.head.delta);
  }
  const int count = options.signedCount ? static_cast<int16_t>(r.head.count) : r.head.count;
  for (int i = 0; i < count; ++i) {
    if (i >= kMaxCollectionSize) {
      r.end = StoredListEnd::kFull;
      return r;
    }
    uint8_t m[2] = {};
    stream.Read(m, sizeof m);
    r.end = StoredListEnd::kStopped;
    if (stream.Status != 0) return r;
    ++r.offered;
    if (!readItem(le::GetU16(m, 0))) return r;
  }
  uint8_t trailing = 0;
  stream.Read(&trailing, 1);
  if (stream.Status == 0) r.trailing = trailing;
  r.end = StoredListEnd::kComplete;
  return r;
}

void WriteStoredList(TYrStream& stream, const TYrCollection& list, uint16_t marker,
                     const std::function<void(const TYrObject&)>& storeItem, bool duplicates) {
  uint8_t head[6];
  le::PutU16(head, 0, static_cast<uint16_t>(list.GetCount()));
  le::PutU16(head, 2, static_cast<uint16_t>(list.GetLimit()));
  le::PutU16(head, 4, static_cast<uint16_t>(list.GetDelta()));
  stream.Write(head, sizeof head);
  uint8_t m[2];
  le::PutU16(m, 0, marker);
  list.ForEach([&](const TYrObject* item) {
    stream.Write(m, sizeof m);
    storeItem(*item);
  });
  const uint8_t trailing = duplicates ? 1 : 0;
  stream.Write(&trailing, 1);
}
