#include "YrCollection.h"

#include <algorithm>

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
  if (aLimit == limit_) return;
  std::unique_ptr<TYrObject*[]> items;
  if (aLimit > 0) {
    items.reset(new TYrObject*[static_cast<size_t>(aLimit)]);
    std::copy(items_.get(), items_.get() + count_, items.get());
  }
  items_ = std::move(items);
  limit_ = static_cast<int16_t>(aLimit);
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
  if (GetCount() > 1) QuickSort(0, GetCount() - 1);
}

// The order of comparisons and exchanges decides where equal keys end up, and
// that order shows in every report: keep it exactly. Recursion goes into the
// left part only; the right part is handled by the outer loop. The bounds in
// the two scans never bite for a consistent Compare; they only keep an
// inconsistent one from running off the array.
void TYrSortedCollection::QuickSort(int l, int r) {
  int i;
  do {
    i = l;
    int j = r;
    const TYrObject* p = KeyOf(At((l + r) / 2));
    do {
      while (i < r && Cmp(KeyOf(At(i)), p) == -1) ++i;
      while (j > l && Cmp(p, KeyOf(At(j))) == -1) --j;
      if (i <= j) {
        if (i < j) {
          TYrObject* t = At(i);
          AtPut(i, At(j));
          AtPut(j, t);
        }
        ++i;
        --j;
      }
    } while (i <= j);
    if (l < j) QuickSort(l, j);
    l = i;
  } while (i < r);
}
