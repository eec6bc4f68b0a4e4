#include "platform/quit_signals.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>

namespace {

TEST(QuitSignalsDeathTest, EachAsksTheLoopToEnd) {
  for (int signal : {SIGHUP, SIGINT, SIGTERM}) {
    EXPECT_EXIT(
        {
          InstallQuitSignals();
          std::raise(signal);
          std::fprintf(stderr, "signalled=%d", QuitSignalled());
          std::exit(3);
        },
        ::testing::ExitedWithCode(3), "signalled=1")
        << signal;
  }
}

TEST(QuitSignalsDeathTest, DuringAModalWaitEndTheProcessAfterTheHookKeptTheGame) {
  EXPECT_EXIT(
      {
        InstallQuitSignals();
        SetBeforeModal([] { std::fprintf(stderr, "kept "); });
        const TModalScope modal;
        std::raise(SIGHUP);
        std::exit(3);
      },
      ::testing::ExitedWithCode(0), "kept");
}

}  // namespace
