#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What an open or save dialog asks for. Texts are UTF-8.
struct TFileDialogRequest {
  bool Save = false;
  std::string Title;
  std::string FilterName;  // "Файлы записи"
  std::string Extension;   // without the dot: "sav"
  std::string Folder;      // where the dialog opens
};

class TGameWindow;

// Draws a modal dialog onto the window's composed frame before it is shown.
using TDrawOver = std::function<void(TGameWindow&)>;
// Paints the window once, with `drawOver` (may be empty) on top.
using TKeepPainted = std::function<void(const TDrawOver& drawOver)>;

// The modal open and save dialogs of the menus.
class IFileDialog {
public:
  virtual ~IFileDialog() = default;
  // The chosen file's full path, or nothing when the user cancelled. `keepPainted` runs
  // about every 15 ms while the dialog is open, so that the window under it stays drawn;
  // the window's input meanwhile goes to the dialog alone.
  virtual std::optional<std::string> Run(const TFileDialogRequest& request, const TKeepPainted& keepPainted) = 0;
};

// `path` with ".extension" added when its file name has no extension of its own.
std::string WithDefaultExtension(const std::string& path, std::string_view extension);

// The full path of an executable program found on PATH, or empty.
std::string FindProgram(std::string_view name, std::string_view searchPath);

// The command lines of the two desktop dialogs, and of their yes/no question (UTF-8 text).
std::vector<std::string> ZenityArguments(const TFileDialogRequest& request);
std::vector<std::string> KDialogArguments(const TFileDialogRequest& request);
std::vector<std::string> ZenityQuestion(const std::string& title, const std::string& text);
std::vector<std::string> KDialogQuestion(const std::string& title, const std::string& text);

// The output of a child process and its exit status (-1 when it could not be started).
struct TChildResult {
  int Status = -1;
  std::string Output;
};

// A desktop dialog run as a child process ("zenity" or "kdialog"), waited for without
// blocking the window. Exit status 0 gives the path on its standard output; any other
// status, including a program that could not start, counts as cancel. A saved name that
// gets the default extension only afterwards, and so names an existing file the dialog did
// not ask about, is confirmed with the program's yes/no question.
class TChildProcessFileDialog final : public IFileDialog {
public:
  using TArguments = std::vector<std::string> (*)(const TFileDialogRequest&);
  using TQuestion = std::vector<std::string> (*)(const std::string& title, const std::string& text);
  TChildProcessFileDialog(std::string program, TArguments arguments, TQuestion question)
      : FProgram(std::move(program)), FArguments(arguments), FQuestion(question) {}
  std::optional<std::string> Run(const TFileDialogRequest& request, const TKeepPainted& keepPainted) override;

private:
  // Runs one of the program's command lines; the window is kept painted meanwhile.
  TChildResult RunProgram(std::vector<std::string> arguments, const TKeepPainted& keepPainted) const;

  std::string FProgram;
  TArguments FArguments;
  TQuestion FQuestion;
};

// Runs `arguments` (the program first, looked up on PATH), calling `whileWaiting` about every
// 15 ms until it ends.
TChildResult RunChildProcess(const std::vector<std::string>& arguments, const std::function<void()>& whileWaiting);
