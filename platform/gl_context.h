#pragma once

#include <memory>

struct SDL_Window;

// An OpenGL rendering context drawing into a window.
class IGlContext {
public:
  virtual ~IGlContext() = default;
  // False when the context cannot be made current (lost); the caller rebuilds it.
  virtual bool MakeCurrent() = 0;
};

// A compatibility-profile context on an SDL window, created with the attributes every game
// context asks for (double buffer, depth buffer). Creation leaves no context current.
class TSdlGlContext final : public IGlContext {
public:
  explicit TSdlGlContext(SDL_Window* window);
  ~TSdlGlContext() override;
  TSdlGlContext(const TSdlGlContext&) = delete;
  TSdlGlContext& operator=(const TSdlGlContext&) = delete;

  bool Valid() const { return FContext != nullptr; }
  bool MakeCurrent() override;

  // Asks for the attributes of the game's contexts; call before creating a window.
  static void RequestAttributes();
  // Makes no context current.
  static void ReleaseCurrent();

private:
  SDL_Window* FWindow;
  void* FContext;
};

// Makes a new context for a window, for views that rebuild theirs when it is lost.
std::unique_ptr<IGlContext> MakeSdlGlContext(SDL_Window* window);
