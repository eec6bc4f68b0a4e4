// The window's speed on the software renderer, headless: start-up to the first presented
// table frame (goal: under 400 ms) and one tick, step and paint, with five dice in the air
// (goal: under 4 ms).
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>

#include "app/main_form.h"
#include "platform/clock.h"
#include "platform/link_opener.h"
#include "platform/message_box.h"
#include "platform/sound.h"

namespace {

class TSilence final : public ISound {
public:
  void Play(int) override {}
};
class TNoLinks final : public ILinkOpener {
public:
  void Open(const std::string&) override {}
};
class TPrintedMessages final : public IMessageBox {
public:
  void Show(const std::string& text) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
};

struct TDesktop {
  TSilence Sound;
  TNoLinks Links;
  TPrintedMessages Messages;
  TMessageBoxScope Scope{Messages};
  TSdlClock Clock;
  TDesktopServices Services() { return {Messages, Sound, Links, Clock, THOUSAND_RUNTIME_DIR}; }
};

void Headless() {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
}

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
