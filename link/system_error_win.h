// The Windows system's words for an error code, for the reasons the link's
// Windows files give.
#pragma once

#include <string>

namespace tesmar::link {

// The system's message for `code` without its line end, or "error N" when
// the system has none.
std::string SystemErrorText(unsigned long code);

}  // namespace tesmar::link
