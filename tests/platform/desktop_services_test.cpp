#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "assets/embedded.h"
#include "base/cp1251.h"
#include "platform/executable_folder.h"
#include "platform/link_opener.h"
#include "platform/sound.h"
#include "platform/window_events.h"
#include "tests/support/scratch_dir.h"

namespace {

struct TLinkCase {
  const char* Link;
  const char* Expected;
};

TEST(ResolveLink, SchemesStayAndBareNamesLieBesideTheExecutable) {
  const std::vector<TLinkCase> cases{
      {"http://example.org/rules", "http://example.org/rules"},
      {"https://example.org/a?b=c", "https://example.org/a?b=c"},
      {"mailto:author@example.org", "mailto:author@example.org"},
      {"rules.html", "/opt/thousand/rules.html"},
      {"docs/rules.html", "/opt/thousand/docs/rules.html"},
      {"./rules.html", "/opt/thousand/rules.html"},
      {"C:rules.html", "/opt/thousand/C:rules.html"},
      {"www.example.org", "/opt/thousand/www.example.org"},
      {"", ""},
  };
  for (const TLinkCase& c : cases) EXPECT_EQ(ResolveLink(c.Link, "/opt/thousand"), c.Expected) << c.Link;
  EXPECT_EQ(ResolveLink(Cp1251("правила.html"), "/opt/thousand"), "/opt/thousand/правила.html");
}

TEST(ExecutableFolder, IsTheFolderOfTheTestProgram) {
  EXPECT_EQ(ExecutableFolder(), std::string(THOUSAND_RUNTIME_DIR));
}

TEST(GameDataFolder, IsBesideTheExecutableInABuildAndTheSharedFolderWhenInstalled) {
  TScratchDir root;
  const std::filesystem::path games = root.Path() / "usr/games";
  const std::filesystem::path shared = root.Path() / "usr/share/games/thousand";
  std::filesystem::create_directories(games);
  std::filesystem::create_directories(shared);
  EXPECT_EQ(GameDataFolder(games.string()), games.string()) << "no data anywhere: the missing data is reported there";
  std::ofstream(shared / "graph.col") << "x";
  EXPECT_EQ(GameDataFolder(games.string()), shared.string());
  std::ofstream(games / "graph.col") << "x";
  EXPECT_EQ(GameDataFolder(games.string()), games.string()) << "a portable copy wins";
  EXPECT_EQ(GameDataFolder(THOUSAND_RUNTIME_DIR), std::string(THOUSAND_RUNTIME_DIR));
}

TEST(TypedCodes, GiveWindows1251CodesAndDropWhatThePageLacks) {
  EXPECT_EQ(TypedCodes("Aя1"), (std::vector<std::uint8_t>{'A', 0xFF, '1'}));
  EXPECT_EQ(TypedCodes("Ёё№"), (std::vector<std::uint8_t>{0xA8, 0xB8, 0xB9}));
  EXPECT_EQ(TypedCodes("a?b"), (std::vector<std::uint8_t>{'a', '?', 'b'}));
  EXPECT_EQ(TypedCodes("a\xF0\x9F\x98\x80" "b"), (std::vector<std::uint8_t>{'a', 'b'})) << "an emoji";
  EXPECT_TRUE(TypedCodes("").empty());
}

class TRecordingEvents final : public IWindowEvents {
public:
  void KeyDown(int key) override { Log.push_back("down " + std::to_string(key)); }
  void KeyPress(std::uint8_t code) override { Log.push_back("press " + std::to_string(code)); }
  void MouseDown(TMouseButton button, int x, int y) override {
    Log.push_back("mouse " + std::to_string(static_cast<int>(button)) + " " + std::to_string(x) + "," + std::to_string(y));
  }
  void MouseMove(int x, int y) override { Log.push_back("move " + std::to_string(x) + "," + std::to_string(y)); }
  void CloseRequested() override { Log.push_back("close"); }
  std::vector<std::string> Log;
};

SDL_Event Key(std::uint32_t window, SDL_Keycode key, Uint16 modifiers = KMOD_NONE) {
  SDL_Event event{};
  event.type = SDL_KEYDOWN;
  event.key.windowID = window;
  event.key.keysym.sym = key;
  event.key.keysym.mod = modifiers;
  return event;
}

TEST(DispatchWindowEvent, HandsOnTheGamesEventsOfItsOwnWindow) {
  struct TCase {
    SDL_Event Event;
    std::vector<std::string> Log;
  };
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  text.text.windowID = 5;
  SDL_strlcpy(text.text.text, "Яz", sizeof text.text.text);
  SDL_Event press{};
  press.type = SDL_MOUSEBUTTONDOWN;
  press.button.windowID = 5;
  press.button.button = SDL_BUTTON_RIGHT;
  press.button.x = 12;
  press.button.y = 34;
  SDL_Event move{};
  move.type = SDL_MOUSEMOTION;
  move.motion.windowID = 5;
  move.motion.x = 7;
  move.motion.y = 8;
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.windowID = 5;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  SDL_Event quit{};
  quit.type = SDL_QUIT;

  const std::vector<TCase> cases{
      {Key(5, SDLK_ESCAPE), {"down 27"}},
      {Key(5, SDLK_BACKSPACE), {"down 8", "press 8"}},
      {Key(5, SDLK_RETURN), {"down 13", "press 13"}},
      {Key(5, SDLK_SPACE), {"down 32"}},  // the character comes as text input
      {Key(5, SDLK_F2), {"down 113"}},
      {Key(5, SDLK_TAB), {"down 9"}},
      {Key(5, SDLK_TAB, KMOD_LSHIFT), {"down 265"}},
      {Key(5, SDLK_LEFT), {"down 37"}},
      {Key(5, SDLK_DOWN), {"down 40"}},
      {Key(5, SDLK_RETURN, KMOD_RALT), {"down 122"}},
      {Key(5, SDLK_a), {}},
      {Key(6, SDLK_ESCAPE), {}},
      {text, {"press 223", "press 122"}},
      {press, {"mouse 1 12,34"}},
      {move, {"move 7,8"}},
      {close, {"close"}},
      {quit, {"close"}},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    TRecordingEvents events;
    DispatchWindowEvent(cases[i].Event, 5, FitPicture(600, 420, 600, 420, 600), events);
    EXPECT_EQ(events.Log, cases[i].Log) << "case " << i;
  }
}

std::array<std::span<const unsigned char>, TSdlSound::EffectCount> EmbeddedEffects() {
  return {EmbeddedSound(0), EmbeddedSound(1), EmbeddedSound(2), EmbeddedSound(3)};
}

TEST(SdlSound, OpensWithTheFirstEffectLoadsTheFourAndPlaysThemWithoutWaiting) {
  TSdlSound sound(EmbeddedEffects());
  EXPECT_FALSE(sound.DeviceOpen()) << "nothing opened before an effect";
  sound.Play(0);
  ASSERT_TRUE(sound.DeviceFound()) << "the dummy driver of the test runner opens";
  EXPECT_TRUE(sound.DeviceOpen());
  for (int i = 0; i < TSdlSound::EffectCount; ++i) EXPECT_TRUE(sound.EffectLoaded(i)) << i;
  for (int round = 0; round < 5; ++round)
    for (int i = -1; i <= TSdlSound::EffectCount; ++i) sound.Play(i);
}

TEST(SdlSound, TheDeviceRestsOnceNothingHasPlayedForAWhileAndTheNextEffectOpensIt) {
  TSdlSound sound(EmbeddedEffects());
  sound.Play(-1);
  EXPECT_FALSE(sound.DeviceOpen()) << "no effect, no device";
  sound.Play(0);  // a die landing, short
  ASSERT_TRUE(sound.DeviceFound());
  const std::uint32_t landed = SDL_GetTicks() + 1000;
  while (SDL_GetTicks() < landed) SDL_Delay(10);
  for (int tick = 1; tick < TSdlSound::RestTicks; ++tick) sound.Tick();
  EXPECT_TRUE(sound.DeviceOpen()) << "not yet";
  sound.Tick();
  EXPECT_FALSE(sound.DeviceOpen());
  EXPECT_FALSE(sound.EffectLoaded(2)) << "the effects go with the device";

  sound.Play(2);  // the new game's fanfare, 1.66 s
  EXPECT_TRUE(sound.DeviceOpen());
  EXPECT_TRUE(sound.EffectLoaded(2));
  for (int tick = 0; tick < TSdlSound::RestTicks; ++tick) sound.Tick();
  EXPECT_TRUE(sound.DeviceOpen()) << "an effect still playing keeps the device";
  // Once it ends (the dummy driver plays in real time), the quiet ticks count again.
  const std::uint32_t giveUp = SDL_GetTicks() + 10000;
  int quietTicks = 0;
  while (sound.DeviceOpen() && SDL_GetTicks() < giveUp) {
    sound.Tick();
    ++quietTicks;
    SDL_Delay(1);
  }
  EXPECT_FALSE(sound.DeviceOpen());
  EXPECT_GE(quietTicks, TSdlSound::RestTicks);
}

TEST(SdlSound, WithoutADeviceItIsSilent) {
  const char* previous = std::getenv("SDL_AUDIODRIVER");
  const std::string saved = previous ? previous : "";
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  {
    TSdlSound sound(EmbeddedEffects());
    sound.Play(0);
    EXPECT_FALSE(sound.DeviceFound());
    EXPECT_FALSE(sound.EffectLoaded(0));
    sound.Play(0);
    EXPECT_FALSE(sound.DeviceOpen()) << "no new search on every effect";
  }
  if (previous) setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
  else unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
