// Storing and loading a result file of 100,000 participants in seven age
// classes, against a plain copy of the same bytes, in one run.
//
// BM_Copy reads the stored file and writes it to another in 64 KiB blocks
// (what any program moving these bytes must pay). BM_Store writes the whole
// competition through a file stream and closes it. BM_Load reads it back,
// which evaluates every class; BM_EvaluateClasses is that evaluation alone,
// so that loading can be judged as "copy plus evaluation". The stored
// competition is the one loaded from the file, as a user stores it after
// opening it. Files go to $TMPDIR (default /tmp).
//
// Run from a release build, interleaved, so that the write-back of one
// benchmark's files does not land on the next one:
//   FileBench --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "VkWettk.h"
#include "YrStream.h"

namespace {

constexpr int kParticipants = 100000;
constexpr int kClasses = 7;

const char* const kSurnames[] = {"Mueller", "Schmidt", "Schneider", "Fischer", "Weber", "Meyer", "Wagner",
                                 "Becker",  "Schulz",  "Hoffmann",  "Koch",    "Richter", "Klein", "Wolf"};

std::unique_ptr<TWettkampf> MakeCompetition() {
  auto w = std::make_unique<TWettkampf>();
  std::mt19937 rng(2007);
  std::uniform_int_distribution<int32_t> time(2800, 12000);
  std::uniform_int_distribution<int32_t> cpr(0, 30000);
  for (int c = 0; c < kClasses; ++c) {
    TAltersklasse::Disciplines discs;
    for (int d = 0; d < 6; ++d) {
      discs[d].SetName("Disziplin " + std::to_string(d + 1));
      discs[d].SetKind(kKindQuadraticLinear);
      discs[d].SetV(1, 3000 + 500 * d);
    }
    auto* ak = new TAltersklasse;
    ak->Define("AK " + std::to_string(c + 1), static_cast<uint16_t>(1990 - 2 * c), static_cast<uint16_t>(1991 - 2 * c),
               TAltersklasse::kCprScored, 6, discs);
    const int n = kParticipants / kClasses + (c < kParticipants % kClasses ? 1 : 0);
    for (int i = 0; i < n; ++i) {
      auto* t = new TTeilnehmer;
      t->SetName(true, kSurnames[rng() % std::size(kSurnames)] + std::to_string(i % 500));
      t->SetVorname("Vorname" + std::to_string(i));
      t->SetGliederung("G" + std::to_string(rng() % 200));
      for (int d = 1; d <= 6; ++d) t->SetTime(d, time(rng));
      t->SetCprValue(cpr(rng));
      ak->InsertPlain(t);
    }
    ak->Evaluate();
    w->Insert(ak);
  }
  return w;
}

struct Files {
  Files() {
    const char* tmp = std::getenv("TMPDIR");
    dir = std::string(tmp ? tmp : "/tmp") + "/filebenchXXXXXX";
    if (::mkdtemp(dir.data()) == nullptr) std::abort();
    source = dir + "/source.erg";
    target = dir + "/target.erg";
    {
      TYrStream s(source, stCreate, 2048);
      MakeCompetition()->Store(s);
      if (s.Close() != 0) std::abort();
    }
    // The competition as a user has it after opening the file.
    competition = std::make_unique<TWettkampf>();
    TYrStream s(source, stOpenRead, 2048);
    if (!competition->Load(s)) std::abort();
  }
  ~Files() {
    std::remove(source.c_str());
    std::remove(target.c_str());
    ::rmdir(dir.c_str());
  }
  std::string dir, source, target;
  std::unique_ptr<TWettkampf> competition;
};

Files& Shared() {
  static Files files;
  return files;
}

void BM_Copy(benchmark::State& state) {
  Files& f = Shared();
  std::vector<char> buf(64 * 1024);
  int64_t bytes = 0;
  for (auto _ : state) {
    const int in = ::open(f.source.c_str(), O_RDONLY);
    const int out = ::open(f.target.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ssize_t n;
    while ((n = ::read(in, buf.data(), buf.size())) > 0) {
      if (::write(out, buf.data(), static_cast<size_t>(n)) != n) state.SkipWithError("write failed");
      bytes += n;
    }
    ::close(in);
    ::close(out);
  }
  state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_Copy)->Unit(benchmark::kMillisecond);

void BM_Store(benchmark::State& state) {
  Files& f = Shared();
  for (auto _ : state) {
    TYrStream s(f.target, stCreate, 2048);
    f.competition->Store(s);
    if (s.Close() != 0) state.SkipWithError("store failed");
  }
}
BENCHMARK(BM_Store)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state) {
  Files& f = Shared();
  for (auto _ : state) {
    TWettkampf w;
    TYrStream s(f.source, stOpenRead, 2048);
    if (!w.Load(s) || s.Status != 0) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(w.At(0)->At(0)->Total());
  }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_EvaluateClasses(benchmark::State& state) {
  Files& f = Shared();
  for (auto _ : state) {
    for (int c = 0; c < f.competition->GetCount(); ++c) f.competition->At(c)->Evaluate();
    benchmark::DoNotOptimize(f.competition->At(0)->At(0)->Total());
  }
}
BENCHMARK(BM_EvaluateClasses)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
