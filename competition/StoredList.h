// Reading and writing the stored lists of result files: the one routine that
// every list of the current format uses (age classes, participants,
// organisation statistics, organ list) and that readers of older versions
// use too.
//
// A stored list is a head of three u16 (count, limit, delta), then each item
// behind its u16 type marker, then one trailing byte. `ReadStoredList` reads
// the head, hands every marker to a callback that reads the item behind it
// and puts it into its list, and reads the trailing byte; `WriteStoredList`
// writes the same shape. `ReadStoredItems` is the common case, a list of
// one item type read through the item's stream constructor:
//
//   const StoredListRead read = ReadStoredItems<TGliederung>(stream, list, kGliederungMarker);
//   if (!read.Complete()) ...  // what follows the list cannot be found
//
// Reading is defensive because the bytes come from a file: a head that
// cannot be read whole is refused rather than taken from undefined values, a
// delta that could not grow the collection (0, or too large for its signed
// 16-bit field) becomes kDefaultDelta, a marker that cannot be read ends the
// list like a wrong one, and no more than kMaxCollectionSize items are
// offered to the list. A stored limit reserves no memory (the collection's
// memory grows with the items it is given), so a head cannot make a reader
// reserve more than the file holds.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "YrCollection.h"
#include "YrStream.h"

struct StoredListHead {
  static constexpr int16_t kDefaultDelta = 10;

  uint16_t count = 0;
  uint16_t limit = 0;
  int16_t delta = kDefaultDelta;
};

// How reading a stored list ended.
enum class StoredListEnd {
  kNoHead,    // the six head bytes could not be read whole: nothing else was
              // read, no limits were applied
  kStopped,   // a marker could not be read or the callback refused one: what
              // the callback took so far stays; the stream stands inside the
              // list's data and the trailing byte is not read
  kFull,      // kMaxCollectionSize markers were offered and the head announced
              // more: the rest is not read, nor the trailing byte
  kComplete,  // every announced item was read, then the trailing byte (whose
              // read result stays in the stream's Status)
};

struct StoredListRead {
  StoredListEnd end = StoredListEnd::kNoHead;
  StoredListHead head;   // as read, delta made usable; default when kNoHead
  int offered = 0;       // markers handed to the callback (those it took and
                         // the one it refused)
  uint8_t trailing = 0;  // the trailing byte, when kComplete and readable

  bool Complete() const { return end == StoredListEnd::kComplete; }
};

struct StoredListOptions {
  // The collection that takes the head's limit and delta (SetLimit, SetDelta)
  // before the first item; nullptr: none does, as where an older version's
  // heads are ignored.
  TYrCollection* limitsTo = nullptr;
  // Older versions read the count as a signed field: above 32767 it is
  // negative and announces no items.
  bool signedCount = false;
};

// Called once per item with the marker just read; the stream stands at the
// item's first byte. It reads the item, puts it into its list (or disposes of
// it, if the list refuses it) and returns true; or it returns false to end
// the list there: at a marker it does not expect, or when the item could not
// be read whole (disposing of what it began).
using StoredItemReader = std::function<bool(uint16_t marker)>;

// Reads the stored list that starts at the stream's position: the head, at
// most kMaxCollectionSize markers with their items (through `readItem`), and
// the trailing byte. The caller empties its list first where it must.
StoredListRead ReadStoredList(TYrStream& stream, const StoredItemReader& readItem,
                              const StoredListOptions& options = {});

// ReadStoredList for a list of `Item`s, each built by Item(stream) behind
// `marker` and handed to `take` (by default the list's `Add`); a wrong marker
// or an item that could not be read whole ends the list. The list takes the
// head's limit and delta.
template <class Item, class List, class Take>
StoredListRead ReadStoredItems(TYrStream& stream, List& list, uint16_t marker, Take take) {
  return ReadStoredList(
      stream,
      [&](uint16_t read) {
        if (read != marker) return false;
        auto item = std::make_unique<Item>(stream);
        if (stream.Status != 0) return false;
        take(std::move(item));
        return true;
      },
      {.limitsTo = &list});
}
template <class Item, class List>
StoredListRead ReadStoredItems(TYrStream& stream, List& list, uint16_t marker) {
  return ReadStoredItems<Item>(stream, list, marker,
                               [&list](std::unique_ptr<Item> item) { list.Add(std::move(item)); });
}

// Writes count (its low 16 bits), limit and delta of the list, then for
// every item the marker and what `storeItem` writes, then the trailing byte
// (1 for `duplicates`). Stream errors stay in the stream.
void WriteStoredList(TYrStream& stream, const TYrCollection& list, uint16_t marker,
                     const std::function<void(const TYrObject&)>& storeItem, bool duplicates);
