// The program's side of a card payment with the bank terminal: the
// exchange, bytes in and bytes out, without Qt, and its run over a byte link
// with a wait of its own for each of the terminal's two messages.
//
// Frames and messages are those of link/terminal_codec.h. The exchange:
//   1. we send the one-byte request 12h; the terminal acknowledges (00 01 06)
//      and answers a message with its fields 00, 01, 02 and 04;
//   2. we acknowledge it and send the payment request (02h, field 00 as the
//      terminal gave it, the amount in kopecks, the currency);
//   3. the terminal acknowledges, answers a message whose field 58 is the
//      transaction identifier (and 39 its response code, "00" approved),
//      and we acknowledge that.
// A wrong acknowledgement, a length of 0 or over 1000, or a message that
// stops short ends it as failed.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "link/terminal_codec.h"

namespace tesmar::link {
class Transport;
}

namespace tesmar::sales {

// How long each of the terminal's messages may take: the second one waits
// for the customer's card and PIN.
inline constexpr int kTerminalWaitMs = 20000;
inline constexpr int kTerminalBaud = 115200;

using Bytes = link::terminal::Bytes;

// What the terminal told us.
struct CardDetails {
  std::string field00, cardNumber /*01*/, field02, cardKind /*04*/;
  std::string transaction;  // 58
  std::string response;     // 39, when the terminal gave one
};

class TerminalExchange {
 public:
  enum class Step { kFirstAck, kFirstMessage, kSecondAck, kSecondMessage, kDone, kFailed };

  explicit TerminalExchange(int64_t kopecks) : kopecks_(kopecks) {}

  // The bytes that open the exchange (the request 12h).
  Bytes Start();
  // Takes bytes from the terminal; returns what must be sent back now.
  Bytes Feed(const uint8_t* data, size_t n);
  Bytes Feed(const Bytes& b) { return Feed(b.data(), b.size()); }

  Step step() const { return step_; }
  bool done() const { return step_ == Step::kDone; }
  bool failed() const { return step_ == Step::kFailed; }
  // Which of the terminal's two messages is awaited: 1 or 2.
  int awaitedMessage() const { return step_ <= Step::kFirstMessage ? 1 : 2; }
  const CardDetails& details() const { return details_; }

 private:
  void TakeByte(uint8_t b, Bytes& out);
  void TakeMessage(const std::string& message, Bytes& out);

  int64_t kopecks_;
  Step step_ = Step::kFirstAck;
  std::string ack_;  // the acknowledgement's bytes read so far
  link::terminal::FrameReader reader_;
  CardDetails details_;
};

enum class TerminalResult {
  kApproved,  // a transaction identifier, and no response code other than "00"
  kDeclined,  // the terminal answered the payment with another response code
  kFailed,    // the line failed or the terminal's answers could not be used
};

// Runs the exchange over `link` until it is done or failed, or until one of
// the terminal's messages has not come within `waitMs` (the link's reads
// time out on their own). `details` holds what the terminal said.
using SteadyNow = std::function<std::chrono::steady_clock::time_point()>;
TerminalResult RunTerminalPayment(link::Transport& link, int64_t kopecks, CardDetails& details,
                                  int waitMs = kTerminalWaitMs, SteadyNow now = {});

// The three lines printed on the receipt from the card details: the kind +
// " CARD", "**** **** " + the number with a blank before its fifth
// character, and field 02.
std::vector<std::string> CardLines(const CardDetails& d);

}  // namespace tesmar::sales
