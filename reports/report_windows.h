// The reports menu's windows.
#pragma once

#include "app/window_table.h"

namespace tesmar::reports {

app::WindowTable ReportWindows();

}  // namespace tesmar::reports
