#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/message_box.h"

// Records every shown text instead of opening a box; installed for its own lifetime.
class TFakeMessageBox final : public IMessageBox {
public:
  TFakeMessageBox() : FScope(*this) {}
  void Show(const std::string& text) override {
    if (OnShow) OnShow();
    Texts.push_back(text);
  }

  std::vector<std::string> Texts;
  // Runs as a box would open: a test looks at the window the box stands over.
  std::function<void()> OnShow;

private:
  TMessageBoxScope FScope;
};
