#include "emulator/tape_form.h"

#include "link/encoding.h"
#include "emulator/registrar.h"

namespace tesmar::emu {

namespace {
// A pixel row is kept on the tape behind a byte no printed text can hold.
constexpr char kPixelRow = '\x1D';
}  // namespace

void PrintPixelRow(Registrar& r, std::string_view pixels) {
  std::string line(1, kPixelRow);
  for (char c : pixels) line += c == '1' ? '1' : '0';
  r.Print(line);
}

std::string TapeFileLine(std::string_view line) {
  if (line.empty() || line[0] != kPixelRow) return link::Cp1251ToUtf8(line);
  std::string out = "▌";
  for (char c : line.substr(1)) out += c == '1' ? "█" : " ";
  return out;
}

}  // namespace tesmar::emu
