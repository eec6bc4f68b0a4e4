#pragma once

#include <array>
#include <span>

struct Mix_Chunk;

// The game's four sound effects, played by index, once each, without waiting.
class ISound {
public:
  virtual ~ISound() = default;
  // An index outside 0..3 plays nothing.
  virtual void Play(int index) = 0;
};

// SDL2_mixer with the effects given as complete WAV files. A machine without a sound device
// (SDL's default audio driver does not open) plays nothing and says nothing.
class TSdlSound final : public ISound {
public:
  static constexpr int EffectCount = 4;

  explicit TSdlSound(const std::array<std::span<const unsigned char>, EffectCount>& wavFiles);
  ~TSdlSound() override;
  TSdlSound(const TSdlSound&) = delete;
  TSdlSound& operator=(const TSdlSound&) = delete;

  // Plays on a free channel; when every channel is busy the effect is skipped.
  void Play(int index) override;
  // Whether a device opened (the effects then play).
  bool DeviceOpen() const { return FDeviceOpen; }
  // Whether effect `index` decoded; false for every effect without a device.
  bool EffectLoaded(int index) const;

private:
  bool FAudioInitialised = false;
  bool FDeviceOpen = false;
  std::array<Mix_Chunk*, EffectCount> FEffects{};
};
