// Every window of the program: the tables of all subsystems, which the
// program builds its main window from and the tests check whole.
#pragma once

#include "app/window_table.h"

namespace tesmar::program {

app::WindowTable ProgramWindows();

}  // namespace tesmar::program
