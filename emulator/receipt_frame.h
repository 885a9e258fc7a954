// What every receipt prints around its own lines: the logo (when the
// registrar's parameters ask for it) and the header lines at its head, the
// advertising lines at its foot. The documents domain calls these; the
// configuration and logo domains fill them from their state.
#pragma once

namespace tesmar::emu {

class Registrar;

void PrintReceiptHead(Registrar& r);
void PrintReceiptFoot(Registrar& r);

}  // namespace tesmar::emu
