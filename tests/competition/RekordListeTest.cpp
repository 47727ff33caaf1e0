#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "FileTestSupport.h"
#include "VkRekord.h"

namespace {

using filetest::Bytes;
using filetest::ListHead;

// An entry whose bytes tell it apart from the others.
TOrganEintrag::Bytes Pattern(int seed) {
  TOrganEintrag::Bytes r;
  for (size_t i = 0; i < r.size(); ++i) r[i] = static_cast<uint8_t>(seed * 31 + i * 7);
  return r;
}

void AddEntry(Bytes& b, int seed, uint16_t marker = kOrganMarker) { filetest::AddItem(b, marker, Pattern(seed)); }

std::vector<TOrganEintrag::Bytes> Entries(const TOrganListe& l) {
  std::vector<TOrganEintrag::Bytes> out;
  for (int i = 0; i < l.GetCount(); ++i) out.push_back(l.At(i)->Record());
  return out;
}

}  // namespace

TEST(RekordListe, KeyDescendingPrefixAfterThenByteDescending) {
  TRekordListe l;
  TRekordEintrag::Block block{};
  block[89] = 0x5A;
  using Keys = std::vector<std::pair<std::string, int>>;
  for (const auto& [key, code] :
       Keys{{"Ab", 1}, {"A", 9}, {"\x81", 0}, {"Ab", 3}, {"B", 0}, {"A", 9}, {std::string(40, 'Z'), 2}})
    l.Insert(new TRekordEintrag(key, static_cast<uint8_t>(code), block));
  const Keys want = {{"\x81", 0}, {std::string(30, 'Z'), 2}, {"B", 0}, {"Ab", 3}, {"Ab", 1}, {"A", 9}, {"A", 9}};
  TRekordListe copy(l);
  for (const TRekordListe* list : {&l, &copy}) {
    Keys got;
    for (int i = 0; i < list->GetCount(); ++i) {
      got.emplace_back(list->At(i)->Key(), list->At(i)->Code());
      EXPECT_EQ(list->At(i)->Rekord(), block);
    }
    EXPECT_EQ(got, want);
  }
}

// The empty list's bytes are pinned with the whole result file.
TEST(OrganListe, EntriesRoundTripByteForByteInTheOrderRead) {
  Bytes file = ListHead(4, 7, 3);
  for (int seed : {5, 1, 9, 1}) AddEntry(file, seed);
  file.push_back(1);  // ignored on reading; Duplicates false is written back
  TYrMemoryStream in(file);
  TOrganListe l(in);
  l.Sort();
  TOrganListe copy(l);
  TYrMemoryStream out;
  copy.Store(out);
  file.back() = 0;
  EXPECT_EQ(std::tuple(l.GetCount(), l.GetDuplicates(), Entries(copy) == Entries(l), out.Data() == file),
            std::tuple(4, false, true, true));
}

// A delta of 0 is pinned with the age class's participant list, the
// collection limit with the list reader.
TEST(OrganListe, LoadStopsQuietlyAtDamage) {
  Bytes wrongMarker = ListHead(3, 20, 5);
  AddEntry(wrongMarker, 1);
  AddEntry(wrongMarker, 2, 1002);
  const struct {
    Bytes data;
    bool whole;
    int delta, pos;
    std::vector<int> seeds;
  } cases[] = {{wrongMarker, false, 5, 6 + 363 + 2, {1}},
               {ListHead(0, 0, 40000), true, 10, 6, {}},  // a delta the head cannot hold
               {Bytes{1, 0, 20}, false, 5, 3, {}}};
  for (const auto& c : cases) {
    TOrganListe l;
    l.Insert(new TOrganEintrag);
    l.SetDelta(7);  // a load starts from a new list's limit and delta
    TYrMemoryStream in(c.data);
    const bool whole = l.Load(in);
    std::vector<TOrganEintrag::Bytes> want;
    for (int seed : c.seeds) want.push_back(Pattern(seed));
    EXPECT_EQ(std::tuple(whole, l.GetDelta(), in.GetPos(), Entries(l) == want),
              std::tuple(c.whole, c.delta, c.pos, true))
        << &c - cases;
  }
}
