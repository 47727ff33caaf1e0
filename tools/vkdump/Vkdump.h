// Shared pieces of the vkdump developer tool: one function per command,
// each taking the whole command line (argv[1] is the command's name).
#pragma once

#include <string>

class TWettkampf;

int CmdShow(int argc, char** argv);
int CmdLines(int argc, char** argv);
int CmdStats(int argc, char** argv);
int CmdOp(int argc, char** argv);
int CmdNew(int argc, char** argv);
int CmdImport(int argc, char** argv);

// Prints the usage text to standard error and returns 1.
int Usage();
// DOS code page -> UTF-8.
std::string Utf8(const std::string& oem);
// Loads a result file into `w`; false (with a message on standard error)
// when the file cannot be opened.
bool LoadFile(const std::string& path, TWettkampf& w);
// Stores `w` to a new file; false (with a message) when that fails.
bool StoreFile(const std::string& path, const TWettkampf& w);
