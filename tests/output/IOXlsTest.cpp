#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "CodePage.h"
#include "IOXLS.h"
#include "TestData.h"
#include "WriterTestSupport.h"
#include "YrText.h"

namespace {

// A BIFF file as one line per record: identifier and length, then the data.
std::string Records(const std::vector<uint8_t>& d) {
  std::string out;
  char buf[32];
  for (size_t i = 0; i + 4 <= d.size(); out += "\n") {
    const size_t end = std::min(d.size(), i + 4 + (d[i + 2] | d[i + 3] << 8));
    std::snprintf(buf, sizeof buf, " %02X%02X len %zu:", d[i + 1], d[i], end - i - 4);
    for (out += buf, i += 4; i < end; ++i) {
      std::snprintf(buf, sizeof buf, " %02X", d[i]);
      out += buf;
    }
  }
  return out;
}

}  // namespace

// Whole files, record by record: the prologue of every version (none for a
// version outside 2 to 5), each cell type, the typed forms, the label cut at
// 255 and the CODEPAGE record between BOF and DIMENSIONS.
TEST(IOXls, FilesRecordByRecord) {
  const uint8_t one[8] = {0, 0, 0, 0, 0, 0, 0xF8, 0x3F}, flag = 7, zero = 0;
  const uint16_t integer = 0x1234;
  const char label[] = "\x03" "abc";
  using Cells = std::function<void(TIOXls&)>;
  std::vector<std::tuple<std::string, int, uint16_t, Cells>> files = {
      {"WriteCell of each type at row 0102, column 0003", 4, 0, [&](TIOXls& w) {
         using Cell = std::pair<uint16_t, const void*>;
         for (auto [type, value] : {Cell{TIOXls::kBlank, nullptr}, {TIOXls::kInteger, &integer},
                                    {TIOXls::kBoolErr, &flag}, {TIOXls::kBoolErr, &zero}, {TIOXls::kLabel, label},
                                    {TIOXls::kLabel, &zero}, {TIOXls::kNumber, one}})
           w.WriteCell(type, 0x0102, 0x0003, value);
         for (uint16_t type : {0, 3, 5, 32, 0xFFFF}) w.WriteCell(type, 0, 0, label);  // nothing
         for (uint16_t type : {TIOXls::kInteger, TIOXls::kNumber, TIOXls::kLabel, TIOXls::kBoolErr})
           w.WriteCell(type, 0, 0, nullptr);
       }},
      {"typed forms", 2, 0, [](TIOXls& w) {
         w.WriteNumber(5, 6, -2.0);
         w.WriteBool(9, 10, false);
         w.WriteInteger(3, 4, 65535);
         w.WriteLabel(0, 0, std::string(300, 'L'));
       }},
      {"code page 850", 3, 850, [](TIOXls& w) { w.WriteLabel(0, 0, "M\x81"); }},
  };
  for (int version : {-1, 0, 1, 2, 3, 4, 5, 6, 8, 80})
    files.emplace_back("version " + std::to_string(version), version, 0, [](TIOXls& w) {
      w.WriteLabel(0, 0, "Name");
      w.WriteBlank(1, 1);
    });
  std::string out;
  for (const auto& [name, version, codePage, cells] : files) {
    TYrMemoryStream s;
    {
      TIOXls w(&s, version, codePage);
      cells(w);
    }
    out += name + "\n" + Records(s.Data());
  }
  testdata::ExpectDataFile(out, "output/xls-records.txt");
}

// python3-xlrd reads the file of every version back, told the Windows code
// page or finding the CODEPAGE record.
TEST(IOXlsFile, XlrdReadsEveryVersion) {
  const std::vector<std::pair<int, std::string>> labels = {  // row * 256 + column, text
      {0, "NAME"}, {1, "GESAMTPKT"}, {256, "M\xFCller \"Gr\xF6\xDF" "e\""}, {257, "1234,50"},
      {512, std::string(255, 'W')}, {150 * 256 + 2, "row beyond the dimensions"}};
  for (auto [version, codePage] : {std::pair{2, 0}, {3, 0}, {4, 0}, {5, 0}, {3, 850}}) {
    writer_test::TempFile file(".xls");
    file.Write([&](TYrStream& stream) {
      TIOXls w(&stream, version, static_cast<uint16_t>(codePage));
      for (const auto& [at, text] : labels)
        w.WriteLabel(static_cast<uint16_t>(at / 256), at % 256, codePage ? AnsiToOem(text) : text);
      w.WriteNumber(2, 1, 12.5);
      w.WriteInteger(3, 0, 42);
      w.WriteBool(3, 1, true);
      w.WriteBlank(4, 0);
    });
    const auto r = writer_test::RunPython(testdata::ReadFile(VK_TEST_DATA "/output/read-xls.py"),
                                          {file.Path(), codePage ? "" : "cp1252"});
    ASSERT_EQ(r.exitCode, 0) << version << ": " << r.output;
    // A version-5 BOF whose version field is 0 is taken for BIFF2.
    std::vector<std::string> want = {"biff " + std::to_string(version == 5 ? 20 : version * 10) +
                                     (codePage ? " cp850" : " cp1252")};
    for (const auto& [at, text] : labels)
      want.push_back(std::to_string(at / 256) + " " + std::to_string(at % 256) + " 1 " + AnsiToUtf8(text));
    want.insert(want.begin() + 6, {"2 1 2 12.5", "3 0 2 42.0", "3 1 4 1"});
    EXPECT_EQ(writer_test::Lines(r.output), want) << version << " " << codePage;
  }
}
