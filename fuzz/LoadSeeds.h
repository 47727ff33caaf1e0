// Result files built from the record layouts, for the fuzzer's seed corpus,
// the corpus test that runs in every test build, and the result-file tests.
//
// `FullCompetition` fills every part of a file: several age classes (one with
// CPR scoring, one scored by a user formula), participants with results and
// organisations, organisation statistics and organ entries. The seeds derive
// damaged files from it: cut at and around every structural boundary, with a
// wrong marker at each level, with odd header sizes, list heads and counts.
// Header-only, so the fuzzer (built with clang) and the tests share it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ByteOrder.h"
#include "VkWettk.h"
#include "YrStream.h"

namespace vkseeds {

using Bytes = std::vector<uint8_t>;

inline TDisziplin Discipline(const std::string& name, uint16_t kind, int32_t v1, int32_t v2 = 0,
                             const std::string& formula = "") {
  TDisziplin d;
  d.SetName(name);
  d.SetKind(kind);
  d.SetV(1, v1);
  d.SetV(2, v2);
  d.SetFormula(formula);
  d.SetDescription("Beschreibung " + name);
  return d;
}

// A class with `count` disciplines; `formula` makes the second one a user
// formula.
inline TAltersklasse* MakeClass(const std::string& name, uint16_t first, uint16_t last, uint16_t flags,
                                uint16_t count, bool formula = false) {
  TAltersklasse::Disciplines discs;
  for (int d = 0; d < count; ++d)
    discs[d] = Discipline("Disziplin " + std::to_string(d + 1), kKindLinear, 100000 + 1000 * d, 10);
  if (formula && count >= 2) discs[1] = Discipline("Formel", kKindUserFormula, 50000, 0, "V1-T*10-SP*100");
  auto* ak = new TAltersklasse;
  ak->Define(name, first, last, flags, count, discs);
  return ak;
}

// Participants with distinct times, so that no two tie anywhere.
inline void AddParticipants(TAltersklasse& ak, int n, bool individual, int seed) {
  static const char* const kOrgs[] = {"DLRG", "WW", "ASB"};
  for (int i = 0; i < n; ++i) {
    auto* t = new TTeilnehmer;
    t->SetName(individual, "Name" + std::to_string(seed * 100 + i));
    if (individual) {
      t->SetVorname("Vorname" + std::to_string(i));
      t->SetGeburtsdatum("01.02." + std::to_string(1990 + i % 3));
    } else {
      t->SetZusatz("Mannschaft " + std::to_string(i));
    }
    t->SetGliederung(kOrgs[(i + seed) % 3]);
    for (int d = 1; d <= ak.DisciplineCount(); ++d) {
      t->SetTime(d, 3000 + 137 * i + 11 * d + seed);
      t->SetDeduction(d, static_cast<int16_t>(d == 3 ? 1 : 0));
      t->SetHeat(d, static_cast<int16_t>(1 + i / 5));
      t->SetLane(d, static_cast<int16_t>(1 + i % 5));
    }
    if (ak.HasCpr()) {
      t->SetCprValue(i == 2 ? -100 : 1000 + i);
      t->SetCprTime(static_cast<int16_t>(900 + i));
      t->SetCprStation(static_cast<int16_t>(1 + i % 5));
      t->SetCprHeat(static_cast<int16_t>(1 + i / 5));
    }
    ak.Insert(t);
  }
  ak.Evaluate();
}

// A competition with something in every part of the file.
inline std::unique_ptr<TWettkampf> FullCompetition(bool individual = true) {
  auto w = std::make_unique<TWettkampf>();
  TWettkampfDaten h = w->Header();
  h.SetKind(individual ? TWettkampfDaten::kIndividual : TWettkampfDaten::kTeams);
  h.SetTitle("Bezirksmeisterschaft");
  h.SetVenue("Hallenbad");
  h.SetOptions(TWettkampfDaten::kOptHundredths);
  h.SetLastCprDuration(20);
  TWettkampfDaten::Bytes b = h.GetBytes();
  b[TWettkampfDaten::kOffReserved + 7] = 0x5A;  // carried through unread
  h.SetBytes(b);
  w->SetHeader(h);

  const struct {
    const char* name;
    uint16_t first, last, flags, count;
    bool formula;
    int participants;
  } kClasses[] = {
      {"AK 12", 1978, 1979, TAltersklasse::kFemale | TAltersklasse::kCprScored, 4, false, 6},
      {"AK 12", 1978, 1979, TAltersklasse::kCprScored, 4, true, 5},
      {"AK 13/14", 1976, 1977, 0, 6, false, 3},
      {"Offen", 1900, 1975, TAltersklasse::kFemale, 2, false, 0},
  };
  int seed = 0;
  for (const auto& c : kClasses) {
    TAltersklasse* ak = MakeClass(c.name, c.first, c.last, c.flags, c.count, c.formula);
    AddParticipants(*ak, c.participants, individual, ++seed);
    w->Insert(ak);
  }
  for (int i = 0; i < w->GetCount(); ++i) w->At(i)->AddToGliederungen(w->Gliederungen());
  for (int i = 0; i < 2; ++i) {
    auto* e = new TOrganEintrag;
    TOrganEintrag::Bytes r{};
    for (size_t j = 0; j < r.size(); ++j) r[j] = static_cast<uint8_t>(j * 31 + i);
    e->SetRecord(r);
    w->OrganListe().Insert(e);
  }
  return w;
}

inline Bytes Stored(const TWettkampf& w) {
  TYrMemoryStream s;
  w.Store(s);
  return s.Data();
}

// Offsets of the pieces of a stored file, found by walking the bytes the way
// the layout says (for a file written by Store).
struct Layout {
  size_t classHead = 0;                 // age-class count, limit, delta
  std::vector<size_t> classMarkers;     // each u16 1001
  std::vector<size_t> participantMarkers;  // each u16 1000
  size_t classTrailer = 0;              // the Duplicates byte
  size_t gliederungHead = 0;
  std::vector<size_t> gliederungMarkers;
  size_t organHead = 0;
  std::vector<size_t> organMarkers;
  size_t end = 0;
};

inline Layout Walk(const Bytes& f) {
  Layout l;
  size_t p = TWettkampf::kFileHeaderSize + 4 + kWettkampfDatenSize;
  l.classHead = p;
  const uint16_t classes = le::GetU16(f.data(), p);
  p += 6;
  for (int i = 0; i < classes; ++i) {
    l.classMarkers.push_back(p);
    p += 2 + kAltersklasseSize;
    const uint16_t n = le::GetU16(f.data(), p);
    p += 6;
    for (int j = 0; j < n; ++j) {
      l.participantMarkers.push_back(p);
      p += 2 + kTeilnehmerSize;
    }
    p += 1;
  }
  l.classTrailer = p++;
  l.gliederungHead = p;
  const uint16_t orgs = le::GetU16(f.data(), p);
  p += 6;
  for (int i = 0; i < orgs; ++i) {
    l.gliederungMarkers.push_back(p);
    p += 2 + kGliederungSize;
  }
  p += 1;
  l.organHead = p;
  const uint16_t organs = le::GetU16(f.data(), p);
  p += 6;
  for (int i = 0; i < organs; ++i) {
    l.organMarkers.push_back(p);
    p += 2 + kOrganEintragSize;
  }
  l.end = p + 1;
  return l;
}

// A copy of `f` with the u16 at `off` replaced.
inline Bytes WithU16(Bytes f, size_t off, uint16_t v) {
  le::PutU16(f.data(), off, v);
  return f;
}

// The file with the header size field set to `size` and the header record
// cut or padded to match.
inline Bytes WithHeaderSize(const Bytes& f, int32_t size) {
  const size_t start = TWettkampf::kFileHeaderSize + 4;
  Bytes out(f.begin(), f.begin() + start);
  le::PutI32(out.data(), TWettkampf::kFileHeaderSize, size);
  const size_t keep = size < 0 ? 0 : std::min<size_t>(static_cast<size_t>(size), kWettkampfDatenSize);
  out.insert(out.end(), f.begin() + start, f.begin() + start + keep);
  if (size > static_cast<int32_t>(kWettkampfDatenSize) && size <= 0x10000)
    out.resize(start + static_cast<size_t>(size), 0xEE);
  out.insert(out.end(), f.begin() + start + kWettkampfDatenSize, f.end());
  return out;
}

// Files whose list heads claim what they do not hold, too large for the
// fuzzer's inputs and built here instead of being kept. The first holds
// 16379 empty age classes, each claiming a participant limit of 65535; the
// second one class of 12000 participants with a growth step of 1. Loading
// either must need memory in proportion to the file.
inline Bytes HeadsClaimingMemory(bool manyClasses) {
  const Bytes empty = Stored(TWettkampf());
  const size_t head = TWettkampf::kFileHeaderSize + 4 + kWettkampfDatenSize;
  Bytes f(empty.begin(), empty.begin() + static_cast<long>(head));
  auto u16 = [&f](uint16_t v) { f.insert(f.end(), {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)}); };
  const int classes = manyClasses ? kMaxCollectionSize : 1;
  const int participants = manyClasses ? 0 : 12000;
  u16(static_cast<uint16_t>(classes));  // count
  u16(static_cast<uint16_t>(classes));  // limit
  u16(1);                               // delta
  TAltersklasse ak;
  for (int c = 0; c < classes; ++c) {
    ak.SetName("K" + std::to_string(100000 + c));
    u16(TWettkampf::kAgeClassMarker);
    f.insert(f.end(), ak.GetRecord().begin(), ak.GetRecord().end());
    u16(static_cast<uint16_t>(participants));
    u16(manyClasses ? 65535 : 0);
    u16(1);
    for (int i = 0; i < participants; ++i) {
      TTeilnehmer t;
      t.SetName(true, "T" + std::to_string(100000 + i));
      u16(TAltersklasse::kParticipantMarker);
      f.insert(f.end(), t.Record().begin(), t.Record().end());
    }
    f.push_back(1);
  }
  f.insert(f.end(), empty.begin() + static_cast<long>(head) + 6, empty.end());  // trailer and the two lists
  return f;
}

