// vkdump op FILE OUT OPERATION ARGS...: loads FILE, runs one competition-wide
// operation and stores the competition to OUT.
//
//   qualify COUNT MODE
//   heats STARTHEAT STARTPOSITION OPTIONS
//   cpr HHMM STATION DURATION STARTS BYORGANISATION(0|1)
//   reset ITEMS          comma-separated set elements 1..25
//   strike MODE
//   shift A B
#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "VkWettk.h"
#include "Vkdump.h"

namespace {

// The whole text as a decimal number, or false.
bool Number(std::string_view s, int& v) {
  const char* end = s.data() + s.size();
  auto [ptr, ec] = std::from_chars(s.data(), end, v);
  return !s.empty() && ec == std::errc() && ptr == end;
}

bool Numbers(int argc, char** argv, int first, int n, std::vector<int>& out) {
  if (argc != first + n) return false;
  out.clear();
  for (int i = first; i < argc; ++i) {
    int v = 0;
    if (!Number(argv[i], v)) return false;
    out.push_back(v);
  }
  return true;
}

bool ParseItems(std::string_view s, TYrSet& items) {
  while (true) {
    const size_t comma = s.find(',');
    int v = 0;
    if (!Number(s.substr(0, comma), v) || v < 1 || v > 25) return false;
    items.SetElement(static_cast<uint8_t>(v), true);
    if (comma == std::string_view::npos) return true;
    s.remove_prefix(comma + 1);
  }
}

// Runs the operation named by argv[4]; false on a wrong command line.
bool Run(TWettkampf& w, int argc, char** argv) {
  const std::string op = argv[4];
  std::vector<int> a;
  if (op == "qualify" && Numbers(argc, argv, 5, 2, a)) {
    w.Qualify(a[0], a[1]);
  } else if (op == "heats" && Numbers(argc, argv, 5, 3, a)) {
    w.AssignHeats(a[0], a[1], a[2]);
  } else if (op == "cpr" && Numbers(argc, argv, 5, 5, a) && (a[4] == 0 || a[4] == 1)) {
    w.AssignCprHeats(a[0], a[1], a[2], a[3], a[4] == 1);
  } else if (op == "reset" && argc == 6) {
    TYrSet items;
    if (!ParseItems(argv[5], items)) return false;
    w.ResetResults(items);
  } else if (op == "strike" && Numbers(argc, argv, 5, 1, a)) {
    w.Strike(a[0]);
  } else if (op == "shift" && Numbers(argc, argv, 5, 2, a)) {
    w.ShiftYears(a[0], a[1]);
  } else {
    return false;
  }
  return true;
}

}  // namespace

int CmdOp(int argc, char** argv) {
  if (argc < 5) return Usage();
  TWettkampf w;
  if (!LoadFile(argv[2], w)) return 1;
  if (!Run(w, argc, argv)) return Usage();
  return StoreFile(argv[3], w) ? 0 : 1;
}
