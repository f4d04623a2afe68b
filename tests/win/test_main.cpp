// GoogleTest's main with a watchdog: a test that runs longer than TAMARAK_TEST_SECONDS (60 by
// default; the slowest take 20 s on a loaded machine) is named and the process ends failing, so a
// hang shows in a minute as that test's failure instead of as ctest's timeout minutes later.
// A failure the program notes fails the running test, unless the test provokes it (helpers.h).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/failure_note.h"
#include "helpers.h"

namespace tamarak {

ExpectFailures::ExpectFailures(const char* call) : call_(call), outer_(innermost_) { innermost_ = this; }

ExpectFailures::~ExpectFailures() {
  innermost_ = outer_;
  EXPECT_GT(taken_, 0) << "the program noted no failure of " << call_;
}

bool ExpectFailures::expected(std::string_view call, unsigned long code) {
  for (ExpectFailures* guard = innermost_; guard; guard = guard->outer_)
    if (call.find(guard->call_) != std::string_view::npos) return guard->codes_ |= code, ++guard->taken_;
  return false;
}

}  // namespace tamarak

namespace {

class Watchdog : public ::testing::EmptyTestEventListener {
 public:
  explicit Watchdog(DWORD seconds) : seconds_(seconds) {
    CloseHandle(CreateThread(nullptr, 0, &Watchdog::watch, this, 0, nullptr));
  }

 private:
  // The name is written before the start is signalled and read only while that test runs.
  void OnTestStart(const ::testing::TestInfo& test) override {
    name_ = std::string(test.test_suite_name()) + "." + test.name();
    ResetEvent(ended_);
    SetEvent(started_);
  }
  void OnTestEnd(const ::testing::TestInfo&) override { SetEvent(ended_); }

  static DWORD WINAPI watch(void* self) {
    auto& dog = *static_cast<Watchdog*>(self);
    for (;;) {
      WaitForSingleObject(dog.started_, INFINITE);
      if (WaitForSingleObject(dog.ended_, dog.seconds_ * 1000) != WAIT_TIMEOUT) continue;
      std::fprintf(stderr, "%s still running after %lu s\n[  FAILED  ] %s\n", dog.name_.c_str(), dog.seconds_,
                   dog.name_.c_str());
      std::fflush(stderr);
      // The hung test may hold any lock an orderly exit would wait for.
      TerminateProcess(GetCurrentProcess(), 1);
    }
  }

  const DWORD seconds_;
  HANDLE started_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HANDLE ended_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::string name_;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const char* limit = std::getenv("TAMARAK_TEST_SECONDS");
  const unsigned long seconds = limit ? std::strtoul(limit, nullptr, 10) : 0;
  ::testing::UnitTest::GetInstance()->listeners().Append(new Watchdog(seconds ? seconds : 60));
  tamarak::set_failure_sink([](const tamarak::FailureNote& note) {
    const std::string call = tamarak::narrow(note.call);
    if (!tamarak::ExpectFailures::expected(call, note.code))
      ADD_FAILURE() << "the program noted a failure: " << call << " in " << (note.function ? note.function : "?")
                    << ", line " << note.line << " (error " << note.code << ")";
  });
  return RUN_ALL_TESTS();
}
