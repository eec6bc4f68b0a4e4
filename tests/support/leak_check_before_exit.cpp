// The sanitizer build's leak check, run once every test has ended and before the program
// exits. At exit Mesa's drivers stop their worker threads while the checker walks every
// thread's stack and TLS, and that walk has been seen to crash on a thread half torn down;
// here every thread is still idle. A leak found now fails the program as it would at exit.
#include <gtest/gtest.h>
#include <sanitizer/lsan_interface.h>

namespace {

class TLeakCheckBeforeExit : public ::testing::Environment {
public:
  void TearDown() override { __lsan_do_leak_check(); }
};

[[maybe_unused]] const auto* const gLeakCheck =
    ::testing::AddGlobalTestEnvironment(new TLeakCheckBeforeExit);

}  // namespace
