#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include <QImage>

#include "../competition/AkTestSupport.h"
#include "FileTestSupport.h"
#include "CodePage.h"
#include "VkWettk.h"
#include "YrStream.h"

namespace {

// A results list with umlauts in the title, the class, names and
// organisations.
void WriteCompetition(const std::string& path) {
  TWettkampf w;
  TWettkampfDaten h = w.Header();
  h.SetTitle(Oem("Bezirksmeisterschaft Süd"));
  h.SetOrganiser(Oem("DLRG Bezirk Württemberg-Süd"));
  h.SetVenue(Oem("Hallenbad Öhringen"));
  h.SetDate("16.06.2007");
  w.SetHeader(h);
  auto ak = aktest::MakeClass(3);
  const char* const kNames[][3] = {{"Müller", "Jürgen", "OG Köln"},
                                   {"Größer", "Änne", "OG Düsseldorf"},
                                   {"Weiß", "Björn", "OG Lüneburg"}};
  int i = 0;
  for (const auto& n : kNames) {
    TTeilnehmer* t = aktest::Tn(Oem(n[0]));
    t->SetVorname(Oem(n[1])), t->SetGeburtsdatum("1990"), t->SetGliederung(Oem(n[2]));
    for (int d = 1; d <= 3; ++d) t->SetTime(d, 3000 + 250 * i + 70 * d);
    ak->Insert(t);
    ++i;
  }
  ak->Evaluate();
  w.Insert(ak.release());
  TYrStream s(path, stCreate);
  w.Store(s);
}

}  // namespace

TEST(VkdumpPng, DrawsOnePageOfAReportAsThePreviewShowsIt) {
  WriteCompetition("vkdump-png.erg");
  const std::string report = "png vkdump-png.erg results 1 1 1 1 0 1 0 1 1 1 0 1 ";
  const filetest::DumpRun r = filetest::Vkdump(report + "1 100 vkdump-png.png");
  // Qt may say a word about its runtime directory on standard error.
  ASSERT_EQ(r.status, 0) << r.err;
  QImage image("vkdump-png.png");
  EXPECT_EQ(std::tuple(image.width(), image.height(), image.pixel(0, 0)), std::tuple(630, 891, qRgb(255, 255, 255)));
  // Something is drawn within the margins of 10 mm (30 pixels).
  bool inked = false;
  for (int y = 30; y < 80 && !inked; ++y)
    for (int x = 30; x < 600 && !inked; ++x) inked = image.pixel(x, y) != qRgb(255, 255, 255);
  EXPECT_TRUE(inked);
  EXPECT_EQ(QImage(filetest::Vkdump(report + "1 10 vkdump-png10.png").status == 0 ? "vkdump-png10.png" : "").size(),
            QSize(63, 89));

  const filetest::DumpRun page9 = filetest::Vkdump(report + "9 100 x.png");
  EXPECT_EQ(std::tuple(page9.status, page9.err), std::tuple(1, "vkdump: page 9 outside 1..2\n"));
  for (const char* bad : {"1 5 x.png", "1 100", "a 100 x.png"})
    EXPECT_EQ(filetest::Vkdump(report + bad).status, 1) << bad;
}
