#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// One picture of a GIF, as stored: palette indices over its own rectangle of the logical
// screen (which a careless encoder may let reach past the screen: clip when drawing). The
// banner rotator lays frames over the picture the earlier ones left, skipping the
// transparent index.
struct TGifFrame {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Indices;  // Width * Height, rows top to bottom (de-interlaced)
  // The colour map in effect: the frame's own, else the global one. Always 256 entries of
  // 0x00RRGGBB, so any index is safe; entries past the file's map are black.
  std::vector<std::uint32_t> Palette;
  bool HasLocalPalette = false;
  // From the graphics control extension before the frame:
  bool HasControl = false;     // whether there was one (a frame without it has no delay)
  int Delay = 0;               // hundredths of a second
  int TransparentIndex = -1;   // -1: every pixel is drawn
  int Disposal = 0;            // 0 unspecified, 1 leave, 2 restore background, 3 restore previous
};

struct TGifImage {
  int Width = 0;   // logical screen
  int Height = 0;
  int BackgroundIndex = 0;
  std::vector<std::uint32_t> GlobalPalette;  // 256 entries as above, or empty when absent
  std::vector<TGifFrame> Frames;             // at least one
};

// Decodes every frame of a GIF (87a or 89a). Truncated or corrupt data, a file without
// frames, a frame without a colour map and oversized pictures throw TGraphError: a banner
// is either whole or refused, never shown half.
TGifImage DecodeGif(std::string_view bytes);
