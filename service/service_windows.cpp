#include "service_windows.h"

namespace tesmar::service {

app::WindowTable ServiceWindows() {
  return {};
}

}  // namespace tesmar::service
