// The vkdump developer tool, run as a user runs it: every command's standard
// output, standard error and exit status, one run after the other in one
// folder, so that a run may read what an earlier one wrote.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <tuple>

#include <QImage>

#include "CodePage.h"
#include "FileTestSupport.h"
#include "ImportSeeds.h"
#include "LoadSeeds.h"
#include "TestData.h"
#include "VkLoadSave.h"
#include "VkNeu.h"

namespace {

// "$D" stands for the folder; an expected output "@name" for the contents of
// tests/data/vkdump/name.
std::string Expand(std::string text, const std::string& dir) {
  if (text.starts_with('@')) text = testdata::ReadFile(std::string(VK_TEST_DATA) + "/vkdump/" + text.substr(1));
  for (size_t at; (at = text.find("$D")) != std::string::npos;) text.replace(at, 2, dir);
  return text;
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

  const struct {
    const char* args;
    int status;
    const char *out, *err;
  } kRuns[] = {
      {"show $D/w.erg", 0, "@show.json", ""},
      {"show $D/missing.erg", 1, "",
       "Unbekanntes Ergebnisdateiformat.\nFehler beim Laden der Datei.\nvkdump: cannot read $D/missing.erg\n"},
      // More than a pipe holds, to a reader that goes away.
      {"show $D/big.erg | head -c 1", 1, "{", "vkdump: cannot write the standard output\n"},
      {"lines $D/w.erg", 0, "@lines.txt", ""},
      {"stats $D/w.erg 0", 0, "@stats0.txt", ""},
      {"stats $D/w.erg 4", 0, "@stats4.txt", ""},
      // The best of a class fill its last heat; heat numbers go on from class to
      // class and, with option 16, from discipline to discipline.
      {"op $D/w.erg $D/h.erg heats 1 1 0", 0, "", ""},
      {"pages $D/h.erg heats 0 0 0 0 0 1 0", 0, "@heats0.json", ""},
      {"op $D/w.erg $D/h.erg heats 5 1 16", 0, "", ""},
      {"pages $D/h.erg heats 0 0 0 0 0 1 0", 0, "@heats16.json", ""},
      {"op $D/w.erg /no/such/dir/x.erg shift 1978 1990", 1, "", "vkdump: cannot write /no/such/dir/x.erg (error 3)\n"},
      {"new 1022 2011 $D/new.erg", 0, "", ""},
      {"import $D/base.erg text $D/input.txt $D/i.erg", 0, "",
       "Niemand, Ida (Altersklasse AK 99w) konnte nicht eingefügt werden.\n"},
      {"lines $D/i.erg", 0, "@import-lines.txt", ""},
      {"import $D/base.erg text $D/none.txt $D/x.erg", 1, "", "vkdump: cannot open $D/none.txt (error 2)\n"},
      {"save $D/v15.erg 1 $D/v15-saved.erg", 0, "", ""},
      {"lines $D/v15-saved.erg", 0, "@v15-lines.txt", ""},
      {"pages $D/w.erg certificates 2 0 1 --participant 1", 0, "@pages-certificate.json", ""},
      {"pages $D/w.erg results 0 0 0 0 0 0 0 0 1 0 0 0 --class 0", 0, "@pages-results.json", ""},
      {"pdf $D/w.erg cpr 1 1 1 1 /no/such/dir/x.pdf", 1, "", "vkdump: cannot write /no/such/dir/x.pdf\n"},
      {"pdf $D/w.erg export /no/such/dir/x.pdf", 1, "", "vkdump: cannot write /no/such/dir/x.pdf\n"},
      {"png $D/w.erg results 1 1 1 1 0 1 0 1 1 1 0 1 1 100 $D/w.png", 0, "", ""},
      {"png $D/w.erg results 1 1 1 1 0 1 0 1 1 1 0 1 9 100 $D/x.png", 1, "", "vkdump: page 9 outside 1..2\n"},
  };
  for (const auto& r : kRuns) {
    const filetest::DumpRun run = filetest::Vkdump(Expand(r.args, D));
    EXPECT_EQ(std::tuple(run.status, run.out, run.err), std::tuple(r.status, Expand(r.out, D), Expand(r.err, D)))
        << r.args;
  }
  // A wrong command line: the usage text and status 1.
  const std::string usage = Expand("@usage.txt", D);
  for (const char* bad :
       {"", "fly", "show", "show $D/w.erg x", "stats $D/w.erg x", "stats $D/w.erg 256", "op $D/w.erg $D/x heats 1 1",
        "op $D/w.erg $D/x cpr 800 1 15 1 2", "op $D/w.erg $D/x reset 26", "op $D/w.erg $D/x reset 1,,2",
        "op $D/w.erg $D/x shift x 1", "op $D/w.erg $D/x fly 1", "new 20 2007", "new x 2007 $D/x",
        "new 20 20O7 $D/x", "import $D/base.erg csv $D/input.txt $D/x", "save $D/w.erg x $D/x",
        "pages $D/w.erg results 1", "pages $D/w.erg heats", "pages $D/w.erg certificates 0 0",
        "pages $D/w.erg statistics 0 0 0 0 1 --class", "pages $D/w.erg statistics 0 0 0 2 -1",
        "png $D/w.erg cpr 1 1 1 1 1 5 $D/x.png", "png $D/w.erg cpr 1 1 1 1 1 100", "png $D/w.erg cpr 1 1 1 1 a 100 $D/x.png"}) {
    const filetest::DumpRun run = filetest::Vkdump(Expand(bad, D));
    EXPECT_EQ(std::tuple(run.status, run.out, run.err), std::tuple(1, "", usage)) << bad;
  }

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
