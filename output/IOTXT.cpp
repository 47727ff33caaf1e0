#include "IOTXT.h"

#include <algorithm>

namespace {

// The stream takes at most 65535 bytes per call; a record of 129 quoted
// values with doubled quotes can be longer than that.
void WriteBytes(TYrStream& stream, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    size_t n = std::min<size_t>(bytes.size() - done, 0xFFFF);
    stream.Write(bytes.data() + done, static_cast<uint16_t>(n));
    if (stream.Status != 0) return;  // the rest would land at the wrong place
    done += n;
  }
}

}  // namespace

TIOTxt::TIOTxt() { columns_.reserve(kMaxColumns); }

TIOTxt::~TIOTxt() { Stream = nullptr; }

bool TIOTxt::AddColumn(std::string_view name, uint8_t width) {
  if (ColumnCount() >= kMaxColumns) return false;
  Column c;
  c.name = name;
  c.width = width;
  columns_.push_back(c);
  return true;
}

void TIOTxt::SetValue(int32_t index, std::string_view value) {
  if (index < 0 || index >= ColumnCount()) return;
  Column& c = columns_[static_cast<size_t>(index)];
  c.value = value.substr(0, c.width);
}

void TIOTxt::WriteRecord() {
  if (Stream == nullptr) return;
  // The record is built whole and handed to the stream in one write.
  std::string out;
  for (size_t i = 0; i < columns_.size(); ++i) {
    const std::string v = columns_[i].value.Str();
    if (QuoteFields) {
      out.push_back(Quote);
      for (char ch : v) {
        if (ch == Quote) out.push_back(Quote);
        out.push_back(ch);
      }
      out.push_back(Quote);
    } else {
      out += v;
    }
    if (i + 1 < columns_.size()) out.push_back(Separator);
  }
  out.push_back('\n');
  out.push_back('\r');
  WriteBytes(*Stream, out);
}

std::string TIOTxt::ColumnName(int32_t index) const {
  if (index < 0 || index >= ColumnCount()) return {};
  return columns_[static_cast<size_t>(index)].name.Str();
}

uint8_t TIOTxt::ColumnWidth(int32_t index) const {
  if (index < 0 || index >= ColumnCount()) return 0;
  return columns_[static_cast<size_t>(index)].width;
}

std::string TIOTxt::Value(int32_t index) const {
  if (index < 0 || index >= ColumnCount()) return {};
  return columns_[static_cast<size_t>(index)].value.Str();
}
