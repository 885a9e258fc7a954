// The bank terminal's side of a card payment: the exchange, bytes in and
// bytes out, without Qt, and its run over a byte link with one bound on the
// whole exchange.
//
// Frames in both directions are a two-byte length (high byte first) and that
// many bytes. A message is fields of a two-digit tag, "=" and a value,
// separated by the byte 1Ch. The exchange:
//   1. we send the one-byte request 12h; the terminal acknowledges (00 01 06)
//      and answers a message with its fields 00, 01, 02 and 04;
//   2. we acknowledge it and send the payment request (02h, field 00 as the
//      terminal gave it, the amount in kopecks, the currency);
//   3. the terminal acknowledges, answers a message whose field 58 is the
//      transaction identifier, and we acknowledge that.
// A wrong acknowledgement, a length of 0 or over 1000, or a message that
// stops short ends it as failed.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tesmar::link {
class Transport;
}

namespace tesmar::sales {

inline constexpr size_t kTerminalMaxMessage = 1000;
inline constexpr int kTerminalLimitMs = 20000;
inline constexpr int kTerminalBaud = 115200;

using Bytes = std::vector<uint8_t>;

// Length and payload as one frame.
Bytes TerminalFrame(std::string_view payload);
// The value of field `tag` ("00") in a message: after "tag=" up to the next
// 1Ch or the end; empty when the message has no such field.
std::string TerminalField(std::string_view message, std::string_view tag);
// The amount as the terminal takes it: the typed text without its decimal
// point ("12.50" -> "1250"; "12" stays "12").
std::string TerminalAmount(std::string_view typed);
// The payment request's payload for the terminal's field 00 and an amount.
std::string PaymentRequest(std::string_view field00, std::string_view typedAmount);

// What the terminal told us.
struct CardDetails {
  std::string field00, cardNumber /*01*/, field02, cardKind /*04*/;
  std::string transaction;  // 58
};

class TerminalExchange {
 public:
  enum class Step {
    kFirstAck,
    kFirstLength,
    kFirstBody,
    kSecondAck,
    kSecondLength,
    kSecondBody,
    kDone,
    kFailed
  };

  explicit TerminalExchange(std::string typedAmount) : amount_(std::move(typedAmount)) {}

  // The bytes that open the exchange (the request 12h).
  Bytes Start();
  // Takes bytes from the terminal; returns what must be sent back now.
  Bytes Feed(const uint8_t* data, size_t n);
  Bytes Feed(const Bytes& b) { return Feed(b.data(), b.size()); }

  Step step() const { return step_; }
  bool done() const { return step_ == Step::kDone; }
  bool failed() const { return step_ == Step::kFailed; }
  const CardDetails& details() const { return details_; }

 private:
  void TakeByte(uint8_t b, Bytes& out);
  void TakeMessage(Bytes& out);

  std::string amount_;
  Step step_ = Step::kFirstAck;
  std::string pending_;  // the acknowledgement or message being read
  size_t expected_ = 0;
  CardDetails details_;
};

// Runs the exchange over `link` until it is done or failed, or until
// `limitMs` have passed in all (the link's reads time out on their own).
// True when the terminal gave a transaction; `details` holds what it said.
using SteadyNow = std::function<std::chrono::steady_clock::time_point()>;
bool RunTerminalPayment(link::Transport& link, std::string_view typedAmount, CardDetails& details,
                        int limitMs = kTerminalLimitMs, SteadyNow now = {});

// The three lines printed on the receipt from the card details: the kind +
// " CARD", "**** **** " + the number with a blank before its fifth
// character, and field 02.
std::vector<std::string> CardLines(const CardDetails& d);

}  // namespace tesmar::sales
