#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VkRekord.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Head(uint16_t count, uint16_t limit, uint16_t delta) {
  return {uint8_t(count), uint8_t(count >> 8), uint8_t(limit), uint8_t(limit >> 8), uint8_t(delta), uint8_t(delta >> 8)};
}

// An entry whose bytes tell it apart from the others.
TOrganEintrag::Bytes Pattern(int seed) {
  TOrganEintrag::Bytes r;
  for (size_t i = 0; i < r.size(); ++i) r[i] = static_cast<uint8_t>(seed * 31 + i * 7);
  return r;
}

void AddEntry(Bytes& b, int seed, uint16_t marker = kOrganMarker) {
  b.insert(b.end(), {uint8_t(marker), uint8_t(marker >> 8)});
  const auto r = Pattern(seed);
  b.insert(b.end(), r.begin(), r.end());
}

std::vector<TOrganEintrag::Bytes> Entries(const TOrganListe& l) {
  std::vector<TOrganEintrag::Bytes> out;
  for (int i = 0; i < l.GetCount(); ++i) out.push_back(l.At(i)->Record());
  return out;
}

}  // namespace

TEST(RekordListe, KeyDescendingPrefixAfterThenByteDescending) {
  TRekordListe l;
  EXPECT_EQ(l.GetLimit() + l.GetDelta() + l.GetDuplicates(), 111);
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

TEST(OrganListe, EntriesRoundTripByteForByteInTheOrderRead) {
  TYrMemoryStream empty;
  TOrganListe().Store(empty);
  EXPECT_EQ(empty.Data(), (Bytes{0, 0, 20, 0, 5, 0, 0}));

  Bytes file = Head(4, 7, 3);
  for (int seed : {5, 1, 9, 1}) AddEntry(file, seed);
  file.push_back(1);  // ignored on reading; Duplicates false is written back
  TYrMemoryStream in(file);
  TOrganListe l(in);
  EXPECT_EQ(l.GetCount(), 4);
  EXPECT_FALSE(l.GetDuplicates());
  l.Sort();
  TOrganListe copy(l);
  EXPECT_EQ(Entries(copy), Entries(l));
  TYrMemoryStream out;
  copy.Store(out);
  file.back() = 0;
  EXPECT_EQ(out.Data(), file);
}

TEST(OrganListe, LoadStopsQuietlyAtDamage) {
  Bytes wrongMarker = Head(3, 20, 5), deltaZero = Head(1, 1, 0), shortEntry = Head(2, 20, 5);
  AddEntry(wrongMarker, 1);
  AddEntry(wrongMarker, 2, 1002);
  AddEntry(deltaZero, 3);
  deltaZero.push_back(0);
  AddEntry(shortEntry, 1);
  AddEntry(shortEntry, 2);
  shortEntry.resize(shortEntry.size() - 10);
  const struct {
    Bytes data;
    bool whole;
    int delta;
    std::vector<int> seeds;
  } cases[] = {{wrongMarker, false, 5, {1}},       {deltaZero, true, 10, {3}},          {Head(0, 0, 40000), true, 10, {}},
               {Bytes{1, 0, 20}, false, 5, {}},    {shortEntry, false, 5, {1}},         {Head(20000, 9, 5), false, 5, {}}};
  for (const auto& c : cases) {
    TOrganListe l;
    l.Insert(new TOrganEintrag);
    l.SetDelta(7);  // a load starts from a new list's limit and delta
    TYrMemoryStream in(c.data);
    EXPECT_EQ(l.Load(in), c.whole) << &c - cases;
    EXPECT_EQ(l.GetDelta(), c.delta) << &c - cases;
    std::vector<TOrganEintrag::Bytes> want;
    for (int seed : c.seeds) want.push_back(Pattern(seed));
    EXPECT_EQ(Entries(l), want) << &c - cases;
  }
}

TEST(OrganListe, LoadStopsAtTheCollectionLimit) {
  Bytes data = Head(20000, 20, 5);
  for (int i = 0; i <= kMaxCollectionSize; ++i) AddEntry(data, i);
  TYrMemoryStream in(data);
  TOrganListe l;
  EXPECT_FALSE(l.Load(in));
  ASSERT_EQ(l.GetCount(), kMaxCollectionSize);
  EXPECT_EQ(l.At(kMaxCollectionSize - 1)->Record(), Pattern(kMaxCollectionSize - 1));
  EXPECT_EQ(in.GetPos(), 6 + kMaxCollectionSize * 363);
}
