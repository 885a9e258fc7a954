#include "sales_windows.h"

namespace tesmar::sales {

app::WindowTable SalesWindows() { return {}; }

}  // namespace tesmar::sales
