// What the strong computer costs: its race model, built once per rule set, and the plan of a
// turn, made once per turn inside one table tick (15 ms).
#include <benchmark/benchmark.h>

#include "game/options.h"
#include "game/strong_player.h"
#include "game/strong_player_own.h"

namespace {

TGameOptions RulesNamed(int index) {
  TGameOptions rules;
  if (index == 1) {  // strict.st
    rules.ISBOLTSINHOLES = rules.ISBOLTSBEFOREENTER = rules.ISBOLTSONBARREL = true;
    rules.BARRELSDOWNSCORE = 150;
    rules.ENTERSCORE = 75;
    rules.OVERTAKINGSCORE = 100;
  } else if (index == 2) {  // open_barrel.st
    rules.BARRELSTYPE = 2;
    rules.ISONLYONEONBARREL = false;
  }
  return rules;
}

// rules: 0 classic.st, 1 strict.st, 2 open_barrel.st.
void BM_RaceModel(benchmark::State& state) {
  const TGameOptions rules = RulesNamed(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(TRaceModel(rules));
}
BENCHMARK(BM_RaceModel)->Arg(0)->Arg(1)->Arg(2)->ArgName("rules")->Unit(benchmark::kMillisecond);

// Level 2's own play solved and its race built against `others` players: the game start's
// second one-off cost (the ladder's chain it starts from is kept from the first).
void BM_OwnRaceModel(benchmark::State& state) {
  const TGameOptions rules = RulesNamed(static_cast<int>(state.range(0)));
  const int others = static_cast<int>(state.range(1));
  for (auto _ : state) {
    const TRacingPlay play(rules, OthersPace(rules, others));
    benchmark::DoNotOptimize(TRaceModel(rules, [&play](const TRaceState& s) { return play.TurnEnds(s); }));
  }
  state.counters["discount"] = OthersPace(rules, others);
}
BENCHMARK(BM_OwnRaceModel)
    ->ArgsProduct({{0, 1, 2}, {1, 3}})
    ->ArgNames({"rules", "others"})
    ->Unit(benchmark::kMillisecond);

void BM_RacingPlay(benchmark::State& state) {
  const TGameOptions rules = RulesNamed(static_cast<int>(state.range(0)));
  const double discount = OthersPace(rules, static_cast<int>(state.range(1)));
  for (auto _ : state) benchmark::DoNotOptimize(TRacingPlay(rules, discount));
}
BENCHMARK(BM_RacingPlay)
    ->ArgsProduct({{0, 1, 2}, {1, 3}})
    ->ArgNames({"rules", "others"})
    ->Unit(benchmark::kMillisecond);

// A fresh plan every time: the others' totals change from one decision to the next.
void BM_TurnPlan(benchmark::State& state) {
  const TGameOptions rules = RulesNamed(static_cast<int>(state.range(0)));
  TStrongPosition position{.Self = {.Total = 400, .Entered = true},
                           .OtherCount = 3,
                           .TurnScore = 60,
                           .FreeDice = 2,
                           .AnyKept = true,
                           .MaxTurn = 10000};
  if (rules.BARRELSTYPE == 2) position.MaxTurn = 1000 - position.Self.Total;
  int step = 0;
  for (auto _ : state) {
    for (int i = 0; i < position.OtherCount; ++i)
      position.Others[i] = {.Total = 300 + 100 * i + 5 * (step % 40), .Entered = true};
    ++step;
    benchmark::DoNotOptimize(StrongWantsThrow(rules, position));
  }
}
BENCHMARK(BM_TurnPlan)->Arg(0)->Arg(1)->Arg(2)->ArgName("rules")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
