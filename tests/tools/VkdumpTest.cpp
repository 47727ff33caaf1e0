// The vkdump developer tool, run as a user runs it: every command's standard
// output, standard error and exit status, one run after the other in one
// folder, so that a run may read what an earlier one wrote.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <tuple>

#include <QImage>

#include "CaseFile.h"
#include "CodePage.h"
#include "FileTestSupport.h"
#include "ImportSeeds.h"
#include "LoadSeeds.h"
#include "VkLoadSave.h"
#include "VkNeu.h"

namespace {

// "$D" stands for the folder.
std::string Expand(std::string text, const std::string& dir) {
  for (size_t at; (at = text.find("$D")) != std::string::npos;) text.replace(at, 2, dir);
  return text;
}

// An output as tests/data/vkdump/runs.txt shows it: "@name" when it is the
// whole of tests/data/vkdump/name, else quoted, the folder as "$D".
std::string Shown(std::string text, const std::string& dir) {
  for (const auto& file : std::filesystem::directory_iterator(VK_TEST_DATA "/vkdump"))
    if (!text.empty() && testdata::ReadFile(file.path()) == text)
      return "@" + file.path().filename().string();
  for (size_t at; (at = text.find(dir)) != std::string::npos;) text.replace(at, dir.size(), "$D");
  return testdata::Quote(text);
}

// Two classes (one with CPR and a formula) of three and four participants of
// three organisations, one of them disqualified in CPR.
TWettkampf Small() {
  TWettkampf w;
  TWettkampfDaten h = w.Header();
  h.SetTitle("Bezirksmeisterschaft"), h.SetVenue(Oem("Stadtbad Gießen")), h.SetDate("5.12.2026");
  h.SetPool(1), h.SetCprStationsIndex(4), h.SetOptions(TWettkampfDaten::kOptHundredths);
  w.SetHeader(h);
  for (TAltersklasse* ak : {vkseeds::MakeClass("AK 12", 1978, 1979, TAltersklasse::kCprScored, 2, true),
                            vkseeds::MakeClass("Offen", 1900, 1977, 0, 3)}) {
    vkseeds::AddParticipants(*ak, ak->HasCpr() ? 3 : 4, true, ak->DisciplineCount());
    w.Insert(ak);
    ak->AddToGliederungen(w.Gliederungen());
  }
  w.OrganListe().Insert(new TOrganEintrag);
  return w;
}

}  // namespace

TEST(Vkdump, EveryCommandsOutputMessagesAndExitStatus) {
  testdata::TempDir dir;
  const std::string D = dir.Path();
  ::setenv("XDG_RUNTIME_DIR", D.c_str(), 1);  // else Qt says on standard error that it is missing
  filetest::WriteFile(D + "/w.erg", vkseeds::Stored(Small()));
  filetest::WriteFile(D + "/v15.erg", oldseeds::SampleFile(oldseeds::Version::k15, true));
  filetest::WriteFile(D + "/base.erg", vkseeds::Stored(*importseeds::Competition(importseeds::kTextPersons)));
  filetest::WriteFile(D + "/input.txt", importseeds::SampleText(true));
  TWettkampf big;
  big.Insert(vkseeds::MakeClass("Viele", 1960, 1970, 0, 6));
  vkseeds::AddParticipants(*big.At(0), 400, true, 9);
  filetest::WriteFile(D + "/big.erg", vkseeds::Stored(big));

  testdata::ExpectCaseFile("vkdump/runs.txt", [&D](const std::string& args) {
    const filetest::DumpRun run = filetest::Vkdump(Expand(args, D));
    return std::to_string(run.status) + " " + Shown(run.out, D) + " " + Shown(run.err, D);
  });

  // The new competition as the program makes it, but dated by the real clock.
  const auto made = LoadCompetition(D + "/new.erg", FormatCode::ResultFile);
  const auto expected = NewCompetition(1022, 2011);
  ASSERT_TRUE(made);
  TWettkampfDaten h = made->Header();
  h.SetDate(expected->Header().Date());
  made->SetHeader(h);
  EXPECT_EQ(vkseeds::Stored(*made), vkseeds::Stored(*expected));
  // An A4 page at 3 pixels per millimetre, white at the corner, something
  // drawn within the margins of 10 mm (30 pixels).
  const QImage image(QString::fromStdString(D + "/w.png"));
  QImage band = image.copy(30, 30, 570, 50), white = band;
  white.fill(Qt::white);
  EXPECT_EQ(std::tuple(image.width(), image.height(), image.pixel(0, 0), band == white),
            std::tuple(630, 891, qRgb(255, 255, 255), false));
}
