// vkdump: makes a result file visible, for debugging and for checks from
// outside the C++ tests. Not part of the program.
//
//   vkdump show FILE                      the competition as one JSON object
//   vkdump lines FILE                     list lines of every age class
//   vkdump stats FILE MODE                organisation statistics report lines
//   vkdump op FILE OUT OPERATION ARGS...  one competition-wide operation
//   vkdump new CODE YEAR FILE             a new competition from a rule set
//   vkdump import FILE FORMAT INPUT OUT   participants imported (records|text)
//
// Texts are converted from the DOS code page to UTF-8. Messages the core
// reports go to standard error, one per line. Exit status 0 on success, 1
// when a file cannot be opened or the command line is wrong.
#include <cstring>
#include <iostream>
#include <string>

#include "CodePage.h"
#include "Vkdump.h"
#include "VkWettk.h"
#include "YrHooks.h"
#include "YrStream.h"

int Usage() {
  std::cerr << "usage: vkdump show FILE | lines FILE | stats FILE MODE |\n"
               "       op FILE OUT OPERATION ARGS... | new CODE YEAR FILE |\n"
               "       import FILE records|text INPUT OUT\n";
  return 1;
}

std::string Utf8(const std::string& oem) { return OemToUtf8(oem); }

bool LoadFile(const std::string& path, TWettkampf& w) {
  TYrStream stream(path, stOpenRead);
  if (stream.ErrorInfo != 0) {
    std::cerr << "vkdump: cannot open " << path << " (error " << stream.ErrorInfo << ")\n";
    return false;
  }
  w.Load(stream);
  return true;
}

bool StoreFile(const std::string& path, const TWettkampf& w) {
  TYrStream stream(path, stCreate);
  if (stream.ErrorInfo == 0) w.Store(stream);
  if (stream.ErrorInfo != 0 || stream.FirstError != 0) {
    std::cerr << "vkdump: cannot write " << path << " (error "
              << (stream.ErrorInfo ? stream.ErrorInfo : stream.FirstError) << ")\n";
    return false;
  }
  return true;
}

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  ErrorMsgProc = [](const std::string& msg) {
    std::string line = Utf8(msg);
    for (char& c : line)
      if (c == '\r' || c == '\n') c = ' ';
    std::cerr << line << '\n';
  };
  const char* cmd = argv[1];
  if (!std::strcmp(cmd, "show")) return CmdShow(argc, argv);
  if (!std::strcmp(cmd, "lines")) return CmdLines(argc, argv);
  if (!std::strcmp(cmd, "stats")) return CmdStats(argc, argv);
  if (!std::strcmp(cmd, "op")) return CmdOp(argc, argv);
  if (!std::strcmp(cmd, "new")) return CmdNew(argc, argv);
  if (!std::strcmp(cmd, "import")) return CmdImport(argc, argv);
  return Usage();
}
