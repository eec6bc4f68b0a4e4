#include "tools/assetgen/sound_synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Fixed-seed noise, so every build makes the same bytes.
class TNoise {
 public:
  double Next() {
    State = State * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(State >> 11) / static_cast<double>(1ULL << 53) * 2.0 - 1.0;
  }

 private:
  std::uint64_t State = 0x5DEECE66DULL;
};

double NoteHz(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

// Adds a struck tone (bell-like partials with exponential decay) starting at a time.
void AddBell(std::vector<double>& out, int rate, double start, double hz, double length,
             double level) {
  const int first = static_cast<int>(start * rate);
  const int count = static_cast<int>(length * rate);
  for (int i = 0; i < count && first + i < static_cast<int>(out.size()); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double attack = std::min(1.0, t / 0.004);
    const double decay = std::exp(-t * 4.5 / length);
    const double tone = std::sin(2 * kPi * hz * t) +
                        0.45 * std::sin(2 * kPi * hz * 2 * t) * std::exp(-t * 6) +
                        0.2 * std::sin(2 * kPi * hz * 3.01 * t) * std::exp(-t * 9);
    out[first + i] += level * attack * decay * tone;
  }
}

// Adds a brass-like note: a few odd and even harmonics with a soft swell and release.
void AddHorn(std::vector<double>& out, int rate, double start, double hz, double length,
             double level) {
  const int first = static_cast<int>(start * rate);
  const int count = static_cast<int>(length * rate);
  for (int i = 0; i < count && first + i < static_cast<int>(out.size()); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double envelope = std::min(1.0, t / 0.015) * std::min(1.0, (length - t) / 0.04);
    const double vibrato = 1.0 + 0.004 * std::sin(2 * kPi * 5.5 * t) * std::min(1.0, t / 0.2);
    double tone = 0;
    for (int h = 1; h <= 6; ++h) tone += std::sin(2 * kPi * hz * h * vibrato * t) / (h * 1.3);
    out[first + i] += level * envelope * tone;
  }
}

// Dice on a wooden table: knocks of decreasing strength at irregular moments, each a
// burst of filtered noise with two short resonances of the ivory.
std::vector<double> DiceClatter(int rate, int samples) {
  std::vector<double> out(samples, 0.0);
  TNoise noise;
  const double hits[][2] = {{0.000, 1.0},  {0.038, 0.7},  {0.061, 0.85}, {0.112, 0.6},
                            {0.158, 0.75}, {0.205, 0.45}, {0.262, 0.5},  {0.301, 0.3},
                            {0.352, 0.32}, {0.405, 0.18}, {0.440, 0.12}};
  for (const auto& [start, level] : hits) {
    const int first = static_cast<int>(start * rate);
    const double toneA = 1800 + 900 * level, toneB = 3400 - 600 * level;
    double low = 0;
    for (int i = 0; first + i < samples && i < rate / 20; ++i) {
      const double t = static_cast<double>(i) / rate;
      low += 0.45 * (noise.Next() - low);  // a little darker than white noise
      const double body = 0.55 * std::sin(2 * kPi * toneA * t) + 0.35 * std::sin(2 * kPi * toneB * t);
      out[first + i] += level * (0.65 * low * std::exp(-t / 0.004) + body * std::exp(-t / 0.009));
    }
  }
  return out;
}

// A short falling "wah-wah": a glide down with a little wobble, slightly hollow.
std::vector<double> LostTurn(int rate, int samples) {
  std::vector<double> out(samples, 0.0);
  const double length = static_cast<double>(samples) / rate;
  double phase = 0;
  for (int i = 0; i < samples; ++i) {
    const double t = static_cast<double>(i) / rate;
    const double hz =
        520.0 * std::pow(180.0 / 520.0, t / length) * (1.0 + 0.03 * std::sin(2 * kPi * 14 * t));
    phase += 2 * kPi * hz / rate;
    const double envelope = std::min(1.0, t / 0.008) * std::pow(1.0 - t / length, 0.7);
    out[i] = envelope * (std::sin(phase) + 0.35 * std::sin(3 * phase) + 0.15 * std::sin(5 * phase));
  }
  return out;
}

// A bright rising arpeggio that lands on a chord.
std::vector<double> StartJingle(int rate, int samples) {
  std::vector<double> out(samples, 0.0);
  const int notes[] = {3, 7, 10, 15, 19};  // C5 E5 G5 C6 E6 (semitones from A4)
  for (int n = 0; n < 5; ++n) AddBell(out, rate, 0.09 * n, NoteHz(notes[n]), 0.9, 0.5);
  for (int semis : {3, 7, 10, 15}) AddBell(out, rate, 0.5, NoteHz(semis), 1.15, 0.32);
  AddBell(out, rate, 0.5, NoteHz(-9), 1.15, 0.35);  // C4 underneath
  return out;
}

// A short fanfare: three quick notes up and a held top note over the chord.
std::vector<double> VictoryFlourish(int rate, int samples) {
  std::vector<double> out(samples, 0.0);
  AddHorn(out, rate, 0.00, NoteHz(-2), 0.12, 0.30);  // G4
  AddHorn(out, rate, 0.12, NoteHz(3), 0.12, 0.30);   // C5
  AddHorn(out, rate, 0.24, NoteHz(7), 0.12, 0.30);   // E5
  AddHorn(out, rate, 0.36, NoteHz(10), 0.64, 0.34);  // G5 held
  AddHorn(out, rate, 0.36, NoteHz(3), 0.64, 0.20);   // C5
  AddHorn(out, rate, 0.36, NoteHz(7), 0.64, 0.18);   // E5
  return out;
}

void PutLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Scales to a common peak, then writes the RIFF/WAVE file.
std::string EncodeWav(std::vector<double> samples, const TSoundFormat& format) {
  double peak = 0;
  for (double s : samples) peak = std::max(peak, std::abs(s));
  const double gain = peak > 0 ? 0.85 / peak : 0;
  const int bytesPerSample = format.BitsPerSample / 8;
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size()) * bytesPerSample;
  std::string out = "RIFF";
  PutLe(out, 36 + dataBytes, 4);
  out += "WAVEfmt ";
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);  // PCM
  PutLe(out, 1, 2);  // mono
  PutLe(out, static_cast<std::uint32_t>(format.SampleRate), 4);
  PutLe(out, static_cast<std::uint32_t>(format.SampleRate * bytesPerSample), 4);
  PutLe(out, static_cast<std::uint32_t>(bytesPerSample), 2);
  PutLe(out, static_cast<std::uint32_t>(format.BitsPerSample), 2);
  out += "data";
  PutLe(out, dataBytes, 4);
  for (double s : samples) {
    const double v = std::clamp(s * gain, -1.0, 1.0);
    if (format.BitsPerSample == 8)
      PutLe(out, static_cast<std::uint32_t>(std::lround(128 + v * 127)), 1);
    else
      PutLe(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(std::lround(v * 32767))), 2);
  }
  return out;
}

}  // namespace

const std::vector<TSoundFormat>& SoundFormats() {
  static const std::vector<TSoundFormat> formats = {
      {22050, 8, 11025},   // 0.5 s
      {44100, 16, 14112},  // 0.32 s
      {44100, 16, 73206},  // 1.66 s
      {22050, 8, 22271},   // 1.01 s, to the nearest sample
  };
  return formats;
}

std::string SynthesiseSound(int index) {
  using TGenerator = std::vector<double> (*)(int, int);
  static const TGenerator generators[] = {DiceClatter, LostTurn, StartJingle, VictoryFlourish};
  if (index < 0 || index >= static_cast<int>(SoundFormats().size()))
    throw std::out_of_range("no sound effect " + std::to_string(index));
  const TSoundFormat& format = SoundFormats()[index];
  return EncodeWav(generators[index](format.SampleRate, format.Samples), format);
}
