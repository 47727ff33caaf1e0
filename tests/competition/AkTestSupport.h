// Small builders shared by the competition tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "MessageCapture.h"
#include "VkAltersk.h"

namespace aktest {

// Kind 2: points = v1 - 10 * time (time cut to a multiple of v2 / 10).
inline TDisziplin Linear(const std::string& name, int32_t v1, int32_t v2 = 0) {
  TDisziplin d;
  d.SetName(name);
  d.SetKind(kKindLinear);
  d.SetV(1, v1);
  d.SetV(2, v2);
  return d;
}

// A class "Jugend" 1990-1991 with `count` linear disciplines ("D1".."Dn").
inline std::unique_ptr<TAltersklasse> MakeClass(uint16_t count, uint16_t flags = 0, int32_t v1 = 100000,
                                                int32_t v2 = 0) {
  TAltersklasse::Disciplines discs;
  for (int d = 0; d < count; ++d) discs[d] = Linear("D" + std::to_string(d + 1), v1, v2);
  auto ak = std::make_unique<TAltersklasse>();
  ak->Define("Jugend", 1990, 1991, flags, count, discs);
  return ak;
}

inline TTeilnehmer* Tn(const std::string& name, int32_t cpr = 0, bool outside = false) {
  auto* t = new TTeilnehmer;
  t->SetName(true, name);
  t->SetCprValue(cpr);
  t->SetFlag(TTeilnehmer::kAusserKonkurrenz, outside);
  return t;
}

// The class's participants by name, in the current order.
inline std::vector<std::string> Order(const TAltersklasse& ak) {
  std::vector<std::string> out;
  for (int i = 0; i < ak.GetCount(); ++i) out.push_back(ak.At(i)->Name(true));
  return out;
}

inline TTeilnehmer* Find(const TAltersklasse& ak, const std::string& name) {
  for (int i = 0; i < ak.GetCount(); ++i)
    if (ak.At(i)->Name(true) == name) return ak.At(i);
  return nullptr;
}

// `s` cut at every `by`.
inline std::vector<std::string> Split(const std::string& s, const std::string& by) {
  std::vector<std::string> out;
  size_t from = 0;
  for (size_t at; (at = s.find(by, from)) != std::string::npos; from = at + by.size())
    out.push_back(s.substr(from, at - from));
  out.push_back(s.substr(from));
  return out;
}

// The lines of a file under tests/data, each cut at " | "; blank lines and
// comments (#) left out.
inline std::vector<std::vector<std::string>> DataTable(const std::string& name) {
  std::vector<std::vector<std::string>> rows;
  std::ifstream in(std::string(VK_TEST_DATA) + "/" + name);
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') rows.push_back(Split(line, " | "));
  EXPECT_FALSE(rows.empty()) << name;
  return rows;
}

}  // namespace aktest
