#include "network_windows.h"

#include "acquirer_link_dialog.h"
#include "id_dev_dialog.h"
#include "last_acquirer_session_dialog.h"
#include "modem_report_dialog.h"
#include "modem_state_dialog.h"
#include "remote_access_dialog.h"
#include "wifi_dialog.h"

namespace tesmar::service {

namespace {
template <class Window>
app::WindowFactory Make() {
  return [](app::WindowServices& w) { return new Window(w.ctx, w.status, w.parent); };
}

template <class Window>
app::WindowRow Row(const char* caption, app::EnablingRule rule = {}) {
  app::WindowRow row;
  row.caption = caption;
  row.make = Make<Window>();
  row.enabled = std::move(rule);
  return row;
}
}  // namespace

// "Состояние модема" opens the report of the older modems for their models
// and the state byte window for the others; the identification decides.
app::WindowTable NetworkWindows() {
  return {
      Row<RemoteAccessDialog>(Tesmar::mark("Параметры удаленного доступа")),
      Row<AcquirerLinkDialog>(Tesmar::mark("Параметры связи с эквайером")),
      Row<IdDevDialog>(Tesmar::mark("Установить и прочитать ID_DEV")),
      Row<ModemReportDialog>(Tesmar::mark("Состояние модема"),
                             [](const app::AppState& s) { return s.modemModel; }),
      Row<ModemStateDialog>(Tesmar::mark("Состояние модема"),
                            [](const app::AppState& s) { return !s.modemModel; }),
      Row<LastAcquirerSessionDialog>(Tesmar::mark("Последний сеанс связи с эквайером")),
      Row<WifiDialog>(Tesmar::mark("Параметры настройки WiFi")),
  };
}

}  // namespace tesmar::service
