#pragma once

#include <functional>
#include <memory>

struct SDL_Window;

// An OpenGL rendering context. The program's windows all draw with one, made current on the
// window that draws: the driver is set up and compiles its shaders once per run.
class IGlContext {
public:
  virtual ~IGlContext() = default;
  // Makes the context current, drawing into `window`; false when it cannot be (lost).
  virtual bool MakeCurrent(SDL_Window* window) = 0;
};

// Makes a context for windows like `window`; null when the driver gives none.
using TGlContextFactory = std::function<std::unique_ptr<IGlContext>(SDL_Window* window)>;

// A compatibility-profile context with the attributes every game window asks for (double
// buffer, depth buffer). Creation leaves no context current.
class TSdlGlContext final : public IGlContext {
public:
  explicit TSdlGlContext(SDL_Window* window);
  ~TSdlGlContext() override;
  TSdlGlContext(const TSdlGlContext&) = delete;
  TSdlGlContext& operator=(const TSdlGlContext&) = delete;

  bool Valid() const { return FContext != nullptr; }
  bool MakeCurrent(SDL_Window* window) override;

  // Asks for the attributes of the game's contexts; call before creating a window.
  static void RequestAttributes();
  // Makes no context current.
  static void ReleaseCurrent();

private:
  void* FContext;
};

// The factory of the real windows.
std::unique_ptr<IGlContext> MakeSdlGlContext(SDL_Window* window);
