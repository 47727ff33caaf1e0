#include "Yrzlib.h"

#include <cstdlib>

namespace {

// zlib's memory comes zero-filled from the heap.
voidpf ZAlloc(voidpf, uInt items, uInt size) { return std::calloc(items, size); }
void ZFree(voidpf, voidpf address) { std::free(address); }

int LevelOf(uint8_t index) {
  static const int kLevels[] = {0, 1, Z_DEFAULT_COMPRESSION, 9};
  // Z_BEST_COMPRESSION + 1 is refused by deflateInit.
  return index < 4 ? kLevels[index] : Z_BEST_COMPRESSION + 1;
}

}  // namespace

TYrCompressStream::TYrCompressStream(uint8_t levelIndex, TYrStream* dest) : dest_(dest) {
  zs_.zalloc = ZAlloc;
  zs_.zfree = ZFree;
  zs_.opaque = nullptr;
  zs_.next_out = buffer_;
  zs_.avail_out = kBufferSize;
  if (deflateInit(&zs_, LevelOf(levelIndex)) == Z_OK) {
    initialised_ = true;
  } else {
    Fail();
  }
}

TYrCompressStream::~TYrCompressStream() { Finish(); }

void TYrCompressStream::Fail() {
  failed_ = true;
  if (dest_) dest_->RecordError(kCompressFailed);
}

void TYrCompressStream::FlushBuffer(size_t count) {
  if (dest_) dest_->Write(buffer_, static_cast<uint16_t>(count));
  bytesOut_ += static_cast<int64_t>(count);
  zs_.next_out = buffer_;
  zs_.avail_out = kBufferSize;
}

void TYrCompressStream::End() {
  if (initialised_) deflateEnd(&zs_);
  initialised_ = false;
  finished_ = true;
}

void TYrCompressStream::Write(const void* buf, uint16_t count) {
  if (failed_ || finished_ || count == 0) return;
  zs_.next_in = static_cast<Bytef*>(const_cast<void*>(buf));
  zs_.avail_in = count;
  while (zs_.avail_in > 0) {
    if (deflate(&zs_, Z_NO_FLUSH) != Z_OK) {
      // Without this stop a stuck deflate would spin here for ever.
      Fail();
      break;
    }
    if (zs_.avail_out == 0) FlushBuffer(kBufferSize);
  }
  zs_.next_in = nullptr;
  zs_.avail_in = 0;
}

void TYrCompressStream::Finish() {
  if (finished_) return;
  if (!failed_) {
    zs_.next_in = nullptr;
    zs_.avail_in = 0;
    int rc = deflate(&zs_, Z_FINISH);
    while (rc == Z_OK && zs_.avail_out == 0) {
      FlushBuffer(kBufferSize);
      rc = deflate(&zs_, Z_FINISH);
    }
    if (rc != Z_STREAM_END) {
      // A cut-off zlib stream must not look like a finished one.
      Fail();
    } else if (zs_.avail_out < kBufferSize) {
      FlushBuffer(kBufferSize - zs_.avail_out);
    }
  }
  End();
}

void TYrCompressStream::Abandon() {
  if (!finished_) End();
}
