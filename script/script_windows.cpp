#include "script/script_windows.h"

#include "script/monitor_window.h"

namespace tesmar::script {

app::WindowTable ScriptWindows() {
  return {
      app::Row(app::Menu::Commands, 2, Tesmar::mark("Запуск скрипта"),
               [](app::WindowServices& w) {
                 return new MonitorWindow(w.ctx, w.status, w.variables,
                                          {w.currentPort, w.selectSpeed}, w.parent);
               })
          .needsConnection(),
  };
}

}  // namespace tesmar::script
