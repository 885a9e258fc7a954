#include "sales/article_upload.h"

#include <algorithm>

namespace tesmar::sales {

namespace {
bool Blank(std::string_view line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}
}  // namespace

std::vector<std::string> ArticleFileLines(std::string_view file) {
  std::vector<std::string> lines;
  while (!file.empty()) {
    const size_t end = file.find('\n');
    std::string_view line = file.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    file.remove_prefix(end + 1);
  }
  return lines;
}

UploadOutcome UploadArticles(const std::vector<std::string>& lines, const SendArticleLine& send,
                             const ArticleLineDone& done) {
  UploadOutcome out;
  for (size_t i = 0; i < lines.size(); ++i) {
    const size_t number = i + 1;
    bool timedOut = false;
    if (Blank(lines[i])) {
      ++out.skipped;
    } else if (const link::ReplyRecord* r = send(lines[i])) {
      ++out.sent;
      const link::Outcome outcome = link::OutcomeOf(*r);
      timedOut = !outcome.answered();
      if (timedOut) {
        ++out.timedOut;
        out.unconfirmed.push_back(number);
      } else if (!outcome.ok()) {
        out.refused.push_back(number);
      }
    } else {
      out.notSent.push_back(number);
    }
    if (done) done(number, timedOut);
  }
  return out;
}

std::string LineRanges(const std::vector<size_t>& numbers, size_t maxRanges) {
  std::string text;
  size_t ranges = 0;
  for (size_t i = 0; i < numbers.size(); ++i) {
    size_t last = i;
    while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1) ++last;
    if (ranges == maxRanges) return text + ", ...";
    if (ranges++) text += ", ";
    text += std::to_string(numbers[i]);
    if (last > i) text += "-" + std::to_string(numbers[last]);
    i = last;
  }
  return text;
}

}  // namespace tesmar::sales
