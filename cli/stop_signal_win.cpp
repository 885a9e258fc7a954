// Ctrl-C and Ctrl-Break on the Windows console: the first asks for a stop
// between script lines, the second ends the program as it would without the
// handler. They are reported as SIGINT.
#include <windows.h>

#include <csignal>

#include "cli/stop_signal.h"

namespace tesmar::cli {

namespace {

BOOL WINAPI OnConsoleStop(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  if (RecordStopSignal(SIGINT) != 0) return FALSE;  // the second one: default way
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), kStopNote, sizeof kStopNote - 1, &written, nullptr);
  return TRUE;
}

}  // namespace

void InstallStopHandler() {
  SetConsoleCtrlHandler(OnConsoleStop, TRUE);
}

}  // namespace tesmar::cli
