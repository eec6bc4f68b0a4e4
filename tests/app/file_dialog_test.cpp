#include "platform/file_dialog_ingame.h"

#include <SDL.h>

#include <cstdio>

#include "platform/quit_signals.h"
#include "tests/app/menu_fixture.h"

namespace {

TEST(FileDialogHelpers, TheDefaultExtensionIsAddedOnlyWhenTheNameHasNone) {
  struct TCase {
    const char* Path;
    const char* Expected;
  };
  for (const TCase& c : {TCase{"/a/game", "/a/game.sav"}, TCase{"/a/game.sav", "/a/game.sav"},
                         TCase{"/a/game.txt", "/a/game.txt"}, TCase{"/a.b/game", "/a.b/game.sav"}, TCase{"", ""}})
    EXPECT_EQ(WithDefaultExtension(c.Path, "sav"), c.Expected) << c.Path;
}

TEST(FileDialogHelpers, ProgramsAreFoundOnTheSearchPath) {
  EXPECT_EQ(FindProgram("sh", "/nonexistent::/bin"), "/bin/sh");
  EXPECT_EQ(FindProgram("no-such-program-here", "/bin:/usr/bin"), "");
  EXPECT_EQ(FindProgram("sh", ""), "");
}

TEST(FileDialogHelpers, TheDesktopDialogsAreAskedForTitleFilterFolderAndOverwrite) {
  const TFileDialogRequest save{true, "Запись игры", "Файлы записи", "sav", "/games"};
  const std::vector<std::string> zenity = ZenityArguments(save);
  for (const char* argument : {"--save", "--confirm-overwrite", "--title=Запись игры", "--filename=/games/",
                               "--file-filter=Файлы записи | *.sav"})
    EXPECT_NE(std::find(zenity.begin(), zenity.end(), argument), zenity.end()) << argument;
  const std::vector<std::string> kdialog = KDialogArguments({false, "T", "Файлы настроек", "st", "/r"});
  EXPECT_EQ(kdialog, (std::vector<std::string>{"kdialog", "--title", "T", "--getopenfilename", "/r/",
                                               "*.st|Файлы настроек"}));
}

// A stand-in for zenity: a shell that prints a path and ends with a status.
std::vector<std::string> ShellAnswer(const TFileDialogRequest& request) {
  return {"sh", "-c", request.Title};
}

std::vector<std::string> AnswerYes(const std::string&, const std::string&) { return {"sh", "-c", "exit 0"}; }
std::vector<std::string> AnswerNo(const std::string&, const std::string&) { return {"sh", "-c", "exit 1"}; }

TEST(ChildProcessFileDialog, StatusZeroGivesThePathAndAnythingElseCancels) {
  struct TCase {
    const char* Script;
    bool Save;
    std::optional<std::string> Expected;
  };
  const TCase cases[] = {
      {"echo /tmp/game; sleep 0.05", true, "/tmp/game.sav"},
      {"echo /tmp/game", false, "/tmp/game"},
      {"echo /tmp/x.sav; exit 1", true, std::nullopt},
      {"exit 0", true, std::nullopt},
  };
  for (const TCase& c : cases) {
    TChildProcessFileDialog dialog("sh", ShellAnswer, AnswerNo);
    int paints = 0;
    const auto answer = dialog.Run({c.Save, c.Script, "F", "sav", "/tmp"}, [&paints](const TDrawOver&) { ++paints; });
    EXPECT_EQ(answer, c.Expected) << c.Script;
  }
  TChildProcessFileDialog missing("/nonexistent/zenity", ShellAnswer, AnswerYes);
  EXPECT_EQ(missing.Run({true, "echo x", "F", "sav", "/tmp"}, {}), std::nullopt);
}

TEST(ChildProcessFileDialog, AnExistingFileNamedOnlyByTheAddedExtensionIsAskedAbout) {
  TScratchDir dir;
  dir.Write("game.sav", "x");
  const std::string script = "echo " + dir.File("game");
  const TFileDialogRequest request{true, script, "F", "sav", dir.Path().string()};
  EXPECT_EQ(TChildProcessFileDialog("sh", ShellAnswer, AnswerNo).Run(request, {}), std::nullopt);
  EXPECT_EQ(TChildProcessFileDialog("sh", ShellAnswer, AnswerYes).Run(request, {}), dir.File("game.sav"));
}

TEST(ChildProcessFileDialog, TheWindowIsPaintedWhileTheChildRuns) {
  int paints = 0;
  const TChildResult result = RunChildProcess({"sh", "-c", "sleep 0.2; echo done"}, [&paints] { ++paints; });
  EXPECT_EQ(result.Status, 0);
  EXPECT_EQ(result.Output, "done\n");
  EXPECT_GE(paints, 3);
}

class InGameFileDialogTest : public TMenuTest {
protected:
  void SetUp() override {
    TMenuTest::SetUp();
    Dialog = std::make_unique<TInGameFileDialog>(Form->Window(), Form->Sprites, Form->Letters);
    Dir.Write("b.sav", "x");
    Dir.Write("a.SAV", "x");
    Dir.Write("rules.st", "x");
    std::filesystem::create_directory(Dir.Path() / "folder.sav");
  }

