#include "gfx/gif_decoder.h"

#include <algorithm>
#include <memory>
#include <string>

#include <gif_lib.h>

#include "gfx/decode_limits.h"
#include "gfx/graph_error.h"

namespace {

[[noreturn]] void Fail(const std::string& why) { throw TGraphError("GIF: " + why); }

// giflib's own text for its error code; it has none for some failures deep in the data.
[[noreturn]] void FailWithCode(int code) {
  const char* text = GifErrorString(code);
  Fail(text ? text : "corrupt data");
}

[[noreturn]] void FailWithGifError(const GifFileType* gif) { FailWithCode(gif->Error); }

struct TSource {
  std::string_view Bytes;
  std::size_t Position = 0;
};

int ReadSource(GifFileType* gif, GifByteType* out, int count) {
  auto* source = static_cast<TSource*>(gif->UserData);
  const std::size_t n = std::min<std::size_t>(count, source->Bytes.size() - source->Position);
  std::copy_n(source->Bytes.data() + source->Position, n, out);
  source->Position += n;
  return static_cast<int>(n);
}

struct TCloseGif {
  void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};
using TGifHandle = std::unique_ptr<GifFileType, TCloseGif>;

std::vector<std::uint32_t> PaletteOf(const ColorMapObject* map) {
  std::vector<std::uint32_t> palette(256, 0);
  const int count = std::min(map->ColorCount, 256);
  for (int i = 0; i < count; ++i) {
    const GifColorType& c = map->Colors[i];
    palette[i] = std::uint32_t{c.Red} << 16 | std::uint32_t{c.Green} << 8 | c.Blue;
  }
  return palette;
}

// Reads the rows of the current image; interlaced rows come in four passes.
void ReadIndices(GifFileType* gif, TGifFrame& frame) {
  frame.Indices.resize(static_cast<std::size_t>(frame.Width) * frame.Height);
  auto readRow = [&](int y) {
    if (DGifGetLine(gif, &frame.Indices[static_cast<std::size_t>(y) * frame.Width], frame.Width) == GIF_ERROR)
      FailWithGifError(gif);
  };
  if (!gif->Image.Interlace) {
    for (int y = 0; y < frame.Height; ++y) readRow(y);
    return;
  }
  constexpr int kPassStart[] = {0, 4, 2, 1};
  constexpr int kPassStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = kPassStart[pass]; y < frame.Height; y += kPassStep[pass]) readRow(y);
}

void ReadControl(const GifByteType* extension, TGifFrame& next) {
  GraphicsControlBlock control;
  if (DGifExtensionToGCB(extension[0], extension + 1, &control) == GIF_ERROR)
    Fail("corrupt graphics control extension");
  next.HasControl = true;
  next.Delay = control.DelayTime;
  next.TransparentIndex = control.TransparentColor;
  next.Disposal = control.DisposalMode;
}

void ReadExtension(GifFileType* gif, TGifFrame& next) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) FailWithGifError(gif);
  if (code == GRAPHICS_EXT_FUNC_CODE && block) ReadControl(block, next);
  while (block) {
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) FailWithGifError(gif);
  }
}

}  // namespace

TGifImage DecodeGif(std::string_view bytes) {
  TSource source{bytes};
  int error = 0;
  TGifHandle gif(DGifOpen(&source, ReadSource, &error));
  if (!gif) FailWithCode(error);

  TGifImage image;
  image.Width = gif->SWidth;
  image.Height = gif->SHeight;
  image.BackgroundIndex = gif->SBackGroundColor;
  if (image.Width <= 0 || image.Height <= 0) Fail("empty logical screen");
  if (std::int64_t{image.Width} * image.Height > MaxDecodedPixels) Fail("picture too large");
  if (gif->SColorMap) image.GlobalPalette = PaletteOf(gif->SColorMap);

  std::int64_t totalPixels = 0;
  TGifFrame next;
  for (;;) {
    GifRecordType record;
    if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) FailWithGifError(gif.get());
    if (record == TERMINATE_RECORD_TYPE) break;
    if (record == EXTENSION_RECORD_TYPE) {
      ReadExtension(gif.get(), next);
      continue;
    }
    if (record != IMAGE_DESC_RECORD_TYPE) Fail("unknown record type");

    if (DGifGetImageDesc(gif.get()) == GIF_ERROR) FailWithGifError(gif.get());
    const GifImageDesc& desc = gif->Image;
    next.Left = desc.Left;
    next.Top = desc.Top;
    next.Width = desc.Width;
    next.Height = desc.Height;
    if (next.Width <= 0 || next.Height <= 0) Fail("empty frame");
    totalPixels += std::int64_t{next.Width} * next.Height;
    if (totalPixels > MaxDecodedPixels) Fail("picture too large");
    next.HasLocalPalette = desc.ColorMap != nullptr;
    if (desc.ColorMap)
      next.Palette = PaletteOf(desc.ColorMap);
    else if (!image.GlobalPalette.empty())
      next.Palette = image.GlobalPalette;
    else
      Fail("frame without a colour map");
    ReadIndices(gif.get(), next);
    image.Frames.push_back(std::move(next));
    next = TGifFrame{};
  }
  if (image.Frames.empty()) Fail("no frames");
  return image;
}
