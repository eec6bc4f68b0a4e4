#pragma once

#include <memory>

#include "base/image.h"
#include "platform/gl_context.h"

struct SDL_Window;

// The program's one OpenGL context, made the first time something draws in 3D: a game that
// only shows its table never loads the driver, which is most of a software renderer's start
// and memory. It draws off screen, into a target of any size read back as pixels, on a hidden
// window of its own.
class TGlCanvas {
public:
  explicit TGlCanvas(TGlContextFactory makeContext = MakeSdlGlContext);
  ~TGlCanvas();
  TGlCanvas(const TGlCanvas&) = delete;
  TGlCanvas& operator=(const TGlCanvas&) = delete;

  // Makes the context current, loading the driver on the first call. A context that cannot be
  // made current is taken as lost: a new one is made for the next call and this gives false.
  // A machine without OpenGL gives false on every call, and is asked only once.
  bool MakeCurrent();
  // Whether the driver has been loaded.
  bool Loaded() const { return FWindow != nullptr; }
  // How often a lost context was made anew.
  int Rebuilds() const { return FRebuilds; }

  // Makes the context current with an off-screen target of that size bound, colour and depth,
  // the viewport over it. False when there is no context or the driver gives no such target.
  bool BeginTarget(int width, int height);
  // What the bound target holds, top row first, 0x00RRGGBB.
  TImage ReadTarget() const;

private:
  void DeleteTarget();

  TGlContextFactory FMakeContext;
  SDL_Window* FWindow = nullptr;
  std::unique_ptr<IGlContext> FContext;
  bool FUnavailable = false;
  int FRebuilds = 0;
  unsigned FFramebuffer = 0;
  unsigned FBuffers[2] = {0, 0};  // colour, depth
  int FTargetWidth = 0;
  int FTargetHeight = 0;
};
