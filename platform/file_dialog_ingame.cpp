#include "platform/file_dialog_ingame.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "base/cp1251.h"
#include "gfx/letters.h"
#include "platform/quit_signals.h"
#include "platform/window.h"

namespace {

constexpr std::uint32_t kPanelColour = 0x00203048;
constexpr std::uint32_t kListColour = 0x00101820;
constexpr std::uint32_t kFrameColour = 0x00A0A8B8;
constexpr TRect kList{10, 34, 280, TInGameFileDialog::VisibleRows * 20};
constexpr int kRowHeight = 20;
constexpr int kNameTop = 222;
constexpr int kNameLeft = 60;

constexpr int kNameBoxHeight = 16;
constexpr int kNameBoxRight = 264;  // short of BT_OK's ring

// The focus ring's stops: the two of the dialog's own, then its buttons in the order they are made.
enum TStop { kNameStop, kListStop, kFirstButtonStop };

constexpr std::uint8_t kBackspace = 8;
constexpr std::uint8_t kEnter = 13;
constexpr std::uint8_t kEscape = 27;

void AddButton(TSefraButtonCollection& buttons, const char* name, const char* images, const char* mask, int left,
               int top, const TSurfaceSortCollection& sprites) {
  auto button = std::make_unique<TSefraDXButton>();
  button->SetImages(&sprites);
  button->SetImageNames(images);
  button->SetMaskNames(mask);
  button->SetLeft(left);
  button->SetTop(top);
  buttons.AddButton(name, std::move(button));
}

// The folder's regular files ending in ".extension" (any case), as Windows-1251 names, sorted.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& extension) {
  std::vector<std::string> files;
  std::error_code error;
  const std::string wanted = "." + extension;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (!it->is_regular_file(error)) continue;
    const std::string name = it->path().filename().string();
    if (name.size() <= wanted.size()) continue;
    const std::string tail = name.substr(name.size() - wanted.size());
    if (!std::equal(tail.begin(), tail.end(), wanted.begin(), wanted.end(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; }))
      continue;
    files.push_back(Cp1251(name));
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

TInGameFileDialog::TInGameFileDialog(TGameWindow& window, const TSurfaceSortCollection& sprites,
                                     const TLettersCollection& letters)
    : FWindow(window), FLetters(letters) {
  AddButton(FButtons, "UP", "UP1|UP2|UP3", "UPM|UPM|UPM", 300, kList.Top, sprites);
  AddButton(FButtons, "DOWN", "DOWN1|DOWN2|DOWN3", "DOWNM|DOWNM|DOWNM", 300, kList.Top + kList.Height - 20, sprites);
  AddButton(FButtons, "BT_OK", "BT_OK|BT1_OK|BT2_OK", "BT_MASK|BT_MASK|BT_MASK", 270, 214, sprites);
  AddButton(FButtons, "BT_CANCEL", "BT_CANCEL1|BT_CANCEL2|BT_CANCEL3", "BT_MASK|BT_MASK|BT_MASK", 270, 254, sprites);
  FPanel.SetSize(Width, Height);
}

void TInGameFileDialog::Open(const TFileDialogRequest& request) {
  FRequest = request;
  FFiles = ListFiles(request.Folder, request.Extension);
  FName.clear();
  FFirstRow = 0;
  FOverwriteAsked = false;
  FFinished = false;
  FResult.reset();
  FFocus = TFocusRing{};
}

void TInGameFileDialog::Press(int x, int y) {
  FFocus.MouseDown(x, y, FocusStops());
  if (TSefraDXButton* button = FButtons.GetButton(FButtons.MouseDown(x, y, 0, 0))) {
    button->Press();
    return;
  }
  if (!Contains(kList, x, y)) return;
  const std::size_t row = static_cast<std::size_t>(FFirstRow + (y - kList.Top) / kRowHeight);
  if (row < FFiles.size()) {
    FName = FFiles[row];
    FOverwriteAsked = false;
  }
}

void TInGameFileDialog::Type(std::uint8_t code) {
  if (code == kEscape) return Finish(std::nullopt);
  if (!NameHasTyping()) return;
  if (code == kEnter) return Confirm();
  FOverwriteAsked = false;
  if (code == kBackspace) {
    if (!FName.empty()) FName.pop_back();
    return;
  }
  // A name, not a path: no folder separators, no control characters.
  if (code < 32 || code == '/' || FName.size() >= MaxNameLength) return;
  FName.push_back(static_cast<char>(code));
}

bool TInGameFileDialog::NameHasTyping() const { return !FFocus.Shown() || FFocus.Index() == kNameStop; }

void TInGameFileDialog::Key(int virtualKey) {
  if (virtualKey == VkEscape) return Finish(std::nullopt);
  // A list is walked with Up and Down as in any file dialog; Tab and Left/Right leave it.
  if (FFocus.Shown() && FFocus.Index() == kListStop && (virtualKey == VkUp || virtualKey == VkDown))
    return MoveSelection(virtualKey == VkDown ? 1 : -1);
  if (FFocus.KeyDown(virtualKey, FocusStops()) == TFocusRing::TKeyAction::Press) PressStop(FFocus.Index());
}

std::vector<TFocusStop> TInGameFileDialog::FocusStops() const {
  const int nameWidth = std::min(FLetters.TextWidth(FName + "_") + 4, kNameBoxRight - (kNameLeft - 2));
  std::vector<TFocusStop> stops{{{kNameLeft - 2, kNameTop, nameWidth, kNameBoxHeight}, true, true}, {kList}};
  for (int i = 0; i < FButtons.Count(); ++i) stops.push_back({ButtonBox(*FButtons.GetButton(i))});
  return stops;
}

void TInGameFileDialog::PressStop(int index) {
  if (index == kListStop) return Confirm();
  if (TSefraDXButton* button = FButtons.GetButton(index - kFirstButtonStop)) button->Press();
}

void TInGameFileDialog::MoveSelection(int step) {
  const int count = static_cast<int>(FFiles.size());
  if (count == 0) return;
  const auto selected = std::find(FFiles.begin(), FFiles.end(), FName);
  const int row = selected == FFiles.end()
                      ? (step > 0 ? 0 : count - 1)
                      : std::clamp(static_cast<int>(selected - FFiles.begin()) + step, 0, count - 1);
  FName = FFiles[row];
  FOverwriteAsked = false;
  FFirstRow = std::clamp(FFirstRow, row - VisibleRows + 1, row);
}

void TInGameFileDialog::Step() {
  if (!FButtons.Tick()) return;
  for (int i = 0; i < FButtons.Count(); ++i) {
    if (!FButtons.GetButton(i)->Clicked()) continue;
    const std::string& name = FButtons.GetName(i);
    if (name == "UP") Scroll(-VisibleRows);
    if (name == "DOWN") Scroll(VisibleRows);
    if (name == "BT_OK") Confirm();
    if (name == "BT_CANCEL") Finish(std::nullopt);
  }
}

void TInGameFileDialog::Scroll(int rows) {
  const int last = std::max(0, static_cast<int>(FFiles.size()) - VisibleRows);
  FFirstRow = std::clamp(FFirstRow + rows, 0, last);
}

void TInGameFileDialog::Confirm() {
  if (FName.empty() || FName == "." || FName == "..") return;
  const std::string name = FRequest.Save ? WithDefaultExtension(Utf8(FName), FRequest.Extension) : Utf8(FName);
  const std::string path = (std::filesystem::path(FRequest.Folder) / name).string();
  std::error_code error;
  const bool exists = std::filesystem::is_regular_file(path, error);
  if (!FRequest.Save && !exists) return;
  if (FRequest.Save && exists && !FOverwriteAsked) {
    FOverwriteAsked = true;
    return;
  }
  Finish(path);
}

void TInGameFileDialog::Finish(std::optional<std::string> result) {
  FResult = std::move(result);
  FFinished = true;
}

void TInGameFileDialog::Draw(TSurface& target) const {
  target.Fill(kFrameColour);
  target.FillRect({2, 2, Width - 4, Height - 4}, kPanelColour);
  target.FillRect(kList, kListColour);
  const auto line = [&](int x, int y, const std::string& text) {
    FLetters.DrawLine(target, x, y, text, TLetterAlign::laLeft, TLetterAlign::laCenter);
  };
  line(12, 17, "&1" + Cp1251(FRequest.Title + " (*." + FRequest.Extension + ")"));
  for (int i = 0; i < VisibleRows; ++i) {
    const std::size_t row = static_cast<std::size_t>(FFirstRow + i);
    if (row >= FFiles.size()) break;
    line(kList.Left + 4, kList.Top + i * kRowHeight + kRowHeight / 2, (FFiles[row] == FName ? "&2" : "&0") + FFiles[row]);
  }
  line(12, kNameTop + 8, "&1" + Cp1251("Имя:"));
  line(kNameLeft, kNameTop + 8, "&0" + FName + "_");
  if (FOverwriteAsked) line(12, kNameTop + 40, "&2" + Cp1251("Файл есть. ОК - заменить"));
  FButtons.Draw(target, 0, 0);
  FFocus.Paint(target, FocusStops());
}

void TInGameFileDialog::CloseRequested() {
  FCloseRequested = true;
  Finish(std::nullopt);
}

void TInGameFileDialog::MouseDown(TMouseButton button, int x, int y) {
  if (button != TMouseButton::mbLeft) return;
  Press(x - (FWindow.Width() - Width) / 2, y - (FWindow.Height() - Height) / 2);
}

std::optional<std::string> TInGameFileDialog::Run(const TFileDialogRequest& request, const TKeepPainted& keepPainted) {
  Open(request);
  FCloseRequested = false;
  // Its loop is the program's for now: the game's ticks and its session wait.
  BeforeLongWait();
  const TDrawOver drawOver = [this](TGameWindow& window) {
    Draw(FPanel);
    window.DrawSurface(FPanel, (window.Width() - Width) / 2, (window.Height() - Height) / 2);
  };
  SDL_StartTextInput();
  while (!FFinished) {
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, 15)) DispatchWindowEvent(event, FWindow.Id(), FWindow.Letterbox(), *this);
    // Drained to the end: SDL's poll marker left in the queue would hide what follows it.
    while (SDL_PollEvent(&event))
      if (!FFinished) DispatchWindowEvent(event, FWindow.Id(), FWindow.Letterbox(), *this);
    Step();
    if (QuitSignalled() && !FFinished) Finish(std::nullopt);
    if (keepPainted) keepPainted(drawOver);
  }
  if (FCloseRequested) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
  }
  return FResult;
}

std::unique_ptr<IFileDialog> MakeDesktopFileDialog(TGameWindow& window, const TSurfaceSortCollection& sprites,
                                                   const TLettersCollection& letters) {
  const char* path = std::getenv("PATH");
  const std::string searchPath = path ? path : "/usr/bin:/bin";
  if (!FindProgram("zenity", searchPath).empty())
    return std::make_unique<TChildProcessFileDialog>("zenity", ZenityArguments, ZenityQuestion);
  if (!FindProgram("kdialog", searchPath).empty())
    return std::make_unique<TChildProcessFileDialog>("kdialog", KDialogArguments, KDialogQuestion);
  return std::make_unique<TInGameFileDialog>(window, sprites, letters);
}
