#pragma once

#include <functional>

// SIGTERM, SIGINT and SIGHUP (a logout, a kill, Ctrl+C) end the game as its close box does.
// The main loop sees the request at its next turn. While a modal wait holds the thread (a
// message box, a file dialog), which nothing can interrupt safely, the process ends at once:
// the hook given to SetBeforeModal ran when the wait began, so what it keeps is current.
void InstallQuitSignals();
bool QuitSignalled();

// Called as every modal wait begins (the window keeps its game there and quiets its session).
void SetBeforeModal(std::function<void()> hook);
// Runs that hook for a wait that keeps its own watch on the signals (the desktop file dialog).
void BeforeLongWait();

// Marks a modal wait for its lifetime.
class TModalScope {
public:
  TModalScope();
  ~TModalScope();
  TModalScope(const TModalScope&) = delete;
  TModalScope& operator=(const TModalScope&) = delete;
};
