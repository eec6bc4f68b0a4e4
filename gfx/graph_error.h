#pragma once

#include <stdexcept>

// Raised when a container or one of its images cannot be read. The text is UTF-8 (it names
// files and entries for tools and logs); convert it with Cp1251 before showing it in a box.
class TGraphError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};