  void Type(const std::string& utf8) {
    for (char c : Cp1251(utf8)) Dialog->Type(static_cast<std::uint8_t>(c));
  }
  void Confirm() { Dialog->Type(13); }

  TScratchDir Dir;
  std::unique_ptr<TInGameFileDialog> Dialog;
};

TEST_F(InGameFileDialogTest, ListsTheFolderFilesOfTheExtensionAndPicksOneByClick) {
  Dialog->Open({false, "Чтение игры", "Файлы записи", "sav", Dir.Path().string()});
  EXPECT_EQ(Dialog->Files(), (std::vector<std::string>{"a.SAV", "b.sav"}));
  Dialog->Press(40, 34 + 20 + 5);
  EXPECT_EQ(Dialog->Name(), "b.sav");
  Confirm();
  ASSERT_TRUE(Dialog->Finished());
  EXPECT_EQ(Dialog->Result(), Dir.File("b.sav"));
}

TEST_F(InGameFileDialogTest, OpeningAMissingFileIsNotFinished) {
  Dialog->Open({false, "T", "F", "sav", Dir.Path().string()});
  Type("nothing.sav");
  Confirm();
  EXPECT_FALSE(Dialog->Finished());
  Dialog->Type(27);
  EXPECT_TRUE(Dialog->Finished());
  EXPECT_EQ(Dialog->Result(), std::nullopt);
}

TEST_F(InGameFileDialogTest, SavingAddsTheExtensionAndAsksBeforeOverwriting) {
  Dialog->Open({true, "Запись игры", "Файлы записи", "sav", Dir.Path().string()});
  Type("new/");
  EXPECT_EQ(Dialog->Name(), "new");  // names only, no folders
  Confirm();
  EXPECT_EQ(Dialog->Result(), Dir.File("new.sav"));

  Dialog->Open({true, "T", "F", "sav", Dir.Path().string()});
  Type("b");
  Confirm();
  EXPECT_FALSE(Dialog->Finished());
  Confirm();
  EXPECT_EQ(Dialog->Result(), Dir.File("b.sav"));
}

TEST_F(InGameFileDialogTest, TheButtonsScrollConfirmAndCancel) {
  for (int i = 0; i < 12; ++i) Dir.Write("g" + std::to_string(10 + i) + ".sav", "x");
  Dialog->Open({false, "T", "F", "sav", Dir.Path().string()});
  const auto click = [this](int x, int y) {
    Dialog->Press(x, y);
    for (int i = 0; i < TSefraDXButton::PressedLookTicks; ++i) Dialog->Step();
  };
  click(305, 34 + TInGameFileDialog::VisibleRows * 20 - 15);  // down
  EXPECT_EQ(Dialog->FirstRow(), 5);
  click(305, 39);  // up
  EXPECT_EQ(Dialog->FirstRow(), 0);
  click(300, 270);  // cancel
  EXPECT_TRUE(Dialog->Finished());
  EXPECT_EQ(Dialog->Result(), std::nullopt);
}

// The keyboard on the drawn dialog: the ring's order, its presses, the list and the typing.
class InGameFileDialogKeysTest : public InGameFileDialogTest {
protected:
  enum TStop { kName, kList, kUp, kDown, kOk, kCancel };

