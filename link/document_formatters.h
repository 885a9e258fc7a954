// Formatters of the sales documents that the general list lacks: the cash
// drawers. The article line of an article file (24h) is in
// receipt_formatters.h, shared with the receipt window.
#pragma once

#include "link/formatters.h"
#include "link/receipt_formatters.h"

namespace tesmar::link {

// 83h: opens the cash drawer.
const ReplyRecord& OpenCashDrawer(Driver& d, Text pwd);
// 87h: opens the second drawer; both times (ms) as typed, empty ones too.
const ReplyRecord& OpenSecondCashDrawer(Driver& d, Text pwd, Text switchOnTime, Text delay);

}  // namespace tesmar::link
