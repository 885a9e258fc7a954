#include "article_store.h"
#include "fiscal_receipt_dialog.h"
#include "sales_windows.h"

namespace tesmar::sales {

app::WindowTable ReceiptWindows(std::shared_ptr<ArticleStore> articles) {
  return {
      {Tesmar::mark("Фискальный чек"),
       [articles](app::WindowServices& w) {
         return new FiscalReceiptDialog(w.ctx, w.status, articles, w.parent);
       },
       {},
       {}},
  };
}

}  // namespace tesmar::sales
