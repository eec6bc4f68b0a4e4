#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/link_opener.h"
#include "platform/sound.h"

// Records the effects played, and counts the ticks given, instead of sounding them.
class TFakeSound final : public ISound {
public:
  void Play(int index) override { Played.push_back(index); }
  void Tick() override { ++Ticks; }
  std::vector<int> Played;
  int Ticks = 0;
};

// Records the links opened instead of handing them to the desktop.
class TFakeLinkOpener final : public ILinkOpener {
public:
  void Open(const std::string& link) override { Opened.push_back(link); }
  std::vector<std::string> Opened;
};

// A clock that moves only when told.
class TFakeClock final : public IClock {
public:
  std::uint32_t Milliseconds() const override { return Now; }
  std::uint32_t Now = 1000;
};
