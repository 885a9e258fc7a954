// The registrar configuration windows: header text, operators, passwords,
// payment forms, fiscal parameters, registrar parameters, clock.
#pragma once

#include "app/window_table.h"

namespace tesmar::service {

app::WindowTable ConfigWindows();

}  // namespace tesmar::service
