// What a receipt prints or shows besides its sums: the EAN-13 bar code
// (6Fh: one 128-pixel line repeated for its height) and the customer
// display (81h).

#include "emulator/document_ops.h"
#include "link/encoding.h"
#include "link/hex.h"
#include "emulator/tape_form.h"

namespace tesmar::emu::docs {

namespace {

constexpr long long kMaxBarHeight = 255;
constexpr size_t kLineHexDigits = 32;  // 128 pixels, four to a digit
constexpr size_t kDisplayWidth = 20;

bool HexPixels(std::string_view hex, std::string& pixels) {
  if (hex.size() != kLineHexDigits) return false;
  pixels.clear();
  for (char c : hex) {
    const int v = link::HexDigit(c, link::HexCase::kAny);
    if (v < 0) return false;
    for (int bit = 3; bit >= 0; --bit) pixels += (v >> bit) & 1 ? '1' : '0';
  }
  return true;
}

}  // namespace

// 6Fh: height in pixel lines; the line as 32 hexadecimal digits. Printed
// inside a receipt or a non-fiscal document.
Answer PrintBarcode(Registrar& r, ArgReader& args) {
  const long long height = args.Integer(1, 1, kMaxBarHeight);
  std::string pixels;
  if (args && !HexPixels(args.Raw(2), pixels)) args.Refuse(link::err::FieldFormat(2));
  if (!args) return args.Refusal();
  if (r.state.document == Document::kClosed || r.state.receipt.service)
    return Refused(link::err::kWrongDocumentState);
  for (long long i = 0; i < height; ++i) PrintPixelRow(r, pixels);
  return {};
}

// 81h: function (0 clear, 1 upper line, 2 lower line, 3 date and time); a
// number the registrar ignores; the text, cut to the display's width.
Answer ShowOnDisplay(Registrar& r, ArgReader& args) {
  const long long function = args.Integer(1, 0, 3);
  args.Integer(2, 0, 999999, 0);
  if (!args) return args.Refusal();
  std::string* lines = r.state.display;
  const std::string text(args.Raw(3).substr(0, kDisplayWidth));
  switch (function) {
    case 0:
      lines[0].clear();
      lines[1].clear();
      break;
    case 1:
    case 2:
      lines[function - 1] = text;
      break;
    default:
      lines[0] = link::Utf8ToCp1251("ДАТА ТА ЧАС");
      break;
  }
  return {};
}

}  // namespace tesmar::emu::docs
