// vkdump new: not available yet.
#include <iostream>

#include "Vkdump.h"

int CmdNew(int, char**) {
  std::cerr << "vkdump: command not available\n";
  return 1;
}
