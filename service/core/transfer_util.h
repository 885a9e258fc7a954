// Small helpers the transfer cores share.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "reply_record.h"
#include "transfer.h"

namespace tesmar::service::detail {

// Result field `n` (1-based) of the reply, empty when the reply has fewer.
inline std::string_view ResultField(const link::ReplyRecord& r, int n) {
  return n >= 1 && n <= r.fieldCount ? r.Field(n - 1) : std::string_view();
}

// A whole decimal number, digits only (at most 18 of them).
std::optional<long long> WholeNumber(std::string_view text);

// Writes `bytes` to `file` whole; a failure turns the outcome into one.
TransferOutcome Finish(const std::string& file, const std::string& bytes, bool ok,
                       std::string message);

}  // namespace tesmar::service::detail
