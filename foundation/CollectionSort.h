// The one quick sort of the program: the sorted collections' `Sort` and the
// evaluation of an age class both run it.
//
// The order in which equal keys end up is decided by the exact sequence of
// comparisons and exchanges below, and it shows in places and in every
// report; there must be no second implementation that could drift from it.
// The evaluation runs the very same scans on compact entries instead of the
// items themselves, which yields the same permutation without reaching into
// a large record for every comparison.
//
// `compare(a, b)` answers like a collection's Compare: -1 when a sorts before
// b, 0 when equal, 1 when after. The scans test for exactly -1, so a compare
// must not answer with another negative value. Elements are exchanged with
// std::swap; the pivot is a copy of the middle element, taken once per pass.
#pragma once

#include <utility>
#include <vector>

// Sorts v[l..r]. Recursion goes into the left part only; the right part is
// handled by the outer loop. The bounds in the two scans never bite for a
// consistent compare; they only keep an inconsistent one inside the range.
template <class T, class Compare>
void CollectionQuickSort(T* v, int l, int r, const Compare& compare) {
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

// Sorts the first `count` elements of v.
template <class T, class Compare>
void CollectionSort(T* v, int count, const Compare& compare) {
  if (count > 1) CollectionQuickSort(v, 0, count - 1, compare);
}

template <class T, class Compare>
void CollectionSort(std::vector<T>& v, const Compare& compare) {
  CollectionSort(v.data(), static_cast<int>(v.size()), compare);
}
