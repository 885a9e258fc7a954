// Writing a file so that it is complete or not there: a temporary file beside
// it, flushed to the disk, then renamed over the old one.
#pragma once

#include <string>
#include <string_view>

namespace tesmar::link {

// False (and the old file untouched) when any step fails.
bool WriteFileAtomically(const std::string& path, std::string_view contents);

}  // namespace tesmar::link
