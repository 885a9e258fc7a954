// The main window as the program builds it: every window of every table.
#pragma once

#include "tests/app/app_harness.h"
#include "program/program_windows.h"

namespace tesmar::test {

struct ProgramHarness : AppHarness {
  ProgramHarness() { Rebuild(program::ProgramWindows()); }
};

}  // namespace tesmar::test
