#include "article_upload.h"

#include <algorithm>

namespace tesmar::sales {

namespace {
bool Blank(std::string_view line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}
}  // namespace

UploadOutcome UploadArticles(const std::vector<std::string>& lines, const SendArticleLine& send,
                             const ArticleLineDone& done) {
  UploadOutcome out;
  for (size_t i = 0; i < lines.size(); ++i) {
    bool timedOut = false;
    if (Blank(lines[i])) {
      ++out.skipped;
    } else if (const link::ReplyRecord* r = send(lines[i])) {
      ++out.sent;
      timedOut = !link::OutcomeOf(*r).answered();
      if (timedOut) ++out.timedOut;
    }
    if (done) done(i + 1, timedOut);
  }
  return out;
}

}  // namespace tesmar::sales
