#include "service_windows.h"

#include "firmware_read_dialog.h"
#include "fiscal_memory_dialog.h"
#include "logo_dialog.h"
#include "maintenance_dialog.h"
#include "service_counters_dialog.h"

namespace tesmar::service {

namespace {
template <class Window>
app::WindowFactory Make() {
  return [](app::WindowServices& w) { return new Window(w.ctx, w.status, w.parent); };
}
}  // namespace

app::WindowTable ServiceWindows() {
  return {
      {Tesmar::mark("Техническое обслуживание"), Make<MaintenanceDialog>(), {}},
      {Tesmar::mark("Служебные счетчики"),
       [](app::WindowServices& w) {
         return new ServiceCountersDialog(w.ctx, w.status, w.closeSerialLink, w.parent);
       },
       {}},
      {Tesmar::mark("Загрузка логотипа"), Make<LogoDialog>(), {}},
      {Tesmar::mark("Фискальная память"), Make<FiscalMemoryDialog>(), {}},
      {Tesmar::mark("Чтение внутреннего ПО"), Make<FirmwareReadDialog>(), {}},
  };
}

}  // namespace tesmar::service
