#include "link/terminal_codec.h"

namespace tesmar::link::terminal {

namespace {

constexpr size_t kTagLength = 2;

bool IsControl(char c) {
  return static_cast<uint8_t>(c) < 0x20;
}

// Calls `take(field)` for each field of the message in order, after the
// lead byte; stops early when `take` returns false.
template <class Take>
void EachField(std::string_view message, Take&& take) {
  if (!message.empty() && IsControl(message[0])) message.remove_prefix(1);
  size_t start = 0;
  while (start <= message.size()) {
    size_t end = message.find(kSeparator, start);
    if (end == std::string_view::npos) end = message.size();
    if (!take(message.substr(start, end - start))) return;
    start = end + 1;
  }
}

bool IsTagged(std::string_view field) {
  return field.size() > kTagLength && field[0] >= '0' && field[0] <= '9' && field[1] >= '0' &&
         field[1] <= '9' && field[kTagLength] == '=';
}

}  // namespace

Bytes Frame(std::string_view payload) {
  Bytes f(2 + payload.size());
  f[0] = static_cast<uint8_t>((payload.size() >> 8) & 0xFF);
  f[1] = static_cast<uint8_t>(payload.size() & 0xFF);
  for (size_t i = 0; i < payload.size(); ++i) f[2 + i] = static_cast<uint8_t>(payload[i]);
  return f;
}

const Bytes& AckFrame() {
  static const Bytes kFrame = Frame(std::string(1, static_cast<char>(kAck)));
  return kFrame;
}

const Bytes& NakFrame() {
  static const Bytes kFrame = Frame(std::string(1, static_cast<char>(kNak)));
  return kFrame;
}

bool IsAck(std::string_view payload) {
  return payload.size() == 1 && static_cast<uint8_t>(payload[0]) == kAck;
}

std::string Message::Field(std::string_view tag) const {
  for (const auto& [t, v] : fields)
    if (t == tag) return v;
  return {};
}

bool Message::Has(std::string_view tag) const {
  for (const auto& f : fields)
    if (f.first == tag) return true;
  return false;
}

bool ParseMessage(std::string_view payload, Message& out) {
  out = {};
  if (!payload.empty() && IsControl(payload[0])) out.lead = static_cast<uint8_t>(payload[0]);
  bool ok = true;
  EachField(payload, [&](std::string_view field) {
    ok = IsTagged(field);
    if (ok)
      out.fields.emplace_back(std::string(field.substr(0, kTagLength)),
                              std::string(field.substr(kTagLength + 1)));
    return ok;
  });
  return ok;
}

std::string Field(std::string_view message, std::string_view tag) {
  std::string value;
  EachField(message, [&](std::string_view field) {
    const bool match =
        field.size() > tag.size() && field.substr(0, tag.size()) == tag && field[tag.size()] == '=';
    if (match) value = std::string(field.substr(tag.size() + 1));
    return !match;
  });
  return value;
}

std::string TaggedField(std::string_view tag, std::string_view value) {
  std::string field(tag);
  field += '=';
  field += value;
  return field;
}

std::string PaymentRequest(std::string_view session, int64_t kopecks) {
  std::string p(1, static_cast<char>(kPaymentLead));
  p += TaggedField(kTagSession, session) + kSeparator;
  p += TaggedField(kTagOperation, kSale) + kSeparator;
  p += TaggedField(kTagAmount, std::to_string(kopecks)) + kSeparator;
  p += TaggedField(kTagCurrencyCode, kHryvniaCode) + kSeparator;
  p += TaggedField(kTagCurrency, kHryvnia) + kSeparator;
  p += TaggedField(kTagReceipt, kOneReceipt);
  return p;
}

FrameReader::Result FrameReader::Take(uint8_t b) {
  buffer_ += static_cast<char>(b);
  if (buffer_.size() == 2) {
    expected_ = static_cast<size_t>(static_cast<uint8_t>(buffer_[0])) << 8 |
                static_cast<uint8_t>(buffer_[1]);
    if (expected_ == 0 || expected_ > kMaxMessage) {
      buffer_.clear();
      return Result::kBadLength;
    }
    return Result::kMore;
  }
  if (buffer_.size() < 2 || buffer_.size() < 2 + expected_) return Result::kMore;
  payload_ = buffer_.substr(2);
  buffer_.clear();
  return Result::kFrame;
}

}  // namespace tesmar::link::terminal
