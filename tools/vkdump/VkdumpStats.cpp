// vkdump stats FILE MODE: rebuilds the organisation statistics sorted by
// MODE (0..255; only 0, 1, 3 and 4 have report lines) and prints the
// heading and every organisation's line of that mode.
#include <charconv>
#include <cstring>
#include <iostream>

#include "Vkdump.h"
#include "VkWettk.h"

int CmdStats(int argc, char** argv) {
  if (argc != 4) return Usage();
  unsigned mode = 0;
  const char* text = argv[3];
  const char* end = text + std::strlen(text);
  const auto [ptr, ec] = std::from_chars(text, end, mode);
  if (ec != std::errc() || ptr != end || text == end || mode > 255) return Usage();
  TWettkampf w;
  if (!LoadFile(argv[2], w)) return 1;
  w.BuildGliederungen(static_cast<uint8_t>(mode));
  const TGliederungsListe& list = w.Gliederungen();
  for (int i = 0; i <= list.GetCount(); ++i) std::cout << Utf8(list.ReportLine(static_cast<uint8_t>(mode), i)) << '\n';
  return 0;
}
