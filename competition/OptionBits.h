// A bit of an options word with the caption of the check box that sets it.
// An operation that takes such a word keeps a table of these beside its
// option bits, in the order its dialog shows the boxes; the dialog builds
// its boxes from the table, so box order and bit order cannot drift apart.
#pragma once

#include <cstdint>

struct TOptionBit {
  uint16_t bit;
  const char* caption;  // as the box shows it, with its "&" key (UTF-8, never stored)
};
