// What the stop signal means on every platform: the signal kept until the
// run looks at it, its name, and sleeps that end once it came. The
// platform files install the handler that records it.
#include "cli/stop_signal.h"

#include <algorithm>
#include <atomic>
#include <csignal>

#include "link/platform.h"

namespace tesmar::cli {

namespace {

// Set by a signal handler (POSIX) or the console's handler thread
// (Windows): lock-free, so safe in both.
std::atomic<int> pendingSignal{0};
static_assert(std::atomic<int>::is_always_lock_free);

constexpr int kSliceMs = 50;

}  // namespace

int RecordStopSignal(int signal) {
  return pendingSignal.exchange(signal);
}

int PendingStopSignal() {
  return pendingSignal;
}

void ClearStopSignal() {
  pendingSignal = 0;
}

std::string SignalName(int signal) {
  if (signal == SIGINT) return "SIGINT";
  if (signal == SIGTERM) return "SIGTERM";
  return "signal " + std::to_string(signal);
}

void InterruptibleSleeper::SleepMs(int ms) {
  for (int left = ms; left > 0 && !PendingStopSignal(); left -= kSliceMs)
    link::platform::SleepMs(std::min(left, kSliceMs));
}

}  // namespace tesmar::cli
