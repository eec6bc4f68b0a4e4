#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/gif_decoder.h"
#include "gfx/graph_error.h"
#include "tests/support/image_fixtures.h"

using namespace std::string_literals;

namespace {

const std::vector<std::uint32_t> Global = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};

// Two frames: a full one without local map, then a smaller one with its own map,
// a position, a transparent index and a disposal.
std::string TwoFrameGif() {
  TGifFixtureFrame first{.Width = 4, .Height = 2, .Indices = {0, 1, 2, 3, 3, 2, 1, 0}};
  first.Delay = 5;
  TGifFixtureFrame second{
      .Left = 1, .Top = 1, .Width = 2, .Height = 1, .Indices = {1, 0}, .LocalPalette = {0x111111, 0x222222}};
  second.Delay = 20;
  second.TransparentIndex = 0;
  second.Disposal = 2;
  return EncodeGif(4, 2, Global, {first, second});
}

}  // namespace

TEST(GifDecoder, DecodesFramesWithTheirControlData) {
  const TGifImage gif = DecodeGif(TwoFrameGif());
  EXPECT_EQ(gif.Width, 4);
  EXPECT_EQ(gif.Height, 2);
  ASSERT_EQ(gif.GlobalPalette.size(), 256u);
  EXPECT_EQ(gif.GlobalPalette[1], 0xFF0000u);
  ASSERT_EQ(gif.Frames.size(), 2u);

  const TGifFrame& first = gif.Frames[0];
  EXPECT_EQ(first.Indices, (std::vector<std::uint8_t>{0, 1, 2, 3, 3, 2, 1, 0}));
  EXPECT_FALSE(first.HasLocalPalette);
  EXPECT_EQ(first.Palette, gif.GlobalPalette);
  EXPECT_TRUE(first.HasControl);
  EXPECT_EQ(first.Delay, 5);
  EXPECT_EQ(first.TransparentIndex, -1);

  const TGifFrame& second = gif.Frames[1];
  EXPECT_EQ(second.Left, 1);
  EXPECT_EQ(second.Top, 1);
  EXPECT_EQ(second.Width, 2);
  EXPECT_EQ(second.Height, 1);
  EXPECT_EQ(second.Indices, (std::vector<std::uint8_t>{1, 0}));
  EXPECT_TRUE(second.HasLocalPalette);
  EXPECT_EQ(second.Palette[1], 0x222222u);
  EXPECT_EQ(second.Palette[2], 0u) << "past the file's map";
  EXPECT_EQ(second.Delay, 20);
  EXPECT_EQ(second.TransparentIndex, 0);
  EXPECT_EQ(second.Disposal, 2);
}

TEST(GifDecoder, InterlacedRowsComeOutInOrderAndMissingControlIsKnown) {
  TGifFixtureFrame frame{.Width = 1, .Height = 11};
  for (int y = 0; y < 11; ++y) frame.Indices.push_back(static_cast<std::uint8_t>(y));
  frame.LocalPalette.assign(16, 0x123456);
  frame.Interlace = true;
  frame.HasControl = false;
  const TGifImage gif = DecodeGif(EncodeGif(1, 11, {}, {frame}));
  ASSERT_EQ(gif.Frames.size(), 1u);
  EXPECT_EQ(gif.Frames[0].Indices, frame.Indices);
  EXPECT_TRUE(gif.GlobalPalette.empty());
  EXPECT_FALSE(gif.Frames[0].HasControl);
}

// giflib counts a half-read frame before reporting the error; the whole image is refused.
TEST(GifDecoder, EveryTruncationIsRefused) {
  const std::string gif = TwoFrameGif();
  for (std::size_t length = 0; length < gif.size(); ++length) {
    SCOPED_TRACE("length " + std::to_string(length));
    EXPECT_THROW(DecodeGif(gif.substr(0, length)), TGraphError);
  }
}

TEST(GifDecoder, RefusesCorruptOrUnusableFiles) {
  const std::string gif = TwoFrameGif();
  const std::size_t frame = gif.find(',');  // first image descriptor; the header has no comma
  ASSERT_NE(frame, std::string::npos);
  const std::size_t codeSize = frame + 10;  // LZW minimum code size of the first frame
  // giflib will not write a frame without a colour map: drop the global one afterwards.
  std::string noMap = EncodeGif(1, 1, {0x000000, 0xFFFFFF}, {TGifFixtureFrame{.Indices = {0}}});
  noMap[10] = static_cast<char>(noMap[10] & 0x7F);
  noMap.erase(13, 6);
  const struct {
    const char* Name;
    std::string Bytes;
  } cases[] = {
      {"not a GIF", "\x89PNG\r\n\x1A\n and more"s},
      {"no frames", EncodeGif(4, 2, Global, {})},
      {"frame without any colour map", noMap},
      {"empty logical screen", std::string(gif).replace(6, 4, "\0\0\0\0"s)},
      {"oversized logical screen", std::string(gif).replace(6, 4, "\xFF\xFF\xFF\xFF"s)},
      {"empty frame", std::string(gif).replace(frame + 5, 4, "\0\0\0\0"s)},
      {"bad LZW code size", std::string(gif).replace(codeSize, 1, "\x0F"s)},
      {"unknown record", std::string(gif).replace(frame, 1, "X")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_THROW(DecodeGif(c.Bytes), TGraphError);
  }
}
