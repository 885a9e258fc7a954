// What to do after the refusals a service engineer meets most: a line put
// under the refusal's own text, naming the window that does it.
#pragma once

#include <QString>

#include "link/reply_record.h"

namespace tesmar::app {

// The advice for the registrar's refusal in `r`; empty when there is none.
QString RefusalHint(const link::ReplyRecord& r);

}  // namespace tesmar::app
