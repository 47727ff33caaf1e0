#include "YrStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

uint16_t DosResult(int err) {
  switch (err) {
    case 0: return 0;
    case ENOENT: return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return 3;
    case EMFILE:
    case ENFILE: return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EEXIST: return 5;
    case EBADF: return 103;
    case ENOSPC:
    case EFBIG:
    case EDQUOT: return 101;
    default: return 100;
  }
}

// A missing file in a missing directory is "path not found", as on DOS.
bool ParentDirExists(const std::string& path) {
  size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return true;  // the current directory
  std::string dir = slash == 0 ? "/" : path.substr(0, slash);
  struct stat st;
  return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

TYrStream::TYrStream(const std::string& fileName, uint16_t mode, uint16_t) : fileName_(fileName) {
  int flags = -1;
  switch (mode) {
    case stCreate: flags = O_WRONLY | O_CREAT | O_TRUNC; canWrite_ = true; break;
    case stOpenRead: flags = O_RDONLY; canRead_ = true; break;
    case stOpenWrite: flags = O_WRONLY; canWrite_ = true; break;
    case stOpen: flags = O_RDWR; canRead_ = canWrite_ = true; break;
    default: break;
  }
  uint16_t result = 0;
  if (flags != -1) {
    opened_ = true;
    fd_ = ::open(fileName_.c_str(), flags | O_CLOEXEC, 0666);
    if (fd_ < 0) {
      int err = errno;
      result = err == ENOENT && !ParentDirExists(fileName_) ? 3 : DosResult(err);
      canRead_ = canWrite_ = false;
    } else {
      struct stat st;
      if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        canRead_ = canWrite_ = false;
        result = 5;
      }
    }
  }
  SetResult(result);
  ErrorInfo = result;
}

TYrStream::TYrStream(NoFile) {}

TYrStream::~TYrStream() { Close(); }

void TYrStream::Close() {
  if (fd_ >= 0) {
    SetResult(::close(fd_) == 0 ? 0 : DosResult(errno));
    fd_ = -1;
  }
}

void TYrStream::SetResult(uint16_t result) {
  Status = result;
  if (result != 0 && FirstError == 0) FirstError = result;
}

void TYrStream::Read(void* buf, uint16_t count) {
  if (fd_ < 0) { SetResult(103); return; }
  if (!canRead_) { SetResult(104); return; }
  size_t done = 0;
  auto* p = static_cast<uint8_t*>(buf);
  while (done < count) {
    ssize_t n = ::read(fd_, p + done, count - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      SetResult(DosResult(errno));
      return;
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  SetResult(done < count ? 100 : 0);
}

void TYrStream::Write(const void* buf, uint16_t count) {
  if (fd_ < 0) { SetResult(103); return; }
  if (!canWrite_) { SetResult(105); return; }
  size_t done = 0;
  const auto* p = static_cast<const uint8_t*>(buf);
  while (done < count) {
    ssize_t n = ::write(fd_, p + done, count - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      SetResult(errno == ENOSPC ? 101 : DosResult(errno));
      return;
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  SetResult(done < count ? 101 : 0);
}

void TYrStream::Seek(int32_t pos) {
  if (fd_ < 0) { SetResult(103); return; }
  if (pos < 0) { SetResult(131); return; }  // DOS: seek before the start
  SetResult(::lseek(fd_, pos, SEEK_SET) < 0 ? DosResult(errno) : 0);
}

int32_t TYrStream::GetSize() {
  if (fd_ < 0) { SetResult(103); return -1; }
  struct stat st;
  if (::fstat(fd_, &st) != 0) { SetResult(DosResult(errno)); return -1; }
  SetResult(0);
  return st.st_size > INT32_MAX ? INT32_MAX : static_cast<int32_t>(st.st_size);
}

int32_t TYrStream::GetPos() {
  if (fd_ < 0) { SetResult(103); PosCache = -1; return -1; }
  off_t p = ::lseek(fd_, 0, SEEK_CUR);
  if (p < 0) { SetResult(DosResult(errno)); PosCache = -1; return -1; }
  SetResult(0);
  PosCache = p > INT32_MAX ? INT32_MAX : static_cast<int32_t>(p);
  return PosCache;
}

// ---------------------------------------------------------------------------

TYrMemoryStream::TYrMemoryStream() : TYrStream(NoFile{}) {}

TYrMemoryStream::TYrMemoryStream(std::vector<uint8_t> data) : TYrStream(NoFile{}), data_(std::move(data)) {}

void TYrMemoryStream::Read(void* buf, uint16_t count) {
  size_t avail = pos_ < data_.size() ? data_.size() - pos_ : 0;
  size_t n = count < avail ? count : avail;
  if (n) std::memcpy(buf, data_.data() + pos_, n);
  pos_ += n;
  SetResult(n < count ? 100 : 0);
}

void TYrMemoryStream::Write(const void* buf, uint16_t count) {
  size_t n = count;
  if (failAfter_ >= 0) {
    int64_t room = failAfter_ - written_;
    if (room < 0) room = 0;
    if (static_cast<int64_t>(n) > room) n = static_cast<size_t>(room);
  }
  if (pos_ + n > data_.size()) data_.resize(pos_ + n);
  if (n) std::memcpy(data_.data() + pos_, buf, n);
  pos_ += n;
  written_ += static_cast<int64_t>(n);
  SetResult(n < count ? 101 : 0);
}

void TYrMemoryStream::Seek(int32_t pos) {
  if (pos < 0) { SetResult(131); return; }
  pos_ = static_cast<size_t>(pos);
  SetResult(0);
}

int32_t TYrMemoryStream::GetSize() {
  SetResult(0);
  return static_cast<int32_t>(data_.size());
}

int32_t TYrMemoryStream::GetPos() {
  SetResult(0);
  PosCache = static_cast<int32_t>(pos_);
  return PosCache;
}

// ---------------------------------------------------------------------------

bool StreamReadLine(TYrStream& stream, std::string& s, size_t maxLen) {
  s.clear();
  int32_t pos = stream.GetPos();
  int32_t size = stream.GetSize();
  if (pos < 0 || size < 0 || pos >= size) return false;
  // Bounded by the size taken at the start, so the end of the last line is
  // found without a failing read (Status stays 0 on a clean file), and every
  // successful call consumes at least one byte.
  size_t appended = 0;
  bool readAny = false;
  while (appended < 255 && pos < size) {
    uint8_t c;
    stream.Read(&c, 1);
    if (stream.Status != 0) break;  // read error: the line ends here
    readAny = true;
    ++pos;
    if (c == 10) break;
    if (c == 13) continue;
    ++appended;
    if (s.size() < maxLen) s.push_back(static_cast<char>(c));
  }
  return readAny;
}

void StreamWriteLine(TYrStream& stream, const std::string& s) {
  size_t n = s.size() < 255 ? s.size() : 255;
  if (n) stream.Write(s.data(), static_cast<uint16_t>(n));
  static const uint8_t crlf[2] = {13, 10};
  stream.Write(&crlf[0], 1);
  stream.Write(&crlf[1], 1);
}
