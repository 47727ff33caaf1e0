// Result files of the older program versions (2.1, 1.5, 1.0) and of the
// predecessor program, built byte by byte from their record layouts: small
// builders per version, sample files with something in every part, and the
// seeds of the older-file fuzzer derived from them. Header-only, shared by
// the fuzzer (built with clang), its seed writer and the tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ByteOrder.h"
#include "CodePage.h"
#include "OldResultFiles.h"

namespace oldseeds {

using Bytes = std::vector<uint8_t>;

// A zeroed record whose fields are written at the layout's offsets.
class Rec {
 public:
  explicit Rec(size_t size) : b_(size, 0) {}
  // string[cap]: a length byte, then the characters (cut to cap).
  Rec& Str(size_t off, size_t cap, std::string_view s) {
    le::PutStr(b_.data(), off, cap, std::string(s));
    return *this;
  }
  // A fixed character field without a length byte, blank-padded.
  Rec& Chars(size_t off, size_t n, std::string_view s) {
    for (size_t i = 0; i < n; ++i) b_[off + i] = i < s.size() ? static_cast<uint8_t>(s[i]) : ' ';
    return *this;
  }
  Rec& U16(size_t off, uint16_t v) {
    le::PutU16(b_.data(), off, v);
    return *this;
  }
  Rec& I16(size_t off, int16_t v) {
    le::PutI16(b_.data(), off, v);
    return *this;
  }
  Rec& I32(size_t off, int32_t v) {
    le::PutI32(b_.data(), off, v);
    return *this;
  }
  Rec& Byte(size_t off, uint8_t v) {
    b_[off] = v;
    return *this;
  }
  const Bytes& bytes() const { return b_; }

