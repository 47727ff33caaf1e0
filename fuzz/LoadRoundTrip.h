// The body of the result-file fuzzer, shared with the corpus test that runs
// in every test build.
//
// Arbitrary bytes are loaded as a result file; what was loaded is stored,
// and that file must load completely (every stored file is readable to its
// end, with nothing left over) and store to exactly the length the layout
// gives. One more load and store must then reproduce the same competition:
// the same header, classes, participants, organisations and organ entries.
//
// The comparison covers what the file carries, not what every load
// recomputes: each load evaluates the age classes, and the evaluation is not
// a fixed point on arbitrary data (points per place feed back into the places
// they come from; the best of several participants with equal points is the
// later one in an order that ties leave to the sort). So the computed fields
// of participants and the bests of the classes are masked, and participants
// are compared as a set per class. Crashes, hangs, leaks and undefined
// behaviour are the sanitizers' and the fuzzer's to find.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "VkWettk.h"
#include "YrStream.h"

namespace vkfuzz {

using Bytes = std::vector<uint8_t>;

inline Bytes StoreOf(const TWettkampf& w) {
  TYrMemoryStream s;
  w.Store(s);
  return s.Data();
}

// The length Store must produce for this competition.
inline size_t ExpectedSize(const TWettkampf& w) {
  size_t n = TWettkampf::kFileHeaderSize + 4 + kWettkampfDatenSize + 7;
  for (int i = 0; i < w.GetCount(); ++i) n += 2 + kAltersklasseSize + 7 + w.At(i)->GetCount() * (2 + kTeilnehmerSize);
  n += 7 + w.Gliederungen().GetCount() * (2 + kGliederungSize);
  n += 7 + w.OrganListe().GetCount() * (2 + kOrganEintragSize);
  return n;
}

// Participant bytes an evaluation writes: Altersklasse (59..89), the female
// flag, points, total, place, discipline places (164..205) and discipline
// ranks (230..241).
inline TTeilnehmer::Bytes StoredInput(const TTeilnehmer& t) {
  TTeilnehmer::Bytes b = t.Record();
  std::fill(b.begin() + 59, b.begin() + 90, 0);
  b[90] &= static_cast<uint8_t>(~TTeilnehmer::kWeiblich);
  std::fill(b.begin() + 164, b.begin() + 206, 0);
  std::fill(b.begin() + 230, b.begin() + 242, 0);
  return b;
}

// What a competition holds apart from the results of its evaluation, with
// the participants of each class in a fixed order.
inline Bytes Canonical(const TWettkampf& w) {
  Bytes out(w.Header().GetBytes().begin(), w.Header().GetBytes().end());
  auto append = [&out](const auto& a) { out.insert(out.end(), a.begin(), a.end()); };
  for (int i = 0; i < w.GetCount(); ++i) {
    const TAltersklasse& ak = *w.At(i);
    TAltersklasse::Record r = ak.GetRecord();
    for (int d = 0; d < 6; ++d) {
      const size_t e = TAltersklasse::kOffRekorde + d * TRekord::kSize;
      std::fill_n(r.begin() + e + TRekord::kOffBestTime, 4, 0);
      std::fill_n(r.begin() + e + TRekord::kOffBestDeduction, 2, 0);
    }
    std::fill_n(r.begin() + TAltersklasse::kOffOverall + TOverallRecord::kOffBestTotal, 4, 0);
    append(r);
    std::vector<TTeilnehmer::Bytes> ps;
    for (int j = 0; j < ak.GetCount(); ++j) ps.push_back(StoredInput(*ak.At(j)));
    std::sort(ps.begin(), ps.end());
    for (const auto& p : ps) append(p);
  }
  for (int i = 0; i < w.Gliederungen().GetCount(); ++i) append(w.Gliederungen().At(i)->Record());
  for (int i = 0; i < w.OrganListe().GetCount(); ++i) append(w.OrganListe().At(i)->Record());
  return out;
}

// Loads a file that Store wrote; an empty text when it read completely.
inline std::string LoadStored(const Bytes& file, TWettkampf& w) {
  TYrMemoryStream s(file);
  if (!w.Load(s)) return "a stored file did not load completely";
  if (s.Status != 0) return "reading a stored file failed";
  if (s.GetPos() != static_cast<int32_t>(file.size())) return "a stored file was not read to its end";
  return "";
}

// Runs the whole check; returns an empty text when everything held,
// otherwise what went wrong.
inline std::string LoadRoundTrip(const uint8_t* data, size_t size) {
  TWettkampf first;
  {
    TYrMemoryStream s(Bytes(data, data + size));
    first.Load(s);
  }
  const Bytes s1 = StoreOf(first);
  if (s1.size() != ExpectedSize(first)) return "the store of a loaded file has the wrong length";

  TWettkampf second;
  if (std::string e = LoadStored(s1, second); !e.empty()) return e;
  if (second.Header().GetBytes() != first.Header().GetBytes()) return "the header changed";
  const Bytes s2 = StoreOf(second);
  if (s2.size() != s1.size()) return "the second store has another length";

  TWettkampf third;
  if (std::string e = LoadStored(s2, third); !e.empty()) return e;
  if (Canonical(third) != Canonical(second)) return "loading a stored file changed the competition";

  // A deep copy stores like its source.
  const TWettkampf copy(third);
  if (Canonical(copy) != Canonical(third)) return "a copy differs from its source";
  return "";
}

}  // namespace vkfuzz
