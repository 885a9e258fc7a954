#include "stop_signal.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <thread>

namespace tesmar::cli {

namespace {

volatile std::sig_atomic_t pendingSignal = 0;

extern "C" void OnStopSignal(int signal) {
  pendingSignal = signal;
  static const char kNote[] =
      "\ntesmar-cli: stopping after the current line (again to quit at once)\n";
  const ssize_t ignored = write(STDERR_FILENO, kNote, sizeof kNote - 1);
  (void)ignored;
}

constexpr int kSliceMs = 50;

}  // namespace

void InstallStopHandler() {
  struct sigaction sa {};
  sa.sa_handler = OnStopSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESETHAND | SA_RESTART;  // the second signal takes the default way
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
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
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(left, kSliceMs)));
}

}  // namespace tesmar::cli
