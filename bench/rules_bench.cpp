// Speed of the rules code the game runs every throw and every load: scoring a throw and
// the packed rules form.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "game/options.h"
#include "game/scoring.h"

namespace {

// Every five-dice throw, so no branch pattern repeats in a way a real game would not.
std::vector<std::array<int, 5>> AllFiveDiceThrows() {
  std::vector<std::array<int, 5>> throws;
  for (int code = 0; code < 6 * 6 * 6 * 6 * 6; ++code) {
    std::array<int, 5> faces;
    for (int die = 0, rest = code; die < 5; ++die, rest /= 6) faces[die] = rest % 6 + 1;
    throws.push_back(faces);
  }
  return throws;
}

void BM_ScoreFiveDice(benchmark::State& state) {
  const auto throws = AllFiveDiceThrows();
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ScoreFaces(throws[next]));
    if (++next == throws.size()) next = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ScoreFiveDice);

void BM_OptionsPackedRoundTrip(benchmark::State& state) {
  TGameOptions options;
  options.BARRELSSCORE = 905;
  for (auto _ : state) {
    const std::string packed = OptionsToString(options);
    options = OptionsFromString(packed);
    benchmark::DoNotOptimize(options);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OptionsPackedRoundTrip);

}  // namespace

BENCHMARK_MAIN();
