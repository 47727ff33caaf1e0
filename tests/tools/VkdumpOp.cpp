// vkdump op: not available yet.
#include <iostream>

#include "Vkdump.h"

int CmdOp(int, char**) {
  std::cerr << "vkdump: command not available\n";
  return 1;
}
