#pragma once

// OpenGL with the prototypes of everything past 1.1 that the dice code calls directly
// (framebuffer objects for the sprite sheet).
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
