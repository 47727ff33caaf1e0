// Small builders shared by the competition tests, and the texts and participants of their case files
// (tests/data/competition, read with CaseFile.h).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CaseFile.h"
#include "CodePage.h"
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

// DOS code-page text as the competition's case files show it: UTF-8, control characters (CR in messages,
// bytes behind a text of the other layout) as \xNN; quoted by Text (see CaseFile.h), so that blanks at the
// ends show.
inline std::string Readable(const std::string& oem, bool quoted = false) {
  std::string out = quoted ? "\"" : "";
  for (char c : OemToUtf8(oem)) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
    if (static_cast<unsigned char>(c) < 0x20 && c != '\n') out += hex;
    else if (quoted && (c == '"' || c == '\\')) out += std::string{'\\', c};
    else out += c;
  }
  return quoted ? out + "\"" : out;
}
inline std::string Text(const std::string& oem) { return Readable(oem, true); }

// `t` with the fields that words "key=value" name (texts in UTF-8, "_" for a blank): name, team (the team
// layout's name), vorname, zusatz, org, year, flags, cpr, cprtime, station, cprheat, total, place, and per
// discipline d time<d>, ded<d>, heat<d>, lane<d>, points<d>, dplace<d>; the word "na" sets every result
// to "n.a.".
inline TTeilnehmer Participant(const std::string& words, TTeilnehmer t = {}) {
  for (const std::string& word : Split(words, " ")) {
    if (word == "na") t.SetAllNA();
    const size_t eq = word.find('=');
    if (eq == std::string::npos) continue;
    std::string key = word.substr(0, eq), text = Oem(word.substr(eq + 1));
    std::replace(text.begin(), text.end(), '_', ' ');
    const int d = std::isdigit(static_cast<unsigned char>(key.back())) ? key.back() - '0' : 0;
    const int32_t n = std::atoi(text.c_str());
    const auto n16 = static_cast<int16_t>(n);
    const std::map<std::string, std::function<void()>> set = {
        {"name", [&] { t.SetName(true, text); }},     {"team", [&] { t.SetName(false, text); }},
        {"vorname", [&] { t.SetVorname(text); }},     {"zusatz", [&] { t.SetZusatz(text); }},
        {"org", [&] { t.SetGliederung(text); }},      {"year", [&] { t.SetGeburtsdatum(text); }},
        {"flags", [&] { t.SetFlags(uint16_t(n)); }},  {"cpr", [&] { t.SetCprValue(n); }},
        {"total", [&] { t.SetTotal(n); }},            {"place", [&] { t.SetPlace(uint16_t(n)); }},
        {"cprtime", [&] { t.SetCprTime(n16); }},      {"station", [&] { t.SetCprStation(n16); }},
        {"cprheat", [&] { t.SetCprHeat(n16); }},
        {"time", [&] { t.SetTime(d, n); }},           {"ded", [&] { t.SetDeduction(d, n16); }},
        {"heat", [&] { t.SetHeat(d, n16); }},         {"lane", [&] { t.SetLane(d, n16); }},
        {"points", [&] { t.SetPoints(d, n); }},       {"dplace", [&] { t.SetDisciplinePlace(d, n16); }}};
    const auto found = set.find(d ? key.substr(0, key.size() - 1) : key);
    if (found == set.end()) ADD_FAILURE() << "no participant field " << key;
    else found->second();
  }
  return t;
}

// A class "Jugend" from words "key=value": disciplines (default 1), flags, counted, v2 (of its linear
// disciplines, see MakeClass) and formula (a user formula for discipline 1); then the participants, given
// as words for Participant with ";" between two, inserted. Participants given as a CPR value and words are
// named "A", "B", ... in turn.
inline std::unique_ptr<TAltersklasse> ClassWith(const std::string& words, const std::string& participants = "") {
  std::map<std::string, std::string> v = {{"disciplines", "1"}, {"flags", "0"}, {"counted", "0"}, {"v2", "0"}};
  for (const std::string& w : Split(words, " ")) v[w.substr(0, w.find('='))] = w.substr(w.find('=') + 1);
  auto ak = MakeClass(uint16_t(std::stoi(v["disciplines"])), uint16_t(std::stoi(v["flags"])), 100000,
                      std::stoi(v["v2"]));
  ak->SetCounted(uint16_t(std::stoi(v["counted"])));
  TDisziplin user;
  user.SetFormula(v["formula"]);
  if (!v["formula"].empty()) ak->SetDiscipline(1, user);
  char name = 'A';
  for (std::string p : Split(participants, "; ")) {
    if (!p.empty() && (std::isdigit(static_cast<unsigned char>(p[0])) || p[0] == '-'))
      p = "name=" + std::string(1, name++) + " cpr=" + p;
    if (!p.empty()) ak->Insert(new TTeilnehmer(Participant(p)));
  }
  return ak;
}

}  // namespace aktest
