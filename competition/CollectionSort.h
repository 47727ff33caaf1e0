// The quick sort of the sorted collections, on a plain array of values.
//
// The order in which equal keys end up is fixed by the collection's quick
// sort and shows in places and reports. Running the very same scans and
// exchanges on compact copies of the keys yields the same permutation as
// sorting the items themselves, without chasing a pointer into a large
// record for every comparison. `compare` answers -1, 0 or 1 like a
// collection's Compare.
#pragma once

#include <utility>
#include <vector>

template <class T, class Compare>
void CollectionQuickSort(std::vector<T>& v, int l, int r, const Compare& compare) {
  int i;
  do {
    i = l;
    int j = r;
    const T p = v[(l + r) / 2];
    do {
      while (i < r && compare(v[i], p) == -1) ++i;
      while (j > l && compare(p, v[j]) == -1) --j;
      if (i <= j) {
        if (i < j) std::swap(v[i], v[j]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (l < j) CollectionQuickSort(v, l, j, compare);
    l = i;
  } while (i < r);
}

template <class T, class Compare>
void CollectionSort(std::vector<T>& v, const Compare& compare) {
  if (v.size() > 1) CollectionQuickSort(v, 0, static_cast<int>(v.size()) - 1, compare);
}
