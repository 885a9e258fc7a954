#include "service/service_windows.h"

#include "service/firmware_read_dialog.h"
#include "service/fiscal_memory_dialog.h"
#include "service/logo_dialog.h"
#include "service/maintenance_dialog.h"
#include "service/service_counters_dialog.h"

namespace tesmar::service {

using app::Menu;
using app::Row;

app::WindowTable ServiceWindows() {
  return {
      Row<MaintenanceDialog>(Menu::Utilities, 9, Tesmar::mark("Техническое обслуживание")),
      Row(Menu::Utilities, 10, Tesmar::mark("Служебные счетчики"),
          [](app::WindowServices& w) {
            return new ServiceCountersDialog(w.ctx, w.status, w.closeSerialLink, w.parent);
          }),
      Row<LogoDialog>(Menu::Utilities, 5, Tesmar::mark("Загрузка логотипа")),
      Row<FiscalMemoryDialog>(Menu::Utilities, 7, Tesmar::mark("Фискальная память")),
      Row<FirmwareReadDialog>(Menu::Utilities, 6, Tesmar::mark("Чтение внутреннего ПО")),
  };
}

}  // namespace tesmar::service
