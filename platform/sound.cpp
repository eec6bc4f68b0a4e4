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

TSdlSound::TSdlSound(const std::array<std::span<const unsigned char>, EffectCount>& wavFiles) {
  SilenceAlsaErrors();
  FAudioInitialised = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (!FAudioInitialised) return;
  FDeviceOpen = Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) == 0;
  if (!FDeviceOpen) return;
  Mix_AllocateChannels(kChannels);
  for (int i = 0; i < EffectCount; ++i) {
    const auto& wav = wavFiles[i];
    if (wav.empty()) continue;
    SDL_RWops* stream = SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size()));
    if (stream) FEffects[i] = Mix_LoadWAV_RW(stream, 1);
  }
}

TSdlSound::~TSdlSound() {
  if (FDeviceOpen) {
    Mix_HaltChannel(-1);
    for (Mix_Chunk* effect : FEffects)
      if (effect) Mix_FreeChunk(effect);
    Mix_CloseAudio();
  }
  if (FAudioInitialised) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool TSdlSound::EffectLoaded(int index) const {
  return index >= 0 && index < EffectCount && FEffects[index] != nullptr;
}

void TSdlSound::Play(int index) {
  if (!EffectLoaded(index)) return;
  Mix_PlayChannel(-1, FEffects[index], 0);
}
