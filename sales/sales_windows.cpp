#include "sales/sales_windows.h"

#include <memory>

#include "sales/article_store.h"

namespace tesmar::sales {

// The receipt window and the article upload window share one article file.
app::WindowTable SalesWindows() {
  auto articles = std::make_shared<ArticleStore>();
  app::WindowTable rows = ReceiptWindows(articles);
  for (app::WindowRow& row : DocumentWindows(articles)) rows.push_back(std::move(row));
  return rows;
}

}  // namespace tesmar::sales
