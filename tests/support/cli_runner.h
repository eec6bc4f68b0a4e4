#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

// What one run of the built thousand-cli printed and how it ended.
struct TCliRun {
  int Status = -1;
  std::string Out;
};

// Runs thousand-cli with the arguments (shell words); `redirect` picks which stream is kept.
inline TCliRun RunCli(const std::string& args, const char* redirect = "2>/dev/null") {
  const std::string command = std::string(THOUSAND_RUNTIME_DIR) + "/thousand-cli " + args + " " + redirect;
  TCliRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.Out.append(buffer, got);
  const int status = ::pclose(pipe);
  run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}
