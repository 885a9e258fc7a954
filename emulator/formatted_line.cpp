#include "emulator/formatted_line.h"

#include "emulator/receipt_frame.h"

namespace tesmar::emu {

namespace {

LaidOutLine Refusal(link::err::Code code) {
  return {{}, code};
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

LaidOutLine LayOutFormattedLine(std::string_view line, size_t width) {
  // "%", type, font and at least the two characters of a place.
  if (line.size() < 5 || line[0] != kFormattedLineMark)
    return Refusal(link::err::kFormattedLineParameters);
  if (line[1] != 'M') return Refusal(link::err::kFormattedLineDataType);
  const char font = line[2];
  if (font != 'N' && font != 'H' && font != 'W') return Refusal(link::err::kFormattedLineFont);
  const char place = line[3];
  std::string_view text;
  size_t column = 0;
  std::string printed;
  if (place == 'J') {
    const char align = line[4];
    if (align != 'l' && align != 'c' && align != 'r')
      return Refusal(link::err::kFormattedLineAlignment);
    text = line.substr(5);
    printed = font == 'W' ? WideLine(text) : std::string(text);
    if (printed.size() > width) return Refusal(link::err::kFormattedLinePositions);
    const size_t room = width - printed.size();
    column = align == 'l' ? 0 : align == 'c' ? room / 2 : room;
  } else if (place == 'P') {
    if (line.size() < 6 || !IsDigit(line[4]) || !IsDigit(line[5]))
      return Refusal(link::err::kFormattedLineParameters);
    column = static_cast<size_t>((line[4] - '0') * 10 + (line[5] - '0'));
    text = line.substr(6);
    printed = font == 'W' ? WideLine(text) : std::string(text);
    if (column >= width || printed.size() > width - column)
      return Refusal(link::err::kFormattedLinePositions);
  } else {
    return Refusal(link::err::kFormattedLineAlignment);
  }
  if (printed.empty()) return {};  // an empty line, with no blanks to place
  return {std::string(column, ' ') + printed, std::nullopt};
}

}  // namespace tesmar::emu
