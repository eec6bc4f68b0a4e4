#pragma once

#include <sys/resource.h>

#include <csignal>

// Caps the size of files this process may write, for the lifetime of the object: a write
// past the cap fails part way, as on a full disk.
class TFileSizeLimit {
public:
  explicit TFileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &FPrevious);
    FPreviousHandler = std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
    rlimit limit = FPrevious;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~TFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &FPrevious);
    std::signal(SIGXFSZ, FPreviousHandler);
  }
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
  rlimit FPrevious{};
  void (*FPreviousHandler)(int) = nullptr;
};
