#pragma once

#include <cstdio>
#include <string>

#include "platform/link_opener.h"
#include "platform/message_box.h"
#include "platform/sound.h"

// Desktop services for programs that run the window unattended (benchmarks, the screenshot
// maker): no sound, no links, messages printed instead of waiting for a press.
class TSilence final : public ISound {
public:
  void Play(int) override {}
};

class TNoLinks final : public ILinkOpener {
public:
  void Open(const std::string&) override {}
};

class TPrintedMessages final : public IMessageBox {
public:
  void Show(const std::string& text) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
};
