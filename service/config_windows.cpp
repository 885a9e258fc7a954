#include "config_windows.h"

namespace tesmar::service {

app::WindowTable ConfigWindows() {
  return {};
}

}  // namespace tesmar::service
