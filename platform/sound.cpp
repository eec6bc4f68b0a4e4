#include "platform/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

namespace {
// Enough channels for a clatter over a long fanfare and a lost-turn sound together.
constexpr int kChannels = 8;

extern "C" void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// ALSA writes every step of a failed device search to stderr, on a machine without sound
// too, where silence is the expected outcome. SDL loads the library at run time; so do we,
// to hand it a handler that says nothing. The library stays loaded with the program.
void SilenceAlsaErrors() {
  void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
  if (!alsa) return;
  using THandler = void (*)(const char*, int, const char*, int, const char*, ...);
  using TSetHandler = int (*)(THandler);
  if (auto set = reinterpret_cast<TSetHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) set(IgnoreAlsaError);
}

}  // namespace

TSdlSound::TSdlSound(const std::array<std::span<const unsigned char>, EffectCount>& wavFiles) : FWavFiles(wavFiles) {
  SilenceAlsaErrors();
  FAudioInitialised = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  FDeviceFound = FAudioInitialised && OpenDevice();
}

TSdlSound::~TSdlSound() {
  CloseDevice();
  if (FAudioInitialised) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool TSdlSound::OpenDevice() {
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) return false;
  FDeviceOpen = true;
  FQuietTicks = 0;
  Mix_AllocateChannels(kChannels);
  for (int i = 0; i < EffectCount; ++i) {
    const auto& wav = FWavFiles[i];
    if (wav.empty()) continue;
    SDL_RWops* stream = SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size()));
    if (stream) FEffects[i] = Mix_LoadWAV_RW(stream, 1);
  }
  return true;
}

void TSdlSound::CloseDevice() {
  if (!FDeviceOpen) return;
  Mix_HaltChannel(-1);
  for (Mix_Chunk*& effect : FEffects) {
    if (effect) Mix_FreeChunk(effect);
    effect = nullptr;
  }
  Mix_CloseAudio();
  FDeviceOpen = false;
}

bool TSdlSound::EffectLoaded(int index) const {
  return index >= 0 && index < EffectCount && FEffects[index] != nullptr;
}

void TSdlSound::Play(int index) {
  if (!FDeviceFound || index < 0 || index >= EffectCount || FWavFiles[index].empty()) return;
  // A device lost meanwhile stays silent; the next effect tries again.
  if (!FDeviceOpen && !OpenDevice()) return;
  if (FEffects[index]) Mix_PlayChannel(-1, FEffects[index], 0);
}

void TSdlSound::Tick() {
  if (!FDeviceOpen) return;
  if (Mix_Playing(-1) > 0) {
    FQuietTicks = 0;
    return;
  }
  if (++FQuietTicks >= RestTicks) CloseDevice();
}
