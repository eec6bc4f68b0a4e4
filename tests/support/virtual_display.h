#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

inline bool Installed(const std::string& program) {
  return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// An X server on the first free display, stopped with the object.
class TVirtualDisplay {
public:
  explicit TVirtualDisplay(const std::string& screen = "640x480x24") {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return;
    FPid = ::fork();
    if (FPid == 0) {
      ::close(pipeFds[0]);
      const std::string fd = std::to_string(pipeFds[1]);
      ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0", screen.c_str(),
               static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(pipeFds[1]);
    // Xvfb writes the display number and then a newline once it accepts clients; closing
    // the pipe before the newline arrives would stop it.
    std::string number;
    char c;
    while (FPid > 0 && ::read(pipeFds[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(pipeFds[0]);
    if (!number.empty()) FName = ":" + number;
  }
  ~TVirtualDisplay() {
    if (FPid <= 0) return;
    ::kill(FPid, SIGTERM);
    ::waitpid(FPid, nullptr, 0);
  }
  TVirtualDisplay(const TVirtualDisplay&) = delete;
  TVirtualDisplay& operator=(const TVirtualDisplay&) = delete;

  const std::string& Name() const { return FName; }  // empty when the server did not start

private:
  pid_t FPid = -1;
  std::string FName;
};

