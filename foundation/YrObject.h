// The object base every data, report, writer and device object derives from,
// and the program's fatal run-time error.
//
// Old-style objects become plain C++ classes: the constructor is `Init`, the
// virtual destructor is `Done`, method-table slots are virtual functions.
// A run-time error is a programming error of the caller (an index outside a
// collection, an insertion past the hard limit); it goes through one
// replaceable handler, which by default reports the number and ends the
// program. Tests install a handler that records the number instead.
#pragma once

#include <functional>

class TYrObject {
 public:
  TYrObject() = default;
  virtual ~TYrObject() = default;
};

// Handler for fatal run-time errors (213 index out of range, 214 overflow).
// When the handler returns, the failing operation leaves its object unchanged.
using RunErrorHandler = std::function<void(int code)>;

// Reports run-time error `code` through the current handler.
void RunError(int code);

// Installs a handler and returns the previous one; an empty handler restores
// the default (message on standard error, then the program ends).
RunErrorHandler SetRunErrorHandler(RunErrorHandler handler);
