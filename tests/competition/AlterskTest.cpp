#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "AkTestSupport.h"
#include "ByteOrder.h"
#include "CodePage.h"
#include "LoadSeeds.h"
#include "YrStream.h"

using namespace aktest;

// Reading one class from damaged bytes (whole files: ResultFileTest). A class
// is evaluated only when read whole, so the first participant's stored total
// (4242) stays otherwise.
TEST(Altersklasse, LoadStopsAtDamageAndEvaluatesOnlyAWholeClass) {
  using R = TAltersklasse::LoadResult;
  const std::unique_ptr<TAltersklasse> sample(vkseeds::MakeClass("Jugend", 1990, 1991, 0, 2));
  vkseeds::AddParticipants(*sample, 2, true, 1);
  TYrMemoryStream stored;
  sample->Store(stored);
  const size_t full = stored.Data().size();
  const size_t first = kAltersklasseSize + 6;             // first participant marker
  const size_t second = first + 2 + kTeilnehmerSize;
  // A u16 at `at` (unless 0) set to `value`, the bytes cut to `cut`; then what is read.
  const struct { const char* what; size_t at; uint16_t value; size_t cut; R result; int count; size_t pos;
                 uint16_t disciplines; } cases[] = {
      {"wrong participant marker", second, 999, full, R::kStopped, 1, second + 2, 2},
      {"huge count, two present", kAltersklasseSize, 20000, full, R::kStopped, 2, full, 2},
      {"discipline count 9", 37, 9, full, R::kComplete, 2, full, 6},
      {"truncated record", 0, 0, 100, R::kTruncated, 0, 100, 0},
      {"truncated participant", 0, 0, first + 102, R::kStopped, 0, first + 102, 2},
  };
  for (const auto& c : cases) {
    std::vector<uint8_t> b = stored.Data();
    le::PutI32(b.data(), first + 2 + 188, 4242);
    if (c.at) le::PutU16(b.data(), c.at, c.value);
    b.resize(c.cut);
    TYrMemoryStream s(b);
    TAltersklasse ak(s);
    EXPECT_EQ(std::tuple(ak.LastLoad(), ak.GetCount(), s.GetPos(), ak.DisciplineCount()),
              std::tuple(c.result, c.count, static_cast<int32_t>(c.pos), c.disciplines))
        << c.what;
    if (c.count > 0) { EXPECT_EQ(Find(ak, "Name100")->Total() == 4242, c.result != R::kComplete) << c.what; }
  }
}

// The cells, captions included, are pinned with the reviewed result file.
TEST(Altersklasse, HeadingAndCellTextsOutsideTheRows) {
  auto ak = MakeClass(1);
  ak->Insert(Tn("Adam"));
  EXPECT_EQ(std::tuple(ak->Heading(true), ak->Heading(false), ak->CellText(1, 5), ak->CellText(2, 5),
                       ak->CellText(-1, 5)),
            std::tuple("Altersklasse Jugend (1990 - 1991)", "Altersklasse Jugend", "Adam", "", ""));
}

// Define clamps the discipline count and keeps the counted value and the
// record entries, which ClearRecords empties; present and later participants
// take the class's display option.
TEST(Altersklasse, DefineKeepsRecordsAndDisplayOptionReachesParticipants) {
  auto ak = MakeClass(2);
  ak->SetCounted(1);
  TOverallRecord o;
  o.SetRecordTotal(777);
  ak->SetOverall(o);
  ak->Define("Kinder", 2000, 2001, TAltersklasse::kFemale, 9, TAltersklasse::Disciplines{});
  ak->Insert(Tn("A"));
  ak->SetDisplayOption(1);
  ak->Insert(Tn("B"));
  EXPECT_EQ(std::tuple(ak->DisciplineCount(), ak->Counted(), ak->Overall().RecordTotal(), ak->At(0)->DisplayOption(),
                       ak->At(1)->DisplayOption()),
            std::tuple(6, 1, 777, 1, 1));
  ak->ClearRecords();
  EXPECT_EQ(ak->Overall().RecordTotal(), 0);
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
