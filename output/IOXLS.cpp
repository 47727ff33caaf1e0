#include "IOXLS.h"

#include <cstring>

#include "ByteOrder.h"
#include "ShortString.h"

namespace {

constexpr uint16_t kWorksheet = 0x0010;
constexpr uint16_t kEofId = 0x000A;
// Row, column and the three attribute bytes in front of every cell value.
constexpr uint16_t kCellPrefix = 7;

struct VersionRecords {
  uint16_t bofId, bofLength, dimId, dimLength;
};

}  // namespace

TIOXls::TIOXls(TYrStream* stream, int version, uint16_t codePage) : Stream(stream), CodePage(codePage) {
  static constexpr VersionRecords kByVersion[] = {
      {0x0009, 4, 0x0000, 8},    // 2
      {0x0209, 6, 0x0200, 10},   // 3
      {0x0409, 6, 0x0200, 10},   // 4
      {0x0809, 6, 0x0200, 10}};  // 5
  if (version < 2 || version > 5) return;
  const VersionRecords& r = kByVersion[version - 2];
  BofId = r.bofId;
  BofLength = r.bofLength;
  DimId = r.dimId;
  DimLength = r.dimLength;
  extended_ = version >= 3;
  valid_ = true;
  WriteBOF();
  if (CodePage != 0) WriteCodePage();
  WriteDimensions();
}

TIOXls::~TIOXls() {
  if (valid_) WriteEOF();
  Stream = nullptr;
}

void TIOXls::PutU16(uint16_t v) {
  out_.push_back(static_cast<uint8_t>(v));  // little-endian
  out_.push_back(static_cast<uint8_t>(v >> 8));
}

void TIOXls::PutU8(uint8_t v) { out_.push_back(v); }

void TIOXls::Flush() {
  if (Stream != nullptr && !out_.empty()) Stream->Write(out_.data(), static_cast<uint16_t>(out_.size()));
  out_.clear();
}

void TIOXls::SetBOF() {
  RecordId = BofId;
  RecordLength = BofLength;
}

void TIOXls::SetDimensions() {
  RecordId = DimId;
  RecordLength = DimLength;
}

void TIOXls::WriteRecordHeader() {
  PutU16(RecordId);
  PutU16(RecordLength);
}

void TIOXls::WriteBOF() {
  SetBOF();
  WriteRecordHeader();
  PutU16(0);  // version field
  PutU16(kWorksheet);
  if (extended_) PutU16(0);
  Flush();
}

void TIOXls::WriteDimensions() {
  SetDimensions();
  WriteRecordHeader();
  PutU16(FirstRow);
  PutU16(LastRow);
  PutU16(FirstCol);
  PutU16(LastCol);
  if (extended_) PutU16(0);
  Flush();
}

void TIOXls::WriteCodePage() {
  RecordId = kCodePageId;
  RecordLength = 2;
  WriteRecordHeader();
  PutU16(CodePage);
  Flush();
}

void TIOXls::WriteEOF() {
  RecordId = kEofId;
  RecordLength = 0;
  WriteRecordHeader();
  Flush();
}

void TIOXls::BlankHeader() {
  RecordId = 0x0001;
  RecordLength = kCellPrefix;
  WriteRecordHeader();
  RecordLength = 0;
}

void TIOXls::IntegerHeader() {
  RecordId = 0x0002;
  RecordLength = kCellPrefix + 2;
  WriteRecordHeader();
  RecordLength = 2;
}

void TIOXls::NumberHeader() {
  RecordId = 0x0003;
  RecordLength = kCellPrefix + 8;
  WriteRecordHeader();
  RecordLength = 8;
}

void TIOXls::LabelHeader() {
  const uint8_t n = static_cast<const uint8_t*>(CellData)[0];
  RecordId = 0x0004;
  RecordLength = static_cast<uint16_t>(kCellPrefix + 1 + n);
  WriteRecordHeader();
  RecordLength = n;
}

void TIOXls::BoolErrHeader() {
  RecordId = 0x0005;
  RecordLength = kCellPrefix + 2;
  WriteRecordHeader();
  RecordLength = 0;
}

void TIOXls::WriteCell(uint16_t cellType, uint16_t row, uint16_t col, const void* data) {
  if (!valid_) return;
  if (data == nullptr && cellType != kBlank) return;
  CellType = cellType;
  CellRow = row;
  CellCol = col;
  CellData = data;
  switch (cellType) {
    case kBlank: BlankHeader(); break;
    case kInteger: IntegerHeader(); break;
    case kNumber: NumberHeader(); break;
    case kLabel: LabelHeader(); break;
    case kBoolErr: BoolErrHeader(); break;
    default: return;
  }
  PutU16(CellRow);
  PutU16(CellCol);
  PutU8(0);
  PutU8(0);
  PutU8(0);
  const uint8_t* value = static_cast<const uint8_t*>(CellData);
  switch (cellType) {
    case kInteger: {
      uint16_t v;
      std::memcpy(&v, value, sizeof v);
      PutU16(v);
      break;
    }
    case kNumber: {
      double d;
      std::memcpy(&d, value, sizeof d);
      uint8_t b[8];
      le::PutF64(b, 0, d);
      out_.insert(out_.end(), b, b + 8);
      break;
    }
    case kLabel:
      PutU8(static_cast<uint8_t>(RecordLength));
      out_.insert(out_.end(), value + 1, value + 1 + RecordLength);
      break;
    case kBoolErr:
      PutU8(value[0] != 0 ? 1 : 0);
      PutU8(0);  // a Boolean, not an error code
      break;
    default:
      break;
  }
  Flush();
}

void TIOXls::WriteBlank(uint16_t row, uint16_t col) { WriteCell(kBlank, row, col, nullptr); }

void TIOXls::WriteInteger(uint16_t row, uint16_t col, uint16_t value) {
  WriteCell(kInteger, row, col, &value);
}

void TIOXls::WriteNumber(uint16_t row, uint16_t col, double value) {
  WriteCell(kNumber, row, col, &value);
}

void TIOXls::WriteLabel(uint16_t row, uint16_t col, std::string_view text) {
  const ShortString<255> s(text);
  WriteCell(kLabel, row, col, s.Raw().data());
}

void TIOXls::WriteBool(uint16_t row, uint16_t col, bool value) {
  const uint8_t b = value ? 1 : 0;
  WriteCell(kBoolErr, row, col, &b);
}
