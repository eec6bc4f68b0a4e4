#include "platform/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <optional>

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

// The calls of SDL2_mixer the sound makes, from the library loaded at run time.
struct TMixer {
  decltype(&Mix_OpenAudio) OpenAudio;
  decltype(&Mix_AllocateChannels) AllocateChannels;
  decltype(&Mix_LoadWAV_RW) LoadWAV;
  decltype(&Mix_FreeChunk) FreeChunk;
  decltype(&Mix_HaltChannel) HaltChannel;
  decltype(&Mix_CloseAudio) CloseAudio;
  decltype(&Mix_PlayChannelTimed) PlayChannel;
  decltype(&Mix_Playing) Playing;
};

template <typename TFunction>
bool Find(void* library, const char* name, TFunction& function) {
  function = reinterpret_cast<TFunction>(dlsym(library, name));
  return function != nullptr;
}

// Loaded once and kept with the program; null when the library or a call is missing.
const TMixer* Mixer() {
  static const std::optional<TMixer> mixer = []() -> std::optional<TMixer> {
    void* library = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library) return std::nullopt;
    TMixer calls{};
    const bool found = Find(library, "Mix_OpenAudio", calls.OpenAudio) &&
                       Find(library, "Mix_AllocateChannels", calls.AllocateChannels) &&
                       Find(library, "Mix_LoadWAV_RW", calls.LoadWAV) && Find(library, "Mix_FreeChunk", calls.FreeChunk) &&
                       Find(library, "Mix_HaltChannel", calls.HaltChannel) &&
                       Find(library, "Mix_CloseAudio", calls.CloseAudio) &&
                       Find(library, "Mix_PlayChannelTimed", calls.PlayChannel) &&
                       Find(library, "Mix_Playing", calls.Playing);
    if (!found) return std::nullopt;
    return calls;
  }();
  return mixer ? &*mixer : nullptr;
}

}  // namespace

TSdlSound::TSdlSound(const std::array<std::span<const unsigned char>, EffectCount>& wavFiles) : FWavFiles(wavFiles) {}

TSdlSound::~TSdlSound() {
  CloseDevice();
  if (FAudioInitialised) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool TSdlSound::OpenDevice() {
  if (!FAudioInitialised) {
    SilenceAlsaErrors();
    FAudioInitialised = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  }
  const TMixer* mixer = Mixer();
  if (!FAudioInitialised || !mixer) return false;
  if (mixer->OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) return false;
  FDeviceOpen = true;
  FQuietTicks = 0;
  mixer->AllocateChannels(kChannels);
  for (int i = 0; i < EffectCount; ++i) {
    const auto& wav = FWavFiles[i];
    if (wav.empty()) continue;
    SDL_RWops* stream = SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size()));
    if (stream) FEffects[i] = mixer->LoadWAV(stream, 1);
  }
  return true;
}

void TSdlSound::CloseDevice() {
  if (!FDeviceOpen) return;
  const TMixer& mixer = *Mixer();
  mixer.HaltChannel(-1);
  for (Mix_Chunk*& effect : FEffects) {
    if (effect) mixer.FreeChunk(effect);
    effect = nullptr;
  }
  mixer.CloseAudio();
  FDeviceOpen = false;
}

bool TSdlSound::EffectLoaded(int index) const {
  return index >= 0 && index < EffectCount && FEffects[index] != nullptr;
}

void TSdlSound::Play(int index) {
  if (FNoDevice || index < 0 || index >= EffectCount || FWavFiles[index].empty()) return;
  // A device lost since it was found stays silent; the next effect tries again.
  if (!FDeviceOpen && !OpenDevice()) {
    FNoDevice = !FDeviceFound;
    return;
  }
  FDeviceFound = true;
  if (FEffects[index]) Mixer()->PlayChannel(-1, FEffects[index], 0, -1);
}

void TSdlSound::Tick() {
  if (!FDeviceOpen) return;
  if (Mixer()->Playing(-1) > 0) {
    FQuietTicks = 0;
    return;
  }
  if (++FQuietTicks >= RestTicks) CloseDevice();
}