  void SetUp() override {
    InGameFileDialogTest::SetUp();
    for (int i = 0; i < 12; ++i) Dir.Write("g" + std::to_string(10 + i) + ".sav", "x");
  }
  void Keys(std::initializer_list<int> keys) {
    for (const int key : keys) Dialog->Key(key);
  }
  // Tab until the ring stands on `stop`.
  void FocusOn(TStop stop) {
    for (int i = 0; i <= kCancel && FocusIndex() != stop; ++i) Dialog->Key(VkTab);
  }
  void Steps() {
    for (int i = 0; i < TSefraDXButton::PressedLookTicks; ++i) Dialog->Step();
  }
  int FocusIndex() const { return Dialog->Focus().Shown() ? Dialog->Focus().Index() : -1; }
};

TEST_F(InGameFileDialogKeysTest, TheRingGoesFromTheNameOverTheListAndItsArrowsToOkAndCancel) {
  struct TCase {
    const char* Name;
    std::vector<int> Keys;
    int Index;  // -1: no ring shown
  };
  const std::vector<TCase> cases{
      {"hidden at first", {}, -1},
      {"Tab: the name field, where the typing goes", {VkTab}, kName},
      {"the list", {VkTab, VkTab}, kList},
      {"UP", {VkTab, VkTab, VkTab}, kUp},
      {"DOWN", {VkTab, VkTab, VkTab, VkTab}, kDown},
      {"BT_OK", {VkTab, VkTab, VkTab, VkTab, VkTab}, kOk},
      {"BT_CANCEL", {VkTab, VkTab, VkTab, VkTab, VkTab, VkTab}, kCancel},
      {"round to the name", {VkTab, VkTab, VkTab, VkTab, VkTab, VkTab, VkTab}, kName},
      {"Shift+Tab first: the last", {VkShiftTab}, kCancel},
      {"Right and Down go on from the name", {VkRight, VkDown}, kList},
      {"Left leaves the list", {VkTab, VkTab, VkLeft}, kName},
      {"Up and Down in the list stay in it", {VkTab, VkTab, VkDown, VkUp}, kList},
  };
  for (const TCase& c : cases) {
    Dialog->Open({false, "T", "F", "sav", Dir.Path().string()});
    for (const int key : c.Keys) Dialog->Key(key);
    EXPECT_EQ(FocusIndex(), c.Index) << c.Name;
    const std::vector<TFocusStop> stops = Dialog->FocusStops();
    ASSERT_EQ(stops.size(), 6u);
    for (const TFocusStop& stop : stops) EXPECT_TRUE(stop.Enabled && stop.Box.Width > 0) << c.Name;
    EXPECT_TRUE(stops[kName].TakesTyping);
  }
}

TEST_F(InGameFileDialogKeysTest, EnterOrSpaceOnAStopDoesWhatAClickThereDoes) {
  struct TCase {
    const char* Name;
    TStop Stop;
    int Key;
    bool Save;
    const char* Typed;
  };
  const std::vector<TCase> cases{
      {"DOWN scrolls a page", kDown, VkEnter, false, ""},
      {"UP after DOWN scrolls back", kUp, VkSpace, false, ""},
      {"BT_OK opens the named file", kOk, VkEnter, false, "g12.sav"},
      {"BT_OK refuses a missing file", kOk, VkSpace, false, "none.sav"},
      {"BT_OK asks before saving over a file", kOk, VkEnter, true, "g13"},
      {"BT_CANCEL cancels", kCancel, VkSpace, true, "new"},
  };
  const auto prepare = [this](const TCase& c) {
    Dialog->Open({c.Save, "T", "F", "sav", Dir.Path().string()});
    for (const char letter : std::string(c.Typed)) Dialog->Type(static_cast<std::uint8_t>(letter));
    if (c.Stop == kUp) {
      Dialog->Press(305, 34 + TInGameFileDialog::VisibleRows * 20 - 15);
      Steps();
    }
  };
  for (const TCase& c : cases) {
    prepare(c);
    const TRect box = Dialog->FocusStops()[c.Stop].Box;
    Dialog->Press(box.Left + box.Width / 2, box.Top + box.Height / 2);
    Steps();
    const bool clickFinished = Dialog->Finished();
    const std::optional<std::string> clickResult = Dialog->Result();
    const int clickFirstRow = Dialog->FirstRow();

    prepare(c);
    FocusOn(c.Stop);
    Dialog->Key(c.Key);
    EXPECT_FALSE(Dialog->Finished()) << c.Name << ": a pressed look first, as for a click";
    Steps();
    EXPECT_EQ(Dialog->Finished(), clickFinished) << c.Name;
    EXPECT_EQ(Dialog->Result(), clickResult) << c.Name;
    EXPECT_EQ(Dialog->FirstRow(), clickFirstRow) << c.Name;
    EXPECT_EQ(FocusIndex(), c.Stop) << c.Name << ": the ring stays";
  }
}

TEST_F(InGameFileDialogKeysTest, UpAndDownInTheListPickTheFilesAndEnterTakesThePickedOne) {
  Dialog->Open({false, "T", "F", "sav", Dir.Path().string()});
  FocusOn(kList);
  Keys({VkDown});
  EXPECT_EQ(Dialog->Name(), "a.SAV") << "the first file, none being picked";
  Keys({VkDown, VkDown, VkUp});
  EXPECT_EQ(Dialog->Name(), "b.sav");
  EXPECT_EQ(Dialog->FirstRow(), 0);
  for (int i = 0; i < 9; ++i) Dialog->Key(VkDown);  // the 11th of 14: g18.sav
  EXPECT_EQ(Dialog->Name(), "g18.sav");
  EXPECT_EQ(Dialog->FirstRow(), 10 - TInGameFileDialog::VisibleRows + 1) << "scrolled to show it at the bottom";
  for (int i = 0; i < 20; ++i) Dialog->Key(VkDown);
  EXPECT_EQ(Dialog->Name(), "g21.sav") << "held at the last";
  for (int i = 0; i < 13; ++i) Dialog->Key(VkUp);
  EXPECT_EQ(Dialog->Name(), "a.SAV");
  EXPECT_EQ(Dialog->FirstRow(), 0);
  Keys({VkEnter});
  ASSERT_TRUE(Dialog->Finished());
  EXPECT_EQ(Dialog->Result(), Dir.File("a.SAV"));
}

TEST_F(InGameFileDialogKeysTest, TheNameTakesTheTypingUnlessTheRingStandsElsewhere) {
  Dialog->Open({true, "T", "F", "sav", Dir.Path().string()});
  Type("ab c");
  EXPECT_EQ(Dialog->Name(), "ab c") << "no ring: typing as before";
  FocusOn(kName);
  Dialog->Key(VkSpace);  // the window hands on the key, then the typed character
  Type(" d");
  Dialog->Type(8);
  EXPECT_EQ(Dialog->Name(), "ab c ") << "the ring on the name: Space and Backspace type";

  Keys({VkTab, VkTab});  // UP
  Type("xy");
  Dialog->Type(8);
  Confirm();
  EXPECT_EQ(Dialog->Name(), "ab c ") << "the ring on a button: no typing";
  EXPECT_FALSE(Dialog->Finished()) << "and Enter is the button's";

  // A click hides the ring and gives the typing back to the name.
  Dialog->Press(40, 34 + 5);
  EXPECT_FALSE(Dialog->Focus().Shown());
  EXPECT_EQ(Dialog->Name(), "a.SAV");
  Dialog->Type(8);
  Type("Z");
  EXPECT_EQ(Dialog->Name(), "a.SAZ");

  Keys({VkTab});  // from the list to UP: Escape still cancels
  Dialog->Key(VkEscape);
  EXPECT_TRUE(Dialog->Finished());
  EXPECT_EQ(Dialog->Result(), std::nullopt);
}

TEST_F(InGameFileDialogKeysTest, TheRingIsDrawnRoundTheFocusedStopOnlyOnceTheKeyboardMovesIt) {
  Dialog->Open({false, "T", "F", "sav", Dir.Path().string()});
  TSurface picture;
  ASSERT_TRUE(picture.SetSize(TInGameFileDialog::Width, TInGameFileDialog::Height));
  const auto ringAt = [&](TStop stop) {
    Dialog->Draw(picture);
    const TRect box = Dialog->FocusStops()[stop].Box;
    const int gap = TFocusRing::Gap + 1;
    return picture.Pixel(box.Left - gap, box.Top - gap) == TFocusRing::Color &&
           picture.Pixel(box.Left + box.Width + gap - 1, box.Top + box.Height + gap - 1) == TFocusRing::Color;
  };
  EXPECT_FALSE(ringAt(kOk));
  FocusOn(kOk);
  EXPECT_TRUE(ringAt(kOk));
  EXPECT_FALSE(ringAt(kCancel));
}

}  // namespace

