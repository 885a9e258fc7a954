// The service windows: maintenance, counters, logo, fiscal memory and
// firmware read-out, remote access, modem, acquirer and Wi-Fi.
#pragma once

#include "app/window_table.h"

namespace tesmar::service {

app::WindowTable ServiceWindows();

}  // namespace tesmar::service
