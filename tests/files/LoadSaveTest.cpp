#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "CaseFile.h"
#include "CodePage.h"
#include "FileTestSupport.h"
#include "ImportSeeds.h"
#include "LoadSeeds.h"
#include "MessageCapture.h"
#include "OldFileSeeds.h"
#include "TestData.h"
#include "VkLoadSave.h"
#include "VkWettk.h"
#include "YrClock.h"
#include "YrText.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Messages = std::vector<std::string>;
using Names = std::vector<std::string>;
using oldseeds::Version;
using testdata::Row;

const std::string kSaveFailed = "Fehler beim Speichern der Datei.";

class LoadSave : public ::testing::Test {
 protected:
  // The mounts go before the folder does.
  void TearDown() override {
    for (const std::string& m : mounts_) ::umount2(m.c_str(), MNT_DETACH);
  }
  std::string Path(const std::string& name) const { return dir_ / name; }
  void Put(const std::string& name, const Bytes& b) const { filetest::WriteFile(Path(name), b); }
  Bytes Get(const std::string& name) const {
    const std::string s = testdata::ReadFile(Path(name));
    return Bytes(s.begin(), s.end());
  }
  // The entries of a folder, sorted: no temporary file may stay behind.
  Names Entries(const std::string& folder = "") const {
    Names names;
    for (const auto& e : std::filesystem::directory_iterator(Path(folder))) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  // A small tmpfs; false when none can be mounted here.
  bool Mount(const std::string& name) {
    std::filesystem::create_directory(Path(name));
    if (::mount("tmpfs", Path(name).c_str(), "tmpfs", 0, "size=64k") != 0) return false;
    mounts_.push_back(Path(name));
    return true;
  }
  testdata::TempDir dir_;
  std::vector<std::string> mounts_;
};

// Years of every class: what the year-neutral template moves.
std::vector<std::pair<int, int>> Years(const TWettkampf& w, int by = 0) {
  std::vector<std::pair<int, int>> y;
  for (int i = 0; i < w.GetCount(); ++i) y.emplace_back(w.At(i)->FirstYear() + by, w.At(i)->LastYear() + by);
  return y;
}

// Larger than the small file systems.
std::unique_ptr<TWettkampf> LargeCompetition() {
  auto w = vkseeds::FullCompetition();
  TAltersklasse* ak = vkseeds::MakeClass("Viele", 1960, 1970, 0, 6);
  vkseeds::AddParticipants(*ak, 400, true, 9);
  w->Insert(ak);
  return w;
}

// An older file of one class with five disciplines (every result of the
// participants is scored) and three participants.
Bytes OldFile(Version v) {
  using namespace oldseeds;
  const bool v21 = v == Version::k21;
  const std::vector<Discipline> five(5, {"Retten", v21 ? 2 : 500, v21 ? 50000 : 1});
  OldClass c{ClassRecord(v, "AK 12", 1982, 1983, 0, five), Entries(v), {}};
  for (int i = 0; i < 3; ++i) c.participants.push_back(Participant(v, true, i, "AK 12"));
  const Bytes header = OldHeader(v, true).bytes();
  return VersionFile(v, header, static_cast<int64_t>(header.size()), Body(v, {c}, {Organisation("DLRG", 2)}));
}

Bytes Cut(const Bytes& b, size_t n) { return Bytes(b.begin(), b.end() - static_cast<long>(n)); }

}  // namespace

// What each load gives, as tests/data/files/load.txt holds it: the file,
// the format code and what came of it (the classes of a new competition;
// for a load into a competition of the text import's classes without
// participants, whether it loaded and the participants then; with
// "memory", the free memory beyond the file's size), then the messages.
// The first 38 bytes pick the reader; a file whose reader stopped early still
// loads, with a word to the user. A file needs its size and 15000 bytes more
// of free memory.
TEST_F(LoadSave, WhatEachLoadGives) {
  const Bytes current = vkseeds::Stored(*vkseeds::FullCompetition()), v21 = OldFile(Version::k21);
  Bytes not26 = v21;
  not26[37] = ' ';
  const std::pair<const char*, Bytes> files[] = {
      {"current", current}, {"current-cut", Cut(current, 1)}, {"v21", v21}, {"v21-cut", Cut(v21, 50)},
      {"v15", OldFile(Version::k15)}, {"v10", OldFile(Version::k10)}, {"tlo", oldseeds::SampleForeignFile(true)},
      {"not26", not26}, {"empty", {}}, {"lines.txt", importseeds::SampleText(true)}};
  for (const auto& [name, file] : files) Put(name, file);
  using F = FormatCode;
  const struct { const char* file; FormatCode code; bool into = false; int64_t memory = -1; } kCases[] = {
      {"current", F::ResultFile}, {"current", F::ResultFileAlias}, {"current-cut", F::ResultFile},
      {"v21", F::ResultFile}, {"v21-cut", F::ResultFile}, {"v15", F::ResultFile}, {"v10", F::ResultFile},
      {"tlo", F::ResultFile}, {"not26", F::ResultFile}, {"empty", F::ResultFile}, {"missing", F::ResultFile},
      {"current", F::Template}, {"current", F::ResultFile, false, 14999}, {"current", F::ResultFile, false, 15000},
      {"current", F::ResultFileAlias, true}, {"lines.txt", F::Text, true}, {"missing", F::ParticipantRecords, true},
      {"current", F::Empty, true}, {"current", FormatCode{8}, true}};
  std::string out;
  for (const auto& c : kCases) {
    const uint64_t spare = c.memory < 0 ? uint64_t{1} << 31 : c.memory, size = Get(c.file).size();
    const TMemAvailSource memory = SetMemAvailSource([&] { return size + spare; });
    MessageCapture m;
    out += c.file + (" " + Row(static_cast<int>(c.code))) + (c.memory < 0 ? "" : " memory " + Row(c.memory)) + ": ";
    if (c.into) {
      const auto w = importseeds::Competition(importseeds::kTextPersons);
      const bool loaded = LoadCompetition(Path(c.file), *w, c.code);
      out += "into " + Row(loaded, w->ParticipantCount());
    } else if (const auto w = LoadCompetition(Path(c.file), c.code)) {
      out += "classes " + Row(w->GetCount());
    } else {
      out += "nothing";
    }
    SetMemAvailSource(memory);
    for (const std::string& message : m.list) out += " | " + Row(message);
    out += "\n";
  }
  testdata::ExpectDataFile(out, "files/load.txt");
}

