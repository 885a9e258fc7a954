// Formatters of the sales documents that the general list lacks: the
// article line of an article file, and the cash drawers.
#pragma once

#include "formatters.h"

namespace tesmar::link {

// 24h: the password, ";" and an article file's line as it stands (code;
// name; price; tax group; department; with its own trailing ";").
const ReplyRecord& AddArticleLine(Driver& d, Text pwd, Text line);
// 83h: opens the cash drawer.
const ReplyRecord& OpenCashDrawer(Driver& d, Text pwd);
// 87h: opens the second drawer; both times (ms) as typed, empty ones too.
const ReplyRecord& OpenSecondCashDrawer(Driver& d, Text pwd, Text switchOnTime, Text delay);

}  // namespace tesmar::link