namespace {

// The in-game dialog as the window runs it: modal, fed by the window's own events, drawn over
// the composed frame.
class InGameDialogOnTheWindowTest : public TMenuTest {
protected:
  void SetUp() override {
    TMenuTest::SetUp();
    Form->FileDialogs = std::make_unique<TInGameFileDialog>(Form->Window(), Form->Sprites, Form->Letters);
    Form->DialogFolder = Dir.Path().string();
    TPlayer player;
    player.FName = "A";
    Form->Game->AddPlayer(player);
    Form->Game->StartGame();
    Form->SetScreen(TScreenKind::skMainMenu);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  }

  void PushText(const char* text) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    event.text.windowID = Form->Window().Id();
    std::snprintf(event.text.text, sizeof event.text.text, "%s", text);
    SDL_PushEvent(&event);
  }
  void PushKey(SDL_Keycode key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.windowID = Form->Window().Id();
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
  }

  TScratchDir Dir;
};

TEST_F(InGameDialogOnTheWindowTest, ATypedNameSavesTheGameWhileTheDialogKeepsTheWindowPainted) {
  PushText("партия");
  PushKey(SDLK_RETURN);
  const int paints = Form->Paints();
  Click("BT_SAVE");
  ASSERT_FALSE(Messages.Texts.empty());
  EXPECT_EQ(Utf8(Messages.Texts.back()), "Игра успешно сохранена!");
  EXPECT_TRUE(std::filesystem::exists(Dir.Path() / "партия.sav"));
  // One paint per tick, one as the dialog begins and one more from the dialog's own loop.
  EXPECT_EQ(Form->Paints(), paints + TSefraDXButton::PressedLookTicks + 2);
}

