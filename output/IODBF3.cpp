#include "IODBF3.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include "ByteOrder.h"

namespace {

// File header offsets.
constexpr size_t kVersionOff = 0;
constexpr size_t kDateOff = 1;  // year - 1900, month, day
constexpr size_t kRecordCountOff = 4;
constexpr size_t kHeaderSizeOff = 8;
constexpr size_t kRecordSizeOff = 10;
// Field descriptor offsets.
constexpr size_t kNameOff = 0;  // 11 bytes, zero-filled
constexpr size_t kTypeOff = 11;
constexpr size_t kLengthOff = 16;
constexpr size_t kDecimalsOff = 17;

// Header size with no fields: the header and the terminator.
constexpr uint16_t kEmptyHeaderSize = TIODbf3::kHeaderSize + 1;

}  // namespace

TIODbf3::TIODbf3() {
  le::PutU8(header_.data(), kVersionOff, 3);
  le::PutU8(header_.data(), kDateOff + 0, 0);
  le::PutU8(header_.data(), kDateOff + 1, 1);
  le::PutU8(header_.data(), kDateOff + 2, 1);
  le::PutI32(header_.data(), kRecordCountOff, 0);
  le::PutU16(header_.data(), kHeaderSizeOff, kEmptyHeaderSize);
  le::PutU16(header_.data(), kRecordSizeOff, 1);
  // A record written before the first ClearRecord must still carry a valid
  // deletion flag.
  ClearRecord();
}

TIODbf3::~TIODbf3() { stream_ = nullptr; }

int32_t TIODbf3::RecordCount() const { return le::GetI32(header_.data(), kRecordCountOff); }
uint16_t TIODbf3::HeaderSize() const { return le::GetU16(header_.data(), kHeaderSizeOff); }
uint16_t TIODbf3::RecordSize() const { return le::GetU16(header_.data(), kRecordSizeOff); }

void TIODbf3::MakeDescriptor(uint8_t* d, std::string_view name, char fieldType, uint8_t length,
                             uint8_t decimals) const {
  std::memset(d, 0, kDescriptorSize);
  const size_t n = std::min(name.size(), kMaxNameLength);
  for (size_t i = 0; i < n; ++i) le::PutU8(d, kNameOff + i, static_cast<uint8_t>(name[i]));
  le::PutU8(d, kTypeOff, static_cast<uint8_t>(fieldType));
  le::PutU8(d, kLengthOff, length);
  le::PutU8(d, kDecimalsOff, decimals);
}

void TIODbf3::AppendDescriptor(const uint8_t* d, uint8_t length) {
  const uint16_t recordSize = RecordSize();
  std::memcpy(descriptors_.data() + static_cast<size_t>(fieldCount_) * kDescriptorSize, d,
              kDescriptorSize);
  fieldOffset_[static_cast<size_t>(fieldCount_)] = recordSize;
  ++fieldCount_;
  le::PutU16(header_.data(), kHeaderSizeOff, static_cast<uint16_t>(HeaderSize() + kDescriptorSize));
  le::PutU16(header_.data(), kRecordSizeOff, static_cast<uint16_t>(recordSize + length));
}

bool TIODbf3::AddField(std::string_view name, char fieldType, uint8_t length, uint8_t decimals) {
  if (headerWritten_ || fieldCount_ >= kMaxFields) return false;
  if (RecordSize() + static_cast<size_t>(length) > kMaxRecordSize) return false;
  std::array<uint8_t, kDescriptorSize> d;
  MakeDescriptor(d.data(), name, fieldType, length, decimals);
  AppendDescriptor(d.data(), length);
  return true;
}

void TIODbf3::SetLanguageDriver(uint8_t id) {
  if (!headerWritten_) le::PutU8(header_.data(), kLanguageDriverOff, id);
}

void TIODbf3::WriteHeader() {
  if (stream_ == nullptr) return;
  stream_->Write(header_.data(), kHeaderSize);
  if (fieldCount_ > 0)
    stream_->Write(descriptors_.data(), static_cast<uint16_t>(fieldCount_ * kDescriptorSize));
  stream_->Write(&terminator_, 1);
  headerWritten_ = true;
}

void TIODbf3::Begin(TYrStream* stream) {
  stream_ = stream;
  if (stream_ != nullptr) {
    const int32_t pos = stream_->GetPos();
    headerPos_ = pos > 0 ? pos : 0;
  }
  WriteHeader();
}

void TIODbf3::ClearRecord() { record_.fill(' '); }

void TIODbf3::SetField(int32_t index, std::string_view value) {
  if (index < 0 || index >= fieldCount_) return;
  const uint8_t* d = descriptors_.data() + static_cast<size_t>(index) * kDescriptorSize;
  const size_t length = le::GetU8(d, kLengthOff);
  const size_t n = std::min(value.size(), length);
  const char type = static_cast<char>(le::GetU8(d, kTypeOff));
  const size_t pad = type == 'N' || type == 'F' ? length - n : 0;
  uint8_t* field = record_.data() + fieldOffset_[static_cast<size_t>(index)];
  std::memset(field, ' ', length);
  if (n) std::memcpy(field + pad, value.data(), n);
}

void TIODbf3::SetNumber(int32_t index, int64_t value) {
  if (index < 0 || index >= fieldCount_) return;
  const uint8_t* d = descriptors_.data() + static_cast<size_t>(index) * kDescriptorSize;
  const size_t length = le::GetU8(d, kLengthOff);
  const size_t decimals = le::GetU8(d, kDecimalsOff);
  // Formatted by hand: the C library would write the locale's decimal comma.
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  if (decimals > 0) digits.insert(digits.size() - decimals, 1, '.');
  if (value < 0) digits.insert(digits.begin(), '-');
  SetField(index, digits.size() <= length ? digits : std::string(length, '*'));
}

void TIODbf3::WriteRecord() {
  if (stream_ == nullptr) return;
  stream_->Write(record_.data(), RecordSize());
  // The count field is 32 bits; stop there rather than wrap to negative.
  const int32_t count = RecordCount();
  if (count < INT32_MAX) le::PutI32(header_.data(), kRecordCountOff, count + 1);
}

void TIODbf3::Finish() {
  if (stream_ == nullptr) return;
  stream_->Seek(headerPos_ + static_cast<int32_t>(kRecordCountOff));
  stream_->Write(header_.data() + kRecordCountOff, 4);
}
