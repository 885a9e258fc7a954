// The article upload loop without windows: one 24h per article line, in
// order, going on past a line that timed out. The upload window runs it
// through its command path; the benchmark runs it on a bare driver.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "reply_record.h"

namespace tesmar::sales {

// Sends one line; returns the reply, or nullptr when nothing went out.
using SendArticleLine = std::function<const link::ReplyRecord*(std::string_view line)>;
// Called after each line (sent or skipped) with the count done so far and
// whether that line's exchange timed out.
using ArticleLineDone = std::function<void(size_t done, bool timedOut)>;

struct UploadOutcome {
  size_t sent = 0;      // lines that went out
  size_t timedOut = 0;  // of them, lines without an answer of their own
  size_t skipped = 0;   // blank lines, not sent
};

// Blank lines (nothing but blanks) are passed over: a 24h with only the
// password would program nothing.
UploadOutcome UploadArticles(const std::vector<std::string>& lines, const SendArticleLine& send,
                             const ArticleLineDone& done = {});

}  // namespace tesmar::sales
