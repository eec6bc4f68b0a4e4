// thousand-screenshots OUTDIR: the pictures of the README, made by the real window headless with
// a fixed generator, so that a change of the art or the layout shows in them and nothing else does.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "app/main_form.h"
#include "base/cp1251.h"
#include "game/random.h"
#include "platform/clock.h"
#include "platform/file_dialog_ingame.h"
#include "platform/silent_services.h"
#include "tools/assetgen/image_files.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kSeed = 20261210;

// Time moves only with the ticks, so a run does not depend on how fast the machine paints.
class TSteppedClock final : public IClock {
public:
  std::uint32_t Milliseconds() const override { return Now; }
  std::uint32_t Now = 1000;
};

// One shown window on the built data, silent, with its own generator.
class TScene {
public:
  TScene() : Form(std::make_unique<TfmMain>(TDesktopServices{Messages, Sound, Links, Clock, THOUSAND_RUNTIME_DIR})) {
    Form->FormShow();
    Form->CaptureFrames = true;
  }
  bool Loaded() const { return Form->LoadError == 0; }

  void Tick() {
    Clock.Now += TfmMain::TickMs;
    Form->Tick();
  }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) Tick();
  }
  void AddPlayer(const char* utf8Name, std::uint8_t kind) {
    TPlayer player;
    player.FName = Cp1251(utf8Name);
    player.FKind = kind;
    Form->Game->AddPlayer(player);
    Form->Game->UpdateButtons();
  }
  void ClickMenuZone(const TRect& zone) {
    const TPlace middle = MiddleOf(zone);
    Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, middle.X, middle.Y);
  }
  void Type(const char* utf8) {
    for (char c : Cp1251(utf8)) Form->FormKeyPress(static_cast<std::uint8_t>(c));
  }

  TSeededRandom Random{kSeed};
  TRandomScope RandomScope{Random};
  TSilence Sound;
  TNoLinks Links;
  TPrintedMessages Messages;
  TMessageBoxScope MessageScope{Messages};
  TSteppedClock Clock;
  std::unique_ptr<TfmMain> Form;
};

bool WritePng(const fs::path& file, const TImage& image) {
  std::ofstream out(file, std::ios::binary);
  out << EncodePng(image);
  return static_cast<bool>(out);
}

TImage FrameOf(TScene& scene) {
  scene.Tick();
  return scene.Form->LastFrame;
}

TImage MainMenu(TScene& scene) {
  scene.Form->SetScreen(TScreenKind::skMainMenu);
  return FrameOf(scene);
}

TImage Players(TScene& scene) {
  for (const char* name : {"Петя", "Маша", "Коля"}) scene.AddPlayer(name, PlayerKindHuman);
  for (const char* name : {"Робот1", "Робот2", "Робот3"}) scene.AddPlayer(name, PlayerKindComputer);
  scene.Form->SetScreen(TScreenKind::skPlayers);
  TPlayersScreen& screen = scene.Form->Screens->Players;
  screen.NewPlayerKind = PlayerKindComputer;
  screen.SelectedPlayer = 2;
  return FrameOf(scene);
}

TImage Options(TScene& scene) {
  scene.Form->SetScreen(TScreenKind::skOptions);
  return FrameOf(scene);
}

TImage Network(TScene& scene) {
  scene.Form->SetScreen(TScreenKind::skNetwork);
  TNetworkScreen& screen = scene.Form->Screens->Network;
  screen.LocalAddress = "192.168.1.20";
  scene.ClickMenuZone(TNetworkZones::AddressField);
  scene.Type("192.168.1.10");
  screen.CaretPhase = 4;
  return FrameOf(scene);
}

