// The driver's one reply record: what every caller sees of the registrar's answer.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "link/fixed_buffer.h"
#include "link/outcome.h"

namespace tesmar::link {

// Transport bits of the flags word; exactly one is set when an exchange failed.
inline constexpr uint32_t kFlagNoAnswer = 1u << 26;
inline constexpr uint32_t kFlagNak = 1u << 25;
inline constexpr uint32_t kFlagChecksum = 1u << 24;
inline constexpr uint32_t kTransportFlags = kFlagNoAnswer | kFlagNak | kFlagChecksum;

inline constexpr int kMaxFields = 20;

struct ReplyRecord {
  int32_t fieldCount = 0;
  int32_t commandCode = 0;
  uint32_t flags = 0;
  const char* caption = "";         // CommandCaption of the last code (UTF-8)
  FixedBuffer<300> parameters;      // the last parameter string as given
  FixedBuffer<256> dataText;        // data area as received, before patches
  FixedBuffer<20> errorCode;        // "0000" when the registrar accepted
  std::array<uint8_t, 6> status{};  // S0..S5, bit 7 cleared
  FixedBuffer<300> sentFrame;       // last request frame as written
  FixedBuffer<300> rawReply;        // last reply as received, SYN left out

  // Result field `index` (0-based). Only the first fieldCount are valid; the
  // others read as whatever an earlier reply left, or empty.
  std::string_view Field(int index) const {
    if (index < 0 || index >= kMaxFields) return {};
    return std::string_view(fieldText_.data() + fieldOffset_[index], fieldLength_[index]);
  }

  // What the command came to (see outcome.h): set by the receiver for each
  // reply and by the driver for the whole transaction.
  OutcomeKind outcome = OutcomeKind::kNotSent;

  bool Answered() const { return Outcome{outcome}.answered(); }
  bool Succeeded() const { return outcome == OutcomeKind::kOk; }

  // Splits `data` (already patched) into result fields; the text is copied
  // into the record. More than kMaxFields fields leave the rest in the last.
  void SetFields(std::string_view data);

 private:
  std::array<char, 300> fieldText_{};
  std::array<uint16_t, kMaxFields> fieldOffset_{};
  std::array<uint16_t, kMaxFields> fieldLength_{};
};

}  // namespace tesmar::link
