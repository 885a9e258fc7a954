#include "report_windows.h"

#include "daily_reports_dialog.h"
#include "extra_daily_reports_dialog.h"
#include "fkp101_daily_reports_dialog.h"
#include "goods_report_dialog.h"
#include "periodic_report_dialog.h"

namespace tesmar::reports {

namespace {
template <class Window>
app::WindowFactory Make() {
  return [](app::WindowServices& w) { return new Window(w.ctx, w.status, w.parent); };
}
}  // namespace

// The FKP and the ordinary daily reports are chosen by the model's rules of
// the main menu.
app::WindowTable ReportWindows() {
  return {
      {Tesmar::mark("Печать дневных отчетов FKP101"), Make<Fkp101DailyReportsDialog>(), {}},
      {Tesmar::mark("Печать дневных отчетов"), Make<DailyReportsDialog>(), {}},
      {Tesmar::mark("Печать периодического отчета "), Make<PeriodicReportDialog>(), {}},
      {Tesmar::mark("Отчет по реализованным товарам"), Make<GoodsReportDialog>(), {}},
      {Tesmar::mark("Печать дополнительных дневных отчетов"), Make<ExtraDailyReportsDialog>(), {}},
  };
}

}  // namespace tesmar::reports
