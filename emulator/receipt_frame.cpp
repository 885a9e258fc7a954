#include "receipt_frame.h"

#include "registrar.h"

namespace tesmar::emu {

void PrintReceiptHead(Registrar&) {}

void PrintReceiptFoot(Registrar&) {}

}  // namespace tesmar::emu