// Saved in 2026, the template holds the years of 1990; it loads with the
// years of 2026 in 2026 and one higher in 2027.
TEST_F(LoadSave, YearNeutralTemplate) {
  const auto w = vkseeds::FullCompetition();
  const auto before = Years(*w);
  const TYrClock saved = SetClock([] { return MakeDateTime(2026, 12, 31, 23, 59); });
  EXPECT_TRUE(SaveCompetition(Path("t.erg"), *w, FormatCode::Template));
  const auto stored = Years(*LoadCompetition(Path("t.erg"), FormatCode::ResultFile));
  TWettkampf sameYear, nextYear;
  LoadCompetition(Path("t.erg"), sameYear, FormatCode::Template);
  SetClock([] { return MakeDateTime(2027, 1, 1); });
  LoadCompetition(Path("t.erg"), nextYear, FormatCode::Template);
  SetClock(saved);
  EXPECT_EQ(std::tuple(Years(*w), stored, Years(sameYear), Years(nextYear)),
            std::tuple(before, Years(*w, -36), before, Years(*w, 1)));
}

// The name keeps its case; the file it replaces becomes the backup; codes
// without a writer leave an empty file.
TEST_F(LoadSave, SavingOverAFileKeepsItAsTheBackup) {
  Put("Lauf.Erg", {'a', 'l', 't'});
  Put("Lauf.BAK", {'u', 'r', 'a', 'l', 't'});
  const auto w = vkseeds::FullCompetition();
  MessageCapture m;
  EXPECT_TRUE(SaveCompetition(Path("Lauf.Erg"), *w, FormatCode::ResultFile));
  EXPECT_EQ(std::tuple(Entries(), Get("Lauf.Erg"), Get("Lauf.BAK")),
            std::tuple(Names{"Lauf.BAK", "Lauf.Erg"}, vkseeds::Stored(*w), Bytes{'a', 'l', 't'}));
  for (FormatCode code : {FormatCode::ParticipantRecords, FormatCode::Empty}) {
    const Bytes previous = Get("Lauf.Erg");
    EXPECT_TRUE(SaveCompetition(Path("Lauf.Erg"), *w, code));
    EXPECT_EQ(std::tuple(Get("Lauf.Erg"), Get("Lauf.BAK")), std::tuple(Bytes{}, previous)) << int(code);
  }
  EXPECT_EQ(m.list, Messages{});
}

// A folder that cannot be written (a path under a regular file: root may
// write into a read-only folder), a full disk and a read-only file system
// (small tmpfs mounts): target and backup stay as they were, no temporary
// file is left.
TEST_F(LoadSave, AFailedSaveKeepsTargetAndBackup) {
  Put("plain", {'x'});
  MessageCapture m;
  const bool saved = SaveCompetition(Path("plain/new.erg"), *vkseeds::FullCompetition(), FormatCode::ResultFile);
  EXPECT_EQ(std::tuple(saved, m.list, Entries()),
            std::tuple(false, Messages{kSaveFailed}, Names{"plain"}));
  if (!Mount("full") || !Mount("ro"))
    GTEST_SKIP() << "no small file system can be mounted here: " << std::strerror(errno);
  const auto big = LargeCompetition();
  ASSERT_GT(vkseeds::Stored(*big).size(), 64u * 1024);
  const Bytes target = vkseeds::Stored(*vkseeds::FullCompetition()), backup = {'b', 'a', 'k'};
  for (const std::string f : {"full", "ro"}) {
    Put(f + "/wk.erg", target);
    Put(f + "/wk.BAK", backup);
    if (f == "ro") {
      ASSERT_EQ(::mount("tmpfs", Path(f).c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);
    }
    MessageCapture failed;
    const bool savedThere = SaveCompetition(Path(f + "/wk.erg"), *big, FormatCode::ResultFile);
    EXPECT_EQ(std::tuple(savedThere, failed.list, Entries(f), Get(f + "/wk.erg"), Get(f + "/wk.BAK")),
              std::tuple(false, Messages{kSaveFailed}, Names{"wk.BAK", "wk.erg"}, target, backup))
        << f;
  }
}
