// What every receipt prints around its own lines: the logo (when the
// registrar's parameters ask for it) and the header lines at its head, the
// advertising lines at its foot. The documents domain calls these; the
// configuration and logo domains fill them from their state.
#pragma once

#include <string>
#include <string_view>

namespace tesmar::emu {

class Registrar;

// A double-width line takes two columns a character; the tape shows it
// with a blank between its characters.
std::string WideLine(std::string_view text);

void PrintReceiptHead(Registrar& r);
void PrintReceiptFoot(Registrar& r);

}  // namespace tesmar::emu
