// vkdump pages FILE REPORT ARGS... [--class N] [--participant N] [--range A B]:
// builds one report of a result file and prints its page document as JSON:
// a list of pages, each {"number", "items"}, the items in drawing order.
//
// REPORT names one entry point of the print job; ARGS are the fields of its
// options record in their order (numbers; Booleans 0 or 1):
//   results        Selection WithAgeClassData WithLegend WithHead
//                  NewPagePerAgeClass WithRecords TwoLines WithFooter
//                  WithStatistics Block5 WithEmptyAgeClasses
//                  SingleDisciplineRanking
//   qualification  Selection WithAgeClassData WithLegend WithHead
//                  NewPagePerAgeClass WithFooter WithOrganisations Block5
//   heats          WithHead WithLegend WithFooter Block5 WithOrganisations
//                  AllDisciplines SeparateDisciplines
//   cpr            WithHead WithLegend WithFooter Block5
//   statistics     Form WithHead WithLegend StatisticsBlock5 WithFooter
//   certificates   Layout Mode WithResult
// The options give the print job's age-class index, participant index and
// marked range (0 when not given). Paper A4, margins 100. Age classes are
// not marked in a result file, so Selection 2 prints none.
#include <charconv>
#include <cstring>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "Druckauftrag.h"
#include "Vkdump.h"
#include "VkWettk.h"

// Fields in the order written, kind first.
using json = nlohmann::ordered_json;

namespace {

struct Report {
  const char* name;
  size_t argCount;
  void (*build)(TDruckauftrag&, const std::vector<int>&);
};

// The numbers of the command line as they stand; a Boolean is any number
// other than 0.
uint16_t U16(int v) { return static_cast<uint16_t>(v); }

void Results(TDruckauftrag& job, const std::vector<int>& a) {
  job.BuildResultList({.selection = U16(a[0]), .withAgeClassData = a[1] != 0, .withLegend = a[2] != 0,
                       .withHead = a[3] != 0, .newPagePerAgeClass = a[4] != 0, .withRecords = a[5] != 0,
                       .twoLines = a[6] != 0, .withFooter = a[7] != 0, .withStatistics = a[8] != 0,
                       .block5 = a[9] != 0, .withEmptyAgeClasses = a[10] != 0,
                       .singleDisciplineRanking = U16(a[11])});
}

void Qualification(TDruckauftrag& job, const std::vector<int>& a) {
  job.BuildQualificationList({.selection = U16(a[0]), .withAgeClassData = a[1] != 0, .withLegend = a[2] != 0,
                              .withHead = a[3] != 0, .newPagePerAgeClass = a[4] != 0, .withFooter = a[5] != 0,
                              .withOrganisations = a[6] != 0, .block5 = a[7] != 0});
}

void Heats(TDruckauftrag& job, const std::vector<int>& a) {
  job.BuildHeatList({.withHead = a[0] != 0, .withLegend = a[1] != 0, .withFooter = a[2] != 0, .block5 = a[3] != 0,
                     .withOrganisations = a[4] != 0, .allDisciplines = a[5] != 0,
                     .separateDisciplines = a[6] != 0});
}

void Cpr(TDruckauftrag& job, const std::vector<int>& a) {
  job.BuildCprStartList({.withHead = a[0] != 0, .withLegend = a[1] != 0, .withFooter = a[2] != 0, .block5 = a[3] != 0});
}

void Statistics(TDruckauftrag& job, const std::vector<int>& a) {
  job.BuildStatistics({.form = U16(a[0]), .withHead = a[1] != 0, .withLegend = a[2] != 0,
                       .statisticsBlock5 = a[3] != 0, .withFooter = a[4] != 0});
}

void Certificates(TDruckauftrag& job, const std::vector<int>& a) {
  job.BuildCertificates({.layout = a[0], .mode = a[1], .withResult = a[2] != 0});
}

const Report kReports[] = {
    {"results", 12, Results}, {"qualification", 8, Qualification}, {"heats", 7, Heats},
    {"cpr", 4, Cpr},          {"statistics", 5, Statistics},        {"certificates", 3, Certificates},
};

json Item(const TYrPrintElement& e) {
  static const char* const kKinds[] = {"bare", "line", "rect", "text"};
  json j{{"kind", e.Kind <= 3 ? kKinds[e.Kind] : "bare"}, {"x1", e.X1}, {"y1", e.Y1}, {"x2", e.X2}, {"y2", e.Y2},
         {"colour", e.Colour}};
  if (const TYrLineElement* l = e.AsLine()) {
    j["penWidth"] = l->PenWidth;
  } else if (const TYrRectElement* r = e.AsRect()) {
    j["penWidth"] = r->PenWidth;
    j["filled"] = r->Filled;
    j["fillColour"] = r->FillColour;
  } else if (const TYrTextElement* t = e.AsText()) {
    j["face"] = t->Face;
    j["style"] = t->Style;
    j["size"] = t->Size;
    j["alignment"] = t->Alignment;
    j["convert"] = t->Convert;
    j["text"] = Utf8(t->Text);
  }
  return j;
}

json Pages(const TYrPrintDoc& doc) {
  json pages = json::array();
  for (int p = 1; p <= doc.PageCount(); ++p) {
    const TYrPrintPage& page = *doc.Page(p);
    json items = json::array();
    for (int i = 0; i < page.GetCount(); ++i) items.push_back(Item(*page.At(i)));
    pages.push_back({{"number", page.PageNo}, {"items", items}});
  }
  return pages;
}

}  // namespace

bool Number(const char* text, int& value) {
  const char* end = text + std::strlen(text);
  const auto [ptr, ec] = std::from_chars(text, end, value);
  return ec == std::errc() && ptr == end && text != end;
}

int BuildReport(int argc, char** argv, TWettkampf& w, std::unique_ptr<TDruckauftrag>& job) {
  if (argc < 2) return Usage();
  const Report* report = nullptr;
  for (const Report& r : kReports)
    if (!std::strcmp(argv[1], r.name)) report = &r;
  if (report == nullptr) return Usage();
  std::vector<int> args;
  int ageClass = 0, participant = 0, from = 0, to = 0;
  for (int i = 2; i < argc; ++i) {
    const char* a = argv[i];
    const bool one = !std::strcmp(a, "--class") || !std::strcmp(a, "--participant");
    if (one && i + 1 < argc && Number(argv[i + 1], !std::strcmp(a, "--class") ? ageClass : participant)) {
      ++i;
    } else if (!std::strcmp(a, "--range") && i + 2 < argc && Number(argv[i + 1], from) && Number(argv[i + 2], to)) {
      i += 2;
    } else if (int v = 0; !one && a[0] != '-' && Number(a, v) && v >= 0 && v <= 65535) {
      args.push_back(v);
    } else {
      return Usage();
    }
  }
  if (args.size() != report->argCount) return Usage();
  if (!LoadFile(argv[0], w)) return 1;
  job = std::make_unique<TDruckauftrag>(w, ageClass, participant, from, to);
  report->build(*job, args);
  return 0;
}

int CmdPages(int argc, char** argv) {
  TWettkampf w;
  std::unique_ptr<TDruckauftrag> job;
  if (const int status = BuildReport(argc - 2, argv + 2, w, job)) return status;
  std::cout << Pages(*job->Report()).dump(2, ' ', false, json::error_handler_t::replace) << '\n';
  return 0;
}
