// Evaluation of the largest age class a collection can hold: 16379
// participants, six disciplines of the quadratic-linear kind and a scored CPR.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "VkAltersk.h"

namespace {

constexpr int kParticipants = 16379;

std::unique_ptr<TAltersklasse> MakeClass() {
  TAltersklasse::Disciplines discs;
  for (int d = 0; d < 6; ++d) {
    discs[d].SetName("Disziplin " + std::to_string(d + 1));
    discs[d].SetKind(kKindQuadraticLinear);
    discs[d].SetV(1, 3000 + 500 * d);
  }
  auto ak = std::make_unique<TAltersklasse>();
  ak->Define("AK offen", 1990, 2005, TAltersklasse::kCprScored, 6, discs);
  ak->SetLimit(kParticipants);

  std::mt19937 rng(4711);
  std::uniform_int_distribution<int32_t> time(2800, 12000);
  std::uniform_int_distribution<int32_t> cpr(0, 30000);
  std::uniform_int_distribution<int> club(0, 199);
  for (int i = 0; i < kParticipants; ++i) {
    auto* t = new TTeilnehmer;
    t->SetName(true, "Teilnehmer" + std::to_string(i % 5000));
    t->SetVorname("Vorname");
    t->SetGliederung("G" + std::to_string(club(rng)));
    for (int d = 1; d <= 6; ++d) t->SetTime(d, time(rng));
    t->SetCprValue(cpr(rng));
    if (i % 97 == 0) t->SetFlag(TTeilnehmer::kAusserKonkurrenz, true);
    ak->InsertPlain(t);
  }
  ak->Evaluate();
  return ak;
}

// The everyday case: one result changes and the class is evaluated again.
void BM_EvaluateAfterOneChange(benchmark::State& state) {
  auto ak = MakeClass();
  std::mt19937 rng(42);
  std::uniform_int_distribution<int> who(0, kParticipants - 1);
  std::uniform_int_distribution<int32_t> time(2800, 12000);
  for (auto _ : state) {
    ak->At(who(rng))->SetTime(1 + who(rng) % 6, time(rng));
    ak->Evaluate();
    benchmark::DoNotOptimize(ak->At(0)->Total());
  }
}
BENCHMARK(BM_EvaluateAfterOneChange)->Unit(benchmark::kMillisecond);

// Every result new: all times of all participants change before evaluating.
void BM_EvaluateAllChanged(benchmark::State& state) {
  auto ak = MakeClass();
  std::mt19937 rng(7);
  std::uniform_int_distribution<int32_t> time(2800, 12000);
  for (auto _ : state) {
    state.PauseTiming();
    for (int i = 0; i < kParticipants; ++i)
      for (int d = 1; d <= 6; ++d) ak->At(i)->SetTime(d, time(rng));
    state.ResumeTiming();
    ak->Evaluate();
    benchmark::DoNotOptimize(ak->At(0)->Total());
  }
}
BENCHMARK(BM_EvaluateAllChanged)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
