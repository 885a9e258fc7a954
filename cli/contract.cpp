#include "cli/contract.h"

#include <sstream>

#include "cli/cli_options.h"
#include "link/hex.h"

namespace tesmar::cli {

namespace {

constexpr int kMostFields = 20;

// The first word of `line` and the rest after one blank.
std::pair<std::string, std::string> Split(const std::string& line) {
  const size_t blank = line.find(' ');
  if (blank == std::string::npos) return {line, {}};
  return {line.substr(0, blank), line.substr(blank + 1)};
}

bool IsErrorPattern(const std::string& p) {
  if (p == "any") return true;
  if (p.size() != 4) return false;
  for (char c : p)
    if (c != '?' && link::HexDigit(c, link::HexCase::kUpperOnly) < 0) return false;
  return true;
}

// A decimal number from `lo` to `hi`, nothing else.
std::optional<int> Number(const std::string& text, int lo, int hi) {
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int v = std::stoi(text);
  if (v < lo || v > hi) return std::nullopt;
  return v;
}

// Reads one expectation of `step`; empty, or what is wrong with it.
std::string Expect(const std::string& word, const std::string& rest, ContractStep& step) {
  if (word == "error") {
    if (!IsErrorPattern(rest)) return "an error code is four of 0-9, A-F and ?, or any";
    step.error = rest;
    return {};
  }
  if (word == "fields") {
    step.fieldCount = Number(rest, 0, kMostFields);
    return step.fieldCount ? "" : "fields takes a count from 0 to 20";
  }
  if (word == "field") {
    const auto [number, text] = Split(rest);
    const auto n = Number(number, 1, kMostFields);
    if (!n) return "field takes a number from 1 to 20 and the text";
    step.fields.emplace_back(*n, text);
    return {};
  }
  if (word != "tape") return "not a statement: " + word;
  if (rest == "none") {
    step.printsNothing = true;
    return {};
  }
  if (rest.starts_with("line ")) {
    step.tapeLines.push_back(rest.substr(5));
    return {};
  }
  const size_t eq = rest.find(" = ");
  if (eq == std::string::npos || eq == 0 || eq + 3 >= rest.size())
    return "tape takes none, line TEXT or LABEL = VALUE";
  step.tapeRows.push_back({rest.substr(0, eq), rest.substr(eq + 3)});
  return {};
}

// Reads one statement; empty, or what is wrong with it.
std::string Statement(const std::string& line, int number, std::vector<ContractStep>& steps) {
  const auto [word, rest] = Split(line);
  if (word == "step") {
    if (!steps.empty() && steps.back().code < 0) return "the step before has no send";
    if (rest.empty()) return "a step needs a name";
    steps.push_back({});
    steps.back().name = rest;
    steps.back().line = number;
    return {};
  }
  if (steps.empty()) return "a statement before the first step";
  ContractStep& step = steps.back();
  if (word == "send") {
    if (step.code >= 0) return "a step sends one command";
    const auto [code, params] = Split(rest);
    step.code = ParseCommandCode(code);
    if (step.code < 0) return "send takes two hexadecimal digits, then the parameters";
    return WireParameters(params, step.wire);
  }
  return Expect(word, rest, step);
}

}  // namespace

bool ParseContract(const std::string& text, std::vector<ContractStep>& steps,
                   std::string& problem) {
  std::istringstream in(text);
  std::vector<ContractStep> read;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (const std::string why = Statement(line, number, read); !why.empty()) {
      problem = std::to_string(number) + ": " + why;
      return false;
    }
  }
  if (read.empty()) {
    problem = "no step";
    return false;
  }
  if (read.back().code < 0) {
    problem = std::to_string(read.back().line) + ": the step has no send";
    return false;
  }
  steps = std::move(read);
  return true;
}

bool ErrorMatches(const std::string& pattern, std::string_view code) {
  if (pattern == "any") return true;
  if (code.size() != pattern.size()) return false;
  for (size_t i = 0; i < code.size(); ++i)
    if (pattern[i] != '?' && pattern[i] != code[i]) return false;
  return true;
}

}  // namespace tesmar::cli
