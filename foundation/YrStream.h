// The file stream every file of the program goes through, and the two
// text-line routines on it.
//
// A stream never throws: each operation stores its I/O result in `Status`
// (0 success, 100 short read, 101 short write, otherwise the classic DOS
// numbers: 2 file not found, 3 path not found, 4 too many open files,
// 5 access denied, 103 file not open, 104 not open for input, 105 not open
// for output). `ErrorInfo` holds the result of the opening. `Status` is
// overwritten by every operation; `FirstError` keeps the first non-zero
// result since opening, so a writer can tell whether a whole sequence of
// writes succeeded.
//
// The stream buffers: reads fill the buffer from the file, writes collect in
// it, and a seek, a size or position query, a read after writes and `Close`
// write what has collected first. Nothing else a caller sees depends on it:
// positions, sizes, short reads and their results are those of an unbuffered
// stream. Only the moment a write error shows differs: bytes that could not
// be written make the result of the operation that wrote them out (a later
// write that fills the buffer, a seek, query or read, or `Close`), so a
// writer tests `Close()` (or FirstError after it), never only the Status of
// its last write.
//
// The stream owns its file descriptor and closes it in the destructor (which
// writes the buffer out but has nobody to tell of a failure: close first).
// The file name is kept whole (UTF-8 path, never cut).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "YrObject.h"

// Open modes, numbered like the DOS file functions.
constexpr uint16_t stCreate = 0x3C00;
constexpr uint16_t stOpenRead = 0x3D00;
constexpr uint16_t stOpenWrite = 0x3D01;
constexpr uint16_t stOpen = 0x3D02;

class TYrStream : public TYrObject {
 public:
  // Opens `fileName` by `mode` with a buffer of `size` bytes, at least
  // kMinBufferSize. Any mode other than the four above opens nothing and
  // reports 0.
  TYrStream(const std::string& fileName, uint16_t mode, uint16_t size = 1);
  ~TYrStream() override;

  TYrStream(const TYrStream&) = delete;
  TYrStream& operator=(const TYrStream&) = delete;

  virtual void Read(void* buf, uint16_t count);
  virtual void Write(const void* buf, uint16_t count);
  virtual void Seek(int32_t pos);
  virtual int32_t GetSize();
  virtual int32_t GetPos();

  // Writes out what has collected and closes the file now (the destructor
  // does nothing more); Status := the result of both. Returns FirstError:
  // 0 only when every operation since opening succeeded and every byte
  // written reached the file. A second call does nothing and returns the same.
  uint16_t Close();

  // Writes out what has collected and asks the system to put the file's
  // bytes on its disk (fsync), so that a file renamed into place afterwards
  // cannot turn out empty after a crash. Status := the result; returns
  // FirstError. On a stream without an open file: result 103.
  uint16_t Sync();

  // Callers pass 1 or 2048; storing a large result file through 256 KiB
  // measured clearly faster than through 64 KiB, and one such buffer per open
  // file costs nothing worth counting.
  static constexpr size_t kMinBufferSize = 256 * 1024;

  uint16_t Status = 0;
  uint16_t ErrorInfo = 0;
  uint16_t FirstError = 0;
  int32_t PosCache = 0;
  const std::string& FileName() const { return fileName_; }

  // Records a failure that a layer above the stream found (an encoder that
  // could not produce its bytes) as the result of an operation, so that the
  // caller sees it in Status and FirstError like a failed write. 0 is ignored.
  void RecordError(uint16_t result) {
    if (result != 0) SetResult(result);
  }

 protected:
  // For descendants that are not backed by a file.
  struct NoFile {};
  explicit TYrStream(NoFile);
  void SetResult(uint16_t result);

 private:
  // Writes the collected bytes at their position; the result (0 when there
  // was nothing to write). The bytes are gone either way.
  uint16_t WriteOut();
  uint8_t* Buffer();

  std::string fileName_;
  int fd_ = -1;
  bool canRead_ = false;
  bool canWrite_ = false;

  // The position a caller sees; the file's own offset is not used (every
  // transfer names its position).
  int64_t pos_ = 0;
  std::vector<uint8_t> buf_;  // allocated at the first transfer
  size_t bufSize_ = kMinBufferSize;
  // Bytes of the file at [readStart_, readStart_ + readLen_) in buf_, or the
  // bytes to be written at [writeStart_, writeStart_ + writeLen_), which
  // always ends at pos_. Never both.
  int64_t readStart_ = 0;
  size_t readLen_ = 0;
  int64_t writeStart_ = 0;
  size_t writeLen_ = 0;
};

// A stream over a block of memory, for tests and for reading data that is
// already in memory. Behaves like a file opened for reading and writing.
class TYrMemoryStream : public TYrStream {
 public:
  TYrMemoryStream();
  explicit TYrMemoryStream(std::vector<uint8_t> data);

  void Read(void* buf, uint16_t count) override;
  void Write(const void* buf, uint16_t count) override;
  void Seek(int32_t pos) override;
  int32_t GetSize() override;
  int32_t GetPos() override;

  const std::vector<uint8_t>& Data() const { return data_; }

  // Makes every write fail (result 101) once `limit` bytes have been written
  // in total; -1 means no limit. For tests of writers' error handling.
  void FailAfter(int64_t limit) { failAfter_ = limit; }

 private:
  std::vector<uint8_t> data_;
  size_t pos_ = 0;
  int64_t written_ = 0;
  int64_t failAfter_ = -1;
};

// Reads one text line: bytes up to a line feed (not stored), CR dropped
// anywhere, at most 255 characters read, characters past maxLen dropped.
// At the end of the file the line is empty and nothing is read. Stops at the
// first failed read (Status then holds its result). Returns true only when
// at least one byte was consumed, false at the end of the file or when the
// first read failed. Line loops must end on false: looping "until GetPos
// equals GetSize" alone never ends on a file that cannot be read.
bool StreamReadLine(TYrStream& stream, std::string& s, size_t maxLen = 255);

// Writes the characters of s (at most 255), then CR and LF.
void StreamWriteLine(TYrStream& stream, const std::string& s);
