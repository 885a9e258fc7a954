#include "sales/article_store.h"
#include "sales/fiscal_receipt_dialog.h"
#include "sales/sales_windows.h"

namespace tesmar::sales {

app::WindowTable ReceiptWindows(std::shared_ptr<ArticleStore> articles) {
  return {
      app::Row(app::Menu::Sales, 2, Tesmar::mark("Фискальный чек"),
               [articles](app::WindowServices& w) {
                 return new FiscalReceiptDialog(w.ctx, w.status, articles, w.parent);
               }),
  };
}

}  // namespace tesmar::sales
