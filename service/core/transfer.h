// What the chunked transfers (fiscal memory, firmware) share: how a command
// reaches the registrar, and what the caller is told while it runs.
//
// The cores know nothing of windows: a window sends through its command path
// and shows progress in its fields, the command-line program sends straight
// through the driver and draws a bar on stderr. Messages are UTF-8, exactly
// as the user sees them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "link/driver.h"

namespace tesmar::service {

using Command = std::function<const link::ReplyRecord&(link::Driver&)>;
using CheckedCommand = std::function<const link::ReplyRecord&(link::Driver&, int&)>;

class TransferHost {
 public:
  virtual ~TransferHost() = default;
  // Sends one command; nullptr when nothing went out (the driver or the
  // formatter refused it; the host has said why).
  virtual const link::ReplyRecord* Send(const Command& c) = 0;
  virtual const link::ReplyRecord* SendChecked(const CheckedCommand& c) {
    return Send([&](link::Driver& d) -> const link::ReplyRecord& {
      int result = 0;
      return c(d, result);
    });
  }
  // The driver's error count, for the retries shown.
  virtual int ErrorCount() const = 0;

  virtual void ShowReply(const link::ReplyRecord&) {}
  virtual void ShowRetries(int) {}
  virtual void ShowAddress(uint64_t) {}
  // Percent for the fiscal memory, bytes for the firmware.
  virtual void ShowProgress(int64_t) {}
  // Called between chunks: lets the user's stop through and says whether
  // one is asked for.
  virtual bool StopRequested() { return false; }
};

// How often a chunk whose answer was lost, damaged or refused by NAK is
// asked for again unless the user says otherwise.
inline constexpr int kDefaultTransferRetries = 2;

// How a transfer ended.
struct TransferOutcome {
  bool ok = false;
  std::string message;  // the text to show; empty: nothing to say
  uint64_t bytes = 0;   // bytes moved
};

}  // namespace tesmar::service
