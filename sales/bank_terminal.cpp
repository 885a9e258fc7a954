#include "bank_terminal.h"

#include "transport.h"

namespace tesmar::sales {

namespace {

constexpr char kSeparator = '\x1C';
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kRequest = 0x12;
constexpr uint8_t kPaymentLead = 0x02;
constexpr size_t kAckLength = 3;  // 00 01 06

const Bytes& AckFrame() {
  static const Bytes kFrame{0x00, 0x01, kAck};
  return kFrame;
}

void Append(Bytes& out, const Bytes& more) {
  out.insert(out.end(), more.begin(), more.end());
}

}  // namespace

Bytes TerminalFrame(std::string_view payload) {
  Bytes f(2 + payload.size());
  f[0] = static_cast<uint8_t>((payload.size() >> 8) & 0xFF);
  f[1] = static_cast<uint8_t>(payload.size() & 0xFF);
  for (size_t i = 0; i < payload.size(); ++i) f[2 + i] = static_cast<uint8_t>(payload[i]);
  return f;
}

std::string TerminalField(std::string_view message, std::string_view tag) {
  size_t start = 0;
  while (start <= message.size()) {
    size_t end = message.find(kSeparator, start);
    if (end == std::string_view::npos) end = message.size();
    std::string_view field = message.substr(start, end - start);
    // The request byte or the lead byte may stand before the first field.
    if (start == 0 && !field.empty() && static_cast<uint8_t>(field[0]) < 0x20)
      field.remove_prefix(1);
    if (field.size() > tag.size() && field.substr(0, tag.size()) == tag && field[tag.size()] == '=')
      return std::string(field.substr(tag.size() + 1));
    start = end + 1;
  }
  return {};
}

std::string TerminalAmount(std::string_view typed) {
  std::string out;
  for (char c : typed)
    if (c != '.') out += c;
  return out;
}

std::string PaymentRequest(std::string_view field00, std::string_view typedAmount) {
  std::string p(1, static_cast<char>(kPaymentLead));
  p += "00=" + std::string(field00) + kSeparator;
  p += std::string("03=S") + kSeparator;
  p += "05=" + TerminalAmount(typedAmount) + kSeparator;
  p += std::string("52=980") + kSeparator;
  p += std::string("53=UAH") + kSeparator;
  p += "61=1";
  return p;
}

Bytes TerminalExchange::Start() {
  step_ = Step::kFirstAck;
  pending_.clear();
  return TerminalFrame(std::string(1, static_cast<char>(kRequest)));
}

Bytes TerminalExchange::Feed(const uint8_t* data, size_t n) {
  Bytes out;
  for (size_t i = 0; i < n && !done() && !failed(); ++i) TakeByte(data[i], out);
  return out;
}

void TerminalExchange::TakeByte(uint8_t b, Bytes& out) {
  pending_ += static_cast<char>(b);
  switch (step_) {
    case Step::kFirstAck:
    case Step::kSecondAck:
      if (pending_.size() < kAckLength) return;
      if (static_cast<uint8_t>(pending_[2]) != kAck) {
        step_ = Step::kFailed;
        return;
      }
      step_ = step_ == Step::kFirstAck ? Step::kFirstLength : Step::kSecondLength;
      pending_.clear();
      return;
    case Step::kFirstLength:
    case Step::kSecondLength:
      if (pending_.size() < 2) return;
      expected_ = static_cast<size_t>(static_cast<uint8_t>(pending_[0])) << 8 |
                  static_cast<uint8_t>(pending_[1]);
      pending_.clear();
      if (expected_ == 0 || expected_ > kTerminalMaxMessage) {
        step_ = Step::kFailed;
        return;
      }
      step_ = step_ == Step::kFirstLength ? Step::kFirstBody : Step::kSecondBody;
      return;
    case Step::kFirstBody:
    case Step::kSecondBody:
      if (pending_.size() == expected_) TakeMessage(out);
      return;
    case Step::kDone:
    case Step::kFailed:
      return;
  }
}

void TerminalExchange::TakeMessage(Bytes& out) {
  Append(out, AckFrame());
  const std::string message = std::move(pending_);
  pending_.clear();
  if (step_ == Step::kFirstBody) {
    details_.field00 = TerminalField(message, "00");
    details_.cardNumber = TerminalField(message, "01");
    details_.field02 = TerminalField(message, "02");
    details_.cardKind = TerminalField(message, "04");
    Append(out, TerminalFrame(PaymentRequest(details_.field00, amount_)));
    step_ = Step::kSecondAck;
    return;
  }
  details_.transaction = TerminalField(message, "58");
  step_ = Step::kDone;
}

bool RunTerminalPayment(link::Transport& link, std::string_view typedAmount, CardDetails& details,
                        int limitMs, SteadyNow now) {
  if (!now) now = [] { return std::chrono::steady_clock::now(); };
  const auto deadline = now() + std::chrono::milliseconds(limitMs);
  TerminalExchange ex{std::string(typedAmount)};
  const Bytes start = ex.Start();
  if (!link.Write(start.data(), start.size())) return false;
  while (!ex.done() && !ex.failed() && now() < deadline) {
    uint8_t b = 0;
    const link::ReadResult r = link.ReadByte(b);
    if (r == link::ReadResult::kHangUp) return false;
    if (r != link::ReadResult::kByte) continue;
    const Bytes reply = ex.Feed(&b, 1);
    if (!reply.empty() && !link.Write(reply.data(), reply.size())) return false;
  }
  details = ex.details();
  return ex.done();
}

std::vector<std::string> CardLines(const CardDetails& d) {
  std::string number = d.cardNumber;
  if (number.size() > 4) number.insert(4, " ");
  return {d.cardKind + " CARD", "**** **** " + number, d.field02};
}

}  // namespace tesmar::sales
