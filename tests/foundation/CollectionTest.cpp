#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "YrCollection.h"

namespace {

using Codes = std::vector<int>;
using Strings = std::vector<std::string>;
using Sizes = std::pair<int16_t, int16_t>;  // count and limit

// An item that counts how many of its kind are alive and records the tags of
// the destroyed ones in order, so tests can prove who frees what. The tag is
// the key unless given.
struct Item : TYrObject {
  static inline int alive = 0;
  static inline Strings destroyed;
  int key;
  std::string tag;
  explicit Item(int k, std::string t = "") : key(k), tag(t.empty() ? std::to_string(k) : std::move(t)) { ++alive; }
  ~Item() override {
    --alive;
    destroyed.push_back(tag);
  }
};

// Sorted by key; owns its items.
class IntList : public TYrSortedCollection {
 public:
  explicit IntList(int limit = 10, int16_t delta = 5, bool duplicates = false) : TYrSortedCollection(limit, delta) {
    SetDuplicates(duplicates);
  }
  int Compare(const TYrObject* a, const TYrObject* b) const override {
    const int ka = static_cast<const Item*>(a)->key;
    const int kb = static_cast<const Item*>(b)->key;
    return ka < kb ? -1 : (ka > kb ? 1 : 0);
  }
};

// Answers with the difference of the keys instead of exactly -1, 0, 1.
class SloppyList : public IntList {
 public:
  int Compare(const TYrObject* a, const TYrObject* b) const override {
    return static_cast<const Item*>(a)->key - static_cast<const Item*>(b)->key;
  }
};

// Collects the run-time errors raised while it lives instead of ending the program.
struct RunErrors {
  RunErrors() : old(SetRunErrorHandler([this](int code) { codes.push_back(code); })) {}
  ~RunErrors() { SetRunErrorHandler(old); }
  Codes codes;
  RunErrorHandler old;
};

// Every live Item must be gone by the end of each test.
class Collection : public ::testing::Test {
 protected:
  void SetUp() override { Item::alive = 0; }
  void TearDown() override {
    EXPECT_EQ(Item::alive, 0) << "items leaked or freed twice";
    Item::destroyed.clear();
  }
};

std::string Tags(const TYrCollection& c) {
  std::string s;
  c.ForEach([&](TYrObject* o) { s += (s.empty() ? "" : " ") + static_cast<Item*>(o)->tag; });
  return s;
}

using Plain = TYrCollection;

// Limit and Delta are values (they are stored); the memory behind them
// follows the items held, whatever the limit claims.
TEST_F(Collection, LimitGrowsInStepsOfDeltaMemoryWithTheItems) {
  Item a(1);
  Plain c(0, 10);
  for (int i = 0; i < 11; ++i) c.Insert(&a);
  EXPECT_EQ(std::pair(c.GetCount(), c.GetLimit()), Sizes(11, 20));
  c.SetLimit(20000);
  EXPECT_EQ(c.GetLimit(), 16379);
  c.SetLimit(0);
  EXPECT_EQ(std::pair(c.GetCount(), c.GetLimit()), Sizes(11, 11));
  c.SetDelta(7);
  c.Insert(&a);
  EXPECT_EQ(c.GetLimit(), 18);
  EXPECT_EQ(Plain(-5, 1).GetLimit(), 0);

  Plain claims(16379, 1);
  EXPECT_EQ(claims.Reserved(), 0);
  for (int n = 1; n <= 1000; ++n) {
    claims.Insert(&a);
    ASSERT_LE(claims.Reserved(), std::max(8, n * 3 / 2)) << n;
  }
  Plain stepOne(0, 1);
  for (int i = 0; i < 1000; ++i) stepOne.Insert(&a);
  EXPECT_EQ(std::tuple(stepOne.GetLimit(), stepOne.GetDelta(), stepOne.Reserved() <= 1500),
            std::tuple(int16_t{1000}, int16_t{1}, true));
}

TEST_F(Collection, CannotGrowWithoutPositiveDelta) {
  for (int16_t delta : {int16_t{0}, int16_t{-3}}) {
    RunErrors errors;
    std::vector<std::unique_ptr<Item>> items;
    Plain c(5, delta);
    for (int i = 0; i < 6; ++i) c.Insert(items.emplace_back(std::make_unique<Item>(i)).get());
    EXPECT_EQ(errors.codes, Codes{214}) << "delta " << delta;
    EXPECT_EQ(c.GetLimit(), 5);
    EXPECT_EQ(Tags(c), "0 1 2 3 4");
  }
}

TEST_F(Collection, HardMaximumClampsGrowthAndRefusesFurtherItems) {
  // 16000 + 32767 does not fit 16 bits; it must clamp, not wrap negative.
  for (auto [limit, delta] : {std::pair{16300, int16_t{100}}, std::pair{16000, int16_t{32767}}}) {
    RunErrors errors;
    Item a(1);
    Plain c(limit, delta);
    for (int i = 0; i < kMaxCollectionSize; ++i) c.Insert(&a);
    EXPECT_EQ(std::tuple(errors.codes.size(), c.GetLimit(), c.GetCount(), c.Reserved()),
              std::tuple(0u, int16_t{16379}, int16_t{16379}, 16379))
        << limit;
    c.Insert(&a);
    c.AtInsert(0, &a);
    EXPECT_EQ(errors.codes, (Codes{214, 214}));
    EXPECT_EQ(c.GetCount(), 16379);
  }
}

TEST_F(Collection, BadIndexesReport213AndChangeNothing) {
  RunErrors errors;
  Item a(1, "a");
  Item b(2, "b");
  Item x(9, "x");
  Plain c(2, 2);
  c.Insert(&a);
  c.Insert(&b);
  EXPECT_EQ(std::pair(c.At(-1), c.At(2)), (std::pair<TYrObject*, TYrObject*>(nullptr, nullptr)));
  for (int i : {2, -1}) c.AtPut(i, &x);
  for (int i : {3, -1}) c.AtInsert(i, &x);
  for (int i : {2, -1}) c.AtDelete(i);
  c.Delete(&x);
  IntList l;
  l.Insert(new Item(1));
  l.AtFree(1);
  l.AtFree(-1);
  EXPECT_EQ(errors.codes, Codes(11, 213));
  EXPECT_EQ(Tags(c), "a b");
  EXPECT_EQ(c.GetLimit(), 2);
  EXPECT_EQ(Tags(l), "1");
}

TEST_F(Collection, PlainComparesPointersAndDoesNotOwn) {
  auto a = std::make_unique<Item>(1, "a");
  auto b = std::make_unique<Item>(1, "b");
  {
    Plain c(1, 1);
    EXPECT_EQ(c.IndexOf(a.get()), -1);
    EXPECT_EQ(Tags(c), "");  // ForEach on an empty collection calls nothing
    for (Item* i : {b.get(), a.get(), a.get()}) c.Insert(i);
    EXPECT_EQ(std::pair(c.IndexOf(a.get()), c.IndexOf(b.get())), std::pair(1, 0));
    c.Delete(a.get());  // removes the first occurrence only
    EXPECT_EQ(Tags(c), "b a");
    c.DeleteAll();
    EXPECT_EQ(std::pair(c.GetCount(), c.GetLimit()), Sizes(0, 3));
    c.Insert(a.get());
  }
  EXPECT_EQ(Item::alive, 2);
}

TEST_F(Collection, SortedInsertNewestEqualKeyFirstOrRefused) {
  IntList l(10, 5, true);
  for (auto [k, t] : {std::pair{7, "7"}, {5, "a"}, {5, "b"}, {3, "3"}, {5, "c"}, {5, "d"}}) l.Insert(new Item(k, t));
  EXPECT_EQ(Tags(l), "3 d c b a 7");
  IntList u;  // without duplicates an equal key stays with the caller
  EXPECT_FALSE(u.GetDuplicates());
  u.Insert(new Item(5, "a"));
  auto refused = std::make_unique<Item>(5, "b");
  u.Insert(refused.get());
  EXPECT_EQ(Tags(u), "a");
}

TEST_F(Collection, SearchOutcomes) {
  IntList l;
  Item probe(5);
  int at = -7;
  EXPECT_FALSE(l.Search(&probe, at));
  EXPECT_EQ(at, 0);
  l.SetDuplicates(true);
  for (int k : {1, 5, 5, 5, 5, 9}) l.Insert(new Item(k));
  const struct { bool duplicates; int key; bool found; int index; } cases[] = {
      {true, 5, true, 1},    // leftmost equal
      {false, 5, true, 2},   // first met by halving: (0+5)/2
      {true, 0, false, 0},   {false, 6, false, 5},  {true, 10, false, 6},  // before all, between, after all
      {false, 9, true, 5},   {true, 1, true, 0},
  };
  for (const auto& c : cases) {
    l.SetDuplicates(c.duplicates);
    Item key(c.key);
    int index = -1;
    EXPECT_EQ(l.Search(&key, index), c.found) << c.duplicates << " key " << c.key;
    EXPECT_EQ(index, c.index) << c.duplicates << " key " << c.key;
  }
}

TEST_F(Collection, SortedIndexOf) {
  IntList l(10, 5, true);
  auto* last5 = new Item(5, "x");
  l.Insert(last5);  // ends behind the other 5s
  for (int k : {5, 5, 1, 9, 9}) l.Insert(new Item(k));
  EXPECT_EQ(Tags(l), "1 5 5 x 9 9");
  EXPECT_EQ(l.IndexOf(last5), 3);  // with duplicates: this very item
  Item stranger(5, "s");  // equal key, not held: the scan runs to the end
  Item absent(4);
  EXPECT_EQ(std::pair(l.IndexOf(&stranger), l.IndexOf(&absent)), std::pair(-1, -1));
  IntList u;
  for (int k : {3, 1, 2}) u.Insert(new Item(k));
  Item equal(2);
  EXPECT_EQ(u.IndexOf(&equal), 1);  // without duplicates by key: callers look up "an equal item" this way
}

TEST_F(Collection, FreeAndDeleteTouchOnlyTheGivenItem) {
  for (bool duplicates : {false, true}) {
    RunErrors errors;
    IntList l(10, 5, duplicates);
    l.Insert(new Item(1, "a"));
    l.Insert(new Item(2, "b"));
    Item stranger(2, "s");  // equal key, not held
    l.Free(&stranger);
    l.Delete(&stranger);
    EXPECT_EQ(errors.codes, (Codes{213, 213})) << duplicates;
    EXPECT_EQ(Tags(l), "a b") << duplicates;
    EXPECT_EQ(Item::alive, 3) << duplicates;  // the stranger is not disposed either
  }
  // Without Duplicates, equal keys can still meet (a list built with
  // Duplicates then switched off); Free must dispose exactly the given item.
  Item::destroyed.clear();
  IntList l(10, 5, true);
  auto* a = new Item(2, "a");
  for (Item* i : {a, new Item(2, "b"), new Item(2, "c")}) l.Insert(i);
  l.SetDuplicates(false);
  l.Free(a);
  EXPECT_EQ(Item::destroyed, Strings{"a"});
  EXPECT_EQ(Tags(l), "c b");
}

TEST_F(Collection, SortedOwnsItsItems) {
  {
    IntList l(10, 5, true);
    for (const char* t : {"a", "b", "c", "d", "e"}) l.Insert(new Item(static_cast<int>(t[0]), t));
    l.AtFree(1);
    l.Free(l.At(2));
    EXPECT_EQ(Item::destroyed, (Strings{"b", "d"}));
    auto* kept = l.At<Item>(0);
    l.Delete(kept);  // removes without freeing
    EXPECT_EQ(Item::alive, 3);
    delete kept;
    l.FreeItem(nullptr);
    Item::destroyed.clear();
  }
  EXPECT_EQ(Item::destroyed, (Strings{"e", "c"}));  // FreeAll, last first
}

TEST_F(Collection, QuickSortOrderOfEqualKeysFollowsTheAlgorithm) {
  // Traced by hand through the partition scans. A stable sort (and
  // std::sort, which insertion-sorts lists this short) would keep
  // 1a 1b 2a 2b 2c.
  const struct { std::vector<std::pair<int, const char*>> input; const char* sorted; } cases[] = {
      {{{1, "a"}, {1, "b"}}, "b a"},  // two equal items are exchanged
      {{{2, "2a"}, {1, "1a"}, {2, "2b"}, {1, "1b"}, {2, "2c"}}, "1b 1a 2c 2a 2b"},
      {{{3, "a"}, {3, "b"}, {3, "c"}}, "c b a"},
  };
  for (const auto& c : cases) {
    IntList l(10, 5, true);
    for (auto [k, t] : c.input) l.AtInsert(l.GetCount(), new Item(k, t));  // unsorted
    l.Sort();
    EXPECT_EQ(Tags(l), c.sorted);
  }
}

TEST_F(Collection, QuickSortSortsLargeListsAndKeepsEveryItem) {
  IntList l(0, 100);
  unsigned seed = 12345;
  std::vector<int> keys;
  for (int i = 0; i < 3000; ++i) {
    seed = seed * 1103515245u + 12345u;
    l.AtInsert(0, new Item(keys.emplace_back(static_cast<int>((seed >> 16) % 200))));
  }
  l.Sort();
  std::sort(keys.begin(), keys.end());
  std::string want;
  for (int k : keys) want += (want.empty() ? "" : " ") + std::to_string(k);
  EXPECT_EQ(Tags(l), want);
  EXPECT_EQ(Item::alive, 3000);
}

TEST_F(Collection, CompareAnsweringOtherNegativeNumbersStillSorts) {
  SloppyList l;
  for (int k : {30, -5, 12, 7, 30, 1, 100, -40, 12}) l.AtInsert(0, new Item(k));
  l.Sort();
  EXPECT_EQ(Tags(l), "-40 -5 1 7 12 12 30 30 100");
  l.SetDuplicates(true);
  Item probe(12);
  int index;
  EXPECT_TRUE(l.Search(&probe, index));
  EXPECT_EQ(index, 4);
}

}  // namespace
