// Cost of the dictionary text file operations as the dictionary grows:
// SaveTo (escape, sort, write), LoadFrom (read, split, unescape) and
// TranslateFrom (read, match every line against the dictionary). Each
// iteration works on n entries; the counters give entries per second.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <random>
#include <string>

#include "Tolvane/Tolvane.h"

namespace {

// A private directory for the files the benchmarks write.
const std::string& WorkDir() {
  static const std::string dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "captioneer-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    std::atexit([] { std::filesystem::remove_all(WorkDir()); });
    return pattern;
  }();
  return dir;
}

// n distinct random keys of 8 to 23 letters, each with a translation.
void FillDictionary(Tolvane::TCaptioneer& c, int n) {
  std::mt19937 gen(42);
  c.Captions()->Clear();
  c.Captions()->SetCapacity(n);
  for (int i = 0; i < n; ++i) {
    std::string key;
    for (int len = 8 + static_cast<int>(gen() % 16); len > 0; --len) key += static_cast<char>('a' + gen() % 26);
    c.Captions()->Add(key + std::to_string(i) + "|translation " + std::to_string(i));
  }
}

void BM_SaveTo(benchmark::State& state) {
  Tolvane::TCaptioneer c(nullptr);
  FillDictionary(c, static_cast<int>(state.range(0)));
  const std::string file = WorkDir() + "/save.txt";
  for (auto _ : state) c.SaveTo(file);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadFrom(benchmark::State& state) {
  Tolvane::TCaptioneer c(nullptr);
  FillDictionary(c, static_cast<int>(state.range(0)));
  const std::string file = WorkDir() + "/load.txt";
  c.SaveTo(file);
  for (auto _ : state) benchmark::DoNotOptimize(c.LoadFrom(file));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Every line of the file names a key of the dictionary, so each replaces
// one entry.
void BM_TranslateFrom(benchmark::State& state) {
  Tolvane::TCaptioneer source(nullptr);
  FillDictionary(source, static_cast<int>(state.range(0)));
  const std::string file = WorkDir() + "/translate.txt";
  source.SaveTo(file);
  Tolvane::TCaptioneer c(nullptr);
  for (auto _ : state) {
    state.PauseTiming();
    c.SetCaptions(source.Captions());
    state.ResumeTiming();
    benchmark::DoNotOptimize(c.TranslateFrom(file));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_SaveTo)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFrom)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslateFrom)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);
