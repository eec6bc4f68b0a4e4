// The table screen's speed on the software renderer, headless, during a game of three
// computer players: the 2D paint of the table with its banner (goal: under 0.5 ms) and the
// whole tick, step and paint with the 3D view (goal: under 4 ms).
#include <benchmark/benchmark.h>

#include <SDL.h>


#include "app/main_form.h"
#include "bench/headless_desktop.h"
#include "game/table_view.h"

namespace {

// A shown window with three computer players in a game that has just started.
struct TPlayingWindow {
  TPlayingWindow() {
    Headless();
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    Form = std::make_unique<TfmMain>(Desktop.Services());
    Form->FormShow();
    for (const char* name : {"A", "B", "C"}) {
      TPlayer player;
      player.FName = name;
      player.FKind = PlayerKindComputer;
      Form->Game->AddPlayer(player);
    }
    Form->Game->StartGame();
    Form->Loop->ScheduleComputerMove();
  }
  ~TPlayingWindow() {
    Form.reset();
    SDL_Quit();
  }
  // Keeps a game going: a new one once someone has won.
  void KeepPlaying() {
    if (!Form->Game->GameOver()) return;
    Form->Game->StartGame();
    Form->Loop->ScheduleComputerMove();
  }

  TDesktop Desktop;
  std::unique_ptr<TfmMain> Form;
};

// Table, dice trays, score table, message panel, buttons and the banner, as the paint draws
// them into the table surface; the game steps between paints, untimed.
void BM_TablePaint2D(benchmark::State& state) {
  TPlayingWindow window;
  TfmMain& form = *window.Form;
  TSurface banner;
  for (auto _ : state) {
    state.PauseTiming();
    window.KeepPlaying();
    form.LocalTableStep();
    state.ResumeTiming();
    TTableView(*form.Game, {form.Sprites, form.DieSprites, form.Letters, form.TableButtons.Show(form.Game->Buttons())})
        .Draw(form.DXDraw, form.DXDraw.FullRect());
    const std::uint32_t now = window.Desktop.Clock.Milliseconds();
    const TImage& picture = form.Reklama->CurrentImage(now);
    if (banner.LoadImage(picture)) form.DXDraw.Draw(22, 387 - picture.Height / 2, banner, false);
    form.Reklama->Tick(now);
  }
}
BENCHMARK(BM_TablePaint2D)->Unit(benchmark::kMicrosecond)->Iterations(3000);

// The window's whole tick: the table step and one paint with the 3D view.
void BM_TableTick(benchmark::State& state) {
  TPlayingWindow window;
  for (auto _ : state) {
    state.PauseTiming();
    window.KeepPlaying();
    state.ResumeTiming();
    window.Form->Tick();
  }
}
BENCHMARK(BM_TableTick)->Unit(benchmark::kMillisecond)->Iterations(2000);

}  // namespace

BENCHMARK_MAIN();
