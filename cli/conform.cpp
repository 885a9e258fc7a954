#include "cli/conform.h"

#include <algorithm>
#include <fstream>

#include "link/encoding.h"
#include "link/reply_decoder.h"
#include "cli/reply_output.h"

namespace tesmar::cli {

namespace {

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// The decoder's text on one line: each line break and the blanks after it
// become one blank.
std::string OneLine(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n') {
      out += text[i];
      continue;
    }
    while (i + 1 < text.size() && text[i + 1] == ' ') ++i;
    if (!out.empty() && out.back() != ' ') out += ' ';
  }
  return out;
}

std::string Trimmed(const std::string& line) {
  const size_t first = line.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

// LABEL at the left, VALUE at the right, at least one blank between and
// nothing else.
bool IsRow(const std::string& line, const TapeRow& row) {
  if (!line.starts_with(row.label) || !line.ends_with(row.value)) return false;
  const size_t gap = row.label.size(), end = line.size() - row.value.size();
  if (end <= gap) return false;
  return line.find_first_not_of(' ', gap) == end;
}

void CheckAnswer(const ContractStep& step, const link::ReplyRecord& r,
                 std::vector<std::string>& what) {
  const std::string code(r.errorCode.View());
  if (!ErrorMatches(step.error, code)) {
    const link::DecodedReply d = link::DecodeReplyError(r);
    what.push_back("error: expected " + step.error + ", got " + code +
                   (d.text.empty() ? "" : " (" + OneLine(d.text) + ")"));
  }
  if (step.fieldCount && *step.fieldCount != r.fieldCount)
    what.push_back("fields: expected " + std::to_string(*step.fieldCount) + ", got " +
                   std::to_string(r.fieldCount));
  for (const auto& [n, text] : step.fields) {
    const std::string got = link::Cp1251ToUtf8(r.Field(n - 1));
    if (n > r.fieldCount)
      what.push_back("field " + std::to_string(n) + ": expected " + Quoted(text) + ", got none");
    else if (got != text)
      what.push_back("field " + std::to_string(n) + ": expected " + Quoted(text) + ", got " +
                     Quoted(got));
  }
}

void CheckTape(const ContractStep& step, const std::vector<std::string>& printed,
               std::vector<std::string>& what) {
  if (step.printsNothing && !printed.empty())
    what.push_back("tape: expected nothing printed, got " + std::to_string(printed.size()) +
                   " lines, the first " + Quoted(printed.front()));
  for (const std::string& line : step.tapeLines)
    if (std::none_of(printed.begin(), printed.end(),
                     [&](const std::string& p) { return Trimmed(p) == line; }))
      what.push_back("tape: no line " + Quoted(line));
  for (const TapeRow& row : step.tapeRows)
    if (std::none_of(printed.begin(), printed.end(),
                     [&](const std::string& p) { return IsRow(p, row); }))
      what.push_back("tape: no row " + Quoted(row.label) + " with " + Quoted(row.value));
}

}  // namespace

std::string ParseConformArgs(const std::vector<std::string>& args, ConformArgs& out) {
  ConformArgs a;
  size_t i = 0;
  if (i < args.size() && args[i] == "--tape") {
    if (i + 1 >= args.size()) return "conform --tape needs a FILE";
    a.tape = args[i + 1];
    i += 2;
  }
  if (i + 1 != args.size()) return "conform needs [--tape FILE] and one CONTRACT file";
  a.contract = args[i];
  out = a;
  return {};
}

void TapeFileReader::Mark() {
  std::ifstream in(path_, std::ios::binary | std::ios::ate);
  mark_ = in ? static_cast<std::streamoff>(in.tellg()) : 0;
}

std::vector<std::string> TapeFileReader::Since() {
  std::ifstream in(path_, std::ios::binary);
  std::vector<std::string> lines;
  if (!in) return lines;
  in.seekg(mark_);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

ConformReport RunContract(link::Driver& driver, const std::vector<ContractStep>& steps,
                          TapeReader* tape) {
  ConformReport report;
  report.steps = steps.size();
  for (const ContractStep& step : steps) {
    if (tape) tape->Mark();
    const link::ReplyRecord& r = driver.ExecuteCommand(step.code, step.wire);
    ++report.run;
    StepDifference diff{&step, {}};
    const link::Outcome outcome = link::OutcomeOf(r);
    if (!outcome.answered()) {
      diff.what.push_back("no answer: " + std::string(link::OutcomeText(outcome.kind)));
      report.differing.push_back(std::move(diff));
      report.lineFailed = true;
      break;
    }
    CheckAnswer(step, r, diff.what);
    if (tape)
      CheckTape(step, tape->Since(), diff.what);
    else
      report.tapeChecksNotMade += step.TapeChecks();
    if (diff.what.empty())
      ++report.passed;
    else
      report.differing.push_back(std::move(diff));
  }
  return report;
}

std::string ReportText(const ConformReport& report, const std::string& contract) {
  std::string out;
  for (const StepDifference& d : report.differing) {
    out += contract + ":" + std::to_string(d.step->line) + ": step " + Quoted(d.step->name) + "\n";
    for (const std::string& what : d.what) out += "  " + what + "\n";
  }
  out += contract + ": " + std::to_string(report.steps) + " steps, " +
         std::to_string(report.passed) + " as the contract says, " +
         std::to_string(report.differing.size()) + " differ";
  if (report.run < report.steps)
    out += ", " + std::to_string(report.steps - report.run) + " not run";
  if (report.tapeChecksNotMade)
    out += "; " + std::to_string(report.tapeChecksNotMade) + " tape checks not made (no --tape)";
  return out + "\n";
}

int ConformExitStatus(const ConformReport& report) {
  if (report.lineFailed) return kExitNoAnswer;
  return report.differing.empty() ? kExitOk : kExitRefused;
}

}  // namespace tesmar::cli
