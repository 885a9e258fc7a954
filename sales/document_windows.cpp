#include "article_upload_dialog.h"
#include "cash_drawer_dialog.h"
#include "cash_in_out_dialog.h"
#include "non_fiscal_receipt_dialog.h"
#include "receipt_copy_dialog.h"
#include "sales_windows.h"
#include "tape_copy_dialog.h"
#include "void_close_dialog.h"

namespace tesmar::sales {

namespace {
template <class Window>
app::WindowFactory Make() {
  return [](app::WindowServices& w) { return new Window(w.ctx, w.status, w.parent); };
}

app::WindowRow Row(const QString& caption, app::WindowFactory make, app::EnablingRule rule = {}) {
  app::WindowRow row;
  row.caption = caption;
  row.make = std::move(make);
  row.enabled = std::move(rule);
  return row;
}

// Registrars that keep the electronic control tape copy from it; the others
// copy receipts by number.
bool KeepsElectronicTape(const app::AppState& s) {
  return app::FirmwareContainsAny(s, {"5.00", "4.00", "4.01", "4.02", "MP-01 1.00"});
}
}  // namespace

app::WindowTable DocumentWindows(std::shared_ptr<ArticleStore> articles) {
  return {
      Row(Tesmar::mark("Программировать товары"),
          [articles](app::WindowServices& w) {
            return new ArticleUploadDialog(w.ctx, w.status, articles, w.parent);
          }),
      Row(Tesmar::mark("Печать нефискального чека"), Make<NonFiscalReceiptDialog>()),
      Row(Tesmar::mark("Служебное внесение и изъятие денег"), Make<CashInOutDialog>()),
      Row(Tesmar::mark("Аннулирование и закрытие чека"), Make<VoidCloseDialog>()),
      Row(Tesmar::mark("Тест денежного ящика"), Make<CashDrawerDialog>()),
      // The first row whose rule holds at the click opens.
      Row(Tesmar::mark("Копия фискальных чеков по сквозным номерам"), Make<TapeCopyDialog>(),
          KeepsElectronicTape),
      Row(Tesmar::mark("Копия фискальных чеков по сквозным номерам"), Make<ReceiptCopyDialog>()),
  };
}

}  // namespace tesmar::sales
