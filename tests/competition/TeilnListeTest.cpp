// Owning and non-owning use are left to the sanitizers: a non-owning ranking
// list that freed its participants, or an owning list that kept them, fails
// every evaluation under AddressSanitizer and LeakSanitizer.
#include <gtest/gtest.h>

#include <string>

#include "AkTestSupport.h"
#include "VkTeilnListe.h"

using aktest::Participant;
using aktest::Split;
using testdata::Arg;
using testdata::Fields;
using testdata::Num;

namespace {

std::string Sorted(uint8_t mode, int16_t discipline, const std::string& participants) {
  TTeilnehmerListe l;
  l.SetSortMode(mode);
  l.SetDiscipline(discipline);
  for (const std::string& words : Split(participants, "; ")) l.Insert(new TTeilnehmer(Participant(words)));
  std::string names;
  for (int i = 0; i < l.GetCount(); ++i) names += (i ? "," : "") + l.At(i)->Name(false);
  const int last = l.GetCount() - 1;
  return aktest::Readable(names) + " / " + std::to_string(l.Compare(l.At(0), l.At(last))) + " " +
         std::to_string(l.Compare(l.At(last), l.At(0)));
}

}  // namespace

// The cases of tests/data/competition/teilnliste.txt.
TEST(TeilnListe, SortModesAndTheNameRule) {
  testdata::ExpectRoutineCases(
      "competition/teilnliste.txt",
      {{"Sort",
        [](const Fields& f) {
          const std::vector<std::string> modes = Split(Arg(f, 1), " ");
          const auto d = int16_t(Num(f, 2));
          std::string got = Sorted(uint8_t(std::stoi(modes[0])), d, Arg(f, 3));
          for (const std::string& m : modes)
            if (Sorted(uint8_t(std::stoi(m)), d, Arg(f, 3)) != got) got += " but not in mode " + m;
          return got;
        }},
       {"Compare", [](const Fields& f) {
          TTeilnehmerListe l;
          l.SetSortMode(uint8_t(Num(f, 1)));
          TTeilnehmer x = Participant(Arg(f, 2)), y = Participant(Arg(f, 3));
          return std::to_string(l.Compare(&x, &y)) + " " + std::to_string(l.Compare(&y, &x));
        }}});
}
