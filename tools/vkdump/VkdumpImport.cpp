// vkdump import FILE FORMAT INPUT OUT: loads FILE, imports the participants
// of INPUT (FORMAT `records`: fixed 96-byte records, `text`: semicolon-
// separated lines) and stores the competition to OUT. Participants that fit
// no age class are reported on standard error and left out.
#include <iostream>
#include <string>

#include "ParticipantImport.h"
#include "VkWettk.h"
#include "Vkdump.h"
#include "YrStream.h"

int CmdImport(int argc, char** argv) {
  if (argc != 6) return Usage();
  const std::string format = argv[3];
  if (format != "records" && format != "text") return Usage();
  TWettkampf w;
  if (!LoadFile(argv[2], w)) return 1;
  TYrStream input(argv[4], stOpenRead);
  if (input.ErrorInfo != 0) {
    std::cerr << "vkdump: cannot open " << argv[4] << " (error " << input.ErrorInfo << ")\n";
    return 1;
  }
  const bool read = format == "records" ? ImportParticipantsBinary(w, input) : ImportParticipantsText(w, input);
  if (!read) {
    std::cerr << "vkdump: cannot read " << argv[4] << " (error " << input.Status << ")\n";
    return 1;
  }
  return StoreFile(argv[5], w) ? 0 : 1;
}
