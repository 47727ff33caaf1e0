#include "YrStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

TYrStream::TYrStream(const std::string& fileName, uint16_t mode, uint16_t size)
    : fileName_(fileName), bufSize_(std::max<size_t>(size, kMinBufferSize)) {
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

uint16_t TYrStream::Close() {
  if (fd_ >= 0) {
    const uint16_t written = WriteOut();
    const uint16_t closed = ::close(fd_) == 0 ? 0 : DosResult(errno);
    fd_ = -1;
    readLen_ = 0;
    SetResult(written != 0 ? written : closed);
  }
  return FirstError;
}

uint16_t TYrStream::Sync() {
  if (fd_ < 0) {
    SetResult(103);
    return FirstError;
  }
  const uint16_t written = WriteOut();
  uint16_t synced = 0;
  while (::fsync(fd_) != 0) {
    if (errno == EINTR) continue;
    synced = errno == EIO ? 101 : DosResult(errno);
    break;
  }
  SetResult(written != 0 ? written : synced);
  return FirstError;
}

void TYrStream::SetResult(uint16_t result) {
  Status = result;
  if (result != 0 && FirstError == 0) FirstError = result;
}

uint8_t* TYrStream::Buffer() {
  if (buf_.empty()) buf_.resize(bufSize_);
  return buf_.data();
}

uint16_t TYrStream::WriteOut() {
  if (writeLen_ == 0) return 0;
  const uint8_t* p = buf_.data();
  size_t done = 0;
  uint16_t result = 0;
  while (done < writeLen_) {
    ssize_t n = ::pwrite(fd_, p + done, writeLen_ - done, static_cast<off_t>(writeStart_ + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      result = DosResult(errno);  // a full disk is 101, like a short write
      break;
    }
    if (n == 0) {
      result = 101;
      break;
    }
    done += static_cast<size_t>(n);
  }
  writeLen_ = 0;
  return result;
}

void TYrStream::Read(void* buf, uint16_t count) {
  if (fd_ < 0) { SetResult(103); return; }
  if (!canRead_) { SetResult(104); return; }
  const uint16_t written = WriteOut();
  auto* out = static_cast<uint8_t*>(buf);
  size_t done = 0;
  uint16_t result = 0;
  while (done < count) {
    if (pos_ >= readStart_ && pos_ < readStart_ + static_cast<int64_t>(readLen_)) {
      const size_t at = static_cast<size_t>(pos_ - readStart_);
      const size_t n = std::min<size_t>(readLen_ - at, count - done);
      std::memcpy(out + done, buf_.data() + at, n);
      done += n;
      pos_ += static_cast<int64_t>(n);
      continue;
    }
    uint8_t* b = Buffer();
    readLen_ = 0;
    ssize_t n = ::pread(fd_, b, bufSize_, static_cast<off_t>(pos_));
    if (n < 0) {
      if (errno == EINTR) continue;
      result = DosResult(errno);
      break;
    }
    if (n == 0) {
      result = 100;
      break;
    }
    readStart_ = pos_;
    readLen_ = static_cast<size_t>(n);
  }
  SetResult(written != 0 ? written : result);
}

void TYrStream::Write(const void* buf, uint16_t count) {
  if (fd_ < 0) { SetResult(103); return; }
  if (!canWrite_) { SetResult(105); return; }
  // What was read ahead may be overwritten now.
  readLen_ = 0;
  uint16_t result = 0;
  if (writeLen_ + count > bufSize_) result = WriteOut();
  if (writeLen_ == 0) writeStart_ = pos_;
  if (count > 0) std::memcpy(Buffer() + writeLen_, buf, count);
  writeLen_ += count;
  pos_ += count;
  SetResult(result);
}

void TYrStream::Seek(int32_t pos) {
  if (fd_ < 0) { SetResult(103); return; }
  const uint16_t written = WriteOut();
  uint16_t result = 131;  // DOS: seek before the start
  // The descriptor is asked as an unbuffered stream would ask it, so a file
  // that cannot seek answers as before.
  if (pos >= 0) result = ::lseek(fd_, pos, SEEK_SET) < 0 ? DosResult(errno) : 0;
  if (result == 0) pos_ = pos;
  SetResult(written != 0 ? written : result);
}

int32_t TYrStream::GetSize() {
  if (fd_ < 0) { SetResult(103); return -1; }
  const uint16_t written = WriteOut();
  struct stat st;
  const uint16_t result = ::fstat(fd_, &st) != 0 ? DosResult(errno) : 0;
  SetResult(written != 0 ? written : result);
  if (Status != 0) return -1;
  return st.st_size > INT32_MAX ? INT32_MAX : static_cast<int32_t>(st.st_size);
}

int32_t TYrStream::GetPos() {
  if (fd_ < 0) { SetResult(103); PosCache = -1; return -1; }
  const uint16_t written = WriteOut();
  SetResult(written);
  PosCache = written != 0 ? -1 : static_cast<int32_t>(std::min<int64_t>(pos_, INT32_MAX));
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
