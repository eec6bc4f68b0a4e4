#pragma once

#include <stdexcept>

// Raised when a container or one of its images cannot be read. The text is a technical
// UTF-8 message in English, like the decoder libraries' own (entry names are converted from
// Windows-1251); it names the file and record for tools and for whoever debugs a build. The
// game itself reports a failed container with its own fixed message.
class TGraphError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};
