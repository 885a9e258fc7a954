#include "formatted_line.h"

#include "receipt_frame.h"

namespace tesmar::emu {

namespace {

constexpr ErrorCode kParameters = Shared(link::err::kFormattedLineParameters);
constexpr ErrorCode kDataType = Shared(link::err::kFormattedLineDataType);
constexpr ErrorCode kFont = Shared(link::err::kFormattedLineFont);
constexpr ErrorCode kAlignment = Shared(link::err::kFormattedLineAlignment);
constexpr ErrorCode kPositions = Shared(link::err::kFormattedLinePositions);

LaidOutLine Refusal(ErrorCode code) {
  return {{}, code};
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

LaidOutLine LayOutFormattedLine(std::string_view line, size_t width) {
  // "%", type, font and at least the two characters of a place.
  if (line.size() < 5 || line[0] != kFormattedLineMark) return Refusal(kParameters);
  if (line[1] != 'M') return Refusal(kDataType);
  const char font = line[2];
  if (font != 'N' && font != 'H' && font != 'W') return Refusal(kFont);
  const char place = line[3];
  std::string_view text;
  size_t column = 0;
  std::string printed;
  if (place == 'J') {
    const char align = line[4];
    if (align != 'l' && align != 'c' && align != 'r') return Refusal(kAlignment);
    text = line.substr(5);
    printed = font == 'W' ? WideLine(text) : std::string(text);
    if (printed.size() > width) return Refusal(kPositions);
    const size_t room = width - printed.size();
    column = align == 'l' ? 0 : align == 'c' ? room / 2 : room;
  } else if (place == 'P') {
    if (line.size() < 6 || !IsDigit(line[4]) || !IsDigit(line[5])) return Refusal(kParameters);
    column = static_cast<size_t>((line[4] - '0') * 10 + (line[5] - '0'));
    text = line.substr(6);
    printed = font == 'W' ? WideLine(text) : std::string(text);
    if (column >= width || printed.size() > width - column) return Refusal(kPositions);
  } else {
    return Refusal(kAlignment);
  }
  if (printed.empty()) return {};  // an empty line, with no blanks to place
  return {std::string(column, ' ') + printed, std::nullopt};
}

}  // namespace tesmar::emu
