#include "platform/quit_signals.h"

#include <unistd.h>

#include <csignal>

namespace {

volatile std::sig_atomic_t gQuitSignalled = 0;
volatile std::sig_atomic_t gModalDepth = 0;

std::function<void()>& BeforeModal() {
  static std::function<void()> hook;
  return hook;
}

extern "C" void OnQuitSignal(int) {
  gQuitSignalled = 1;
  if (gModalDepth > 0) ::_exit(0);
}

}  // namespace

void InstallQuitSignals() {
  struct sigaction action {};
  action.sa_handler = OnQuitSignal;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

bool QuitSignalled() { return gQuitSignalled != 0; }

void SetBeforeModal(std::function<void()> hook) { BeforeModal() = std::move(hook); }

void BeforeLongWait() {
  if (BeforeModal()) BeforeModal()();
}

TModalScope::TModalScope() {
  BeforeLongWait();
  gModalDepth = gModalDepth + 1;
}

TModalScope::~TModalScope() { gModalDepth = gModalDepth - 1; }
