// Case files: tables of inputs and expected outputs under tests/data, one
// case a line, "INPUT => OUTPUT". A test recomputes every OUTPUT from its
// INPUT and compares the whole file at once, so that a change shows as a diff
// of the file (see ExpectDataFile). Lines without " => " (blank lines and
// comments) stay as they are.
//
// Most inputs are blank-separated fields (Split). A quoted field holds
// bytes: "..." with the escapes \\, \", \n, \r, \t and \xHH, and \N*C for a
// run of N bytes C (C may be an escape itself); Quote writes bytes that way.
#pragma once

#include <cctype>
#include <charconv>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "TestData.h"

namespace testdata {

using Fields = std::vector<std::string>;

inline std::string Quote(const std::string& bytes) {
  static const std::string kNamed = "\\\\\"\"\nn\rr\tt";  // byte, then its letter
  std::string out = "\"";
  for (size_t i = 0, n; i < bytes.size(); i += n) {
    const char c = bytes[i];
    for (n = 1; i + n < bytes.size() && bytes[i + n] == c;) ++n;
    if (n < 8) n = 1;
    if (n > 1) out += "\\" + std::to_string(n) + "*";
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
    const size_t named = kNamed.find(c);
    out += named % 2 == 0 ? std::string{'\\', kNamed[named + 1]} : c >= ' ' && c < 0x7F ? std::string(1, c) : hex;
  }
  return out + "\"";
}

// Values by blanks, texts quoted: one row of a whole-output comparison.
inline std::string Shown(const std::string& text) { return Quote(text); }
inline std::string Shown(const char* text) { return Quote(text); }
inline std::string Shown(int64_t n) { return std::to_string(n); }
template <class... T>
std::string Row(const T&... values) {
  std::string row;
  for (const std::string& v : {Shown(values)...}) row += (row.empty() ? "" : " ") + v;
  return row;
}

// The bytes of a quoted field; any other field as it stands.
inline std::string Unquote(const std::string& field) {
  if (field.size() < 2 || field[0] != '"') return field;
  std::string out;
  for (size_t i = 1; i + 1 < field.size(); ++i) {
    size_t repeat = 1;
    if (field[i] == '\\' && std::isdigit(static_cast<unsigned char>(field[i + 1])))
      i = std::from_chars(field.data() + i + 1, field.data() + field.size(), repeat).ptr - field.data() + 1;
    char c = field[i];
    if (c == '\\' && field[i + 1] == 'x') {
      c = static_cast<char>(std::stoi(field.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else if (c == '\\') {
      c = field[++i];
      c = c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
    }
    out.append(repeat, c);
  }
  return out;
}

// The fields of an input, quoted ones still quoted.
inline Fields Split(const std::string& input) {
  Fields fields;
  for (size_t i = input.find_first_not_of(' '), end; i != std::string::npos; i = input.find_first_not_of(' ', end)) {
    bool quoted = false;
    for (end = i; end < input.size() && (quoted || input[end] != ' '); ++end) {
      if (input[end] == '\\') ++end;
      else if (input[end] == '"') quoted = !quoted;
    }
    fields.push_back(input.substr(i, end - i));
  }
  return fields;
}

// Recomputes tests/data/<name>: `compute` gets each INPUT and answers its
// OUTPUT.
inline void ExpectCaseFile(const std::string& name, const std::function<std::string(const std::string&)>& compute) {
  std::istringstream in(ReadFile(std::string(VK_TEST_DATA) + "/" + name));
  std::string out;
  for (std::string line; std::getline(in, line); out += line + "\n") {
    const size_t at = line.find(" => ");
    if (at != std::string::npos && line[0] != '#') line.replace(at + 4, line.npos, compute(line.substr(0, at)));
  }
  EXPECT_NE(out, "") << name;
  ExpectDataFile(out, name);
}

// The i-th field as bytes, or as a number.
inline std::string Arg(const Fields& f, size_t i) { return Unquote(f.at(i)); }
inline int64_t Num(const Fields& f, size_t i) { return std::stoll(f.at(i)); }

// A case file whose inputs start with the name of a routine: each case goes
// to that routine with its fields (the name is field 0).
using Routine = std::function<std::string(const Fields&)>;
inline void ExpectRoutineCases(const std::string& name, const std::map<std::string, Routine>& routines) {
  ExpectCaseFile(name, [&](const std::string& input) {
    const Fields f = Split(input);
    return f.empty() || routines.count(f[0]) == 0 ? "unknown routine" : routines.at(f[0])(f);
  });
}

}  // namespace testdata
