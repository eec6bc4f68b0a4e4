#pragma once

#include <string>

// The folder of the running executable, without a trailing separator; the current folder
// when the system does not say.
std::string ExecutableFolder();
