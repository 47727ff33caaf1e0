// dBASE III table writer.
//
// Use: declare every field with `AddField`, attach the stream with `Begin`
// (writes the file header, the field descriptors and the 0x0D terminator),
// then per row `ClearRecord`, `SetField` per value and `WriteRecord`, and at
// the end `Finish`, which puts the record count into the header. No
// end-of-file byte (0x1A) follows the last record.
//
// Texts arrive as bytes in the code page the caller wants; they are cut to
// their field's length and padded with blanks, left-aligned in character
// fields and right-aligned in numeric ones ('N', 'F'), as dBASE readers
// expect. Numbers are best given to `SetNumber`, which writes them with a
// decimal point and the field's declared decimals.
//
// The stream is not owned: the caller opens it before `Begin` and closes it
// after the writer is gone. Nothing is reported; a failed write stays in the
// stream's status (`FirstError`) for the caller to test.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "YrObject.h"
#include "YrStream.h"

class TIODbf3 : public TYrObject {
 public:
  static constexpr int32_t kMaxFields = 129;
  static constexpr size_t kHeaderSize = 32;
  static constexpr size_t kDescriptorSize = 32;
  static constexpr size_t kMaxRecordSize = 4001;
  static constexpr size_t kMaxNameLength = 10;
  static constexpr size_t kLanguageDriverOff = 29;
  static constexpr uint8_t kLanguageDriverCp850 = 0x02;

  // Header image: version 3, date 0-1-1, no records, no fields; no stream;
  // an empty record (blank deletion flag).
  TIODbf3();
  // Forgets the stream without closing it.
  ~TIODbf3() override;

  TIODbf3(const TIODbf3&) = delete;
  TIODbf3& operator=(const TIODbf3&) = delete;

  // Declares the next field; the name is cut to 10 characters. Returns false
  // (and declares nothing) when 129 fields are taken, when the record would
  // grow past 4001 bytes, or once `Begin` has written the header, since
  // records of a different size than the header announces would make the
  // file unreadable.
  bool AddField(std::string_view name, char fieldType, uint8_t length, uint8_t decimals);

  // The header's language-driver byte (offset 29), which tells readers the
  // code page of the texts (0x02: the DOS code page 850); 0 after
  // construction, i.e. not announced. Ignored once `Begin` wrote the header.
  void SetLanguageDriver(uint8_t id);

  // Attaches the stream and writes the header, every descriptor and the
  // terminator at the stream's current position.
  void Begin(TYrStream* stream);

  // Every record byte, the deletion flag included, to a blank.
  void ClearRecord();

  // Puts `value`, cut to the field length, into the field and pads it with
  // blanks: behind it in a character field, in front of it in a numeric one.
  // Indices outside the declared fields are ignored.
  void SetField(int32_t index, std::string_view value);

  // A number in units of the field's last decimal place (1234 in a field of
  // two decimals is "12.34"), right-aligned. A number longer than its field
  // fills it with asterisks, dBASE's mark of an overflow, rather than
  // losing its leading digits.
  void SetNumber(int32_t index, int64_t value);

  // Writes the record (record-size bytes) and counts it. Without a stream it
  // writes and counts nothing.
  void WriteRecord();

  // Seeks to offset 4 of the header and writes the record count; the stream
  // is left behind the count. The header normally starts the file; when
  // `Begin` found the stream elsewhere, the offset counts from there.
  void Finish();

  int32_t RecordCount() const;
  uint16_t HeaderSize() const;
  uint16_t RecordSize() const;
  const uint8_t* Record() const { return record_.data(); }

 private:
  void MakeDescriptor(uint8_t* d, std::string_view name, char fieldType, uint8_t length,
                      uint8_t decimals) const;
  void AppendDescriptor(const uint8_t* d, uint8_t length);
  void WriteHeader();

  TYrStream* stream_ = nullptr;
  bool headerWritten_ = false;
  int32_t headerPos_ = 0;  // stream position of the header
  std::array<uint8_t, kHeaderSize> header_{};
  std::array<uint8_t, kMaxFields * kDescriptorSize> descriptors_{};
  uint8_t terminator_ = 0x0D;
  std::array<uint8_t, kMaxRecordSize> record_{};
  int32_t fieldCount_ = 0;
  // Where each field starts in the record (1 + lengths of the fields before).
  std::array<uint16_t, kMaxFields> fieldOffset_{};
};
