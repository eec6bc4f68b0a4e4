#include "platform/window_events.h"

#include <SDL.h>

#include "base/cp1251.h"

int VirtualKeyOf(int sdlKey) {
  switch (sdlKey) {
    case SDLK_ESCAPE: return VkEscape;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VkEnter;
    case SDLK_BACKSPACE: return VkBackspace;
    case SDLK_SPACE: return VkSpace;
    case SDLK_TAB: return VkTab;
    case SDLK_LEFT: return VkLeft;
    case SDLK_UP: return VkUp;
    case SDLK_RIGHT: return VkRight;
    case SDLK_DOWN: return VkDown;
    case SDLK_F1: return VkF1;
    case SDLK_F2: return VkF2;
    case SDLK_F10: return VkF10;
    case SDLK_F11: return VkF11;
    default: return 0;
  }
}

std::vector<std::uint8_t> TypedCodes(std::string_view utf8) {
  std::vector<std::uint8_t> codes;
  std::size_t i = 0;
  while (i < utf8.size()) {
    // One character: a lead byte and its continuation bytes.
    std::size_t end = i + 1;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
    const std::string_view character = utf8.substr(i, end - i);
    const std::string code = Cp1251(character);
    if (code.size() == 1 && (code[0] != '?' || character == "?")) codes.push_back(static_cast<std::uint8_t>(code[0]));
    i = end;
  }
  return codes;
}

namespace {

std::uint32_t WindowIdOf(const SDL_Event& event) {
  switch (event.type) {
    case SDL_WINDOWEVENT: return event.window.windowID;
    case SDL_KEYDOWN: return event.key.windowID;
    case SDL_TEXTINPUT: return event.text.windowID;
    case SDL_MOUSEBUTTONDOWN: return event.button.windowID;
    case SDL_MOUSEMOTION: return event.motion.windowID;
    default: return 0;
  }
}

}  // namespace

void DispatchWindowEvent(const SDL_Event& event, std::uint32_t windowId, const TLetterbox& box, IWindowEvents& events) {
  if (event.type == SDL_QUIT) {
    events.CloseRequested();
    return;
  }
  if (WindowIdOf(event) != windowId) return;
  switch (event.type) {
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) events.CloseRequested();
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED) events.PictureLost();
      break;
    case SDL_KEYDOWN: {
      int key = VirtualKeyOf(event.key.keysym.sym);
      if (key == 0) break;
      if (key == VkEnter && (event.key.keysym.mod & KMOD_ALT) != 0) key = VkF11;
      if (key == VkTab && (event.key.keysym.mod & KMOD_SHIFT) != 0) key = VkShiftTab;
      events.KeyDown(key);
      // Text input brings the printable characters; these two keys type a control code.
      if (key == VkBackspace || key == VkEnter) events.KeyPress(static_cast<std::uint8_t>(key));
      break;
    }
    case SDL_TEXTINPUT:
      for (std::uint8_t code : TypedCodes(event.text.text)) events.KeyPress(code);
      break;
    case SDL_MOUSEBUTTONDOWN: {
      const std::optional<TPicturePoint> at = PicturePointOf(box, event.button.x, event.button.y);
      if (!at) break;
      const std::uint8_t button = event.button.button;
      if (button == SDL_BUTTON_LEFT) events.MouseDown(TMouseButton::mbLeft, at->X, at->Y);
      if (button == SDL_BUTTON_RIGHT) events.MouseDown(TMouseButton::mbRight, at->X, at->Y);
      if (button == SDL_BUTTON_MIDDLE) events.MouseDown(TMouseButton::mbMiddle, at->X, at->Y);
      break;
    }
    case SDL_MOUSEMOTION:
      if (const std::optional<TPicturePoint> at = PicturePointOf(box, event.motion.x, event.motion.y))
        events.MouseMove(at->X, at->Y);
      break;
    default: break;
  }
}
