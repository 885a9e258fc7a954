// The firmware read-out: E7h kind 5 selects the firmware, E8h packets follow
// until an empty one.
#pragma once

#include <string>
#include <string_view>

#include "service/core/transfer.h"

namespace tesmar::service {

// Reads the firmware into `file`: the bytes go to `file`.part as they
// arrive and it becomes `file` when the last packet came (see PartFile).
// ShowProgress gets the bytes so far; the total goes to `total` once known.
// An answer lost, damaged or refused by NAK is asked for again with the same
// SEQ, at most `retries` times.
TransferOutcome ReadFirmwareToFile(TransferHost& host, const std::string& pwd,
                                   const std::string& file, int64_t* total = nullptr,
                                   int retries = kDefaultTransferRetries);

// A packet's data: "\" and a character c stand for the byte c - 40h, every
// other character for itself. A "\" at the very end stands for itself.
std::string UnescapePacket(std::string_view data);

}  // namespace tesmar::service
