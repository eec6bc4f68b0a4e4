#pragma once

#include <cstddef>
#include <span>

// Data built into the executable rather than read from its folder: made at build time by
// the asset pipeline (see assets/CMakeLists.txt). No dependency beyond the C++ library.

constexpr int EmbeddedSoundCount = 4;

// Sound effect 0..3 as a complete mono PCM WAV file: 0 dice clatter (22050 Hz, 8 bit,
// 0.5 s), 1 lost turn (44100 Hz, 16 bit, 0.32 s), 2 new game (44100 Hz, 16 bit, 1.66 s),
// 3 victory (22050 Hz, 8 bit, 1.01 s). Empty for any other index.
std::span<const unsigned char> EmbeddedSound(int index);

// The loading window's 200 x 125 picture, a JPEG file.
std::span<const unsigned char> EmbeddedLoadingPicture();

// The window and desktop icon, 48 x 48: a 32-bit BMP file with an alpha channel.
std::span<const unsigned char> EmbeddedWindowIcon();
