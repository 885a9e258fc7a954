#include "program/program_windows.h"

#include "service/config_windows.h"
#include "service/network_windows.h"
#include "reports/report_windows.h"
#include "sales/sales_windows.h"
#include "script/script_windows.h"
#include "service/service_windows.h"

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
