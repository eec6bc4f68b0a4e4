#pragma once

#include <string_view>

#include "base/image.h"

// Decodes a JPEG/JFIF stream (greyscale or colour). Corrupt or truncated data throws
// TGraphError: libjpeg's warnings count as errors, because on data cut short it would
// otherwise fill the missing part grey and report success.
TImage DecodeJpeg(std::string_view bytes);