// The drawn load dialog over a folder of saved games, on its own.
TImage FileDialog(TScene& scene) {
  const fs::path folder = fs::temp_directory_path() / ("thousand-screenshots-" + std::to_string(getpid()));
  fs::create_directories(folder);
  for (int i = 0; i < 12; ++i) std::ofstream(folder / ("g" + std::to_string(10 + i) + ".sav")) << "x";
  TInGameFileDialog dialog(scene.Form->Window(), scene.Form->Sprites, scene.Form->Letters);
  dialog.Open({false, "Чтение игры", "Файлы записи", "sav", folder.string()});
  TSurface frame;
  frame.SetSize(TInGameFileDialog::Width, TInGameFileDialog::Height);
  dialog.Draw(frame);
  fs::remove_all(folder);
  TImage image{frame.Width(), frame.Height(), {}};
  image.Pixels.resize(static_cast<std::size_t>(frame.Width()) * frame.Height());
  frame.ReadPixels(image.Pixels.data());
  return image;
}

// Two computers and a person who throws on until 150 points or two free dice. Gives the
// table in the middle of the person's turn (dice kept, the choice at hand) and at the win.
struct TGamePictures {
  TImage Play;
  TImage Win;
};

bool PersonMayAct(const TGame& game, const TGameLoop& loop) {
  const TPlayer* player = game.CurrentPlayer();
  return !game.GameOver() && player && player->FKind == PlayerKindHuman && !game.DiceMoving() &&
         !game.ThrowPending() && game.PassDelay() == 0 && loop.AutoPressDelay() == 0 && game.MessagePhase() == 0 &&
         game.Buttons()[TTableButtons::Do].State() == TButtonState::Normal;
}

TGamePictures WholeGame(TScene& scene) {
  scene.AddPlayer("Робот А", PlayerKindComputer);
  scene.AddPlayer("Вы", PlayerKindHuman);
  scene.AddPlayer("Робот Б", PlayerKindComputer);
  TfmMain& form = *scene.Form;
  const TGame& game = *form.Game;
  TGamePictures pictures;
  const auto step = [&] {
    scene.Clock.Now += TfmMain::TickMs;
    form.DXTimerTimer();
  };
  // A pressed button acts when its pressed look has been shown.
  if (!form.Loop->PressButton(TTableButtons::Start)) return pictures;
  for (int tick = 0; tick < 100 && game.GameOver(); ++tick) step();
  for (int tick = 0; tick < 200000 && !game.GameOver(); ++tick) {
    if (PersonMayAct(game, *form.Loop)) {
      if (pictures.Play.Pixels.empty() && game.AnyKept() && game.TurnScore() > 0) pictures.Play = FrameOf(scene);
      const bool record = game.Buttons()[TTableButtons::Cancel].State() == TButtonState::Normal &&
                          (game.TurnScore() >= 150 || game.FreeDiceCount() <= 2);
      form.Loop->PressButton(record ? TTableButtons::Cancel : TTableButtons::Do);
    }
    step();
  }
  scene.Ticks(400);  // the scores finish counting
  pictures.Win = FrameOf(scene);
  return pictures;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: thousand-screenshots OUTDIR\n");
    return 2;
  }
  const fs::path out = argv[1];
  std::error_code error;
  fs::create_directories(out, error);
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "thousand-screenshots: %s\n", SDL_GetError());
    return 1;
  }
  int failures = 0;
  const auto save = [&](const char* name, const TImage& image) {
    if (image.Pixels.empty() || !WritePng(out / name, image)) {
      std::fprintf(stderr, "thousand-screenshots: %s not made\n", name);
      ++failures;
    }
  };
  const auto shoot = [&](const char* name, const std::function<TImage(TScene&)>& make) {
    TScene scene;
    save(name, scene.Loaded() ? make(scene) : TImage{});
  };
  shoot("menu-main.png", MainMenu);
  shoot("menu-players.png", Players);
  shoot("menu-options.png", Options);
  shoot("menu-network.png", Network);
  shoot("menu-file-dialog.png", FileDialog);
  {
    TScene scene;
    const TGamePictures game = scene.Loaded() ? WholeGame(scene) : TGamePictures{};
    save("table-play.png", game.Play);
    save("table-win.png", game.Win);
  }
  SDL_Quit();
  return failures == 0 ? 0 : 1;
}
