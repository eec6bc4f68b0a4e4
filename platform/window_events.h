#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/letterbox.h"

union SDL_Event;

enum class TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// The Windows virtual key codes the game names.
inline constexpr int VkBackspace = 8;
inline constexpr int VkTab = 9;
inline constexpr int VkEnter = 13;
inline constexpr int VkEscape = 27;
inline constexpr int VkSpace = 32;
inline constexpr int VkLeft = 0x25;
inline constexpr int VkUp = 0x26;
inline constexpr int VkRight = 0x27;
inline constexpr int VkDown = 0x28;
inline constexpr int VkF1 = 0x70;
inline constexpr int VkF2 = 0x71;
inline constexpr int VkF10 = 0x79;
inline constexpr int VkF11 = 0x7A;  // also given for Alt+Enter: both switch to and from full screen
// No Windows key: Tab with Shift held, which takes the menus' focus back.
inline constexpr int VkShiftTab = 0x109;

// What a game window hands on from the desktop. Coordinates are client pixels.
class IWindowEvents {
public:
  virtual ~IWindowEvents() = default;
  // A Windows virtual key code (the Vk constants above); 0 never arrives.
  virtual void KeyDown(int virtualKey) = 0;
  // A typed character as a Windows-1251 code (Backspace 8, Enter 13).
  virtual void KeyPress(std::uint8_t code) = 0;
  // Pixels of the window's picture; presses and moves in the margin around it do not come.
  virtual void MouseDown(TMouseButton button, int x, int y) = 0;
  virtual void MouseMove(int x, int y) = 0;
  // The close box or the system's request to quit.
  virtual void CloseRequested() = 0;
  // The desktop dropped the window's picture (uncovered, restored): only a window that skips
  // unchanged frames needs to know.
  virtual void PictureLost() {}
};

// The Windows virtual key of an SDL key, or 0 for keys the game does not name.
int VirtualKeyOf(int sdlKey);

// The Windows-1251 codes of typed UTF-8 text; characters the code page lacks are dropped.
std::vector<std::uint8_t> TypedCodes(std::string_view utf8);

// Hands one SDL event that belongs to the window `windowId` to `events`, the mouse's place
// turned into a pixel of the picture as `box` lays it out; events of other windows are
// ignored. A quit request counts for every window.
void DispatchWindowEvent(const SDL_Event& event, std::uint32_t windowId, const TLetterbox& box, IWindowEvents& events);
