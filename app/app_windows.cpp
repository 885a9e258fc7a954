// The application shell's own windows.
#include "about_box.h"
#include "command_test_dialog.h"
#include "exchange_log_window.h"
#include "resources_status_dialog.h"
#include "window_table.h"

namespace tesmar::app {

bool FirmwareContainsAny(const AppState& s, const QStringList& parts) {
  for (const QString& p : parts)
    if (s.firmwareVersion.contains(p)) return true;
  return false;
}

WindowTable AppWindows() {
  return {
      {"Тест команд",
       [](WindowServices& w) { return new CommandTestDialog(w.ctx, w.status, w.parent); },
       {}},
      {"Информация о свободных ресурсах и статусе",
       [](WindowServices& w) { return new ResourcesStatusDialog(w.ctx, w.status, w.parent); },
       {}},
      {"О программе...", [](WindowServices& w) { return new AboutBox(w.parent); }, {}},
      {"Журнал обмена",
       [](WindowServices& w) { return new ExchangeLogWindow(w.ctx, w.exchangeLog, w.parent); },
       {}, "Команды", true},
  };
}

}  // namespace tesmar::app
