#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "CodePage.h"
#include "LoadSeeds.h"

namespace {

struct DumpRun {
  int status;
  std::string out, err;
};

DumpRun Vkdump(const std::string& args) {
  // ctest runs the tests in parallel, each in its own process.
  const std::string errFile = "vkdump-" + std::to_string(getpid()) + ".err";
  DumpRun r{-1, "", ""};
  FILE* p = popen((std::string(VKDUMP_PATH) + " " + args + " 2>" + errFile).c_str(), "r");
  if (p == nullptr) return r;
  char buf[4096];
  for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
  const int status = pclose(p);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::stringstream err;
  err << std::ifstream(errFile).rdbuf();
  r.err = err.str();
  return r;
}

void Write(const std::string& name, const vkseeds::Bytes& bytes) {
  std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

TEST(Vkdump, ShowPrintsTheCompetitionAsJson) {
  auto w = vkseeds::FullCompetition(false);
  TWettkampfDaten h = w->Header();
  h.SetVenue(Oem("Stadtbad Gießen"));
  w->SetHeader(h);
  Write("vkdump-test.erg", vkseeds::Stored(*w));
  const DumpRun r = Vkdump("show vkdump-test.erg");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["header"]["venue"], "Stadtbad Gießen");
  EXPECT_EQ(j["header"]["kind"], 1);
  EXPECT_EQ(j["header"]["lanesIndex"], 2);
  EXPECT_EQ(j["header"]["options"], 1);
  ASSERT_EQ(j["classes"].size(), 4u);
  const auto& ak = j["classes"][1];
  EXPECT_EQ(ak["name"], "AK 12");
  EXPECT_EQ(ak["firstYear"], 1978);
  EXPECT_EQ(ak["disciplines"][1]["formula"], "V1-T*10-SP*100");
  EXPECT_EQ(ak["disciplines"][1]["v"], nlohmann::json::array({50000, 0, 0, 0, 0}));
  ASSERT_EQ(ak["participants"].size(), 5u);
  const auto& t = ak["participants"][0];
  EXPECT_EQ(t["name"], w->At(1)->At(0)->Name(false));
  EXPECT_EQ(t["vorname"], "");
  EXPECT_EQ(t["zusatz"], w->At(1)->At(0)->Zusatz());
  EXPECT_EQ(t["time"][0], w->At(1)->At(0)->Time(1));
  EXPECT_EQ(t["place"], 1);
  EXPECT_EQ(j["organisations"].size(), 3u);
  EXPECT_EQ(j["organisations"][0]["abk"], "ASB");
  EXPECT_EQ(j["organEntries"], 2);
}

TEST(Vkdump, MessagesGoToStandardErrorAndMissingFilesFail) {
  const auto seeds = vkseeds::SeedCorpus();
  for (const auto& [name, bytes] : seeds)
    if (name == "duplicate-class") Write("vkdump-dup.erg", bytes);
  const DumpRun dup = Vkdump("show vkdump-dup.erg");
  EXPECT_EQ(dup.status, 0);
  EXPECT_EQ(dup.err, "Die Altersklasse AK 12 konnte nicht eingefügt werden (sie existiert bereits).\n");

  const DumpRun missing = Vkdump("show does-not-exist.erg");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("does-not-exist.erg"), std::string::npos);
  EXPECT_EQ(missing.out, "");
}
