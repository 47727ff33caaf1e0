// The bodies of the older-file fuzzer and the two import fuzzers, shared
// with the corpus test that runs in every test build.
//
// Each reads arbitrary bytes into a competition and then checks what it
// built (the dispatch fuzzer reads a whole file, header included, as opening
// a file does, and also checks that it ran a reader exactly for the five
// header texts): every participant belongs to the class that holds it (the classes
// were evaluated), no class holds more than a collection can, and the
// competition stores to exactly the length its layout gives and that file
// loads back completely. Crashes, hangs, leaks and undefined behaviour are
// the sanitizers' and the fuzzer's to find. Each returns an empty text when
// everything held, otherwise what went wrong.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "ImportSeeds.h"
#include "LoadRoundTrip.h"
#include "OldFileSeeds.h"
#include "OldResultFiles.h"
#include "ParticipantImport.h"
#include "VkLoadSave.h"
#include "VkWettk.h"
#include "YrStream.h"

namespace filesfuzz {

using Bytes = std::vector<uint8_t>;

// `evaluated`: every class was evaluated after reading (the older readers
// do; the current one leaves a class whose participants stopped as read).
inline std::string CheckCompetition(const TWettkampf& w, bool evaluated = true) {
  for (int i = 0; i < w.GetCount(); ++i) {
    const TAltersklasse& ak = *w.At(i);
    if (ak.GetCount() > kMaxCollectionSize) return "a class holds too many participants";
    for (int j = 0; evaluated && j < ak.GetCount(); ++j)
      if (!ak.Belongs(*ak.At(j))) return "a participant does not belong to its class";
  }
  const Bytes stored = vkfuzz::StoreOf(w);
  if (stored.size() != vkfuzz::ExpectedSize(w)) return "the store has the wrong length";
  TWettkampf back;
  return vkfuzz::LoadStored(stored, back);
}

// data[0] picks the reader (oldseeds::FuzzHeader), the rest follows the
// header text.
inline std::string OldFileCheck(const uint8_t* data, size_t size) {
  if (size == 0) return "";
  const std::string header = oldseeds::FuzzHeader(data[0]);
  Bytes file(header.begin(), header.end());
  file.insert(file.end(), data + 1, data + size);
  TWettkampf w;
  TYrMemoryStream s(file);
  const TResultReader read = ResultReaderFor(header);
  if (read == nullptr) return "no reader for an older header";
  read(w, s);
  return CheckCompetition(w);
}

// The whole input is the file.
inline std::string DispatchCheck(const uint8_t* data, size_t size) {
  const std::string_view head(reinterpret_cast<const char*>(data), std::min(size, kResultHeaderSize));
  const bool known = ResultReaderFor(head) != nullptr;
  const bool older = known && head != TWettkampf::kFileHeader;
  TWettkampf w;
  TYrMemoryStream s(Bytes(data, data + size));
  if (LoadByFormat(w, s, FormatCode::ResultFile) != known) return known ? "a header text was not recognised" : "an unknown header was read";
  return CheckCompetition(w, older);
}

// data[0] bit 0 picks persons (set) or teams; the rest is the input.
inline std::string ImportCheck(bool text, const uint8_t* data, size_t size) {
  if (size == 0) return "";
  const bool persons = (data[0] & 1) != 0;
  using namespace importseeds;
  const auto w =
      Competition(text ? (persons ? kTextPersons : kTextTeams) : (persons ? kRecordsPersons : kRecordsTeams));
  const int32_t before = w->ParticipantCount();
  TYrMemoryStream s(Bytes(data + 1, data + size));
  if (!(text ? ImportParticipantsText(*w, s) : ImportParticipantsBinary(*w, s))) return "reading from memory failed";
  const int64_t added = w->ParticipantCount() - before;
  if (added < 0 || (!text && added > static_cast<int64_t>((size - 1) / 96))) return "more participants than records";
  return CheckCompetition(*w);
}

}  // namespace filesfuzz
