#include "tools/assetgen/image_files.h"

#include <cairo.h>
#include <jpeglib.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

void PutLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void CheckSize(const TImage& image) {
  if (image.Width <= 0 || image.Height <= 0 ||
      image.Pixels.size() != static_cast<size_t>(image.Width) * image.Height)
    throw std::runtime_error("image to encode has no pixels");
}

}  // namespace

std::string EncodeBmp(const TImage& image) {
  CheckSize(image);
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.Width) * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(image.Height);
  const std::uint32_t headerBytes = 14 + 40;
  std::string out;
  out.reserve(headerBytes + pixelBytes);
  out += "BM";
  PutLe(out, headerBytes + pixelBytes, 4);
  PutLe(out, 0, 4);
  PutLe(out, headerBytes, 4);
  PutLe(out, 40, 4);
  PutLe(out, static_cast<std::uint32_t>(image.Width), 4);
  PutLe(out, static_cast<std::uint32_t>(image.Height), 4);
  PutLe(out, 1, 2);   // planes
  PutLe(out, 24, 2);  // bits per pixel
  PutLe(out, 0, 4);   // no compression
  PutLe(out, pixelBytes, 4);
  PutLe(out, 2835, 4);  // 72 dpi
  PutLe(out, 2835, 4);
  PutLe(out, 0, 4);
  PutLe(out, 0, 4);
  for (int y = image.Height - 1; y >= 0; --y) {
    const size_t rowStart = out.size();
    for (int x = 0; x < image.Width; ++x) {
      const std::uint32_t p = image.Pixel(x, y);
      out.push_back(static_cast<char>(p & 0xFF));
      out.push_back(static_cast<char>((p >> 8) & 0xFF));
      out.push_back(static_cast<char>((p >> 16) & 0xFF));
    }
    out.resize(rowStart + rowBytes, '\0');
  }
  return out;
}

std::string EncodeBmpWithAlpha(const TRaster& raster) {
  if (raster.Width <= 0 || raster.Height <= 0) throw std::runtime_error("icon has no pixels");
  const std::uint32_t pixelBytes = static_cast<std::uint32_t>(raster.Width) * raster.Height * 4;
  const std::uint32_t headerBytes = 14 + 108;
  std::string out = "BM";
  PutLe(out, headerBytes + pixelBytes, 4);
  PutLe(out, 0, 4);
  PutLe(out, headerBytes, 4);
  PutLe(out, 108, 4);
  PutLe(out, static_cast<std::uint32_t>(raster.Width), 4);
  PutLe(out, static_cast<std::uint32_t>(raster.Height), 4);
  PutLe(out, 1, 2);
  PutLe(out, 32, 2);
  PutLe(out, 3, 4);  // bit fields
  PutLe(out, pixelBytes, 4);
  PutLe(out, 2835, 4);
  PutLe(out, 2835, 4);
  PutLe(out, 0, 4);
  PutLe(out, 0, 4);
  PutLe(out, 0x00FF0000, 4);  // red, green, blue, alpha masks
  PutLe(out, 0x0000FF00, 4);
  PutLe(out, 0x000000FF, 4);
  PutLe(out, 0xFF000000, 4);
  PutLe(out, 0x73524742, 4);  // "sRGB"
  out.append(48, '\0');       // end points and gamma, unused with sRGB
  for (int y = raster.Height - 1; y >= 0; --y)
    for (int x = 0; x < raster.Width; ++x) {
      // cairo keeps colour premultiplied by coverage; a BMP keeps it straight.
      const std::uint32_t p = raster.Pixel(x, y), a = p >> 24;
      std::uint32_t straight = p & 0xFF000000;
      for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t c = a ? (((p >> shift) & 0xFF) * 255 + a / 2) / a : 0;
        straight |= (c > 255 ? 255 : c) << shift;
      }
      PutLe(out, straight, 4);
    }
  return out;
}

std::string EncodeJpeg(const TImage& image, int quality) {
  CheckSize(image);
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);  // our own pixels: a failure here is a programming error
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(image.Width);
  cinfo.image_height = static_cast<JDIMENSION>(image.Height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  for (int c = 0; c < cinfo.num_components; ++c) {
    cinfo.comp_info[c].h_samp_factor = 1;
    cinfo.comp_info[c].v_samp_factor = 1;
  }
  jpeg_start_compress(&cinfo, TRUE);
  std::string row(static_cast<size_t>(image.Width) * 3, '\0');
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = static_cast<int>(cinfo.next_scanline);
    for (int x = 0; x < image.Width; ++x) {
      const std::uint32_t p = image.Pixel(x, y);
      row[x * 3] = static_cast<char>((p >> 16) & 0xFF);
      row[x * 3 + 1] = static_cast<char>((p >> 8) & 0xFF);
      row[x * 3 + 2] = static_cast<char>(p & 0xFF);
    }
    JSAMPROW rows[1] = {reinterpret_cast<JSAMPROW>(row.data())};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string out(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

namespace {

cairo_status_t AppendPngBytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// Cairo's PNG writer over rows of 32-bit pixels in cairo's own layout for `format`.
std::string WritePng(cairo_format_t format, int width, int height, const std::uint32_t* pixels) {
  cairo_surface_t* surface = cairo_image_surface_create(format, width, height);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < height; ++y)
    std::memcpy(data + y * stride, pixels + static_cast<size_t>(y) * width, static_cast<size_t>(width) * 4);
  cairo_surface_mark_dirty(surface);
  std::string out;
  const cairo_status_t status = cairo_surface_write_to_png_stream(surface, AppendPngBytes, &out);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("PNG encoding failed");
  return out;
}

}  // namespace

std::string EncodePng(const TImage& image) {
  CheckSize(image);
  return WritePng(CAIRO_FORMAT_RGB24, image.Width, image.Height, image.Pixels.data());
}

std::string EncodePngWithAlpha(const TRaster& raster) {
  if (raster.Width <= 0 || raster.Height <= 0 || raster.Argb.size() != static_cast<size_t>(raster.Width) * raster.Height)
    throw std::runtime_error("image to encode has no pixels");
  return WritePng(CAIRO_FORMAT_ARGB32, raster.Width, raster.Height, raster.Argb.data());
}
