// vkdump stats: not available yet.
#include <iostream>

#include "Vkdump.h"

int CmdStats(int, char**) {
  std::cerr << "vkdump: command not available\n";
  return 1;
}
