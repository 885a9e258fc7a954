// Formatted print lines (61h): a line that begins with "%" carries its
// layout before its text,
//
//   "%" type font place text        e.g. "%MHJc*** Контрольная лента ***"
//
//   type   M     the text as it stands
//   font   N     normal letters
//          H     high letters (two rows tall; one line of the text tape)
//          W     wide letters (two columns a character)
//   place  Jl    left      Jc  centred      Jr  right
//          Pnn   from column nn (two digits, 00 the first column)
//
// A line that breaks these rules is refused with the formatted-line codes:
// too short to hold them (parameters), another type, font or alignment, a
// column outside the line or a text that does not fit (positions).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "link/error_codes.h"

namespace tesmar::emu {

inline constexpr char kFormattedLineMark = '%';

// The line as the tape shows it (Windows-1251 in and out), or the refusal.
struct LaidOutLine {
  std::string text;
  std::optional<link::err::Code> refusal;
};
LaidOutLine LayOutFormattedLine(std::string_view line, size_t width);

}  // namespace tesmar::emu
