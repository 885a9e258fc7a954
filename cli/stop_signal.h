// Ctrl-C and SIGTERM during `tesmar-cli run`: the first one asks the script
// to stop between lines, as "Стоп" does in the monitor, so the run ends
// cleanly (the link is closed and the session log gets its end line); a
// second one ends the program at once, as it would without the handler.
#pragma once

#include <string>

#include "link/transport.h"

namespace tesmar::cli {

void InstallStopHandler();
// The signal that asked for a stop (SIGINT, SIGTERM), or 0.
int PendingStopSignal();
void ClearStopSignal();
// "SIGINT", "SIGTERM", or the number.
std::string SignalName(int signal);

// For the platform handlers: keeps `signal` as the pending one and returns
// the one pending before (0: none). Safe inside a signal handler.
int RecordStopSignal(int signal);
// What a handler writes to stderr when it takes a stop.
inline constexpr char kStopNote[] =
    "\ntesmar-cli: stopping after the current line (again to quit at once)\n";

// Sleeps in short slices and ends early once a stop is pending, so a long
// script Delay does not hold Ctrl-C back.
class InterruptibleSleeper : public link::Sleeper {
 public:
  void SleepMs(int ms) override;
};

}  // namespace tesmar::cli
