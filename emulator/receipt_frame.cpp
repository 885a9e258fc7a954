#include "receipt_frame.h"

#include "registrar.h"

namespace tesmar::emu {

void PrintReceiptHead(Registrar& r) { PrintLogo(r); }

void PrintReceiptFoot(Registrar&) {}

}  // namespace tesmar::emu
