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
  // Once a tick: a sound that keeps a device may let it go while nothing has played for a while.
  virtual void Tick() {}
};

// SDL2_mixer with the effects given as complete WAV files. A machine without a sound device
// (SDL's default audio driver does not open) plays nothing and says nothing.
//
// Nothing is loaded or opened before the first effect: the mixer library brings some fifty
// libraries of formats the game never plays, and a game that only stands on its menu needs
// none of them. An open device keeps SDL's mixing thread awake even in silence, so the device
// is closed once nothing has played for RestTicks ticks and opened again by the next effect;
// the effects are decoded for the device each time it opens, since another device may want
// another format.
class TSdlSound final : public ISound {
public:
  static constexpr int EffectCount = 4;
  // Three seconds of 15 ms ticks: enough to keep the device through a turn's throws.
  static constexpr int RestTicks = 200;

  // The WAV files are read again whenever the device opens: they must outlive the sound.
  explicit TSdlSound(const std::array<std::span<const unsigned char>, EffectCount>& wavFiles);
  ~TSdlSound() override;
  TSdlSound(const TSdlSound&) = delete;
  TSdlSound& operator=(const TSdlSound&) = delete;

  // Plays on a free channel, opening the device first if it rests; when every channel is busy
  // the effect is skipped. When the first effect finds no device, none is looked for again.
  void Play(int index) override;
  void Tick() override;
  // Whether a device has opened (the effects then play).
  bool DeviceFound() const { return FDeviceFound; }
  // Whether the device is open now: from an effect until it has rested.
  bool DeviceOpen() const { return FDeviceOpen; }
  // Whether effect `index` is decoded for the open device; false while the device rests.
  bool EffectLoaded(int index) const;

private:
  bool OpenDevice();
  void CloseDevice();

  std::array<std::span<const unsigned char>, EffectCount> FWavFiles;
  bool FAudioInitialised = false;
  bool FDeviceFound = false;
  bool FNoDevice = false;  // the first search found none
  bool FDeviceOpen = false;
  int FQuietTicks = 0;
  std::array<Mix_Chunk*, EffectCount> FEffects{};
};
