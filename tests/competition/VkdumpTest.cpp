#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <tuple>
#include <utility>

#include "CodePage.h"
#include "FileTestSupport.h"
#include "LoadSeeds.h"

using filetest::Vkdump;

TEST(Vkdump, ShowPrintsTheCompetitionAsJson) {
  auto w = vkseeds::FullCompetition(false);
  TWettkampfDaten h = w->Header();
  h.SetVenue(Oem("Stadtbad Gießen"));
  w->SetHeader(h);
  filetest::WriteFile("vkdump-test.erg", vkseeds::Stored(*w));
  const filetest::DumpRun r = Vkdump("show vkdump-test.erg");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const auto j = nlohmann::json::parse(r.out);
  const auto& head = j["header"];
  EXPECT_EQ(std::tuple(head["venue"], head["kind"], head["lanesIndex"], head["options"]),
            std::tuple("Stadtbad Gießen", 1, 2, 1));
  ASSERT_EQ(j["classes"].size(), 4u);
  const auto& ak = j["classes"][1];
  EXPECT_EQ(std::tuple(ak["name"], ak["firstYear"], ak["disciplines"][1]["formula"]),
            std::tuple("AK 12", 1978, "V1-T*10-SP*100"));
  EXPECT_EQ(ak["disciplines"][1]["v"], nlohmann::json::array({50000, 0, 0, 0, 0}));
  ASSERT_EQ(ak["participants"].size(), 5u);
  const auto& t = ak["participants"][0];
  const TTeilnehmer& p = *w->At(1)->At(0);
  EXPECT_EQ(std::tuple(t["name"], t["vorname"], t["zusatz"], t["time"][0], t["place"]),
            std::tuple(p.Name(false), "", p.Zusatz(), p.Time(1), 1));
  EXPECT_EQ(std::tuple(j["organisations"].size(), j["organisations"][0]["abk"], j["organEntries"]),
            std::tuple(3u, "ASB", 2));
}

TEST(Vkdump, MessagesGoToStandardErrorAndMissingFilesFail) {
  for (const auto& [name, bytes] : vkseeds::SeedCorpus())
    if (name == "duplicate-class") filetest::WriteFile("vkdump-dup.erg", bytes);
  const filetest::DumpRun dup = Vkdump("show vkdump-dup.erg");
  const std::string message = "Die Altersklasse AK 12 konnte nicht eingefügt werden (sie existiert bereits).\n";
  EXPECT_EQ(std::pair(dup.status, dup.err), std::pair(0, message));
  const filetest::DumpRun missing = Vkdump("show does-not-exist.erg");
  EXPECT_EQ(std::tuple(missing.status, missing.out, missing.err.find("does-not-exist.erg") != std::string::npos),
            std::tuple(1, std::string(), true));
}
