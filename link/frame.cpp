#include "link/frame.h"

#include <algorithm>
#include <cstring>

namespace tesmar::link {

void WriteChecksum(uint32_t sum, uint8_t* out4) {
  for (int i = 3; i >= 0; --i) {
    out4[i] = static_cast<uint8_t>(0x30 + (sum & 0x0F));
    sum >>= 4;
  }
}

bool ReadChecksum(const uint8_t* in4, uint16_t& value) {
  value = 0;
  for (int i = 0; i < 4; ++i) {
    if (in4[i] < 0x30 || in4[i] > 0x3F) return false;
    value = static_cast<uint16_t>(value * 16 + (in4[i] - 0x30));
  }
  return true;
}

uint32_t ByteSum(const uint8_t* data, size_t n) {
  uint32_t sum = 0;
  for (size_t i = 0; i < n; ++i) sum += data[i];
  return sum;
}

size_t BuildRequestFrame(uint8_t seqByte, uint8_t code, std::string_view params, uint8_t* out) {
  const size_t p = std::min(params.size(), kMaxParameterLength);
  out[0] = kSoh;
  out[1] = static_cast<uint8_t>(0x20 + ((p + 4) & 0xFF));
  out[2] = seqByte;
  out[3] = code;
  std::copy_n(params.data(), p, out + 4);
  out[4 + p] = kPostamble;
  WriteChecksum(ByteSum(out + 1, p + 4), out + 5 + p);
  out[9 + p] = kEtx;
  return p + 10;
}

size_t BuildReplyFrame(uint8_t seqByte, uint8_t code, std::string_view errorCode,
                       std::string_view data, const uint8_t status[6], uint8_t* out) {
  const size_t d = std::min(data.size(), kMaxReplyData);
  const size_t e = std::min<size_t>(errorCode.size(), 19);
  size_t n = 0;
  out[n++] = kSoh;
  out[n++] = static_cast<uint8_t>(0x30 + d);
  out[n++] = seqByte;
  out[n++] = code;
  std::copy_n(errorCode.data(), e, out + n);
  n += e;
  out[n++] = ';';
  std::copy_n(data.data(), d, out + n);
  n += d;
  out[n++] = kStatusSeparator;
  std::memcpy(out + n, status, 6);
  n += 6;
  out[n++] = kPostamble;
  WriteChecksum(ByteSum(out + 1, n - 1), out + n);
  n += 4;
  out[n++] = kEtx;
  return n;
}

bool ReplyShapeIsValid(const uint8_t* r, size_t n) {
  if (n < 9) return false;
  return r[0] == kSoh && r[1] >= 0x30 && r[2] >= 0x20 && r[2] <= 0x7F && r[3] >= 0x20 &&
         r[8] == ';' && r[n - 1] == kEtx && r[n - 6] == kPostamble;
}

}  // namespace tesmar::link
