#include "emulator/receipt_frame.h"

#include "emulator/printing.h"
#include "emulator/registrar.h"

namespace tesmar::emu {

std::string WideLine(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (!out.empty()) out += ' ';
    out += c;
  }
  return out;
}

namespace {

// A line kept from a wider model's tape prints what this tape holds.
std::string Printed(const Registrar& r, const TextLine& line) {
  if (line.width == 0) return FitToTape(r, line.text);
  return WideLine(std::string_view(line.text).substr(0, TapeWidth(r) / 2));
}

void PrintLines(Registrar& r, int first, int count) {
  for (int i = first; i < first + count; ++i) {
    const TextLine& line = r.state.textLines[static_cast<size_t>(i)];
    if (!line.text.empty()) r.Print(Printed(r, line));
  }
}

}  // namespace

void PrintReceiptHead(Registrar& r) {
  PrintLogo(r);
  PrintLines(r, 0, kHeaderLines);
}

// The advertising lines, unless the document flags leave them out; a fiscal
// receipt with sales marks its operator as one who has sold.
void PrintReceiptFoot(Registrar& r) {
  RegistrarState& s = r.state;
  if (s.FiscalReceiptOpen() && !s.receipt.items.empty()) {
    auto it = s.operators.find(s.receipt.operatorNumber);
    if (it != s.operators.end()) it->second.hasSold = true;
  }
  if (!(s.parameters.documentFlags & kNoAdvertisingFlag))
    PrintLines(r, kHeaderLines, kAdvertisingLines);
}

}  // namespace tesmar::emu
