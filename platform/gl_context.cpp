#include "platform/gl_context.h"

#include <SDL.h>

TSdlGlContext::TSdlGlContext(SDL_Window* window) : FContext(SDL_GL_CreateContext(window)) { ReleaseCurrent(); }

TSdlGlContext::~TSdlGlContext() {
  if (!FContext) return;
  ReleaseCurrent();
  SDL_GL_DeleteContext(FContext);
}

bool TSdlGlContext::MakeCurrent(SDL_Window* window) {
  return FContext && window && SDL_GL_MakeCurrent(window, FContext) == 0;
}

void TSdlGlContext::RequestAttributes() {
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
}

void TSdlGlContext::ReleaseCurrent() { SDL_GL_MakeCurrent(SDL_GL_GetCurrentWindow(), nullptr); }

std::unique_ptr<IGlContext> MakeSdlGlContext(SDL_Window* window) {
  auto context = std::make_unique<TSdlGlContext>(window);
  if (!context->Valid()) return nullptr;
  return context;
}
