// The sales menu's windows.
#pragma once

#include "window_table.h"

namespace tesmar::sales {

app::WindowTable SalesWindows();

}  // namespace tesmar::sales
