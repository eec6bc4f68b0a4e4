// One machine of the two-process network test: the program's own window, session and game,
// run headless and driven by a fixed part instead of a person (presses and typed characters
// go to the same handlers the desktop's events reach). Built only with the tests.
//   netplay_machine host <folder>          hosts on a free port and writes it to <folder>/port
//   netplay_machine join <port> <folder>   joins the host at 127.0.0.1:<port>
// Each adds one human player by typing and plays that player's turns with the table buttons;
// once four turns have passed it writes what it shows: <folder>/<role>.state (the state text
// and every score) and <folder>/<role>.png (the score table's rows).
#include <SDL.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "base/cp1251.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "tests/app/table_presses.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/zone_clicks.h"
#include "tools/assetgen/image_files.h"

namespace {

constexpr int kTurnsToPlay = 4;
// Every wait is bounded; at this many ticks the machine gives up.
constexpr int kTickLimit = 20000;

// A message box of the program would wait for a person: report on stderr instead.
class TLoggedMessages final : public IMessageBox {
public:
  void Show(const std::string& text) override {
    std::fprintf(stderr, "message: %s\n", Utf8(text).c_str());
    ++Shown;
  }
  int Shown = 0;
};

class TMachine {
public:
  TMachine(TTcpSessionSettings network, std::string folder, std::string role)
      : FScope(FMessages), FFolder(std::move(folder)), FRole(std::move(role)),
        FForm(TDesktopServices{FMessages, FSound, FLinks, FClock, THOUSAND_RUNTIME_DIR, std::move(network)}) {}

  TfmMain& Form() { return FForm; }

  bool Start() {
    FForm.FormShow();
    FForm.CaptureFrames = true;
    return FForm.LoadError == 0 && FMessages.Shown == 0;
  }

  // Ticks as the program would (events, the session, the step), painting now and then: the
  // game's steps do not depend on the paint.
  bool TickUntil(const std::function<bool()>& done) {
    for (; FTicks < kTickLimit && !FForm.Closed(); ++FTicks) {
      if (done()) return true;
      FForm.ProcessEvents();
      SDL_Delay(1);
      if (FTicks % 10 == 0) {
        FForm.Tick();
      } else {
        FForm.Session->Poll();
        FForm.DXTimerTimer();
      }
    }
    std::fprintf(stderr, "%s: gave up waiting\n", FRole.c_str());
    return false;
  }

  bool Ticks(int count) {
    const int until = FTicks + count;
    return TickUntil([&] { return FTicks >= until; });
  }

  bool ClickMenu(const char* name) {
    TSefraDXButton* button = FForm.MenuButtons->FindButton(name);
    if (button == nullptr) return false;
    const TSize size = button->GetImageSize();
    FForm.DXDrawMenuMouseDown(TMouseButton::mbLeft, button->Left() + size.Width / 2, button->Top() + size.Height / 2);
    return Ticks(TSefraDXButton::PressedLookTicks + 1);
  }

  void Type(const std::string& utf8) {
    for (char c : Cp1251(utf8)) FForm.FormKeyPress(static_cast<std::uint8_t>(c));
  }

  // On the players screen: the name typed into its field, then Enter.
  bool AddPlayer(const std::string& utf8) {
    FForm.SetScreen(TScreenKind::skMainMenu);
    if (!ClickMenu("BT_PLAYERS")) return false;
    ClickZone(FForm, TPlayersZones::NameField);
    while (!FForm.Screens->Players.NewPlayerName.empty()) FForm.FormKeyPress(8);
    Type(utf8);
    FForm.FormKeyPress(13);
    if (!Ticks(TSefraDXButton::PressedLookTicks + 2) || !ClickMenu("BT_OK")) return false;
    return ClickMenu("BT_OK") && FForm.CurrentScreen() == TScreenKind::skTable;
  }

  bool OpenNetworkScreen() {
    FForm.SetScreen(TScreenKind::skMainMenu);
    return ClickMenu("BT_NET") && FForm.CurrentScreen() == TScreenKind::skNetwork;
  }

  // Plays this machine's player until the turn has passed four times, then waits for rest.
  bool PlayTurns() {
    int passed = 0;
    int current = FForm.Game->CurrentPlayerIndex();
    return TickUntil([&] {
      if (FForm.Game->CurrentPlayerIndex() != current) {
        current = FForm.Game->CurrentPlayerIndex();
        ++passed;
      }
      if (!GameAtRest(FForm)) return false;
      if (passed >= kTurnsToPlay) return true;
      PressForLocalPlayer(FForm);
      return false;
    });
  }

