#include "YrCollection.h"

#include <algorithm>

#include "CollectionSort.h"

// ---------------------------------------------------------------------------
// TYrCollection

TYrCollection::TYrCollection(int aLimit, int16_t aDelta) : delta_(aDelta) { SetLimit(aLimit); }

TYrCollection::~TYrCollection() = default;

void TYrCollection::Error(int16_t code, int32_t) const { RunError(212 - code); }

TYrObject* TYrCollection::At(int index) const {
  if (!ValidIndex(index)) {
    Error(kIndexError, 0);
    return nullptr;
  }
  return items_[index];
}

void TYrCollection::AtPut(int index, TYrObject* item) {
  if (!ValidIndex(index)) {
    Error(kIndexError, 0);
    return;
  }
  items_[index] = item;
}

void TYrCollection::AtInsert(int index, TYrObject* item) {
  if (index < 0 || index > count_) {
    Error(kIndexError, 0);
    return;
  }
  if (count_ >= limit_) {
    // A Delta of 0 or less cannot grow; the sum is taken in full int width so
    // a large Delta cannot wrap into a smaller limit.
    if (delta_ <= 0 || count_ >= kMaxCollectionSize) {
      Error(kOverflowError, 0);
      return;
    }
    SetLimit(static_cast<int>(limit_) + delta_);
    // Whatever SetLimit did, never store past the array.
    if (count_ >= limit_) {
      Error(kOverflowError, 0);
      return;
    }
  }
  if (count_ >= reserved_) Reserve();
  std::move_backward(items_.get() + index, items_.get() + count_, items_.get() + count_ + 1);
  items_[index] = item;
  ++count_;
}

void TYrCollection::AtDelete(int index) {
  if (!ValidIndex(index)) {
    Error(kIndexError, 0);
    return;
  }
  std::move(items_.get() + index + 1, items_.get() + count_, items_.get() + index);
  --count_;
}

void TYrCollection::Delete(TYrObject* item) {
  int index = IndexOf(item);
  // A sorted collection's IndexOf may answer with an item of equal key; only
  // this very pointer may be removed.
  if (!ValidIndex(index) || items_[index] != item) index = TYrCollection::IndexOf(item);
  if (index < 0) {
    Error(kIndexError, 0);
    return;
  }
  AtDelete(index);
}

void TYrCollection::DeleteAll() { count_ = 0; }

int TYrCollection::IndexOf(const TYrObject* item) const {
  for (int i = 0; i < count_; ++i)
    if (items_[i] == item) return i;
  return -1;
}

void TYrCollection::Insert(TYrObject* item) { AtInsert(count_, item); }

void TYrCollection::SetLimit(int aLimit) {
  if (aLimit < count_) aLimit = count_;
  if (aLimit > kMaxCollectionSize) aLimit = kMaxCollectionSize;
  limit_ = static_cast<int16_t>(aLimit);
}

void TYrCollection::Reserve() {
  // Half as much again, so that n insertions copy O(n) pointers in all; a
  // small first step keeps the many short lists small.
  const int grown = std::min(std::max(reserved_ + reserved_ / 2, 8), kMaxCollectionSize);
  std::unique_ptr<TYrObject*[]> items(new TYrObject*[static_cast<size_t>(grown)]);
  std::copy(items_.get(), items_.get() + count_, items.get());
  items_ = std::move(items);
  reserved_ = grown;
}

// ---------------------------------------------------------------------------
// TYrSortedCollection

TYrSortedCollection::TYrSortedCollection(int aLimit, int16_t aDelta) : TYrCollection(aLimit, aDelta) {}

TYrSortedCollection::~TYrSortedCollection() { FreeAll(); }

const TYrObject* TYrSortedCollection::KeyOf(const TYrObject* item) const { return item; }

int TYrSortedCollection::Cmp(const TYrObject* key1, const TYrObject* key2) const {
  // The quick sort's scans test for exactly -1; a comparison that answers
  // with another negative number must not leave the list unsorted.
  int c = Compare(key1, key2);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool TYrSortedCollection::Search(const TYrObject* key, int& index) const {
  bool found = false;
  int l = 0;
  int h = GetCount() - 1;
  while (l <= h) {
    int i = (l + h) / 2;
    int c = Cmp(KeyOf(Items()[i]), key);
    if (c < 0) {
      l = i + 1;
    } else {
      h = i - 1;
      if (c == 0) {
        found = true;
        if (!duplicates_) l = i;
      }
    }
  }
  index = l;
  return found;
}

int TYrSortedCollection::IndexOf(const TYrObject* item) const {
  int i;
  if (!Search(KeyOf(item), i)) return -1;
  if (duplicates_)
    while (i < GetCount() && Items()[i] != item) ++i;
  return i < GetCount() ? i : -1;
}

void TYrSortedCollection::Insert(TYrObject* item) {
  int i;
  if (!Search(KeyOf(item), i) || duplicates_) AtInsert(i, item);
}

TYrObject* TYrSortedCollection::AddItem(std::unique_ptr<TYrObject> item) {
  if (item == nullptr) return nullptr;
  const int before = GetCount();
  Insert(item.get());
  return GetCount() != before ? item.release() : nullptr;
}

void TYrSortedCollection::FreeItem(TYrObject* item) { delete item; }

void TYrSortedCollection::AtFree(int index) {
  if (!ValidIndex(index)) {
    Error(kIndexError, 0);
    return;
  }
  TYrObject* item = Items()[index];
  AtDelete(index);
  FreeItem(item);
}

void TYrSortedCollection::Free(TYrObject* item) {
  int index = IndexOf(item);
  if (!ValidIndex(index) || Items()[index] != item) index = TYrCollection::IndexOf(item);
  if (index < 0) {
    // Not held: it may belong to someone else, so it is not disposed either.
    Error(kIndexError, 0);
    return;
  }
  AtDelete(index);
  FreeItem(item);
}

void TYrSortedCollection::FreeAll() {
  for (int i = GetCount() - 1; i >= 0; --i) AtFree(i);
}

void TYrSortedCollection::Sort() {
  CollectionSort(MutableItems(), GetCount(),
                 [this](const TYrObject* a, const TYrObject* b) { return Cmp(KeyOf(a), KeyOf(b)); });
}
