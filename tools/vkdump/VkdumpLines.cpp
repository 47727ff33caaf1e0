// vkdump lines FILE: per age class a line "# " + its name, then the
// participant list and the result list (results, record marks and
// discipline places on, no schedule), header first.
#include <iostream>

#include "Vkdump.h"
#include "VkWettk.h"

int CmdLines(int argc, char** argv) {
  if (argc != 3) return Usage();
  TWettkampf w;
  if (!LoadFile(argv[2], w)) return 1;
  for (int i = 0; i < w.GetCount(); ++i) {
    const int rows = w.At(i)->GetCount();
    std::cout << "# " << Utf8(w.At(i)->Name()) << '\n';
    for (int row = 0; row <= rows; ++row) std::cout << Utf8(w.ParticipantListLine(i, row)) << '\n';
    for (int row = 0; row <= rows; ++row)
      std::cout << Utf8(w.ResultLine(i, row, true, true, false, 1)) << '\n';
  }
  return 0;
}
