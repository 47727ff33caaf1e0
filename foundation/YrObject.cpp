#include "YrObject.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

void DefaultRunError(int code) {
  std::fprintf(stderr, "Runtime error %d\n", code);
  std::fflush(stderr);
  std::_Exit(code);
}

RunErrorHandler& Handler() {
  static RunErrorHandler handler = DefaultRunError;
  return handler;
}

}  // namespace

void RunError(int code) { Handler()(code); }

RunErrorHandler SetRunErrorHandler(RunErrorHandler handler) {
  RunErrorHandler old = std::move(Handler());
  Handler() = handler ? std::move(handler) : RunErrorHandler(DefaultRunError);
  return old;
}
