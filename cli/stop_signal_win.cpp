// Ctrl-C and Ctrl-Break on the Windows console: the first asks for a stop
// between script lines, the second ends the program as it would without the
// handler. They are reported as SIGINT.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <csignal>

#include "stop_signal.h"

namespace tesmar::cli {

namespace {

std::atomic<int> pendingSignal{0};
constexpr int kSliceMs = 50;

BOOL WINAPI OnConsoleStop(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  if (pendingSignal.exchange(SIGINT) != 0) return FALSE;  // the second one: default way
  static const char kNote[] =
      "\ntesmar-cli: stopping after the current line (again to quit at once)\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), kNote, sizeof kNote - 1, &written, nullptr);
  return TRUE;
}

}  // namespace

void InstallStopHandler() {
  SetConsoleCtrlHandler(OnConsoleStop, TRUE);
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
    Sleep(static_cast<DWORD>(std::min(left, kSliceMs)));
}

}  // namespace tesmar::cli