TEST_F(InGameDialogOnTheWindowTest, TheDialogIsDrawnInTheMiddleOfTheFrame) {
  PushKey(SDLK_ESCAPE);
  TImage frame;
  Form->FileDialogs->Run({false, "T", "F", "sav", Dir.Path().string()}, [&](const TDrawOver& drawOver) {
    ASSERT_TRUE(drawOver);
    ASSERT_TRUE(Form->Window().BeginComposing());
    drawOver(Form->Window());
    frame = Form->Window().ReadFrame();
    Form->Window().Present();
  });
  const int left = (TfmMain::ClientWidth - TInGameFileDialog::Width) / 2;
  const int top = (TfmMain::ClientHeight - TInGameFileDialog::Height) / 2;
  ASSERT_EQ(frame.Width, TfmMain::ClientWidth);
  EXPECT_EQ(frame.Pixel(left, top), 0x00A0A8B8u);
  EXPECT_EQ(frame.Pixel(left + TInGameFileDialog::Width - 1, top + TInGameFileDialog::Height - 1), 0x00A0A8B8u);
}

// Either dialog holds the thread for as long as the person likes: the window's hook (keep the
// game, quiet the session) runs as it begins.
TEST_F(InGameDialogOnTheWindowTest, EitherDialogRunsTheHookOfALongWaitAsItBegins) {
  int hooks = 0;
  SetBeforeModal([&hooks] { ++hooks; });
  PushKey(SDLK_ESCAPE);
  Form->FileDialogs->Run({false, "T", "F", "sav", Dir.Path().string()}, {});
  EXPECT_EQ(hooks, 1) << "the drawn dialog";
  TChildProcessFileDialog("sh", ShellAnswer, AnswerNo).Run({false, "exit 1", "F", "sav", "/tmp"}, {});
  EXPECT_EQ(hooks, 2) << "the desktop's dialog";
  SetBeforeModal(nullptr);
}

TEST_F(InGameDialogOnTheWindowTest, EscCancelsTheDialogAndLeavesTheProgramOpen) {
  PushKey(SDLK_ESCAPE);
  Click("BT_LOAD");
  EXPECT_TRUE(Messages.Texts.empty());
  EXPECT_FALSE(Form->Closed());
  EXPECT_EQ(Form->CurrentScreen(), TScreenKind::skMainMenu);
}

TEST_F(InGameDialogOnTheWindowTest, ClosingTheWindowCancelsTheDialogThenClosesTheProgram) {
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  Click("BT_LOAD");
  EXPECT_TRUE(Messages.Texts.empty());
  EXPECT_FALSE(Form->Closed());
  Form->ProcessEvents();
  EXPECT_TRUE(Form->Closed());
}

}  // namespace
