#pragma once

#include <string>
#include <vector>

// The game's four sound effects, synthesised (no recordings), as complete WAV files.
struct TSoundFormat {
  int SampleRate;
  int BitsPerSample;  // 8 (unsigned) or 16 (signed)
  int Samples;        // mono
};

// Formats by effect index: 0 dice clatter, 1 lost turn, 2 new game, 3 victory.
const std::vector<TSoundFormat>& SoundFormats();

// Effect 0..3 as a mono PCM WAV file in its format. Deterministic.
std::string SynthesiseSound(int index);
