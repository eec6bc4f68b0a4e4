#pragma once

#include <string>

#include "platform/message_box.h"

struct SDL_Window;

// A modal SDL message box over the game window; texts arrive in Windows-1251 and are shown
// in UTF-8. Where no box can be shown (no display) the text goes to the standard error.
class TSdlMessageBox final : public IMessageBox {
public:
  // `title` is UTF-8.
  explicit TSdlMessageBox(std::string title) : FTitle(std::move(title)) {}
  void SetParent(SDL_Window* parent) { FParent = parent; }
  void Show(const std::string& text) override;

private:
  std::string FTitle;
  SDL_Window* FParent = nullptr;
};
