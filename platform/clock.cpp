#include "platform/clock.h"

#include <SDL.h>

std::uint32_t TSdlClock::Milliseconds() const { return SDL_GetTicks(); }
