// vkdump pages FILE REPORT ARGS... [--class N] [--participant N] [--range A B]:
// builds one report of a result file and prints its page document as JSON:
// a list of pages, each {"number", "items"}, the items in drawing order.
//
// ARGS are the parameters of the print job's entry point of REPORT, in its
// order (numbers; Booleans 0 or 1):
//   results     Selection WithAgeClassData WithLegend WithHead NewPagePerAgeClass
//               WithRecords TwoLines WithFooter WithStatistics Block5
//               WithEmptyAgeClasses SingleDisciplineRanking
//   statistics  Form WithHead WithLegend StatisticsBlock5 WithFooter
// The options give the print job's age-class index, participant index and
// marked range (0 when not given). Paper A4, margins 100. Age classes are
// not marked in a result file, so Selection 2 prints none.
#include <charconv>
#include <cstring>
#include <functional>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "VkDruck.h"
#include "Vkdump.h"
#include "VkWettk.h"

// Fields in the order written, kind first.
using json = nlohmann::ordered_json;

namespace {

// Where the user stands in the competition, as the print job holds it.
struct Position {
  int ageClass = 0;
  int participant = 0;
  int from = 0;
  int to = 0;
};

struct Report {
  const char* name;
  size_t argCount;
  std::function<std::unique_ptr<TAusdruck>(TWettkampf&, const std::vector<int>&, const Position&)> build;
};

std::unique_ptr<TAusdruck> Results(TWettkampf& w, const std::vector<int>& a, const Position& at) {
  auto r = std::make_unique<TAusdruck>("Vk - Ausdruck des Ergebnisses", TPageSize{}, TMargins{}, w);
  r->Kind = TAusdruckArt::Results;
  r->Selection = static_cast<uint16_t>(a[0]);
  r->WithAgeClassData = a[1], r->WithLegend = a[2], r->WithHead = a[3], r->NewPagePerAgeClass = a[4];
  r->WithRecords = a[5], r->TwoLines = a[6], r->WithFooter = a[7];
  r->Block5 = a[9], r->WithEmptyAgeClasses = a[10];
  r->SingleDisciplineRanking = static_cast<uint16_t>(a[11]);
  r->BuildResults(at.ageClass, a[8] != 0);
  return r;
}

std::unique_ptr<TAusdruck> Statistics(TWettkampf& w, const std::vector<int>& a, const Position&) {
  auto r = std::make_unique<TAusdruck>("Vk - Ausdruck der Statistik", TPageSize{}, TMargins{}, w);
  r->Kind = TAusdruckArt::Statistics;
  r->WithHead = a[1], r->WithLegend = a[2], r->StatisticsBlock5 = a[3], r->WithFooter = a[4];
  r->AddStatistics(a[0]);
  return r;
}

const Report kReports[] = {
    {"results", 12, Results},
    {"statistics", 5, Statistics},
};

bool Number(const char* text, int& value) {
  const char* end = text + std::strlen(text);
  const auto [ptr, ec] = std::from_chars(text, end, value);
  return ec == std::errc() && ptr == end && text != end;
}

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

int CmdPages(int argc, char** argv) {
  if (argc < 4) return Usage();
  const Report* report = nullptr;
  for (const Report& r : kReports)
    if (!std::strcmp(argv[3], r.name)) report = &r;
  if (report == nullptr) return Usage();
  std::vector<int> args;
  Position at;
  for (int i = 4; i < argc; ++i) {
    const char* a = argv[i];
    const bool one = !std::strcmp(a, "--class") || !std::strcmp(a, "--participant");
    if (one && i + 1 < argc && Number(argv[i + 1], !std::strcmp(a, "--class") ? at.ageClass : at.participant)) {
      ++i;
    } else if (!std::strcmp(a, "--range") && i + 2 < argc && Number(argv[i + 1], at.from) &&
               Number(argv[i + 2], at.to)) {
      i += 2;
    } else if (int v = 0; !one && a[0] != '-' && Number(a, v) && v >= 0 && v <= 65535) {
      args.push_back(v);
    } else {
      return Usage();
    }
  }
  if (args.size() != report->argCount) return Usage();
  TWettkampf w;
  if (!LoadFile(argv[2], w)) return 1;
  const std::unique_ptr<TAusdruck> doc = report->build(w, args, at);
  std::cout << Pages(*doc).dump(2, ' ', false, json::error_handler_t::replace) << '\n';
  return 0;
}
