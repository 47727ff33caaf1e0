// The competitions the export tests write, and the readers they read the
// exports back with (Debian's python3 with its csv, xlrd, dbfread and
// html.parser modules, through the scripts tests/data/files/read-*.py;
// LibreOffice Calc for the dBASE files).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "../competition/AkTestSupport.h"
#include "../output/WriterTestSupport.h"
#include "CodePage.h"
#include "TestData.h"
#include "VkWettk.h"

namespace exporttest {

inline TAltersklasse* Class(const std::string& name, uint16_t first, uint16_t last, uint16_t flags, uint16_t count) {
  TAltersklasse::Disciplines discs;
  for (int d = 1; d <= count; ++d) discs[d - 1] = aktest::Linear("D" + std::to_string(d), 100000);
  auto* ak = new TAltersklasse;
  ak->Define(Oem(name), first, last, flags, count, discs);
  return ak;
}

struct Entry {
  std::string name, second, birth, gld;  // second: first name, or a team's addition
  int32_t time;
  int16_t lastDeduction;                  // of the class's last discipline
  int32_t cpr;
  bool outside = false;
  int16_t absentDiscipline = 0;           // deduction -3 ("n.a.") there
};

inline void Add(TAltersklasse& ak, bool individual, const Entry& e) {
  auto* t = new TTeilnehmer;
  t->SetName(individual, Oem(e.name));
  if (individual) t->SetVorname(Oem(e.second));
  if (individual) t->SetGeburtsdatum(e.birth);
  if (!individual) t->SetZusatz(Oem(e.second));
  t->SetGliederung(e.gld);
  for (int d = 1; d <= ak.DisciplineCount(); ++d) {
    t->SetTime(d, e.time + d);
    t->SetHeat(d, static_cast<int16_t>(d));
    t->SetLane(d, static_cast<int16_t>(10 - d));
  }
  t->SetDeduction(ak.DisciplineCount(), e.lastDeduction);
  if (e.absentDiscipline) t->SetDeduction(e.absentDiscipline, -3);
  t->SetCprValue(e.cpr);
  t->SetCprTime(935);
  t->SetCprStation(3);
  t->SetFlag(TTeilnehmer::kAusserKonkurrenz, e.outside);
  ak.Insert(t);
}

// Individual (hundredths on): "Kinder" without participants; "Jugend" with
// CPR and six disciplines: a complete participant, one disqualified in
// discipline 6 with the CPR code "n.er.", one absent in discipline 2;
// "Senioren" with one discipline and one participant out of competition.
// Teams (tenths): one class of two teams.
inline std::unique_ptr<TWettkampf> Competition(bool individual) {
  auto w = std::make_unique<TWettkampf>();
  TWettkampfDaten h = w->Header();
  h.SetTitle(Oem("Landesmeisterschaft Süd & <Nord>"));
  h.SetDate(Oem("12. März 2024"));
  h.SetKind(individual ? TWettkampfDaten::kIndividual : TWettkampfDaten::kTeams);
  h.SetOptions(individual ? TWettkampfDaten::kOptHundredths : 0);
  w->SetHeader(h);
  if (individual) {
    w->Insert(Class("Kinder", 2000, 2001, 0, 2));
    TAltersklasse* jugend = Class("Jugend", 1990, 1991, TAltersklasse::kCprScored, 6);
    w->Insert(jugend);
    Add(*jugend, true, {"Müller & Söhne", "Jörg", "1991", "DLRG", 6500, 2, 1234});
    Add(*jugend, true, {"<b>Groß</b>", "Ärger \"Q\"", "1990", "WW", 7000, -1, -10000});
    Add(*jugend, true, {"Abwesend", "Anna", "90", "ASB", 8000, 0, -300, false, 2});
    TAltersklasse* senioren = Class("Senioren", 1970, 1979, 0, 1);
    w->Insert(senioren);
    Add(*senioren, true, {"Zeller", "Zoë", "1975", "DLRG", 100, 0, 0, true});
  } else {
    TAltersklasse* ak = Class("AK 12w", 1992, 1993, 0, 2);
    w->Insert(ak);
    Add(*ak, false, {"Ortsgruppe Süd-Ost Großstadt", "Staffel A", "", "DLRG", 12345, 0, 0});
    Add(*ak, false, {"Team <Nord> & Co", "B", "", "WW", 9000, 1, 0});
  }
  for (int i = 0; i < w->GetCount(); ++i) w->At(i)->Evaluate();
  return w;
}

// The lines of an expected output under tests/data/files.
inline std::vector<std::string> DataLines(const std::string& name) {
  return writer_test::Lines(testdata::ReadFile(std::string(VK_TEST_DATA) + "/files/" + name));
}

// The CSV that LibreOffice Calc, headless and with its defaults, saves of the
// file at `path` (";" between cells, UTF-8); numbers in the C locale's form.
// Its profile lies in a folder of its own, so that tests running side by
// side do not share one.
inline std::string CalcCsv(const std::string& path) {
  const testdata::TempDir dir;
  const writer_test::ProcessResult r = writer_test::Run(
      "LC_ALL=C.UTF-8 timeout 120 soffice -env:UserInstallation=file://" + (dir / "profile") +
      " --headless --convert-to 'csv:Text - txt - csv (StarCalc):59,34,76' --outdir " + (dir / "out") + " " + path);
  const std::string csv =
      testdata::ReadFile(dir / ("out/" + std::filesystem::path(path).filename().replace_extension(".csv").string()));
  EXPECT_FALSE(csv.empty()) << r.output;
  return csv;
}

// Runs the Python reader tests/data/files/<reader> on `args`; its lines
// (UTF-8) come back, or its failure fails the test.
inline std::vector<std::string> RunReader(const std::string& reader, const std::vector<std::string>& args) {
  const writer_test::ProcessResult r =
      writer_test::RunPython(testdata::ReadFile(std::string(VK_TEST_DATA) + "/files/" + reader), args);
  EXPECT_EQ(r.exitCode, 0) << r.output;
  return writer_test::Lines(r.output);
}

// Writes an export into a temporary file and reads it back with a reader.
template <class Fn>
std::vector<std::string> ReadBack(const std::string& suffix, Fn write, const std::string& reader,
                                  std::vector<std::string> args = {}) {
  const writer_test::TempFile file(suffix);
  file.Write(write);
  args.insert(args.begin(), file.Path());
  return RunReader(reader, args);
}

}  // namespace exporttest
