// The sounds and pictures compiled into the game.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "assets/embedded.h"
#include "gfx/bmp_decoder.h"
#include "gfx/jpeg_decoder.h"

namespace {

std::uint32_t Le(std::string_view bytes, size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

std::string_view View(std::span<const unsigned char> data) {
  return {reinterpret_cast<const char*>(data.data()), data.size()};
}

TEST(EmbeddedAssets, SoundsHaveTheirExactFormatsAndLengths) {
  const struct {
    int Rate, Bits;
    double Seconds;
  } formats[] = {{22050, 8, 0.5}, {44100, 16, 0.32}, {44100, 16, 1.66}, {22050, 8, 1.01}};
  for (int index = 0; index < EmbeddedSoundCount; ++index) {
    SCOPED_TRACE(index);
    const std::string_view wav = View(EmbeddedSound(index));
    ASSERT_GE(wav.size(), 44u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(Le(wav, 4, 4), wav.size() - 8);
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Le(wav, 20, 2), 1u);  // PCM
    EXPECT_EQ(Le(wav, 22, 2), 1u);  // mono
    EXPECT_EQ(Le(wav, 24, 4), static_cast<std::uint32_t>(formats[index].Rate));
    EXPECT_EQ(Le(wav, 34, 2), static_cast<std::uint32_t>(formats[index].Bits));
    EXPECT_EQ(wav.substr(36, 4), "data");
    const std::uint32_t dataBytes = Le(wav, 40, 4);
    ASSERT_EQ(dataBytes, wav.size() - 44);
    const double samples = dataBytes / (formats[index].Bits / 8.0);
    EXPECT_NEAR(samples / formats[index].Rate, formats[index].Seconds, 1.0 / formats[index].Rate);

    // Audible: the loudest sample reaches well away from silence.
    int peak = 0;
    for (size_t at = 44; at + formats[index].Bits / 8 <= wav.size();
         at += formats[index].Bits / 8) {
      const int sample = formats[index].Bits == 8 ? (static_cast<int>(Le(wav, at, 1)) - 128) * 256
                                                  : static_cast<std::int16_t>(Le(wav, at, 2));
      peak = std::max(peak, std::abs(sample));
    }
    EXPECT_GT(peak, 16000);
  }
  EXPECT_TRUE(EmbeddedSound(-1).empty());
  EXPECT_TRUE(EmbeddedSound(EmbeddedSoundCount).empty());
}

TEST(EmbeddedAssets, LoadingPictureAndIconDecode) {
  const TImage picture = DecodeJpeg(View(EmbeddedLoadingPicture()));
  EXPECT_EQ(picture.Width, 200);
  EXPECT_EQ(picture.Height, 125);
  const TImage icon = DecodeBmp(View(EmbeddedWindowIcon()));
  EXPECT_EQ(icon.Width, 48);
  EXPECT_EQ(icon.Height, 48);
}

}  // namespace
