// The pieces of the asset generators: templates, manifests, compositing and the encoders,
// checked against the game's own decoders.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "gfx/bmp_decoder.h"
#include "gfx/gif_decoder.h"
#include "gfx/jpeg_decoder.h"
#include "tools/assetgen/font_raster.h"
#include "tools/assetgen/gif_file.h"
#include "tools/assetgen/image_files.h"
#include "tools/assetgen/manifest.h"
#include "tools/assetgen/sound_synth.h"
#include "tools/assetgen/sprite_flatten.h"

namespace {

TImage Pattern(int width, int height) {
  TImage image;
  image.Width = width;
  image.Height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.Pixels.push_back(static_cast<std::uint32_t>(
          (x * 40 & 0xFF) << 16 | (y * 30 & 0xFF) << 8 | ((x + y) * 7 & 0xFF)));
  return image;
}

TEST(AssetgenTemplate, FillsEscapedValuesAndRefusesUnknownOrUnclosedPlaceholders) {
  EXPECT_EQ(FillTemplate("<text>{{LABEL}}</text>", {{"LABEL", "Сеть"}}), "<text>Сеть</text>");
  EXPECT_EQ(FillTemplate("{{A}}{{A}}", {{"A", "<&\">"}}), "&lt;&amp;&quot;&gt;&lt;&amp;&quot;&gt;");
  EXPECT_EQ(FillTemplate("no placeholders", {}), "no placeholders");
  EXPECT_THROW(FillTemplate("{{LABLE}}", {{"LABEL", "x"}}), std::runtime_error);
  EXPECT_THROW(FillTemplate("{{LABEL", {{"LABEL", "x"}}), std::runtime_error);
}

TEST(AssetgenManifest, SplitsWordsAndSkipsCommentsAndBlankLines) {
  const std::vector<TManifestLine> lines =
      ParseManifest("# comment\n\nstates A|B|C wood button.svg Два слова\n  sprite X felt x.svg\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Number, 3);
  EXPECT_EQ(lines[0].Words.size(), 6u);
  EXPECT_EQ(lines[0].Tail(4), "Два слова");
  EXPECT_EQ(lines[1].Number, 4);
  EXPECT_EQ(lines[1].Tail(1), "X felt x.svg");
  EXPECT_EQ(lines[1].Tail(9), "");
}

TEST(AssetgenFlatten, KeyedSpritesBlendEdgesIntoTheirBackgroundAndAvoidKeyAndBlack) {
  TRaster raster;
  raster.Width = 5;
  raster.Height = 1;
  raster.Argb = {
      0x00000000,  // empty: the key
      0x10101010,  // faint coverage: still the key
      0x80400000,  // half-covered dark red over the background
      0xFFFF00FF,  // opaque magenta would be the key: nudged
      0xFF000000,  // opaque black would vanish in the message panel: nudged
  };
  const TImage image = FlattenKeyed(raster, 0x00204060);
  EXPECT_EQ(image.Pixels[0], SpriteColorKey);
  EXPECT_EQ(image.Pixels[1], SpriteColorKey);
  EXPECT_EQ(image.Pixels[2], 0x00502030u);  // 0x40 + 0x20 * 127/255, 0x40 * 127/255, ...
  EXPECT_NE(image.Pixels[3], SpriteColorKey);
  EXPECT_NE(image.Pixels[4], 0u);

  const TImage mask = MaskOf(raster);
  EXPECT_EQ(mask.Pixels, (std::vector<std::uint32_t>{0, 0, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF}));
}

TEST(AssetgenEncoders, RoundTripThroughTheGamesDecoders) {
  for (int width : {1, 2, 3, 4, 5, 98}) {  // every row padding of 24-bit BMP
    SCOPED_TRACE(width);
    const TImage image = Pattern(width, 3);
    const TImage bmp = DecodeBmp(EncodeBmp(image));
    EXPECT_EQ(bmp.Width, width);
    EXPECT_EQ(bmp.Pixels, image.Pixels);
  }
  const TImage jpeg = DecodeJpeg(EncodeJpeg(Pattern(17, 9), 95));
  EXPECT_EQ(jpeg.Width, 17);
  EXPECT_EQ(jpeg.Height, 9);

  TRaster icon;
  icon.Width = 2;
  icon.Height = 2;
  icon.Argb = {0xFFFF0000, 0x80400000, 0x00000000, 0xFF00FF00};  // premultiplied
  const TImage decoded = DecodeBmp(EncodeBmpWithAlpha(icon));
  ASSERT_EQ(decoded.Pixels.size(), 4u);
  EXPECT_EQ(decoded.Pixels[0] & 0x00FFFFFF, 0x00FF0000u);
  EXPECT_EQ(decoded.Pixels[1] & 0x00FFFFFF, 0x00800000u);  // colour unpremultiplied
  EXPECT_EQ(decoded.Pixels[3] & 0x00FFFFFF, 0x0000FF00u);
}

TEST(AssetgenEncoders, AnimatedGifKeepsFramesDelaysAndFewColoursExactly) {
  TGifFrameSource first{Pattern(6, 4), 25}, second{Pattern(6, 4), 300};
  second.Picture.Pixels[5] = 0x00FFFFFF;
  const TGifImage gif = DecodeGif(EncodeAnimatedGif({first, second}));
  EXPECT_EQ(gif.Width, 6);
  EXPECT_EQ(gif.Height, 4);
  ASSERT_EQ(gif.Frames.size(), 2u);
  EXPECT_EQ(gif.Frames[0].Delay, 25);
  EXPECT_EQ(gif.Frames[1].Delay, 300);
  EXPECT_EQ(gif.Frames[1].TransparentIndex, -1);
  // Fewer colours than the palette holds: each comes back within the 5-bit gathering.
  for (size_t i = 0; i < second.Picture.Pixels.size(); ++i) {
    const std::uint32_t want = second.Picture.Pixels[i];
    const std::uint32_t got = gif.Frames[1].Palette[gif.Frames[1].Indices[i]];
    for (int shift = 0; shift <= 16; shift += 8)
      EXPECT_NEAR(static_cast<int>((got >> shift) & 0xFF), static_cast<int>((want >> shift) & 0xFF),
                  8);
  }
  EXPECT_THROW(EncodeAnimatedGif({}), std::runtime_error);
  TGifFrameSource other{Pattern(5, 4), 10};
  EXPECT_THROW(EncodeAnimatedGif({first, other}), std::runtime_error);
}

TEST(AssetgenFont, CharsetListsCodesInOrderWithTheSpaceAndSkipsComments) {
  EXPECT_EQ(CharsetCodes("# not these: XYZ\nba\nЁ a\n"),
            (std::vector<unsigned char>{' ', 'a', 'b', 0xA8}));
  EXPECT_EQ(CharsetCodes(""), (std::vector<unsigned char>{' '}));
  EXPECT_THROW(CharsetCodes("€≠"), std::runtime_error);  // ≠ is not in Windows-1251
}

TEST(AssetgenFont, RefusesAMissingFontAndACodeWithoutACharacter) {
  EXPECT_THROW(RenderGlyphs("/nonexistent/font.ttf", 13, {'A'}), std::runtime_error);
  EXPECT_THROW(RenderGlyphs(THOUSAND_FONT_FILE, 13, {0x98}), std::runtime_error);  // unassigned
  EXPECT_THROW(RenderGlyphs(THOUSAND_FONT_FILE, 0, {'A'}), std::runtime_error);
}

TEST(AssetgenSound, RefusesAnIndexWithoutAnEffect) {
  EXPECT_THROW(SynthesiseSound(-1), std::out_of_range);
  EXPECT_THROW(SynthesiseSound(4), std::out_of_range);
}

}  // namespace
