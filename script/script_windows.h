// The script subsystem's window in the main menu.
#pragma once

#include "window_table.h"

namespace tesmar::script {

app::WindowTable ScriptWindows();

}  // namespace tesmar::script
