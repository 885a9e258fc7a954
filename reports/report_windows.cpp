#include "reports/report_windows.h"

#include "reports/daily_reports_dialog.h"
#include "reports/extra_daily_reports_dialog.h"
#include "reports/fkp101_daily_reports_dialog.h"
#include "reports/goods_report_dialog.h"
#include "reports/periodic_report_dialog.h"

namespace tesmar::reports {

using app::Menu;
using app::Row;

// The FKP and the ordinary daily reports: one of the two, as the model says.
app::WindowTable ReportWindows() {
  return {
      Row<Fkp101DailyReportsDialog>(Menu::Reports, 2, Tesmar::mark("Печать дневных отчетов FKP101"))
          .enabledWhen([](const app::AppState& s) { return s.profile.fkp; }),
      Row<DailyReportsDialog>(Menu::Reports, 3, Tesmar::mark("Печать дневных отчетов"))
          .enabledWhen([](const app::AppState& s) { return !s.profile.fkp; }),
      Row<PeriodicReportDialog>(Menu::Reports, 4, Tesmar::mark("Печать периодического отчета ")),
      Row<GoodsReportDialog>(Menu::Reports, 5, Tesmar::mark("Отчет по реализованным товарам")),
      Row<ExtraDailyReportsDialog>(Menu::Reports, 6, Tesmar::mark("Печать дополнительных дневных отчетов")),
  };
}

}  // namespace tesmar::reports
