#include "platform/gl_canvas.h"

#include <SDL.h>
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <utility>
#include <vector>

TGlCanvas::TGlCanvas(TGlContextFactory makeContext) : FMakeContext(std::move(makeContext)) {}

TGlCanvas::~TGlCanvas() {
  if (!FWindow) return;
  if (FContext && FContext->MakeCurrent(FWindow)) DeleteTarget();
  TSdlGlContext::ReleaseCurrent();
  FContext.reset();
  SDL_DestroyWindow(FWindow);
}

bool TGlCanvas::MakeCurrent() {
  if (FUnavailable) return false;
  if (!FWindow) {
    TSdlGlContext::RequestAttributes();
    FWindow = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (FWindow) FContext = FMakeContext(FWindow);
    FUnavailable = FContext == nullptr;
    if (FUnavailable) return false;
  }
  if (FContext && FContext->MakeCurrent(FWindow)) return true;
  // Lost: its target went with it, and the next call draws with a new one.
  FContext.reset();
  FFramebuffer = 0;
  FBuffers[0] = FBuffers[1] = 0;
  FTargetWidth = FTargetHeight = 0;
  FContext = FMakeContext(FWindow);
  ++FRebuilds;
  return false;
}

void TGlCanvas::DeleteTarget() {
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  if (FFramebuffer != 0) glDeleteFramebuffers(1, &FFramebuffer);
  if (FBuffers[0] != 0) glDeleteRenderbuffers(2, FBuffers);
  FFramebuffer = 0;
  FBuffers[0] = FBuffers[1] = 0;
  FTargetWidth = FTargetHeight = 0;
}

bool TGlCanvas::BeginTarget(int width, int height) {
  if (width <= 0 || height <= 0 || !MakeCurrent()) return false;
  if (width != FTargetWidth || height != FTargetHeight) {
    DeleteTarget();
    glGenFramebuffers(1, &FFramebuffer);
    glGenRenderbuffers(2, FBuffers);
    glBindRenderbuffer(GL_RENDERBUFFER, FBuffers[0]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, FBuffers[1]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, FFramebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, FBuffers[0]);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, FBuffers[1]);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
      DeleteTarget();
      return false;
    }
    FTargetWidth = width;
    FTargetHeight = height;
  }
  glBindFramebuffer(GL_FRAMEBUFFER, FFramebuffer);
  glViewport(0, 0, width, height);
  glDisable(GL_SCISSOR_TEST);
  return true;
}

TImage TGlCanvas::ReadTarget() const {
  const int width = FTargetWidth;
  const int height = FTargetHeight;
  TImage image{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
  std::vector<std::uint32_t> rows(image.Pixels.size());
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, width, height, GL_BGRA, GL_UNSIGNED_BYTE, rows.data());
  // GL counts rows from the bottom.
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* from = rows.data() + static_cast<std::size_t>(height - 1 - y) * width;
    std::uint32_t* to = image.Pixels.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width; ++x) to[x] = from[x] & 0x00FFFFFFu;
  }
  return image;
}
