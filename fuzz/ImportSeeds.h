// Participant import inputs built from their layouts: fixed 96-byte records
// of persons and teams, and semicolon-separated lines; the competitions the
// import fuzzers fill and their seeds. Header-only, shared by the fuzzers,
// their seed writer and the tests.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "OldFileSeeds.h"
#include "VkNeu.h"
#include "VkWettk.h"

namespace importseeds {

using oldseeds::Bytes;
using oldseeds::Rec;

// Rule-set codes whose classes the inputs name: the fixed records' ten
// classes ("Schüler" .. "Jungseniorinnen") and the text lines' "AK 12w" and
// "Offene Altersklasse (m)", each for persons and for teams.
constexpr int kRecordsPersons = 12, kRecordsTeams = 13, kTextPersons = 20, kTextTeams = 21;

struct RecordResult {
  uint16_t heatLane;  // heat * 20 + lane - 1
  uint16_t tenths;
  uint16_t points;
  int16_t status;
};

inline Rec PersonRecord(std::string_view name, std::string_view first, std::string_view org, int16_t code,
                        uint16_t year, const std::vector<RecordResult>& results, uint16_t cpr = 0) {
  Rec r(96);
  r.Chars(0, 14, name).Chars(14, 14, first).Chars(28, 4, org).I16(32, code).U16(62, year).U16(64, cpr);
  for (size_t d = 0; d < results.size() && d < 3; ++d)
    r.U16(36 + 2 * d, results[d].heatLane)
        .U16(44 + 2 * d, results[d].tenths)
        .U16(50 + 2 * d, results[d].points)
        .I16(56 + 2 * d, results[d].status);
  return r;
}

inline Rec TeamRecord(std::string_view name, std::string_view org, int16_t code,
                      const std::vector<RecordResult>& results, uint16_t cpr = 0) {
  Rec r(96);
  r.Chars(0, 28, name).Chars(28, 4, org).I16(32, code).U16(80, cpr);
  for (size_t d = 0; d < results.size() && d < 4; ++d)
    r.U16(36 + 2 * d, results[d].heatLane)
        .U16(46 + 2 * d, results[d].tenths)
        .U16(56 + 2 * d, results[d].points)
        .I16(66 + 2 * d, results[d].status);
  return r;
}

inline Bytes Join(const std::vector<Rec>& records) {
  Bytes out;
  for (const Rec& r : records) oldseeds::Append(out, r.bytes());
  return out;
}

inline Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

inline Bytes SampleRecords(bool individual) {
  const std::vector<RecordResult> res = {{41, 654, 300, 0}, {22, 1200, 250, -3}, {3, 0, 0, -4}, {64, 700, 10, -2}};
  if (individual)
    return Join({PersonRecord("Meier", "Annabella Marie", "DLRG", 8, 1980, res, 12),
                 PersonRecord("Schulz", "Tom", "WW", 1, 2013, res), PersonRecord("", "Leer", "ASB", 2, 2013, res),
                 PersonRecord("Ohne", "Klasse", "ASB", 11, 2013, res)});
  return Join({TeamRecord("Rettungsschwimmer Nord I", "DLRG", 7, res, 5), TeamRecord("Damen Sued", "ASB", 8, res),
               TeamRecord("Ohne Klasse", "WW", 0, res)});
}

inline Bytes SampleText(bool individual) {
  if (individual)
    return Text(
        "Nr;AK;Geschlecht;Name;Vorname;Jg;Glied.;Zeit1;x;Abz1;Zeit2;x;Abz2;Zeit3;x;Abz3;Zeit4;x;Abz4;HLW\r\n"
        "1;AK 12;w;M\xfcller;Annabella;2012;dlrg;1:05,4;;N-AN;0:59,9;;DISQ;2:00,0;;3;;;;15\r\n"
        "\r\n"
        "2;Offene AK;m;Schmidt;Jan;1980;ww;1:00,0;;0;;;;;;;;;;\n"
        "3;AK 99;w;Niemand;Ida;2012;asb;1:00,0\n");
  return Text(
      "Mannschaft;Glied.;AK;Geschlecht;Zeit1;Abz1;Zeit2;Abz2;Zeit3;Abz3;Zeit4;Abz4;HLW\r\n"
      "Nord I;DLRG;AK 12w;w;1:05,4;N-AN;1:10,0;0;1:20,0;DISQ;2:00,0;1;20\r\n"
      "Sued;ASB;AK 12W;w;1:05,4\r\n");
}

// The competition an import fills: the rule-set code's classes (birth years
// of 1990), made once per code and copied for every call.
inline std::unique_ptr<TWettkampf> Competition(int code) {
  static std::map<int, std::unique_ptr<TWettkampf>> made;
  std::unique_ptr<TWettkampf>& w = made[code];
  if (!w) w = NewCompetition(code, 1990);
  return std::make_unique<TWettkampf>(*w);
}

}  // namespace importseeds
