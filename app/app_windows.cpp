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
      {Tesmar::mark("Тест команд"),
       [](WindowServices& w) { return new CommandTestDialog(w.ctx, w.status, w.parent); },
       {}},
      {Tesmar::mark("Информация о свободных ресурсах и статусе"),
       [](WindowServices& w) { return new ResourcesStatusDialog(w.ctx, w.status, w.parent); },
       {}},
      {Tesmar::mark("О программе..."), [](WindowServices& w) { return new AboutBox(w.parent); }, {}},
      {Tesmar::mark("Журнал обмена"),
       [](WindowServices& w) { return new ExchangeLogWindow(w.ctx, w.exchangeLog, w.parent); },
       {}, Tesmar::mark("Команды"), true},
  };
}

}  // namespace tesmar::app
