// The network windows: remote access, acquirer link, ID_DEV, modem, last
// acquirer session, Wi-Fi.
#pragma once

#include "app/window_table.h"

namespace tesmar::service {

app::WindowTable NetworkWindows();

}  // namespace tesmar::service
