#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "AkTestSupport.h"
#include "ByteOrder.h"
#include "CodePage.h"
#include "YrStream.h"

using namespace aktest;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Stored(const TAltersklasse& ak) {
  TYrMemoryStream s;
  ak.Store(s);
  return s.Data();
}

// A class with two participants and record data in every corner.
std::unique_ptr<TAltersklasse> Sample() {
  auto ak = MakeClass(2, TAltersklasse::kCprScored | TAltersklasse::kDisciplineColumns);
  TAltersklasse::Record r = ak->GetRecord();
  for (size_t i = 0; i < 442; ++i) r[TAltersklasse::kOffDisciplines + 5 * 442 + i] = static_cast<uint8_t>(i * 7);
  ak->SetRecord(r);
  TRekord k;
  k.SetHolder("Halter");
  ak->SetRekord(2, k);
  for (int i = 0; i < 2; ++i) {
    TTeilnehmer::Bytes b{};
    for (size_t j = 0; j < b.size(); ++j) b[j] = static_cast<uint8_t>(j * 13 + i);
    auto* t = new TTeilnehmer;
    t->SetRecord(b);
    t->SetName(true, i == 0 ? "Adam" : "Berta");
    t->SetCprValue(100);
    t->SetFlags(TTeilnehmer::kMeldet);
    for (int d = 1; d <= 6; ++d) {
      t->SetTime(d, d <= 2 ? 1000 + 100 * i : 0);
      t->SetDeduction(d, 0);
    }
    ak->Insert(t);
  }
  ak->Evaluate();
  return ak;
}

constexpr size_t kHead = kAltersklasseSize;
constexpr size_t kFirst = kHead + 6;  // first participant marker

}  // namespace

TEST(Altersklasse, RoundTripAndCopyByteForByte) {
  auto ak = Sample();
  ak->SetMark(3);
  const Bytes first = Stored(*ak);
  TYrMemoryStream s(first);
  TAltersklasse loaded(s);
  EXPECT_EQ(std::tuple(loaded.LastLoad(), s.GetPos(), FirstDiff(Stored(loaded), first)),
            std::tuple(TAltersklasse::LoadResult::kComplete, static_cast<int32_t>(first.size()), ""));
  TAltersklasse copy(*ak);
  ak->At(0)->SetTime(1, 1);  // the copy has participants of its own
  EXPECT_EQ(std::tuple(FirstDiff(Stored(copy), first), copy.Mark(), copy.At(0)->Time(1)), std::tuple("", 3, 1000));
}

TEST(Altersklasse, LoadRobustness) {
  using R = TAltersklasse::LoadResult;
  const size_t full = Stored(*Sample()).size();
  const size_t second = kFirst + 2 + kTeilnehmerSize;  // second participant marker
  // A u16 at `at` (unless 0) set to `value`, the file cut to `cut` bytes; then what is read.
  struct Case { const char* what; size_t at; uint16_t value; size_t cut;
                R result; int count; size_t pos; int16_t delta; uint16_t disciplines; const char* name; };
  const std::vector<Case> cases = {
      {"wrong participant marker", second, 999, full, R::kStopped, 1, second + 2, 5, 2, "Jugend"},
      {"delta 0", kHead + 4, 0, full, R::kComplete, 2, full, 10, 2, "Jugend"},
      {"huge count, two present", kHead, 20000, full, R::kStopped, 2, full, 5, 2, "Jugend"},
      {"discipline count 9", 37, 9, full, R::kComplete, 2, full, 5, 6, "Jugend"},
      {"truncated record", 0, 0, 100, R::kTruncated, 0, 100, 5, 0, ""},
      {"truncated list head", 0, 0, kHead + 3, R::kStopped, 0, kHead + 3, 5, 2, "Jugend"},
      {"truncated participant", 0, 0, kFirst + 102, R::kStopped, 0, kFirst + 102, 5, 2, "Jugend"},
  };
  for (const Case& c : cases) {
    Bytes b = Stored(*Sample());
    le::PutI32(b.data(), kFirst + 2 + 188, 4242);  // the first one's stored total
    if (c.at) le::PutU16(b.data(), c.at, c.value);
    b.resize(c.cut);
    TYrMemoryStream s(b);
    TAltersklasse ak(s);
    EXPECT_EQ(std::tuple(ak.LastLoad(), ak.GetCount(), s.GetPos(), ak.GetDelta(), ak.DisciplineCount(), ak.Name()),
              std::tuple(c.result, c.count, static_cast<int32_t>(c.pos), c.delta, c.disciplines, std::string(c.name)))
        << c.what;
    if (c.count > 0) {  // only a class read whole is evaluated
      EXPECT_EQ(ak.At(ak.GetCount() - 1)->Total() == 4242, c.result != R::kComplete) << c.what;
    }
  }
}

