// The clock a paced line runs by, and the time bytes take on it.
//
// The pty server reads the time and waits through one of these, so a test
// can put in a clock of its own and assert a paced line's waits exactly,
// without spending them.
#pragma once

#include <chrono>
#include <cstddef>

namespace tesmar::emu {

class LineClock {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  virtual ~LineClock() = default;
  virtual TimePoint Now() = 0;
  // Returns at `t` (or as soon after as the system wakes the thread).
  virtual void SleepUntil(TimePoint t) = 0;
};

// The monotonic clock, waits to the microsecond.
LineClock& RealLineClock();

// How long `bytes` take on a line of `baud`: ten bits a byte (start bit,
// eight data bits, stop bit). Zero when the line is not paced (baud 0).
std::chrono::nanoseconds WireTime(size_t bytes, int baud);

// Asks the system to wake the calling thread on time: the default slack of
// 50 us a wait would lengthen every paced exchange by the wait's slack.
void KeepWaitsTight();

}  // namespace tesmar::emu