// Named seeds: whole files and damaged variants of them.
inline std::vector<std::pair<std::string, Bytes>> SeedCorpus() {
  std::vector<std::pair<std::string, Bytes>> seeds;
  const Bytes full = Stored(*FullCompetition(true));
  const Layout l = Walk(full);
  seeds.emplace_back("new", Stored(TWettkampf()));
  seeds.emplace_back("full", full);
  seeds.emplace_back("teams", Stored(*FullCompetition(false)));

  // Cut at and right around every boundary.
  std::vector<size_t> cuts = {0, 10, TWettkampf::kFileHeaderSize, TWettkampf::kFileHeaderSize + 2, l.classHead,
                              l.classHead + 3, l.classTrailer, l.gliederungHead, l.gliederungHead + 4,
                              l.organHead, l.organHead + 5, l.end - 1};
  for (const auto* v : {&l.classMarkers, &l.participantMarkers, &l.gliederungMarkers, &l.organMarkers})
    for (size_t m : *v) cuts.insert(cuts.end(), {m, m + 1, m + 2, m + 100});
  for (size_t c : cuts)
    if (c < full.size()) seeds.emplace_back("cut" + std::to_string(c), Bytes(full.begin(), full.begin() + c));

  // A wrong marker at each level.
  seeds.emplace_back("wrong-class-marker", WithU16(full, l.classMarkers[1], 1000));
  seeds.emplace_back("wrong-participant-marker", WithU16(full, l.participantMarkers[3], 1001));
  seeds.emplace_back("wrong-gliederung-marker", WithU16(full, l.gliederungMarkers[1], 1005));
  seeds.emplace_back("wrong-organ-marker", WithU16(full, l.organMarkers[1], 1002));

  // Header sizes and list heads no writer makes.
  for (int32_t size : {0, 650, 720, -1, -701, INT32_MAX})
    seeds.emplace_back("header" + std::to_string(size), WithHeaderSize(full, size));
  seeds.emplace_back("delta0", WithU16(WithU16(full, l.classHead + 4, 0), l.gliederungHead + 4, 0));
  seeds.emplace_back("count-huge", WithU16(full, l.classHead, 0xFFFF));
  seeds.emplace_back("participants-huge", WithU16(full, l.classMarkers[0] + 2 + kAltersklasseSize, 0xFFFF));
  seeds.emplace_back("organs-huge", WithU16(full, l.organHead, 0xFFFF));
  seeds.emplace_back("limit-huge", WithU16(full, l.classHead + 2, 0xFFFF));
  // The second class stored twice: equal keys.
  {
    Bytes dup(full.begin(), full.begin() + static_cast<long>(l.classMarkers[2]));
    dup.insert(dup.end(), full.begin() + static_cast<long>(l.classMarkers[1]),
               full.begin() + static_cast<long>(l.classMarkers[2]));
    dup.insert(dup.end(), full.begin() + static_cast<long>(l.classMarkers[2]), full.end());
    le::PutU16(dup.data(), l.classHead, static_cast<uint16_t>(le::GetU16(dup.data(), l.classHead) + 1));
    seeds.emplace_back("duplicate-class", dup);
  }
  return seeds;
}

}  // namespace vkseeds
