#include "script_windows.h"

#include "monitor_window.h"

namespace tesmar::script {

app::WindowTable ScriptWindows() {
  return {
      {Tesmar::mark("Запуск скрипта"),
       [](app::WindowServices& w) {
         return new MonitorWindow(w.ctx, w.status, w.variables, {w.currentPort, w.selectSpeed},
                                  w.parent);
       },
       {}},
  };
}

}  // namespace tesmar::script
