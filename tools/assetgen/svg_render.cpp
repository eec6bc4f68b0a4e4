#include "tools/assetgen/svg_render.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

namespace {

struct TGObjectUnref {
  void operator()(gpointer object) const { g_object_unref(object); }
};
struct TSurfaceDestroy {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct TCairoDestroy {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

std::string TakeError(GError* error) {
  std::string text = error ? error->message : "unknown librsvg error";
  if (error) g_error_free(error);
  return text;
}

std::unique_ptr<RsvgHandle, TGObjectUnref> OpenSvg(std::string_view svg) {
  GError* error = nullptr;
  std::unique_ptr<RsvgHandle, TGObjectUnref> handle(
      rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error));
  if (!handle) throw std::runtime_error("SVG not readable: " + TakeError(error));
  rsvg_handle_set_dpi(handle.get(), 96.0);
  return handle;
}

}  // namespace

bool SvgHasElement(std::string_view svg, std::string_view elementId) {
  return rsvg_handle_has_sub(OpenSvg(svg).get(), ("#" + std::string(elementId)).c_str());
}

namespace {

// Draws the document (or one element of it) into a viewport of the raster's size.
TRaster Render(RsvgHandle* handle, int width, int height, const std::string& id) {
  if (width <= 0 || height <= 0) throw std::runtime_error("SVG size is empty");
  if (!id.empty() && !rsvg_handle_has_sub(handle, id.c_str()))
    throw std::runtime_error("SVG has no element with id " + id.substr(1));
  TRaster raster;
  raster.Width = width;
  raster.Height = height;
  std::unique_ptr<cairo_surface_t, TSurfaceDestroy> surface(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, raster.Width, raster.Height));
  std::unique_ptr<cairo_t, TCairoDestroy> cr(cairo_create(surface.get()));
  const RsvgRectangle viewport{0, 0, static_cast<double>(width), static_cast<double>(height)};
  GError* error = nullptr;
  const gboolean ok = id.empty() ? rsvg_handle_render_document(handle, cr.get(), &viewport, &error)
                                 : rsvg_handle_render_layer(handle, cr.get(), id.c_str(), &viewport, &error);
  if (!ok) throw std::runtime_error("SVG not renderable: " + TakeError(error));
  cairo_surface_flush(surface.get());

  const unsigned char* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  raster.Argb.resize(static_cast<size_t>(raster.Width) * raster.Height);
  for (int y = 0; y < raster.Height; ++y)
    std::memcpy(&raster.Argb[static_cast<size_t>(y) * raster.Width], data + y * stride,
                static_cast<size_t>(raster.Width) * 4);
  return raster;
}

}  // namespace

TRaster RenderSvg(std::string_view svg, std::string_view elementId) {
  const std::unique_ptr<RsvgHandle, TGObjectUnref> handle = OpenSvg(svg);
  double width = 0, height = 0;
  if (!rsvg_handle_get_intrinsic_size_in_pixels(handle.get(), &width, &height))
    throw std::runtime_error("SVG has no pixel size (width and height attributes needed)");
  const std::string id = elementId.empty() ? std::string() : "#" + std::string(elementId);
  return Render(handle.get(), static_cast<int>(std::lround(width)), static_cast<int>(std::lround(height)), id);
}

TRaster RenderSvgSquare(std::string_view svg, int size) { return Render(OpenSvg(svg).get(), size, size, {}); }

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error("cannot read " + path);
  return bytes;
}

std::string ReadSvgFile(const std::string& path) {
  std::string svg = ReadFileBytes(path);
  const std::string dir = path.substr(0, path.rfind('/') + 1);
  const std::string open = "<!--#include ", close = "-->";
  for (size_t at = 0; (at = svg.find(open, at)) != std::string::npos;) {
    const size_t end = svg.find(close, at);
    if (end == std::string::npos) throw std::runtime_error(path + ": unclosed include");
    const std::string file = svg.substr(at + open.size(), end - at - open.size());
    const std::string text = ReadFileBytes(dir + file);
    svg.replace(at, end + close.size() - at, text);
    at += text.size();  // an included file's own text is not scanned again
  }
  return svg;
}

void WriteFileBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}
