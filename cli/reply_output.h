// How tesmar-cli prints a reply: for a person, or as one JSON object.
#pragma once

#include <string>

#include "reply_record.h"

namespace tesmar::cli {

std::string ReplyAsJson(const link::ReplyRecord& r);
std::string ReplyAsText(const link::ReplyRecord& r);
// 0 accepted, 1 refused, 2 no answer / NAK / checksum.
int ExitStatusFor(const link::ReplyRecord& r);

}  // namespace tesmar::cli
