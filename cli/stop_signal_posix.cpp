// SIGINT and SIGTERM: the first asks for a stop between script lines, the
// handler then gives way, so a second one ends the program.
#include <unistd.h>

#include <csignal>

#include "cli/stop_signal.h"

namespace tesmar::cli {

namespace {

extern "C" void OnStopSignal(int signal) {
  RecordStopSignal(signal);
  const ssize_t ignored = write(STDERR_FILENO, kStopNote, sizeof kStopNote - 1);
  (void)ignored;
}

}  // namespace

void InstallStopHandler() {
  struct sigaction sa {};
  sa.sa_handler = OnStopSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESETHAND | SA_RESTART;  // the second signal takes the default way
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
}

}  // namespace tesmar::cli
