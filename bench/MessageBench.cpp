// A participant import of 100,000 lines of which none fits a class of the
// competition, so the core reports every one ("... konnte nicht eingefügt
// werden."), once with the messages going nowhere and once through the
// window program's collection: ReportError inside one CommandScope, as a
// menu command runs, on a desktop that shows its boxes to nobody.
//
// BM_ImportMessagesDropped is the import alone; BM_ImportMessagesCollected
// adds the collection of the distinct texts and the box at the end (the
// first hundred texts and "... und N weitere Meldungen."). The collection
// should cost less than the import itself: the second within twice the
// first. The list is written to $TMPDIR (default /tmp).
//
// Run from a release build:
//   MessageBench --benchmark_repetitions=5
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "Desktop.h"
#include "VkLoadSave.h"
#include "VkWMisc.h"
#include "VkWettk.h"
#include "YrHooks.h"

namespace {

constexpr int kLines = 100000;

// Counts what it would have shown.
class SilentDesktop : public RealDesktop {
 public:
  void ShowLongText(const QString&, const QString& text) override { longText = text; }
  int boxes = 0;
  QString longText;

 protected:
  int ShowMessageBox(MsgKind, const QString&, const QString&, MsgButtons) override {
    ++boxes;
    return mrOk;
  }
};

struct List {
  List() {
    const char* tmp = std::getenv("TMPDIR");
    path = std::string(tmp ? tmp : "/tmp") + "/messagebench-" + std::to_string(::getpid()) + ".csv";
    std::ofstream out(path, std::ios::binary);
    out << "Kopf\r\n";
    for (int i = 0; i < kLines; ++i) out << ";AK 99;m;Schwimmer" << i << ";Max;1995;DLRG;1:05,4;;0\r\n";
  }
  ~List() { std::remove(path.c_str()); }
  std::string path;
};

const List& Shared() {
  static List list;
  return list;
}

// One class the lines do not name.
void Import(benchmark::State& state) {
  TWettkampf w;
  auto* ak = new TAltersklasse;
  ak->SetName("AK 12");
  w.Insert(ak);
  LoadCompetition(Shared().path, w, FormatCode::Text);
  if (w.ParticipantCount() != 0) state.SkipWithError("a line was imported");
}

void BM_ImportMessagesDropped(benchmark::State& state) {
  ErrorMsgProc = NoErrorMsg;
  for (auto _ : state) Import(state);
}
BENCHMARK(BM_ImportMessagesDropped)->Unit(benchmark::kMillisecond);

void BM_ImportMessagesCollected(benchmark::State& state) {
  SilentDesktop desktop;
  Desktop* previous = SetDesktop(&desktop);
  ErrorMsgProc = ReportError;
  for (auto _ : state) {
    CommandScope command;
    Import(state);
  }
  ErrorMsgProc = NoErrorMsg;
  SetDesktop(previous);
  if (!desktop.longText.endsWith(QStringLiteral("… und %1 weitere Meldungen.").arg(kLines - 110)))
    state.SkipWithError("not every message was collected");
  state.counters["boxes per run"] = double(desktop.boxes) / double(state.iterations());
  state.counters["characters in the last box"] = double(desktop.longText.size());
}
BENCHMARK(BM_ImportMessagesCollected)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
