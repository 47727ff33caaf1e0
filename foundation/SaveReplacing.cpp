#include "SaveReplacing.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "YrStream.h"
#include "YrText.h"

namespace {

// The folder part of the name, with its slash ("" for the current folder).
std::string FolderOf(const std::string& fileName) {
  const size_t slash = fileName.rfind('/');
  return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

// Makes a name beside the target that nothing else uses: `make` creates the
// entry and fails with EEXIST while the name is taken. The process id keeps
// two running programs apart, the counter two saves of one.
bool FreshName(const std::string& folder, const char* purpose, int (*make)(const std::string&, const std::string&),
               const std::string& arg, std::string& name) {
  static unsigned counter = 0;
  for (int tries = 0; tries < 100; ++tries) {
    name = folder + ".vk-" + purpose + "-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
    if (make(name, arg) == 0) return true;
    if (errno != EEXIST) return false;
  }
  return false;
}

int CreateEmpty(const std::string& name, const std::string&) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  return fd < 0 ? -1 : ::close(fd);
}

int LinkTo(const std::string& name, const std::string& existing) { return ::link(existing.c_str(), name.c_str()); }

// The renames only count once the folder's entry is on the disk too.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Gives the written temporary file the target's name and the target the
// backup's. False when the temporary file could not take its place; target
// and backup are then as they were (see the fallback below).
bool PutInPlace(const std::string& temp, const std::string& fileName, const std::string& folder) {
  const std::string backup = BackupName(fileName);
  std::error_code ec;
  // As MakeBackup: only a file is backed up, and a file already carrying
  // its backup name is simply replaced.
  if (backup == fileName || !std::filesystem::is_regular_file(std::filesystem::path(fileName), ec))
    return std::rename(temp.c_str(), fileName.c_str()) == 0;

  // A second name for the old file first, so that the name never stands
  // empty: the new file replaces the old one in one step, and only then
  // does the second name become the backup.
  std::string keep;
  if (FreshName(folder, "old", LinkTo, fileName, keep)) {
    if (std::rename(temp.c_str(), fileName.c_str()) != 0) {
      ::unlink(keep.c_str());
      return false;
    }
    std::rename(keep.c_str(), backup.c_str());
    // Gone after the rename; still there when the backup already was another
    // name of the same file (rename then does nothing).
    ::unlink(keep.c_str());
    return true;
  }
  // A file system without hard links: the old file goes to the backup's
  // name and comes back when the new one cannot take its place (the older
  // backup is lost in that case only).
  if (std::rename(fileName.c_str(), backup.c_str()) != 0) return false;
  if (std::rename(temp.c_str(), fileName.c_str()) != 0) {
    std::rename(backup.c_str(), fileName.c_str());
    return false;
  }
  return true;
}

}  // namespace

bool SaveReplacing(const std::string& fileName, const std::function<void(TYrStream&)>& write) {
  const std::string folder = FolderOf(fileName);
  std::string temp;
  if (!FreshName(folder, "save", CreateEmpty, "", temp)) return false;
  bool written = false;
  {
    TYrStream stream(temp, stCreate);
    if (stream.ErrorInfo == 0) {
      write(stream);
      stream.Sync();
    }
    written = stream.Close() == 0;
  }
  if (!written || !PutInPlace(temp, fileName, folder)) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}
