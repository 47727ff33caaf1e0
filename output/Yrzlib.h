// A write-only stream that deflates what it is given (zlib format: header,
// deflate data, Adler-32) and passes the compressed bytes on to a
// destination stream. The PDF writer routes page content streams through it.
//
// The destination is not owned and must stay open for the whole life of the
// compressor: the destructor finishes the zlib stream and writes its last
// bytes there (unless `Abandon` was called). While writing, the destination
// receives only whole 8192-byte blocks; after `Finish` it has everything.
//
// Failures are reported the way file errors are: a write error stays in the
// destination's Status/FirstError, and a failed zlib initialisation or
// deflate call is recorded there too (result kCompressFailed). After a zlib
// failure the compressor writes nothing more.
#pragma once

#include <zlib.h>

#include <cstdint>

#include "YrObject.h"
#include "YrStream.h"

// The I/O result recorded on the destination when zlib fails: the file did
// not get the bytes it should hold, like a failed write.
constexpr uint16_t kCompressFailed = 101;

class TYrCompressStream : public TYrObject {
 public:
  static constexpr size_t kBufferSize = 8192;

  // levelIndex 0 store only, 1 fastest, 2 zlib's default, 3 best (the PDF
  // writer's choice). Any other index makes the initialisation fail.
  TYrCompressStream(uint8_t levelIndex, TYrStream* dest);
  ~TYrCompressStream() override;

  TYrCompressStream(const TYrCompressStream&) = delete;
  TYrCompressStream& operator=(const TYrCompressStream&) = delete;

  void Write(const void* buf, uint16_t count);

  // Ends the zlib stream and writes what is left to the destination. Runs
  // once; later calls (and the destructor) do nothing more.
  void Finish();

  // Releases zlib's state without writing anything more; for an owner that
  // is being torn down while its destination may already be gone.
  void Abandon();

  // Bytes passed on to the destination so far (whether it accepted them or not).
  int64_t BytesOut() const { return bytesOut_; }
  bool Failed() const { return failed_; }

 private:
  void Fail();
  void FlushBuffer(size_t count);
  void End();

  TYrStream* dest_;
  z_stream zs_{};
  uint8_t buffer_[kBufferSize];
  int64_t bytesOut_ = 0;
  bool initialised_ = false;  // deflateInit succeeded and deflateEnd is still due
  bool finished_ = false;
  bool failed_ = false;
};
