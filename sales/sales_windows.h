// The sales menu's windows.
#pragma once

#include <memory>

#include "app/window_table.h"

namespace tesmar::sales {

class ArticleStore;

app::WindowTable SalesWindows();

// The fiscal receipt window (receipt_windows.cpp).
app::WindowTable ReceiptWindows(std::shared_ptr<ArticleStore> articles);
// Non-fiscal receipt, cash, void and close, drawers, article upload and
// copies (document_windows.cpp).
app::WindowTable DocumentWindows(std::shared_ptr<ArticleStore> articles);

}  // namespace tesmar::sales
