// A registrar contract: a text file of steps, each a command and what the
// registrar must answer to it, that `tesmar-cli conform` runs against
// whatever registrar the port reaches.
//
// The file is UTF-8, one statement a line; blank lines and lines that begin
// with "#" are left out. A step begins with "step" and holds one "send" and
// any number of expectations:
//
//   step NAME            begins a step; NAME is what the report calls it
//   send CODE PARAMS     the command: two hexadecimal digits, one blank, then
//                        the parameter string as it stands to the end of the
//                        line (password first; sent in Windows-1251)
//   error CODE           the error code of the answer: four characters, "?"
//                        matching any one ("??06": any item of group 06), or
//                        "any"; a step without it expects "0000"
//   fields N             the answer carries exactly N result fields
//   field N TEXT         result field N (from 1) is TEXT, the rest of the line
//   tape none            the step prints nothing
//   tape line TEXT       the step prints a line that is TEXT, blanks around
//                        it left out
//   tape LABEL = VALUE   the step prints a row of LABEL on the left and VALUE
//                        on the right with only blanks between
//
// The tape is read from the file the registrar prints to (tesmar-emu
// --tape); without one the tape expectations are counted as not checked.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tesmar::cli {

struct TapeRow {
  std::string label, value;
};

struct ContractStep {
  std::string name;
  int line = 0;  // of the "step" statement
  int code = -1;
  std::string wire;            // the parameters in Windows-1251
  std::string error = "0000";  // with "?" for any character
  std::optional<int> fieldCount;
  std::vector<std::pair<int, std::string>> fields;  // number from 1, text
  bool printsNothing = false;
  std::vector<std::string> tapeLines;
  std::vector<TapeRow> tapeRows;

  size_t TapeChecks() const { return (printsNothing ? 1 : 0) + tapeLines.size() + tapeRows.size(); }
};

// The steps of a contract; on a line that is none of the statements above,
// false and the reason, "LINE: what is wrong", in `problem`.
bool ParseContract(const std::string& text, std::vector<ContractStep>& steps, std::string& problem);

// Whether an error code matches the pattern of an "error" statement.
bool ErrorMatches(const std::string& pattern, std::string_view code);

}  // namespace tesmar::cli
