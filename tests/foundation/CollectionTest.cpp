#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "CaseFile.h"
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

// Sorted by key; owns its items. `sloppy` answers with the difference of the
// keys instead of exactly -1, 0, 1.
class IntList : public TYrSortedCollection {
 public:
  explicit IntList(bool duplicates = false, bool sloppy = false) : TYrSortedCollection(10, 5), sloppy_(sloppy) {
    SetDuplicates(duplicates);
  }
  int Compare(const TYrObject* a, const TYrObject* b) const override {
    const int ka = static_cast<const Item*>(a)->key;
    const int kb = static_cast<const Item*>(b)->key;
    return sloppy_ ? ka - kb : ka < kb ? -1 : (ka > kb ? 1 : 0);
  }

 private:
  bool sloppy_;
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
  EXPECT_EQ(std::pair(c.GetLimit(), Plain(-5, 1).GetLimit()), Sizes(18, 0));
  Plain claims(16379, 1);
  EXPECT_EQ(claims.Reserved(), 0);
  for (int n = 1; n <= 1000; ++n) {
    claims.Insert(&a);
    ASSERT_LE(claims.Reserved(), std::max(8, n * 3 / 2)) << n;
  }
}

// 16000 + 32767 does not fit 16 bits; it must clamp, not wrap negative.
TEST_F(Collection, FullCollectionsThatCannotGrowReport214AndKeepTheirItems) {
  const struct { int limit; int16_t delta; int16_t full; } cases[] = {
      {5, 0, 5}, {5, -3, 5}, {16300, 100, 16379}, {16000, 32767, 16379}};
  for (const auto& c : cases) {
    RunErrors errors;
    Item a(1, "a"), b(2, "b");
    Plain p(c.limit, c.delta);
    for (int i = 0; i < c.full; ++i) p.Insert(&a);
    EXPECT_EQ(errors.codes, Codes{}) << c.limit;
    p.Insert(&b);
    p.AtInsert(0, &b);
    EXPECT_EQ(std::tuple(errors.codes, p.GetCount(), p.GetLimit(), p.IndexOf(&b)),
              std::tuple(Codes{214, 214}, c.full, c.full, -1))
        << c.limit << " " << c.delta;
  }
}

TEST_F(Collection, BadIndexesReport213AndChangeNothing) {
  RunErrors errors;
  Item a(1, "a"), b(2, "b"), x(9, "x");
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
  EXPECT_EQ(std::tuple(errors.codes, Tags(c), c.GetLimit(), Tags(l)), std::tuple(Codes(11, 213), "a b", 2, "1"));
}

TEST_F(Collection, PlainComparesPointersAndDoesNotOwn) {
  auto a = std::make_unique<Item>(1, "a");
  auto b = std::make_unique<Item>(1, "b");
  {
    Plain c(1, 1);
    EXPECT_EQ(std::pair(c.IndexOf(a.get()), Tags(c)), std::pair(-1, std::string()));  // ForEach calls nothing
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

// Ordered insertion puts a new item before the equal keys; Search finds the
// leftmost equal key with Duplicates and the first one the halving meets
// without; IndexOf finds this very item, or with Duplicates off an equal one.
TEST_F(Collection, SortedInsertSearchAndIndexOf) {
  IntList l(true);
  Item probe(5);
  int at = -7;
  EXPECT_EQ(std::pair(l.Search(&probe, at), at), std::pair(false, 0));
  auto* x = new Item(5, "x");
  for (auto [k, t] : {std::pair{9, "9"}, {5, "a"}, {1, "1"}, {5, "b"}, {5, "c"}}) l.Insert(new Item(k, t));
  l.AtInsert(4, x);  // behind the other 5s
  IntList u;  // without duplicates an equal key stays with the caller
  u.Insert(new Item(5, "a"));
  auto refused = std::make_unique<Item>(5, "b");
  u.Insert(refused.get());
  Item stranger(5, "s"), absent(4);  // an equal key not held makes the scan run to the end
  EXPECT_EQ(std::tuple(Tags(l), u.GetDuplicates(), Tags(u), l.IndexOf(x), l.IndexOf(&stranger), l.IndexOf(&absent)),
            std::tuple("1 c b a x 9", false, "a", 4, -1, -1));
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
    const bool found = l.Search(&key, index);
    EXPECT_EQ(std::tuple(found, index, l.IndexOf(&key)),
              std::tuple(c.found, c.index, c.duplicates || !c.found ? -1 : c.index))
        << c.duplicates << " key " << c.key;
  }
}

// The sorted collection owns its items: Free and AtFree dispose exactly the
// given item, also among equal keys (a list built with Duplicates, then
// switched off), Delete only removes, a stranger with an equal key is an
// index error and stays alive, and the rest goes from the last one down.
TEST_F(Collection, SortedOwnsItsItemsAndFreesOnlyTheGivenOne) {
  for (bool duplicates : {false, true}) {
    RunErrors errors;
    IntList l(duplicates);
    l.Insert(new Item(1, "a"));
    l.Insert(new Item(2, "b"));
    Item stranger(2, "s");
    l.Free(&stranger);
    l.Delete(&stranger);
    EXPECT_EQ(std::tuple(errors.codes, Tags(l), Item::alive), std::tuple(Codes{213, 213}, "a b", 3)) << duplicates;
  }
  Item::destroyed.clear();
  {
    IntList l(true);
    auto* a = new Item(2, "a");
    for (Item* i : {a, new Item(2, "b"), new Item(2, "c"), new Item(1, "x"), new Item(3, "y")}) l.Insert(i);
    l.SetDuplicates(false);
    l.Free(a);
    l.AtFree(1);
    auto* kept = l.At<Item>(0);
    l.Delete(kept);
    EXPECT_EQ(std::tuple(Item::destroyed, Tags(l), Item::alive), std::tuple(Strings{"a", "c"}, "b y", 3));
    delete kept;
    l.FreeItem(nullptr);
    Item::destroyed.clear();
  }
  EXPECT_EQ(Item::destroyed, (Strings{"y", "b"}));
}

// Sort [sloppy] ITEMS: the order Sort leaves unsorted ITEMS in, each keyed by
// its leading number; with "sloppy" Compare answers the difference of the keys.
std::string Sorted(const testdata::Fields& f) {
  const bool sloppy = f.at(1) == "sloppy";
  IntList l(true, sloppy);
  for (size_t i = sloppy ? 2 : 1; i < f.size(); ++i) l.AtInsert(l.GetCount(), new Item(std::stoi(f[i]), f[i]));
  l.Sort();
  return Tags(l);
}

TEST_F(Collection, QuickSortOrderOfEqualKeysFollowsTheAlgorithm) {
  testdata::ExpectRoutineCases("foundation/collection.txt", {{"Sort", Sorted}});
}

}  // namespace
