#include "emulator/line_clock.h"

#include <time.h>

#include <cerrno>
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace tesmar::emu {

namespace {

class MonotonicClock : public LineClock {
 public:
  TimePoint Now() override { return std::chrono::steady_clock::now(); }
  // An absolute wait: a wake-up late by its slack does not move the next
  // point of a schedule. steady_clock is CLOCK_MONOTONIC here.
  void SleepUntil(TimePoint t) override {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch());
    timespec at{};
    at.tv_sec = static_cast<time_t>(ns.count() / 1'000'000'000);
    at.tv_nsec = static_cast<long>(ns.count() % 1'000'000'000);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
    }
  }
};

}  // namespace

LineClock& RealLineClock() {
  static MonotonicClock clock;  // stateless, shared by every server
  return clock;
}

std::chrono::nanoseconds WireTime(size_t bytes, int baud) {
  if (baud <= 0) return {};
  return std::chrono::nanoseconds(static_cast<long long>(bytes) * 10'000'000'000LL / baud);
}

void KeepWaitsTight() {
#ifdef __linux__
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif
}

}  // namespace tesmar::emu
