// The rules lab's speed, each throw settled at once (goal: at least 5,000 complete 4-player
// level-0 games per second on one core) and stepped as the table rolls it (1,000), the same
// with one level-2 seat (its plans), and one throw from StartThrow to SettleThrow.
#include <benchmark/benchmark.h>

#include "game/game.h"
#include "game/random.h"
#include "game/simulation.h"

namespace {

void BM_SimulateFourPlayerGames(benchmark::State& state) {
  TSimulationSettings settings;
  settings.Games = static_cast<int>(state.range(0));
  settings.Players = 4;
  settings.Stepped = state.range(1) != 0;
  settings.Levels = {static_cast<int>(state.range(2))};
  long games = 0;
  for (auto _ : state) {
    ++settings.Seed;
    const TSimulationReport report = Simulate(settings);
    benchmark::DoNotOptimize(report.TurnsPerGame.data());
    games += report.Games;
  }
  state.counters["games_per_second"] = benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SimulateFourPlayerGames)
    ->ArgNames({"games", "stepped", "first_level"})
    ->Args({50, 0, 0})
    ->Args({50, 1, 0})
    ->Args({50, 0, 2})
    ->Unit(benchmark::kMillisecond);

void BM_OneThrowOfFiveDice(benchmark::State& state) {
  TSeededRandom random(1);
  TRandomScope scope(random);
  TGame game;
  game.ResetDice(false);
  for (auto _ : state) {
    game.StartThrow();
    while (game.DiceMoving()) {
      game.TakeLandingEvent();
      game.StepDice();
      game.StepDice();
    }
    benchmark::DoNotOptimize(game.SettleThrow());
    game.ResetDice(false);
  }
}
BENCHMARK(BM_OneThrowOfFiveDice)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
