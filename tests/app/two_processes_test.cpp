// Two separate processes on loopback, each the program's window driven by a fixed part
// (netplay_machine): one hosts, the other joins by typing 127.0.0.1, both add a player and
// play four turns; both must then show the same game and the same score table.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/scratch_dir.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;

// Every wait below is bounded by this; a machine still running then is killed.
constexpr auto kLimit = 240s;

class TChild {
public:
  explicit TChild(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    if (posix_spawn(&FPid, NETPLAY_MACHINE, nullptr, nullptr, argv.data(), environ) != 0) FPid = -1;
  }
  ~TChild() {
    if (FPid > 0 && !FExited) {
      ::kill(FPid, SIGKILL);
      ::waitpid(FPid, nullptr, 0);
    }
  }
  TChild(const TChild&) = delete;
  TChild& operator=(const TChild&) = delete;

  bool Started() const { return FPid > 0; }
  // Whether it has ended; its exit status in `status`.
  bool Exited(int& status) {
    if (FExited) return status = FStatus, true;
    int raw = 0;
    if (::waitpid(FPid, &raw, WNOHANG) != FPid) return false;
    FExited = true;
    FStatus = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    status = FStatus;
    return true;
  }

private:
  pid_t FPid = -1;
  bool FExited = false;
  int FStatus = 0;
};

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(TwoProcessesTest, AHostAndAJoinerPlayFourTurnsAndShowTheSameScoreTable) {
  // Headless even when run by hand, outside the test runner.
  ::setenv("SDL_VIDEODRIVER", "offscreen", 0);
  ::setenv("SDL_AUDIODRIVER", "dummy", 0);
  TScratchDir dir;
  const std::string folder = dir.Path().string();
  const auto deadline = std::chrono::steady_clock::now() + kLimit;
  TChild host({"netplay_machine", "host", folder});
  ASSERT_TRUE(host.Started());
  int status = 0;
  while (!std::filesystem::exists(dir.Path() / "port")) {
    ASSERT_FALSE(host.Exited(status)) << "the host ended with " << status;
    ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the host never listened";
    std::this_thread::sleep_for(20ms);
  }
  const std::string port = std::to_string(std::stoi(ReadAll(dir.Path() / "port")));
  TChild joiner({"netplay_machine", "join", port, folder});
  ASSERT_TRUE(joiner.Started());

  int hostStatus = -1, joinerStatus = -1;
  while (!(host.Exited(hostStatus) && joiner.Exited(joinerStatus))) {
    ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the machines did not finish";
    std::this_thread::sleep_for(50ms);
  }
  EXPECT_EQ(hostStatus, 0);
  EXPECT_EQ(joinerStatus, 0);
  const std::string hostState = ReadAll(dir.Path() / "host.state");
  ASSERT_FALSE(hostState.empty());
  EXPECT_NE(hostState.find("Аня"), std::string::npos);
  EXPECT_NE(hostState.find("Боря"), std::string::npos);
  EXPECT_EQ(hostState, ReadAll(dir.Path() / "joiner.state"));
  const std::string hostRows = ReadAll(dir.Path() / "host.png");
  ASSERT_FALSE(hostRows.empty());
  EXPECT_EQ(hostRows, ReadAll(dir.Path() / "joiner.png"));
}

}  // namespace
