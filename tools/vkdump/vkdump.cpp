// vkdump: makes a result file visible, for debugging and for checks from
// outside the C++ tests. Not part of the program.
//
//   vkdump show FILE                      the competition as one JSON object
//   vkdump lines FILE                     list lines of every age class
//   vkdump stats FILE MODE                organisation statistics report lines
//   vkdump op FILE OUT OPERATION ARGS...  one competition-wide operation
//   vkdump new CODE YEAR FILE             a new competition from a rule set
//   vkdump export FILE FORMAT OUT         an export (csv, dbf, xls, html)
//   vkdump pages FILE REPORT ARGS...      a report's page document as JSON
//   vkdump pdf FILE REPORT ARGS... OUT    the same report as a PDF file
//   vkdump png FILE REPORT ARGS... PAGE ZOOM OUT.png
//                                         one page of a report as a picture
//   vkdump import FILE FORMAT INPUT OUT   participants imported (records|text)
//   vkdump save FILE CODE OUT             saved by format code (the program's Save As)
//
// Every FILE is loaded as the program opens a file, so it may be of any
// version. Texts are converted from the DOS code page to UTF-8. Messages the
// core reports go to standard error, one per line. Exit status 0 on success,
// 1 when a file cannot be read or written (standard output included) or the
// command line is wrong.
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>

#include "CodePage.h"
#include "Vkdump.h"
#include "VkLoadSave.h"
#include "VkWettk.h"
#include "YrHooks.h"
#include "YrStream.h"

namespace {

// One line per command: its name, the arguments shown in the usage text, and
// the function that runs it.
struct Command {
  const char* name;
  const char* args;
  int (*run)(int argc, char** argv);
};

constexpr Command kCommands[] = {
    {"show", "FILE", CmdShow},
    {"lines", "FILE", CmdLines},
    {"stats", "FILE MODE", CmdStats},
    {"op", "FILE OUT OPERATION ARGS...", CmdOp},
    {"new", "CODE YEAR FILE", CmdNew},
    {"export", "FILE csv|dbf|xls|html OUT", CmdExport},
    {"pages",
     "FILE results|qualification|heats|cpr|statistics|certificates ARGS... "
     "[--class N] [--participant N] [--range A B]",
     CmdPages},
    {"pdf", "FILE REPORT ARGS... [options] OUT.pdf   (REPORT as for pages, or: FILE export OUT.pdf)", CmdPdf},
    {"png",
     "FILE results|qualification|heats|cpr|statistics|certificates ARGS... "
     "[--class N] [--participant N] [--range A B] PAGE ZOOM OUT.png",
     CmdPng},
    {"import", "FILE records|text INPUT OUT", CmdImport},
    {"save", "FILE CODE OUT", CmdSave},
};

}  // namespace

int Usage() {
  const char* lead = "usage: vkdump ";
  for (const Command& c : kCommands) {
    std::cerr << lead << c.name << ' ' << c.args << '\n';
    lead = "       vkdump ";
  }
  return 1;
}

std::string Utf8(const std::string& oem) { return OemToUtf8(oem); }

bool LoadFile(const std::string& path, TWettkampf& w) {
  if (LoadCompetition(path, w, FormatCode::ResultFile)) return true;
  std::cerr << "vkdump: cannot read " << path << "\n";
  return false;
}

bool StoreFile(const std::string& path, const TWettkampf& w) {
  TYrStream stream(path, stCreate);
  if (stream.ErrorInfo == 0) {
    w.Store(stream);
    stream.Close();
  }
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
  // Output into a pipe whose reader went away fails like any other write.
  std::signal(SIGPIPE, SIG_IGN);
  for (const Command& c : kCommands) {
    if (std::strcmp(argv[1], c.name) != 0) continue;
    const int status = c.run(argc, argv);
    if (!std::cout.flush()) {
      std::cerr << "vkdump: cannot write the standard output\n";
      return 1;
    }
    return status;
  }
  return Usage();
}
