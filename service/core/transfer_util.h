// Small helpers the transfer cores share.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "service/core/part_file.h"
#include "link/reply_record.h"
#include "service/core/transfer.h"

namespace tesmar::service::detail {

// Result field `n` (1-based) of the reply, empty when the reply has fewer.
inline std::string_view ResultField(const link::ReplyRecord& r, int n) {
  return n >= 1 && n <= r.fieldCount ? r.Field(n - 1) : std::string_view();
}

// A whole decimal number, digits only (at most 18 of them).
std::optional<long long> WholeNumber(std::string_view text);

// Ends a read-out: a whole one (`whole`) gives the file its name; any other
// says after `message` how many bytes it kept and where.
TransferOutcome FinishRead(PartFile& file, bool whole, const std::string& message);

// The first `count` bytes of the file at `path` (all of it when shorter).
// False, with the message to show, when it cannot be opened or read.
bool ReadFileStart(const std::string& path, uint64_t count, std::string& out, std::string& message);

// Sends `c`, and while its answer is lost, damaged or refused by NAK sends
// the same request again with the same SEQ, at most `retries` times: a
// registrar that did run it answers from its memory and does not run it
// twice. nullptr when nothing went out.
const link::ReplyRecord* SendWithRepeats(TransferHost& host, const Command& c, int retries);

}  // namespace tesmar::service::detail
