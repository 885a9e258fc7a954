// The bank terminal's frames and messages, as both ends of its serial line
// write and read them (the program's card payment and the virtual terminal).
//
// A frame is a two-byte length (high byte first) and that many bytes. An
// acknowledgement is the frame of the one byte 06h, a refusal of a frame the
// one byte 15h. A message is fields of a two-digit tag, "=" and a value,
// separated by the byte 1Ch; the program's request byte 12h or its payment
// lead byte 02h may stand before the first field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tesmar::link::terminal {

using Bytes = std::vector<uint8_t>;

inline constexpr char kSeparator = '\x1C';
inline constexpr uint8_t kAck = 0x06;
inline constexpr uint8_t kNak = 0x15;
inline constexpr uint8_t kRequest = 0x12;      // "card details, please"
inline constexpr uint8_t kPaymentLead = 0x02;  // before the payment request's fields
inline constexpr size_t kMaxMessage = 1000;    // the longest message either end takes

// Field tags of the exchange.
inline constexpr const char* kTagSession = "00";
inline constexpr const char* kTagCardNumber = "01";
inline constexpr const char* kTagAuthorisation = "02";
inline constexpr const char* kTagOperation = "03";
inline constexpr const char* kTagCardKind = "04";
inline constexpr const char* kTagAmount = "05";  // kopecks, digits only
inline constexpr const char* kTagResponse = "39";
inline constexpr const char* kTagCurrencyCode = "52";
inline constexpr const char* kTagCurrency = "53";
inline constexpr const char* kTagTransaction = "58";
inline constexpr const char* kTagReceipt = "61";

// What the payment request always carries besides the session and amount.
inline constexpr const char* kSale = "S";
inline constexpr const char* kHryvniaCode = "980";
inline constexpr const char* kHryvnia = "UAH";
inline constexpr const char* kOneReceipt = "1";
// The response codes the virtual terminal gives: approved, declined, and a
// request it cannot read.
inline constexpr const char* kApproved = "00";
inline constexpr const char* kDeclined = "05";
inline constexpr const char* kFormatError = "30";

// Length and payload as one frame.
Bytes Frame(std::string_view payload);
const Bytes& AckFrame();
const Bytes& NakFrame();
bool IsAck(std::string_view payload);

// A message's fields in order, after the lead byte when one stands first.
struct Message {
  int lead = -1;  // the control byte before the first field, -1 when none
  std::vector<std::pair<std::string, std::string>> fields;
  // The value of the first field `tag`; empty when there is none.
  std::string Field(std::string_view tag) const;
  bool Has(std::string_view tag) const;
};
// False when a field is not a two-digit tag, "=" and a value.
bool ParseMessage(std::string_view payload, Message& out);

// The value of field `tag` ("00") in a message: after "tag=" up to the next
// 1Ch or the end; empty when the message has no such field. Lenient: fields
// that are not "tag=value" are passed over.
std::string Field(std::string_view message, std::string_view tag);

// One field of a message: the tag, "=" and the value.
std::string TaggedField(std::string_view tag, std::string_view value);

// The payment request: the lead byte, the session the terminal gave (field
// 00), a sale, the amount in kopecks, the hryvnia, one receipt.
std::string PaymentRequest(std::string_view session, int64_t kopecks);

// Reads frames byte by byte.
class FrameReader {
 public:
  enum class Result { kMore, kFrame, kBadLength };
  // Takes one byte. kFrame: a whole frame is in payload(); kBadLength: the
  // length announced is 0 or over kMaxMessage. Either way the next byte
  // starts a new frame.
  Result Take(uint8_t b);
  const std::string& payload() const { return payload_; }
  bool idle() const { return buffer_.empty(); }
  void Reset() { buffer_.clear(); }

 private:
  std::string buffer_;  // the length bytes, then the payload read so far
  size_t expected_ = 0;
  std::string payload_;
};

}  // namespace tesmar::link::terminal
