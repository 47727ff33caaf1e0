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

// A results list of one class with one participant.
void WriteCompetition(const std::string& path) {
  TWettkampf w;
  TWettkampfDaten h = w.Header();
  h.SetTitle(Oem("Bezirksmeisterschaft Süd"));
  w.SetHeader(h);
  auto ak = aktest::MakeClass(1);
  TTeilnehmer* t = aktest::Tn(Oem("Müller"));
  t->SetTime(1, 3000);
  ak->Insert(t);
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
  QImage band = image.copy(30, 30, 570, 50), white = band;
  white.fill(Qt::white);
  EXPECT_NE(band, white);

  const filetest::DumpRun page9 = filetest::Vkdump(report + "9 100 x.png");
  EXPECT_EQ(std::tuple(page9.status, page9.err), std::tuple(1, "vkdump: page 9 outside 1..2\n"));
  for (const char* bad : {"1 5 x.png", "1 100", "a 100 x.png"})
    EXPECT_EQ(filetest::Vkdump(report + bad).status, 1) << bad;
}
