// Single-sheet Excel writer in the BIFF record format of versions 2 to 5.
//
// The constructor writes the BOF and DIMENSIONS records of the chosen
// version, `WriteCell` one record per cell, and the destructor the EOF
// record. The cell records are those of BIFF2 whatever version the file
// announces; the dimensions are always rows 0 to 100 and columns 0 to 100.
// A version outside 2 to 5 is refused: such a writer writes nothing at all,
// so no file with a BOF of identifier 0 is made.
//
// Labels are bytes in whatever code page the caller chose. A reader that is
// not told the page takes the Windows one; a non-zero `codePage` (850 for
// the DOS code page) is announced in a CODEPAGE record right behind the BOF.
//
// The stream is not owned and must outlive the writer, whose destructor
// still writes to it; the caller closes it afterwards. Nothing is reported;
// a failed write stays in the stream's status (`FirstError`).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "YrObject.h"
#include "YrStream.h"

class TIOXls : public TYrObject {
 public:
  // Cell type codes of WriteCell.
  static constexpr uint16_t kBlank = 1;
  static constexpr uint16_t kInteger = 2;
  static constexpr uint16_t kNumber = 4;
  static constexpr uint16_t kLabel = 8;
  static constexpr uint16_t kBoolErr = 16;

  static constexpr uint16_t kCodePageId = 0x0042;

  TIOXls(TYrStream* stream, int version, uint16_t codePage = 0);
  // Writes the EOF record.
  ~TIOXls() override;

  TIOXls(const TIOXls&) = delete;
  TIOXls& operator=(const TIOXls&) = delete;

  // Writes one cell. `data` points to the value: a uint16_t for kInteger, a
  // double for kNumber, a length-prefixed string image (length byte, then
  // the characters, e.g. ShortString<N>::Raw().data()) for kLabel, a byte
  // for kBoolErr, nothing for kBlank. Any other type code, or a missing
  // value, writes nothing.
  void WriteCell(uint16_t cellType, uint16_t row, uint16_t col, const void* data);

  // Typed forms of WriteCell.
  void WriteBlank(uint16_t row, uint16_t col);
  void WriteInteger(uint16_t row, uint16_t col, uint16_t value);
  void WriteNumber(uint16_t row, uint16_t col, double value);
  // The text is cut to 255 characters.
  void WriteLabel(uint16_t row, uint16_t col, std::string_view text);
  void WriteBool(uint16_t row, uint16_t col, bool value);

  TYrStream* Stream = nullptr;
  uint16_t FirstRow = 0, LastRow = 100, FirstCol = 0, LastCol = 100;
  uint16_t CellType = 0;
  uint16_t CellRow = 0, CellCol = 0;
  const void* CellData = nullptr;
  uint16_t RecordId = 0, RecordLength = 0;
  uint16_t BofId = 0, BofLength = 0;
  uint16_t DimId = 0, DimLength = 0;
  uint16_t CodePage = 0;  // 0: no CODEPAGE record

 protected:
  // The header operations set identifier and length of their cell record,
  // put the record header and leave the length of the value part as the
  // current length.
  virtual void BlankHeader();
  virtual void IntegerHeader();
  virtual void NumberHeader();
  virtual void LabelHeader();
  virtual void SetBOF();
  virtual void SetDimensions();
  virtual void WriteBOF();
  virtual void WriteRecordHeader();
  virtual void WriteDimensions();
  void WriteCodePage();
  virtual void WriteEOF();
  virtual void BoolErrHeader();

 private:
  void PutU16(uint16_t v);
  void PutU8(uint8_t v);
  // Hands the record built so far to the stream in one write.
  void Flush();

  bool valid_ = false;
  bool extended_ = false;  // versions 3 to 5: one more word in BOF and DIMENSIONS
  std::vector<uint8_t> out_;
};
