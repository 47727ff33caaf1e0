// Delimited-text table writer (semicolon-separated values and the like).
//
// The caller declares the columns once, then for every row sets values by
// column index and writes the row. Values arrive as bytes already in the code
// page the caller wants; the writer only cuts them to their column's width
// and, when quoting is on, encloses them in the quote character and doubles a
// quote character inside them, so that every CSV reader gets the value back.
// A value keeps its contents until it is set again: a column the caller does
// not set repeats the previous row's value.
//
// The stream is not owned: the caller opens it before and closes it after the
// writer is gone. Nothing is reported; a failed write stays in the stream's
// status (`FirstError`) for the caller to test.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ShortString.h"
#include "YrObject.h"
#include "YrStream.h"

class TIOTxt : public TYrObject {
 public:
  static constexpr int32_t kMaxColumns = 129;

  // No columns, no stream, separator ";", quoting off.
  TIOTxt();
  // Forgets the stream without closing it.
  ~TIOTxt() override;

  TIOTxt(const TIOTxt&) = delete;
  TIOTxt& operator=(const TIOTxt&) = delete;

  void SetStream(TYrStream* stream) { Stream = stream; }

  // Appends a column; the name is cut to 30 characters, `width` is the most
  // characters of a value that are written. Returns false (and declares
  // nothing) when all 129 columns are taken.
  bool AddColumn(std::string_view name, uint8_t width);

  // Values[index] := the first min(length, width) characters of `value`.
  // Indices outside the declared columns are ignored.
  void SetValue(int32_t index, std::string_view value);

  // Writes the current values as one record, ended by LF then CR (the byte
  // order the files of this program have always had). Without a stream it
  // writes nothing.
  void WriteRecord();

  int32_t ColumnCount() const { return static_cast<int32_t>(columns_.size()); }
  std::string ColumnName(int32_t index) const;
  uint8_t ColumnWidth(int32_t index) const;
  std::string Value(int32_t index) const;

  TYrStream* Stream = nullptr;
  char Separator = ';';
  char Quote = '"';
  bool QuoteFields = false;

 private:
  struct Column {
    ShortString<30> name;
    uint8_t width = 0;
    ShortString<255> value;
  };
  std::vector<Column> columns_;
};
