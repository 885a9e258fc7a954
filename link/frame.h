// Byte layout of the frames exchanged with the registrar, both directions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tesmar::link {

inline constexpr uint8_t kSoh = 0x01;
inline constexpr uint8_t kEtx = 0x03;
inline constexpr uint8_t kStatusSeparator = 0x04;
inline constexpr uint8_t kPostamble = 0x05;
inline constexpr uint8_t kNak = 0x15;
inline constexpr uint8_t kSyn = 0x16;

// The LEN byte can announce at most 223 bytes after it (20h + P + 4 <= FFh).
inline constexpr size_t kMaxParameterLength = 219;
inline constexpr size_t kMaxRequestFrame = kMaxParameterLength + 10;
// LEN = 30h + D in a reply, so the data area holds at most CFh bytes.
inline constexpr size_t kMaxReplyData = 0xFF - 0x30;
inline constexpr size_t kMaxReplyFrame = kMaxReplyData + 22;

// SEQ byte for a sequence counter value: 20h..7Eh.
constexpr uint8_t SeqByte(uint8_t counter) {
  return static_cast<uint8_t>(0x20 + counter % 95);
}

// Writes the low 16 bits of `sum` as four characters '0' + nibble, most
// significant nibble first (so nibbles above 9 become ':' to '?').
void WriteChecksum(uint32_t sum, uint8_t* out4);

// Reads four checksum characters back; returns false when one is outside '0'..'?'.
bool ReadChecksum(const uint8_t* in4, uint16_t& value);

// Sums bytes as unsigned values, as both directions' checksums do.
uint32_t ByteSum(const uint8_t* data, size_t n);

// Builds a request frame into `out` (room for kMaxRequestFrame bytes).
// Returns the frame length, P + 10. `params` must not exceed kMaxParameterLength.
size_t BuildRequestFrame(uint8_t seqByte, uint8_t code, std::string_view params, uint8_t* out);

// Builds a reply frame as a registrar sends it: error code, ';', data, 04h,
// six status bytes, 05h, checksum, ETX. `data` is cut to kMaxReplyData bytes.
// `out` needs room for kMaxReplyFrame bytes (plus the error code beyond four).
// Returns the frame length.
size_t BuildReplyFrame(uint8_t seqByte, uint8_t code, std::string_view errorCode,
                       std::string_view data, const uint8_t status[6], uint8_t* out);

// The shape test of a reply: SOH first, LEN >= 30h, SEQ 20h..7Fh, CMD >= 20h,
// ';' ninth, ETX last and 05h sixth from the end.
bool ReplyShapeIsValid(const uint8_t* reply, size_t n);

}  // namespace tesmar::link
