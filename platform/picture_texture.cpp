#include "platform/picture_texture.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstddef>

bool TPictureTexture::Prepare(int width, int height, int context) {
  if (FName != 0 && FContext == context && FWidth == width && FHeight == height) return false;
  // A texture of another context went with it; one of this context is made again.
  if (FName != 0 && FContext == context) glDeleteTextures(1, &FName);
  glGenTextures(1, &FName);
  glBindTexture(GL_TEXTURE_2D, FName);
  // Whole factors and nearest texels: every picture pixel becomes an exact square.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
  glBindTexture(GL_TEXTURE_2D, 0);
  FContext = context;
  FWidth = width;
  FHeight = height;
  return true;
}

void TPictureTexture::Upload(const std::uint32_t* pixels, int stride, const TRect& area) {
  // What lies outside the picture is left out, as a window clips.
  const TRect inside = Intersection(area, {0, 0, FWidth, FHeight});
  if (FName == 0 || !pixels || IsEmpty(inside)) return;
  pixels += static_cast<std::ptrdiff_t>(inside.Top - area.Top) * stride + (inside.Left - area.Left);
  glBindTexture(GL_TEXTURE_2D, FName);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, stride);
  // Rows go in top row first, so the texture's first row is the picture's top.
  glTexSubImage2D(GL_TEXTURE_2D, 0, inside.Left, inside.Top, inside.Width, inside.Height, GL_BGRA, GL_UNSIGNED_BYTE,
                  pixels);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glBindTexture(GL_TEXTURE_2D, 0);
}

void TPictureTexture::Draw(const TLetterbox& box, const TRect& area) const {
  const TRect inside = Intersection(area, {0, 0, FWidth, FHeight});
  if (FName == 0 || IsEmpty(inside)) return;
  // A 3D view draws in this context too and sets up its own state each time: pictures are
  // laid flat, whatever it left enabled. (A pushed attribute stack costs Mesa megabytes.)
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glDisable(GL_BLEND);
  glDisable(GL_SCISSOR_TEST);
  glViewport(0, 0, box.DrawableWidth, box.DrawableHeight);
  // The 3D views keep their camera in the current matrix: it is left as found.
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, box.DrawableWidth, box.DrawableHeight, 0, -1, 1);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, FName);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  const float s0 = static_cast<float>(inside.Left) / FWidth;
  const float s1 = static_cast<float>(inside.Left + inside.Width) / FWidth;
  const float t0 = static_cast<float>(inside.Top) / FHeight;
  const float t1 = static_cast<float>(inside.Top + inside.Height) / FHeight;
  const int x0 = box.Left + inside.Left * box.Factor;
  const int x1 = box.Left + (inside.Left + inside.Width) * box.Factor;
  const int y0 = box.Top + inside.Top * box.Factor;
  const int y1 = box.Top + (inside.Top + inside.Height) * box.Factor;
  glBegin(GL_QUADS);
  glTexCoord2f(s0, t0);
  glVertex2i(x0, y0);
  glTexCoord2f(s0, t1);
  glVertex2i(x0, y1);
  glTexCoord2f(s1, t1);
  glVertex2i(x1, y1);
  glTexCoord2f(s1, t0);
  glVertex2i(x1, y0);
  glEnd();
  glBindTexture(GL_TEXTURE_2D, 0);
  glDisable(GL_TEXTURE_2D);
  glPopMatrix();
}

void TPictureTexture::Delete(int context) {
  // Another context may have given the same name to a texture of its own.
  if (FName != 0 && FContext == context) glDeleteTextures(1, &FName);
  FName = 0;
}
