// The script subsystem's window in the main menu.
#pragma once

#include "app/window_table.h"

namespace tesmar::script {

app::WindowTable ScriptWindows();

}  // namespace tesmar::script
