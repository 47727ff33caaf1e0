#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "AkTestSupport.h"
#include "VkAkOps.h"

using namespace aktest;
using testdata::Arg;
using testdata::Fields;

namespace {

// Names in the current order; with `bit`, only those carrying that flag; sorted when `sorted`.
std::string Names(const TAltersklasse& ak, uint16_t bit = 0, bool sorted = true) {
  std::string out;
  for (int i = 0; i < ak.GetCount(); ++i)
    if (bit == 0 || ak.At(i)->Flag(bit)) out += ak.At(i)->Name(true);
  if (sorted) std::sort(out.begin(), out.end());
  return out;
}

// Heats and lanes of discipline d in the current order: "3:342516 2:34".
std::string Heats(const TAltersklasse& ak, int d) {
  std::string out;
  for (int i = 0, last = -1; i < ak.GetCount(); last = ak.At(i++)->Heat(d)) {
    if (ak.At(i)->Heat(d) != last) out += (out.empty() ? "" : " ") + std::to_string(ak.At(i)->Heat(d)) + ":";
    out += std::to_string(ak.At(i)->Lane(d));
  }
  return out;
}

// Fields `from` to the end as numbers.
std::vector<int16_t> Numbers(const Fields& f, size_t from) {
  std::vector<int16_t> out;
  for (size_t i = from; i < f.size(); ++i) out.push_back(int16_t(testdata::Num(f, i)));
  return out;
}

std::string Messages(const MessageCapture& m) {
  std::string out;
  for (const std::string& message : m.list) out += " / " + Readable(message);
  return out;
}

std::string Qualified(const Fields& f) {
  MessageCapture m;
  auto ak = ClassWith(Arg(f, 1), Arg(f, 2));
  ak->Qualify(Numbers(f, 3)[0], Numbers(f, 3)[1]);
  return Names(*ak) + "/" + Names(*ak, TTeilnehmer::kStartberechtigt) + "/" + std::to_string(ak->Flags()) + Messages(m);
}

std::string Heated(const Fields& f) {
  auto ak = ClassWith(Arg(f, 1), Arg(f, 2));
  const std::vector<int16_t> n = Numbers(f, 3);
  TLaufParameter p{n[0], n[1], n[2], n[3], 0, 0, 0, n[4]};
  ak->AssignHeats(p);
  return std::to_string(ak->Flags()) + " / " + Names(*ak, 0, false) + " / " + Heats(*ak, 1) + " / " + Heats(*ak, 2) +
         " / " + std::to_string(p.nextHeat) + " " + std::to_string(p.nextPosition);
}

std::string CprTimed(const Fields& f) {
  MessageCapture m;
  auto ak = ClassWith(Arg(f, 1), "300; 200; 100");
  const std::vector<int16_t> n = Numbers(f, 2);
  THLWParameter q{n[0], n[1], n[2], n[3], n[4], n[5]};
  ak->AssignCprHeats(q);
  std::string out;
  for (int i = 0; i < 3; ++i) {
    const TTeilnehmer& t = *ak->At(i);
    out += std::to_string(t.CprTime()) + "/" + std::to_string(t.CprStation()) + "/" + std::to_string(t.CprHeat()) + " ";
  }
  return out + "/ " + std::to_string(q.clock) + " " + std::to_string(q.nextStation) + " " + std::to_string(q.nextHeat) +
         Messages(m);
}

std::string Struck(const Fields& f) {
  auto ak = ClassWith("disciplines=1", "0 time1=1000; 0; 0 ded1=5; 0 na");
  ak->Evaluate();
  ak->Strike(int(testdata::Num(f, 1)));
  std::string na;
  for (char n : Names(*ak)) {
    const TTeilnehmer* t = Find(*ak, std::string(1, n));
    if (t->Deduction(1) == -3 && t->CprValue() == -300) na += n;
  }
  return Names(*ak) + "/" + na;
}

std::string Reset(const Fields& f) {
  auto ak = ClassWith(Arg(f, 1), Arg(f, 2));
  TYrSet items;
  for (int16_t e : Numbers(f, 3)) items.SetElement(uint8_t(e), true);
  ak->ResetResults(items);
  std::string out;
  for (int i = 0; i < ak->GetCount(); ++i) {
    const TTeilnehmer& t = *ak->At(i);
    out += (i ? "; " : "") + t.Name(true) + " " + std::to_string(t.Place()) + " " + std::to_string(t.Total()) + " " +
           std::to_string(t.Heat(1));
  }
  return out;
}

std::string CentreOut(const Fields&) {
  std::string table;  // lane 10 shows as ':'
  for (int n = 1; n <= 10; ++n) {
    for (int k = 1; k <= n; ++k) table += char('0' + CentreOutLane(n, k));
    table += ' ';
  }
  return table + std::to_string(CentreOutLane(12, 11));
}

}  // namespace

// The cases of tests/data/competition/akops.txt.
TEST(AkOps, QualifyHeatsCprStrikeAndReset) {
  testdata::ExpectRoutineCases("competition/akops.txt", {{"Qualify", Qualified},
                                        {"AssignHeats", Heated},
                                        {"CentreOutLane", CentreOut},
                                        {"AssignCprHeats", CprTimed},
                                        {"Strike", Struck},
                                        {"ResetResults", Reset}});
}
