#include "network_windows.h"

namespace tesmar::service {

app::WindowTable NetworkWindows() {
  return {};
}

}  // namespace tesmar::service
