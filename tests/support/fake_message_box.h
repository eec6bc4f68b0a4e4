#pragma once

#include <string>
#include <vector>

#include "platform/message_box.h"

// Records every shown text instead of opening a box; installed for its own lifetime.
class TFakeMessageBox final : public IMessageBox {
public:
  TFakeMessageBox() : FScope(*this) {}
  void Show(const std::string& text) override { Texts.push_back(text); }

  std::vector<std::string> Texts;

private:
  TMessageBoxScope FScope;
};