  bool WriteWhatItShows() {
    FForm.Tick();
    const TGame& game = *FForm.Game;
    std::ofstream state(FFolder + "/" + FRole + ".state", std::ios::binary);
    state << game.StateToString() << '\n';
    for (int i = 0; i < game.Players().Count(); ++i)
      state << Utf8(game.Players().Player(i).FName) << ' ' << game.Players().Player(i).Total() << '\n';
    std::ofstream(FFolder + "/" + FRole + ".png", std::ios::binary) << EncodePng(ScoreRows(FForm.LastFrame));
    return state.good();
  }

private:
  TLoggedMessages FMessages;
  TMessageBoxScope FScope;
  TFakeSound FSound;
  TFakeLinkOpener FLinks;
  TSdlClock FClock;
  std::string FFolder;
  std::string FRole;
  TfmMain FForm;
  int FTicks = 0;
};

bool RunHost(const std::string& folder) {
  TTcpSessionSettings network;
  network.Port = 0;
  TMachine machine(network, folder, "host");
  TfmMain& form = machine.Form();
  if (!machine.Start() || !machine.AddPlayer("Аня") || !machine.OpenNetworkScreen()) return false;
  if (!machine.ClickMenu("BT_SERVER") || !form.Game->NetGame()) return false;
  {
    const std::string port = folder + "/port";
    std::ofstream(port + ".part") << dynamic_cast<const TTcpSession&>(*form.Session).HostPort() << '\n';
    std::filesystem::rename(port + ".part", port);
  }
  if (!machine.ClickMenu("BT_OK")) return false;
  // The joiner's player arrives, then the game starts.
  if (!machine.TickUntil([&] { return form.Game->Players().Count() == 2; })) return false;
  if (!PressTableButton(form, "BT_START") || !machine.Ticks(TSefraDXButton::PressedLookTicks + 1)) return false;
  if (!machine.PlayTurns() || !machine.WriteWhatItShows()) return false;
  // Stays until the joiner has written what it shows: leaving sooner, the host would show up
  // there as gone, its player played by the computer.
  return machine.TickUntil([&] { return std::filesystem::exists(folder + "/joiner.state"); });
}

bool RunJoiner(std::uint16_t port, const std::string& folder) {
  TTcpSessionSettings network;
  network.Port = port;
  TMachine machine(network, folder, "joiner");
  TfmMain& form = machine.Form();
  if (!machine.Start() || !machine.OpenNetworkScreen()) return false;
  ClickZone(form, TNetworkZones::AddressField);
  machine.Type("127.0.0.1");
  if (!machine.ClickMenu("BT_CLIENT")) return false;
  if (!machine.TickUntil([&] { return !form.Screens->Network.Connecting(); }) || !form.Game->NetGame()) return false;
  if (!machine.TickUntil([&] { return form.Game->Players().Count() == 1; })) return false;
  if (!machine.AddPlayer("Боря")) return false;
  if (!machine.TickUntil([&] { return !form.Game->GameOver(); })) return false;
  if (!machine.PlayTurns() || !machine.WriteWhatItShows()) return false;
  // Stays until the host has shown its table too, for the same reason as the host waits.
  return machine.TickUntil([&] { return std::filesystem::exists(folder + "/host.state"); });
}

}  // namespace

int main(int argc, char** argv) {
  const std::string role = argc > 1 ? argv[1] : "";
  const bool host = role == "host" && argc == 3;
  const bool joiner = role == "join" && argc == 4;
  if (!host && !joiner) {
    std::fprintf(stderr, "usage: netplay_machine host <folder> | join <port> <folder>\n");
    return 2;
  }
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "netplay_machine: %s\n", SDL_GetError());
    return 1;
  }
  // Kept with SDL to the end, as in the window tests: with its last GL window SDL would
  // unload the GL driver, whose own never-freed allocations the sanitizer build's leak
  // checker could then no longer tell from ours.
  if (SDL_CreateWindow("keeper", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN) == nullptr) {
    std::fprintf(stderr, "netplay_machine: %s\n", SDL_GetError());
    return 1;
  }
  const bool done = host ? RunHost(argv[2]) : RunJoiner(static_cast<std::uint16_t>(std::stoi(argv[2])), argv[3]);
  return done ? 0 : 1;
}
