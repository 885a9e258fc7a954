#include "service/network_windows.h"

#include "service/acquirer_link_dialog.h"
#include "service/id_dev_dialog.h"
#include "service/last_acquirer_session_dialog.h"
#include "service/modem_report_dialog.h"
#include "service/modem_state_dialog.h"
#include "service/remote_access_dialog.h"
#include "service/wifi_dialog.h"

namespace tesmar::service {

using app::Menu;
using app::Row;

namespace {
bool Modem(const app::AppState& s) {
  return s.profile.modem;
}
bool NoModem(const app::AppState& s) {
  return !s.profile.modem;
}
}  // namespace

// "Состояние модема" opens the report of the older modems for their models
// and the state byte window for the others; the identification decides.
app::WindowTable NetworkWindows() {
  return {
      Row<RemoteAccessDialog>(Menu::FiscalParameters, 4, Tesmar::mark("Параметры удаленного доступа")),
      Row<AcquirerLinkDialog>(Menu::FiscalParameters, 6, Tesmar::mark("Параметры связи с эквайером"))
          .shownWhen(NoModem),
      Row<IdDevDialog>(Menu::FiscalParameters, 9, Tesmar::mark("Установить и прочитать ID_DEV"))
          .shownWhen(NoModem),
      Row<ModemReportDialog>(Menu::FiscalParameters, 10, Tesmar::mark("Состояние модема")).enabledWhen(Modem),
      Row<ModemStateDialog>(Menu::FiscalParameters, 10, Tesmar::mark("Состояние модема")).enabledWhen(NoModem),
      Row<LastAcquirerSessionDialog>(Menu::FiscalParameters, 11,
                                     Tesmar::mark("Последний сеанс связи с эквайером")),
      Row<WifiDialog>(Menu::FiscalParameters, 5, Tesmar::mark("Параметры настройки WiFi"))
          .enabledWhen([](const app::AppState& s) { return s.profile.wifi; }),
  };
}

}  // namespace tesmar::service
