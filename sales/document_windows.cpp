#include "sales/article_upload_dialog.h"
#include "sales/cash_drawer_dialog.h"
#include "sales/cash_in_out_dialog.h"
#include "sales/non_fiscal_receipt_dialog.h"
#include "sales/receipt_copy_dialog.h"
#include "sales/sales_windows.h"
#include "sales/tape_copy_dialog.h"
#include "sales/void_close_dialog.h"

namespace tesmar::sales {

using app::Menu;
using app::Row;

app::WindowTable DocumentWindows(std::shared_ptr<ArticleStore> articles) {
  const QString copies = Tesmar::mark("Копия фискальных чеков по сквозным номерам");
  return {
      Row(Menu::Sales, 1, Tesmar::mark("Программировать товары"),
          [articles](app::WindowServices& w) {
            return new ArticleUploadDialog(w.ctx, w.status, articles, w.parent);
          }),
      Row<NonFiscalReceiptDialog>(Menu::Sales, 3, Tesmar::mark("Печать нефискального чека")),
      Row<CashInOutDialog>(Menu::Sales, 4, Tesmar::mark("Служебное внесение и изъятие денег")),
      Row<VoidCloseDialog>(Menu::Sales, 5, Tesmar::mark("Аннулирование и закрытие чека")),
      Row<CashDrawerDialog>(Menu::Utilities, 11, Tesmar::mark("Тест денежного ящика")),
      // Registrars that keep the electronic control tape copy from it; the
      // others copy receipts by number. The first row whose rule holds at
      // the click opens.
      Row<TapeCopyDialog>(Menu::Reports, 7, copies).enabledWhen([](const app::AppState& s) {
        return s.profile.electronicTapeCopies;
      }),
      Row<ReceiptCopyDialog>(Menu::Reports, 7, copies),
  };
}

}  // namespace tesmar::sales