 private:
  Bytes b_;
};

inline void Append(Bytes& out, const Bytes& b) { out.insert(out.end(), b.begin(), b.end()); }
inline void AppendU16(Bytes& out, uint16_t v) { out.insert(out.end(), {uint8_t(v), uint8_t(v >> 8)}); }
inline void AppendText(Bytes& out, std::string_view s) { out.insert(out.end(), s.begin(), s.end()); }

// A stored list's head: its limit and delta.
struct ListHead {
  uint16_t limit = 20;
  uint16_t delta = 5;
};

// A stored list: count, limit, delta, each item behind its marker, the
// trailing byte.
inline void AppendList(Bytes& out, uint16_t marker, const std::vector<Bytes>& items, ListHead head = {}) {
  AppendU16(out, static_cast<uint16_t>(items.size()));
  AppendU16(out, head.limit);
  AppendU16(out, head.delta);
  for (const Bytes& item : items) {
    AppendU16(out, marker);
    Append(out, item);
  }
  out.push_back(1);
}

// ---------------------------------------------------------------------------
// Versions 2.1, 1.5 and 1.0

enum class Version { k21, k15, k10 };

struct Layout {
  const char* header;
  size_t classSize;
  size_t participantSize;
  bool wide;  // i32 times and values (2.1) instead of time texts and i16 whole points
  size_t deductions, heats, lanes, cpr, points, total, place;
};

inline const Layout& LayoutOf(Version v) {
  static const Layout k21{kHeaderVersion21, 2785, 180, true, 112, 122, 132, 142, 154, 174, 178};
  static const Layout k15{kHeaderVersion15, 464, 181, false, 127, 137, 147, 157, 167, 177, 179};
  static const Layout k10{kHeaderVersion10, 464, 173, false, 127, 137, 147, 157, 159, 169, 171};
  return v == Version::k21 ? k21 : v == Version::k15 ? k15 : k10;
}

// Header record in the current offsets: 701 bytes for 2.1, 411 for the others.
inline Rec OldHeader(Version v, bool individual) {
  Rec h(v == Version::k21 ? 701 : 411);
  h.Str(0, 80, "Kreismeisterschaft").U16(81, individual ? 0 : 1).Str(83, 80, "Bezirk Nord").Str(164, 80, "OG Hafen");
  h.Str(245, 80, "12.03.1994").Str(326, 80, "Stadtbad").U16(407, 4).U16(409, 1);
  if (v == Version::k21) h.U16(411, 3).Str(413, 80, "Notiz").U16(494, 1).Byte(600, 0x77);
  return h;
}

struct Discipline {
  std::string name;
  int32_t a = 0, b = 0;  // 2.1: kind and V1; 1.5 and 1.0: the two i16 whole-point parameters
  int32_t v2 = 10;       // 2.1 only
};

inline Rec ClassRecord(Version v, std::string_view name, uint16_t first, uint16_t last, uint16_t flags,
                       const std::vector<Discipline>& discs) {
  Rec r(LayoutOf(v).classSize);
  r.Str(0, 30, name).U16(31, first).U16(33, last).U16(35, flags).U16(37, static_cast<uint16_t>(discs.size()));
  for (size_t k = 0; k < discs.size() && k < 5; ++k) {
    if (v == Version::k21) {
      const size_t e = 39 + 442 * k;
      r.Str(e, 80, discs[k].name).U16(e + 81, static_cast<uint16_t>(discs[k].a)).I32(e + 83, discs[k].b);
      r.I32(e + 87, discs[k].v2).Str(e + 103, 255, "ignored formula");
    } else {
      const size_t e = 39 + 85 * k;
      r.Str(e, 80, discs[k].name)
          .I16(e + 81, static_cast<int16_t>(discs[k].a))
          .I16(e + 83, static_cast<int16_t>(discs[k].b));
    }
  }
  if (v == Version::k21) {
    r.I32(2249, 6540)
        .U16(2253, 1)
        .I32(2255, 6000)
        .U16(2259, 2)
        .U16(2261, 7)
        .Str(2263, 21, "Text")
        .Str(2285, 52, "Halter");
    r.I32(2699, 123400).I32(2703, 5).U16(2707, 9).Str(2709, 21, "Gesamt").Str(2731, 52, "Gesamthalter");
  }
  return r;
}

// The five record entries and the overall entry that follow a class record
// of versions 1.5 and 1.0 (576 bytes).
inline Rec Entries(Version v) {
  Rec e(6 * 96);
  if (v == Version::k15) {
    e.Str(0, 6, "1:05,4").U16(7, 1).Str(9, 6, "1:00,0").U16(16, 2).U16(18, 7).Str(20, 21, "Text").Str(42, 52, "Halter");
    e.Byte(95, 3);
    e.Str(5 * 96, 6, "1234").Str(5 * 96 + 9, 6, "99").U16(5 * 96 + 18, 9).Str(5 * 96 + 42, 52, "Gesamthalter");
  } else {
    e.Str(0, 52, "Halter").Str(53, 6, "1:05,4").Str(60, 21, "Text").Str(91, 4, "7");
    e.Str(5 * 96, 52, "Gesamthalter").Str(5 * 96 + 53, 6, "1234").Str(5 * 96 + 91, 4, "9");
  }
  return e;
}

// Participant i of a class, with a result in each of the five disciplines.
inline Rec Participant(Version v, bool individual, int i, std::string_view ak, uint16_t flags = 8) {
  const Layout& l = LayoutOf(v);
  Rec p(l.participantSize);
  const std::string n = std::to_string(i);
  if (individual)
    p.Str(0, 20, "Name" + n).Str(21, 20, "Vorname" + n).Str(42, 10, "01.02.198" + n);
  else
    p.Str(0, 30, "Mannschaft" + n).Str(31, 21, "Zusatz" + n);
  p.Str(53, 5, i % 2 ? "DLRG" : "ASB").Str(59, 30, ak).U16(90, flags);
  for (size_t d = 0; d < 5; ++d) {
    const int32_t t = 6000 + 100 * i + 10 * static_cast<int32_t>(d);
    if (l.wide)
      p.I32(92 + 4 * d, t);
    else
      p.Str(92 + 7 * d, 6, "1:0" + std::to_string(i % 10) + ",0");
    p.I16(l.deductions + 2 * d, d == 1 ? -3 : 0)
        .I16(l.heats + 2 * d, 2)
        .I16(l.lanes + 2 * d, static_cast<int16_t>(i + 1));
    if (l.wide)
      p.I32(l.points + 4 * d, 12345);
    else
      p.I16(l.points + 2 * d, 123);
  }
  if (l.wide)
    p.I32(l.cpr, 1500).I32(l.total, 99999);
  else
    p.I16(l.cpr, 15).I16(l.total, 999);
  return p.U16(l.place, 42);
}

struct OldClass {
  Rec record;
  Rec entries;  // versions 1.5 and 1.0 only
  std::vector<Rec> participants;
};

// The age-class list and the organisation statistics under `orgHead`.
inline Bytes Body(Version v, const std::vector<OldClass>& classes, const std::vector<Bytes>& orgs,
                  ListHead orgHead = {}) {
  std::vector<Bytes> items;
  for (const OldClass& c : classes) {
    Bytes item = c.record.bytes();
    if (v != Version::k21) Append(item, c.entries.bytes());
    std::vector<Bytes> ps;
    for (const Rec& p : c.participants) ps.push_back(p.bytes());
    AppendList(item, 1000, ps);
    items.push_back(item);
  }
  Bytes out;
  AppendList(out, 1001, items);
  AppendList(out, 1002, orgs, orgHead);
  return out;
}

// Header text, the header record with its framing, then the body. The size
// field (2.1: i32, 1.0: u16; 1.5 has none) is written as given; the header
// bytes follow as given.
inline Bytes VersionFile(Version v, const Bytes& header, int64_t sizeField, const Bytes& body) {
  Bytes out;
  AppendText(out, LayoutOf(v).header);
  if (v == Version::k21) {
    out.resize(out.size() + 4);
    le::PutI32(out.data(), out.size() - 4, static_cast<int32_t>(sizeField));
  } else if (v == Version::k10) {
    AppendU16(out, static_cast<uint16_t>(sizeField));
  }
  Append(out, header);
  Append(out, body);
  return out;
}

// A 99-byte organisation record in the current layout.
inline Bytes Organisation(std::string_view abk, int16_t participants) {
  return Rec(99).Str(0, 5, abk).Str(6, 30, std::string(abk) + " Verein").I16(37, participants).bytes();
}

// Two classes (three and two disciplines) with participants, two
// organisations.
inline std::vector<OldClass> SampleClasses(Version v, bool individual) {
  const bool v21 = v == Version::k21;
  const std::vector<Discipline> three = {{"50 m Retten", v21 ? 2 : 500, v21 ? 50000 : 1},
                                         {"100 m Lifesaver", v21 ? 1 : 800, v21 ? 9000 : 2},
                                         {"Flossen", v21 ? 2 : 300, v21 ? 30000 : 3}};
  const std::vector<Discipline> two(three.begin(), three.begin() + 2);
  std::vector<OldClass> classes;
  classes.push_back({ClassRecord(v, "AK 12", 1982, 1983, 1, three), Entries(v), {}});
  classes.push_back({ClassRecord(v, "Offen", 1900, 1981, 2, two), Entries(v), {}});
  for (int i = 0; i < 3; ++i) classes[0].participants.push_back(Participant(v, individual, i, "AK 12", 9));
  for (int i = 3; i < 5; ++i) classes[1].participants.push_back(Participant(v, individual, i, "Offen"));
  return classes;
}

inline Bytes SampleFile(Version v, bool individual) {
  const Bytes header = OldHeader(v, individual).bytes();
  return VersionFile(v, header, static_cast<int64_t>(header.size()),
                     Body(v, SampleClasses(v, individual), {Organisation("DLRG", 2), Organisation("ASB", 3)}));
}

// ---------------------------------------------------------------------------
// The predecessor's file

inline Rec ForeignHeader(uint16_t event, uint16_t level, uint16_t lanes, uint16_t pool) {
  return Rec(253)
      .U16(0, event)
      .U16(2, level)
      .U16(4, lanes)
      .U16(6, pool)
      .Str(8, 80, "Hallenbad West")
      .Str(89, 80, "Landesverband")
      .Str(170, 80, "1. Mai 1989");
}

inline Rec ForeignClass(std::string_view name, uint16_t first, uint16_t last,
                        const std::vector<std::pair<std::string, int32_t>>& discs) {
  Rec r(464);
  r.Str(0, 30, name).U16(31, first).U16(33, 0xAAAA).U16(35, last).U16(37, 0xBBBB);
  for (size_t k = 0; k < discs.size() && k < 5; ++k)
    r.Str(39 + 85 * k, 80, discs[k].first).I32(39 + 85 * k + 81, discs[k].second);
  return r;
}

struct ForeignResult {
  std::string time;  // time text
  int16_t status;    // deduction or status code, predecessor numbering
};

inline Rec ForeignParticipant(bool individual, std::string_view name, std::string_view second, std::string_view ak,
                              uint16_t flags, const std::vector<ForeignResult>& results = {}) {
  Rec p(184);
  p.Str(0, individual ? 20 : 30, name).Str(21, individual ? 20 : 21, second);
  if (individual) p.Str(42, 10, "1975");
  p.Str(61, 3, "WW").Str(65, 35, ak).U16(101, flags);
  for (size_t d = 0; d < results.size() && d < 5; ++d) {
    p.U16(103 + 2 * d, 3).U16(113 + 2 * d, static_cast<uint16_t>(d + 2)).Str(123 + 7 * d, 6, results[d].time);
    p.I16(158 + 2 * d, results[d].status).I16(168 + 2 * d, 77);
  }
  return p.I16(178, 12).I16(180, 300).U16(182, 5);
}

// Header text, header block, sixteen class records (missing ones empty),
// the participant records.
inline Bytes ForeignFile(const Rec& header, const std::vector<Rec>& classes, const std::vector<Rec>& participants) {
  Bytes out;
  AppendText(out, kHeaderForeign);
  Append(out, header.bytes());
  for (size_t i = 0; i < 16; ++i) Append(out, i < classes.size() ? classes[i].bytes() : Rec(464).bytes());
  for (const Rec& p : participants) Append(out, p.bytes());
  return out;
}

inline Bytes SampleForeignFile(bool individual) {
  const std::vector<std::pair<std::string, int32_t>> discs = {{"50 m Retten", 400}, {"Kleiderschwimmen", 350}};
  std::vector<Rec> classes = {ForeignClass("Jugend", 1972, 1975, discs), ForeignClass("Jugend", 1972, 1975, discs),
                              ForeignClass("Herren", 1900, 1971, discs)};
  std::vector<Rec> ps;
  const std::vector<ForeignResult> results = {{"1:05,4", 0}, {"2:00,0", -2}};
  ps.push_back(ForeignParticipant(individual, "Meier", "Hans", "Jugend", 0, results));
  ps.push_back(ForeignParticipant(individual, "Kurz", "Eva", "Jugend", 1, results));
  ps.push_back(ForeignParticipant(individual, "Lang", "Ida", "Herren", 1, results));
  ps.push_back(ForeignParticipant(individual, "Nirgends", "Udo", "Senioren", 0, results));
  return ForeignFile(ForeignHeader(individual ? 0 : 1, 2, 4, 0), classes, ps);
}

// ---------------------------------------------------------------------------
// Seeds of the older-file fuzzer. Its input is one byte that picks the
// reader (by its value modulo 4: 2.1, 1.5, 1.0, predecessor), then the file
// behind its 38-byte header text.

inline const char* FuzzHeader(uint8_t selector) {
  static const char* const kHeaders[] = {kHeaderVersion21, kHeaderVersion15, kHeaderVersion10, kHeaderForeign};
  return kHeaders[selector % 4];
}

inline Bytes FuzzInput(uint8_t selector, const Bytes& file) {
  Bytes in{selector};
  in.insert(in.end(), file.begin() + static_cast<long>(kResultHeaderSize), file.end());
  return in;
}

inline std::vector<std::pair<std::string, Bytes>> OldFileSeedCorpus() {
  std::vector<std::pair<std::string, Bytes>> seeds;
  const Version versions[] = {Version::k21, Version::k15, Version::k10};
  for (uint8_t s = 0; s < 3; ++s) {
    for (bool individual : {true, false}) {
      const Bytes file = SampleFile(versions[s], individual);
      const std::string name = std::to_string(s) + (individual ? "-persons" : "-teams");
      seeds.emplace_back(name, FuzzInput(s, file));
      for (size_t cut : {39ul, 42ul, 300ul, 460ul, 1000ul, 3000ul, file.size() - 120, file.size() - 1})
        if (cut < file.size())
          seeds.emplace_back(name + "-cut" + std::to_string(cut),
                             FuzzInput(s, Bytes(file.begin(), file.begin() + static_cast<long>(cut))));
    }
  }
  for (bool individual : {true, false}) {
    const Bytes file = SampleForeignFile(individual);
    const std::string name = std::string("3-") + (individual ? "persons" : "teams");
    seeds.emplace_back(name, FuzzInput(3, file));
    seeds.emplace_back(name + "-cut", FuzzInput(3, Bytes(file.begin(), file.end() - 100)));
  }
  return seeds;
}

}  // namespace oldseeds
