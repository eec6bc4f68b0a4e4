// The window's speed on the software renderer, headless: start-up to the first presented
// table frame (goal: under 400 ms) and one tick, step and paint, with five dice in the air
// (goal: under 4 ms).
#include <benchmark/benchmark.h>

#include <SDL.h>


#include "app/main_form.h"
#include "bench/headless_desktop.h"

namespace {

// SDL's start, the window, the loading window with its four steps, the first tick and paint.
void BM_StartUpToFirstFrame(benchmark::State& state) {
  Headless();
  TDesktop desktop;
  TLoadTimes steps;
  for (auto _ : state) {
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    {
      TfmMain form(desktop.Services());
      form.FormShow();
      form.Tick();
      if (form.LoadError != 0 || form.Paints() != 1) state.SkipWithError("start-up failed");
      steps = form.LoadTimes;
    }
    SDL_Quit();
  }
  state.counters["graph_ms"] = steps.Graphics;
  state.counters["font_ms"] = steps.Fonts;
  state.counters["sprites_ms"] = steps.DieSprites;
  state.counters["banners_ms"] = steps.Banners;
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(5);

// Every tick steps the throw twice and paints table and 3D view; a new throw of all five
// dice starts whenever the last one came to rest.
void BM_TickWithFiveDiceInTheAir(benchmark::State& state) {
  Headless();
  SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
  {
    TDesktop desktop;
    TfmMain form(desktop.Services());
    form.FormShow();
    for (auto _ : state) {
      state.PauseTiming();
      if (!form.Game->DiceMoving()) {
        form.Game->ResetDice(false);
        form.Game->StartThrow();
      }
      state.ResumeTiming();
      form.Tick();
    }
  }
  SDL_Quit();
}
BENCHMARK(BM_TickWithFiveDiceInTheAir)->Unit(benchmark::kMillisecond)->Iterations(1000);

}  // namespace

BENCHMARK_MAIN();