TEST(Altersklasse, HeadingAndCaptions) {
  auto ak = MakeClass(1);
  EXPECT_EQ(ak->Heading(true), "Altersklasse Jugend (1990 - 1991)");
  EXPECT_EQ(ak->Heading(false), "Altersklasse Jugend");
  const std::vector<std::pair<int16_t, std::string>> captions = {
      {1, "Pl."},   {2, "GesPkt"}, {3, "Glied."}, {4, "Jg"},     {5, "Name"},   {6, "Vorname"}, {7, "Mannschaft"},
      {8, ""},      {9, ""},       {10, "Zeit1"}, {11, "Abz1"},  {12, "Pkt1"},  {13, "Lauf1"},  {14, "Bahn1"},
      {15, ""},     {40, "Zeit6"}, {44, "Bahn6"}, {45, "HLW"},   {46, ""},      {0, ""}};
  for (const auto& [col, text] : captions) EXPECT_EQ(ak->CellText(0, col), text) << col;
  ak->Insert(Tn("Adam"));
  EXPECT_EQ(ak->CellText(1, 5) + "|" + ak->CellText(2, 5), "Adam|");  // rows from 1; past the end empty
}

TEST(Altersklasse, BelongsAndCompareClass) {
  auto male = MakeClass(0);
  auto female = MakeClass(0, TAltersklasse::kFemale);
  TTeilnehmer t;
  TTeilnehmer upper;
  t.SetAltersklasse("Jugend");
  upper.SetAltersklasse("JUGEND");
  EXPECT_EQ(std::tuple(male->Belongs(t), female->Belongs(t), male->Belongs(upper)), std::tuple(true, false, false));
  // Female first, then by name.
  EXPECT_EQ(std::pair(TAltersklasse::CompareClass(*female, *male), TAltersklasse::CompareClass(*male, *male)),
            std::pair(-1, 0));
  female->SetFlags(0);
  female->SetName("Jugend A");
  EXPECT_EQ(TAltersklasse::CompareClass(*male, *female), -1);
}

// Define clamps the discipline count and keeps the counted value and the
// record entries; present and later participants take the class's display option.
TEST(Altersklasse, DefineKeepsRecordsAndDisplayOptionReachesParticipants) {
  auto ak = MakeClass(2);
  ak->SetCounted(1);
  TOverallRecord o;
  o.SetRecordTotal(777);
  ak->SetOverall(o);
  ak->Define("Kinder", 2000, 2001, TAltersklasse::kFemale, 9, TAltersklasse::Disciplines{});
  EXPECT_EQ(std::tuple(ak->DisciplineCount(), ak->Counted(), ak->Overall().RecordTotal()), std::tuple(6, 1, 777));
  ak->ClearRecords();
  EXPECT_EQ(ak->Overall().RecordTotal(), 0);
  ak->Insert(Tn("A"));
  ak->SetDisplayOption(1);
  ak->Insert(Tn("B"));
  EXPECT_EQ(std::pair(ak->At(0)->DisplayOption(), ak->At(1)->DisplayOption()), (std::pair<uint8_t, uint8_t>(1, 1)));
}

TEST(Altersklasse, MergeRecords) {
  auto previous = [](TAltersklasse& ak, int d, int32_t time) {
    TRekord r = ak.Rekord(d);
    r.SetRecordTime(time);
    ak.SetRekord(d, r);
  };
  auto source = MakeClass(3);
  previous(*source, 2, 500);     // 95000 points
  previous(*source, 3, 153009);  // 0 points, taken when target and best score 0 too
  TOverallRecord so;
  so.SetRecordTotal(5);
  source->SetOverall(so);
  TTeilnehmer* p = Tn("A");
  p->SetTime(1, 1000);
  source->Insert(p);  // best 90000 in discipline 1 and as total
  MessageCapture m;

  auto female = MakeClass(3, TAltersklasse::kFemale);
  const auto before = female->GetRecord();
  TAltersklasse::MergeRecords(*female, *source);
  const std::string mismatch = Oem("Fehler bei der Rekordübernahme (Altersklassen stimmen nicht überein! ");
  EXPECT_EQ(std::pair(m.list, female->GetRecord() == before), std::pair(std::vector<std::string>{mismatch}, true));

  // One discipline differs: the others are still taken over.
  auto partial = MakeClass(3);
  TDisziplin other = partial->Discipline(3);
  other.SetName("X");
  partial->SetDiscipline(3, other);
  m.list.clear();
  TAltersklasse::MergeRecords(*partial, *source);
  const std::string oneDiffers = Oem("Mindestens eine Disziplin stimmt nicht überein! (Altersklasse Jugend)");
  EXPECT_EQ(std::tuple(m.list, partial->Rekord(1).RecordTime(), partial->Overall().RecordTotal()),
            std::tuple(std::vector<std::string>{oneDiffers}, 1000, 0));

  auto target = MakeClass(3);
  previous(*target, 1, 2000);  // 80000, beaten by the source's best
  previous(*target, 2, 1000);  // 90000, beaten by the source's previous
  m.list.clear();
  TAltersklasse::MergeRecords(*target, *source);
  EXPECT_EQ(std::tuple(m.list, target->Rekord(1).RecordTime(), target->Rekord(2).RecordTime(),
                       target->Rekord(3).RecordTime(), target->Overall().RecordTotal()),
            std::tuple(std::vector<std::string>{}, 1000, 500, 153009, 90000));
}
