// vkdump lines: not available yet.
#include <iostream>

#include "Vkdump.h"

int CmdLines(int, char**) {
  std::cerr << "vkdump: command not available\n";
  return 1;
}
