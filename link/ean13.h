// EAN-13 as the registrar prints it: one 128-pixel line, packed into hex.
#pragma once

#include <string>
#include <string_view>

namespace tesmar::link {

// True when `digits` is exactly 12 decimal digits.
bool IsEan13Payload(std::string_view digits);
// The check digit of 12 digits: weights 1, 3, 1, 3 ... from the left.
int Ean13CheckDigit(std::string_view digits12);
// The 95 modules of the symbol ("1" black), guards included, for 13 digits.
std::string Ean13Modules(std::string_view digits13);
// The 128-pixel line (9 white pixels, the 95 modules, 24 white) packed four
// pixels to an upper-case hex digit, leftmost pixel most significant.
std::string Ean13Line(std::string_view digits12);

}  // namespace tesmar::link
