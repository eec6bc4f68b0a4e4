#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A rendered picture with coverage: rows top to bottom, each pixel cairo's premultiplied
// 0xAARRGGBB, so edges keep their anti-aliasing until we decide what they stand on.
struct TRaster {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Argb;

  std::uint32_t Pixel(int x, int y) const { return Argb[static_cast<size_t>(y) * Width + x]; }
};

// Renders an SVG document at its own pixel size (its width and height attributes). With an
// element id, only that element (and what it references) is drawn, in its place in the
// document, so one file can hold several looks of a sprite. Throws std::runtime_error with
// the reason when the document or the id is bad.
TRaster RenderSvg(std::string_view svg, std::string_view elementId = {});

// Renders the whole document scaled to `size`×`size` pixels (its view box fills the square),
// for the desktop icons made from the window icon's picture.
TRaster RenderSvgSquare(std::string_view svg, int size);

// Whether the SVG document has an element with this id. Throws like RenderSvg for a bad
// document.
bool SvgHasElement(std::string_view svg, std::string_view elementId);

// Reads an SVG file, replacing every <!--#include FILE--> with the text of FILE (relative to
// the SVG's folder), so pictures can share their materials (wood, baize, brass).
std::string ReadSvgFile(const std::string& path);

// Reads a whole text or binary file; throws std::runtime_error naming the file on failure.
std::string ReadFileBytes(const std::string& path);
// Writes bytes to a file, replacing it; throws std::runtime_error naming the file on failure.
void WriteFileBytes(const std::string& path, std::string_view bytes);
