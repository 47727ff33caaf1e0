// Shared pieces of the vkdump developer tool: one function per command,
// each taking the whole command line (argv[1] is the command's name).
#pragma once

#include <memory>
#include <string>

class TDruckauftrag;
class TWettkampf;

int CmdShow(int argc, char** argv);
int CmdLines(int argc, char** argv);
int CmdStats(int argc, char** argv);
int CmdOp(int argc, char** argv);
int CmdNew(int argc, char** argv);
int CmdExport(int argc, char** argv);
int CmdPages(int argc, char** argv);
int CmdPdf(int argc, char** argv);
int CmdPng(int argc, char** argv);
int CmdImport(int argc, char** argv);
int CmdSave(int argc, char** argv);

// Prints the usage text to standard error and returns 1.
int Usage();
// DOS code page -> UTF-8.
std::string Utf8(const std::string& oem);
// Loads a result file of any version into `w` as the program opens a file
// (LoadCompetition, FormatCode::ResultFile); false (with the reported
// messages and a line of its own on standard error) when it cannot be read.
bool LoadFile(const std::string& path, TWettkampf& w);
// Stores `w` to a new file; false (with a message) when that fails.
bool StoreFile(const std::string& path, const TWettkampf& w);
// A whole decimal number, nothing else.
bool Number(const char* text, int& value);
// Builds a report from the words "FILE REPORT ARGS... [--class N]
// [--participant N] [--range A B]" (argv[0] is FILE; see VkdumpPages.cpp):
// loads FILE into `w` and makes `job` on it with the report built. Returns
// 0, or the exit status after a usage text or an unreadable file.
int BuildReport(int argc, char** argv, TWettkampf& w, std::unique_ptr<TDruckauftrag>& job);
