#include "program_windows.h"

#include "config_windows.h"
#include "network_windows.h"
#include "report_windows.h"
#include "sales_windows.h"
#include "script_windows.h"
#include "service_windows.h"

namespace tesmar::program {

app::WindowTable ProgramWindows() {
  app::WindowTable windows = app::AppWindows();
  for (app::WindowTable more :
       {script::ScriptWindows(), reports::ReportWindows(), sales::SalesWindows(),
        service::ConfigWindows(), service::ServiceWindows(), service::NetworkWindows()})
    windows.insert(windows.end(), more.begin(), more.end());
  return windows;
}

}  // namespace tesmar::program
