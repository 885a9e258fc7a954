// The article file and the upload loop without windows: the file's lines as
// bytes, and one 24h per article line, in order, going on past a line that
// was refused or timed out. The upload window runs the loop through its
// command path; the benchmark runs it on a bare driver.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "link/reply_record.h"

namespace tesmar::sales {

// The lines of an article file exactly as its bytes stand: split at LF, a CR
// right before the LF (or at the very end) dropped, no line after the final
// line end. Any other byte, 98h and NUL included, stays in its line.
std::vector<std::string> ArticleFileLines(std::string_view file);

// Sends one line; returns the reply, or nullptr when nothing went out.
using SendArticleLine = std::function<const link::ReplyRecord*(std::string_view line)>;
// Called after each line (sent or skipped) with the count done so far and
// whether that line's exchange ended without an answer of its own.
using ArticleLineDone = std::function<void(size_t done, bool timedOut)>;

struct UploadOutcome {
  size_t sent = 0;      // lines that went out
  size_t timedOut = 0;  // of them, lines without an answer of their own
  size_t skipped = 0;   // blank lines, not sent
  // Line numbers (from 1, blank lines counted, as the list shows them):
  std::vector<size_t> refused;      // answered with an error code
  std::vector<size_t> unconfirmed;  // sent, no answer of their own (it may have run)
  std::vector<size_t> notSent;      // nothing went out
  bool allStored() const { return refused.empty() && unconfirmed.empty() && notSent.empty(); }
};

// Blank lines (nothing but blanks) are passed over: a 24h with only the
// password would program nothing.
UploadOutcome UploadArticles(const std::vector<std::string>& lines, const SendArticleLine& send,
                             const ArticleLineDone& done = {});

// Line numbers in ascending order as "2, 5-7, 9": at most `maxRanges`
// ranges, then ", ...".
std::string LineRanges(const std::vector<size_t>& numbers, size_t maxRanges = 20);

}  // namespace tesmar::sales
