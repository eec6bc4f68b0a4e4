#include "platform/file_dialog_ingame.h"

#include "menu_fixture.h"

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
  const TFileDialogRequest save{true, "Сохранить игру", "Файлы записи", "sav", "/games"};
  const std::vector<std::string> zenity = ZenityArguments(save);
  for (const char* argument : {"--save", "--confirm-overwrite", "--title=Сохранить игру", "--filename=/games/",
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
  Dialog->Open({false, "Загрузить игру", "Файлы записи", "sav", Dir.Path().string()});
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
  Dialog->Open({true, "Сохранить игру", "Файлы записи", "sav", Dir.Path().string()});
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
    for (int i = 0; i < TSefraDXButton::kPressTicks; ++i) Dialog->Step();
  };
  click(305, 34 + TInGameFileDialog::VisibleRows * 20 - 15);  // down
  EXPECT_EQ(Dialog->FirstRow(), 5);
  click(305, 39);  // up
  EXPECT_EQ(Dialog->FirstRow(), 0);
  TSurface frame;
  frame.SetSize(TInGameFileDialog::Width, TInGameFileDialog::Height);
  Dialog->Draw(frame);
  std::ofstream(std::string(THOUSAND_DOCS_DIR) + "/menu-file-dialog.png", std::ios::binary)
      << EncodePng([&frame] {
           TImage image{frame.Width(), frame.Height(), {}};
           image.Pixels.resize(static_cast<std::size_t>(frame.Width()) * frame.Height());
           frame.ReadPixels(image.Pixels.data());
           return image;
         }());
  click(300, 270);  // cancel
  EXPECT_TRUE(Dialog->Finished());
  EXPECT_EQ(Dialog->Result(), std::nullopt);
}

}  // namespace
