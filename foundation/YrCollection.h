// The pointer collections every list of the program rests on (age classes,
// participants, organisations, page items), and a small set of byte values.
//
// `TYrCollection` is a growable array of object pointers in insertion order.
// It does NOT own its items: destroying it releases only its array. Its
// limit (`GetLimit`), growth step (`GetDelta`) and item count (`GetCount`)
// are written to stored files, so they are kept exactly as values: the limit
// grows in steps of Delta when an insertion finds it reached, the hard
// maximum is `kMaxCollectionSize` items, and `SetLimit` clamps. The memory
// behind them is another matter: it grows geometrically with the items
// actually held (`Reserved`), whatever limit or delta a file claims, so a
// stored limit of 65535 reserves nothing and a delta of 1 does not copy the
// array on every insertion.
//
// `TYrSortedCollection` keeps its items in key order and OWNS them: `AtFree`,
// `Free`, `FreeAll` and its destructor dispose items through `FreeItem`
// (which deletes them), while `AtDelete`, `Delete` and `DeleteAll` still only
// remove. Items are handed over with `Add`, which answers with the item kept
// or nullptr (the refused item freed); `Insert` is the ordered insertion
// beneath it, which leaves a refused item with the caller. A descendant
// that overrides `FreeItem` (for instance a list that merely refers to items
// owned elsewhere) must empty itself in its own destructor (`FreeAll` or
// `DeleteAll`), because C++ runs the base destructor with the base's
// `FreeItem`.
//
// Misuse (an index outside the items, an insertion beyond the limit) is a
// programming error of the caller: `Error` raises run-time error 213 or 214
// through `RunError`, which ends the program unless a test has installed a
// handler that returns. When the handler returns, the failing operation
// leaves the collection unchanged and `At` yields nullptr.
//
// Single-threaded; no locking.
#pragma once

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <memory>

#include "YrObject.h"

// No collection ever holds more items than this.
constexpr int kMaxCollectionSize = 16379;

class TYrCollection : public TYrObject {
 public:
  // Empty collection with limit `aLimit` (clamped by `SetLimit`) and growth
  // step `aDelta`; no memory is reserved until an item arrives.
  TYrCollection(int aLimit, int16_t aDelta);
  ~TYrCollection() override;

  TYrCollection(const TYrCollection&) = delete;
  TYrCollection& operator=(const TYrCollection&) = delete;

  // The item at `index`; nullptr (after an index error) when outside 0..Count-1.
  TYrObject* At(int index) const;
  // The same, as the caller's item type; the caller knows what it stored.
  template <class T>
  T* At(int index) const {
    return static_cast<T*>(At(index));
  }
  // Replaces the item at `index`; the old item is neither freed nor returned.
  void AtPut(int index, TYrObject* item);
  // Inserts before position `index` (0..Count); when the limit is reached it
  // grows by Delta (a Delta of 0 or less cannot grow: overflow error).
  void AtInsert(int index, TYrObject* item);
  // Removes the entry at `index` without freeing the item.
  void AtDelete(int index);
  // Removes this very item (found through `IndexOf`, identity checked)
  // without freeing it; an item that is not held is an index error.
  void Delete(TYrObject* item);
  // Forgets all entries; items are not freed and the capacity stays.
  void DeleteAll();
  // Removes, without freeing, every entry for which gone(item) is true, in
  // one pass; the others keep their order.
  template <class F>
  void DeleteIf(F&& gone) {
    TYrObject** items = items_.get();
    count_ = static_cast<int32_t>(std::remove_if(items, items + count_, gone) - items);
  }

  // Reports a misuse: ends the program with run-time error 212 - code
  // (213 index out of range, 214 overflow) through `RunError`.
  virtual void Error(int16_t code, int32_t info) const;
  // First index holding this pointer, -1 when absent.
  virtual int IndexOf(const TYrObject* item) const;
  // Appends.
  virtual void Insert(TYrObject* item);
  // Changes the limit: never below Count, never above kMaxCollectionSize.
  // Reserves no memory.
  virtual void SetLimit(int aLimit);

