#include "sales/bank_terminal.h"

#include "link/transport.h"

namespace tesmar::sales {

namespace t = link::terminal;

namespace {
constexpr size_t kAckLength = 3;  // 00 01 06
}  // namespace

Bytes TerminalExchange::Start() {
  step_ = Step::kFirstAck;
  ack_.clear();
  reader_.Reset();
  return t::Frame(std::string(1, static_cast<char>(t::kRequest)));
}

Bytes TerminalExchange::Feed(const uint8_t* data, size_t n) {
  Bytes out;
  for (size_t i = 0; i < n && !done() && !failed(); ++i) TakeByte(data[i], out);
  return out;
}

// An acknowledgement is taken as three bytes whose third is 06h; a message
// as a frame of its announced length.
void TerminalExchange::TakeByte(uint8_t b, Bytes& out) {
  switch (step_) {
    case Step::kFirstAck:
    case Step::kSecondAck:
      ack_ += static_cast<char>(b);
      if (ack_.size() < kAckLength) return;
      if (static_cast<uint8_t>(ack_[2]) != t::kAck) {
        step_ = Step::kFailed;
        return;
      }
      ack_.clear();
      step_ = step_ == Step::kFirstAck ? Step::kFirstMessage : Step::kSecondMessage;
      return;
    case Step::kFirstMessage:
    case Step::kSecondMessage:
      switch (reader_.Take(b)) {
        case t::FrameReader::Result::kMore:
          return;
        case t::FrameReader::Result::kBadLength:
          step_ = Step::kFailed;
          return;
        case t::FrameReader::Result::kFrame:
          TakeMessage(reader_.payload(), out);
          return;
      }
      return;
    case Step::kDone:
    case Step::kFailed:
      return;
  }
}

void TerminalExchange::TakeMessage(const std::string& message, Bytes& out) {
  out.insert(out.end(), t::AckFrame().begin(), t::AckFrame().end());
  if (step_ == Step::kFirstMessage) {
    details_.field00 = t::Field(message, t::kTagSession);
    details_.cardNumber = t::Field(message, t::kTagCardNumber);
    details_.field02 = t::Field(message, t::kTagAuthorisation);
    details_.cardKind = t::Field(message, t::kTagCardKind);
    const Bytes request = t::Frame(t::PaymentRequest(details_.field00, kopecks_));
    out.insert(out.end(), request.begin(), request.end());
    step_ = Step::kSecondAck;
    return;
  }
  details_.transaction = t::Field(message, t::kTagTransaction);
  details_.response = t::Field(message, t::kTagResponse);
  step_ = Step::kDone;
}

namespace {

TerminalResult ResultOf(const TerminalExchange& ex) {
  const CardDetails& d = ex.details();
  if (!ex.done()) return TerminalResult::kFailed;
  if (!d.response.empty() && d.response != t::kApproved) return TerminalResult::kDeclined;
  return d.transaction.empty() ? TerminalResult::kFailed : TerminalResult::kApproved;
}

}  // namespace

TerminalResult RunTerminalPayment(link::Transport& link, int64_t kopecks, CardDetails& details,
                                  int waitMs, SteadyNow now) {
  if (!now) now = [] { return std::chrono::steady_clock::now(); };
  const auto wait = std::chrono::milliseconds(waitMs);
  TerminalExchange ex{kopecks};
  const Bytes start = ex.Start();
  if (!link.Write(start.data(), start.size())) return TerminalResult::kFailed;
  int awaited = ex.awaitedMessage();
  auto deadline = now() + wait;
  while (!ex.done() && !ex.failed()) {
    if (ex.awaitedMessage() != awaited) {  // the next message gets a wait of its own
      awaited = ex.awaitedMessage();
      deadline = now() + wait;
    }
    if (now() >= deadline) break;
    uint8_t b = 0;
    const link::ReadResult r = link.ReadByte(b);
    if (r == link::ReadResult::kHangUp) break;
    if (r != link::ReadResult::kByte) continue;
    const Bytes reply = ex.Feed(&b, 1);
    // An answer the terminal never got (its last acknowledgement included)
    // fails the payment.
    if (!reply.empty() && !link.Write(reply.data(), reply.size())) return TerminalResult::kFailed;
  }
  details = ex.details();
  return ResultOf(ex);
}

std::vector<std::string> CardLines(const CardDetails& d) {
  const std::string& n = d.cardNumber;
  const std::string number = n.size() > 4 ? n.substr(0, 4) + " " + n.substr(4) : n;
  return {d.cardKind + " CARD", "**** **** " + number, d.field02};
}

}  // namespace tesmar::sales