  int16_t GetLimit() const { return limit_; }
  int16_t GetDelta() const { return delta_; }
  int16_t GetCount() const { return static_cast<int16_t>(count_); }
  void SetDelta(int16_t aDelta) { delta_ = aDelta; }

  // The item array (nullptr while nothing was ever reserved).
  TYrObject* const* Items() const { return items_.get(); }
  // Items the array has room for: the memory, not the stored limit. At most
  // half as much again as the largest count held, and never more than
  // kMaxCollectionSize.
  int Reserved() const { return reserved_; }

  // Calls action(item) for every item from index 0 upward. The count is
  // taken once at the start; actions must not insert or delete items of this
  // collection (a walk over a shrunken collection stops at its end).
  template <class F>
  void ForEach(F&& action) const {
    const int n = count_;
    for (int i = 0; i < n && i < count_; ++i) action(items_[i]);
  }

 protected:
  // Errors reported through `Error`.
  static constexpr int16_t kIndexError = -1;
  static constexpr int16_t kOverflowError = -2;

  bool ValidIndex(int index) const { return index >= 0 && index < count_; }
  // The items, for the quick sort of the sorted collection.
  TYrObject** MutableItems() { return items_.get(); }

 private:
  // Makes room for one more item.
  void Reserve();

  std::unique_ptr<TYrObject*[]> items_;
  int32_t reserved_ = 0;
  int16_t limit_ = 0;
  int16_t delta_ = 0;
  int32_t count_ = 0;
};

class TYrSortedCollection : public TYrCollection {
 public:
  // Empty, Duplicates false.
  TYrSortedCollection(int aLimit, int16_t aDelta);
  // Frees every item still held (with this class's `FreeItem`).
  ~TYrSortedCollection() override;

  // -1 when key1 sorts before key2, 0 when equal, 1 when after. Values
  // outside these three are read by their sign.
  virtual int Compare(const TYrObject* key1, const TYrObject* key2) const = 0;
  // The key of an item: the item itself.
  virtual const TYrObject* KeyOf(const TYrObject* item) const;
  // Binary search. Without Duplicates `index` is the equal item met first by
  // the halving; with Duplicates the leftmost equal item; when nothing is
  // equal, the position where the key would be inserted (0..Count).
  virtual bool Search(const TYrObject* key, int& index) const;
  // Disposes an item; nullptr is ignored.
  virtual void FreeItem(TYrObject* item);

  // Position of the item. With Duplicates the position of this very pointer
  // (-1 when absent); without, the position of the item with an equal key.
  int IndexOf(const TYrObject* item) const override;
  // Ordered insertion, before all items with an equal key. Without
  // Duplicates an item whose key is present is not inserted and stays with
  // the caller, who must dispose of it (compare GetCount before and after).
  void Insert(TYrObject* item) override;
  // Takes the item and inserts it through `Insert`. Returns the item kept,
  // or nullptr when the collection refused it (its key is present and
  // Duplicates is false); a refused item is freed.
  template <class T>
  T* Add(std::unique_ptr<T> item) {
    return static_cast<T*>(AddItem(std::move(item)));
  }

  // Removes and frees the item at `index`.
  void AtFree(int index);
  // Removes and frees this very item; an item that is not held is an index
  // error and is left alone (it may still belong to someone else).
  void Free(TYrObject* item);
  // Frees all items, from the last one down.
  void FreeAll();
  // Re-sorts with the current Compare (the quick sort of CollectionSort.h;
  // not stable: the resulting order of equal keys is fixed by the algorithm
  // and shows in reports).
  void Sort();

  bool GetDuplicates() const { return duplicates_; }
  void SetDuplicates(bool duplicates) { duplicates_ = duplicates; }

 protected:
  // What `Add` does; a descendant whose insertion reports refused items
  // replaces it.
  virtual TYrObject* AddItem(std::unique_ptr<TYrObject> item);

 private:
  int Cmp(const TYrObject* key1, const TYrObject* key2) const;

  bool duplicates_ = false;
};

// A set of byte values 0..255.
class TYrSet : public TYrObject {
 public:
  TYrSet() = default;

  void SetElement(uint8_t value, bool include) { elements_.set(value, include); }
  bool Contains(uint8_t value) const { return elements_.test(value); }

 private:
  std::bitset<256> elements_;
};
