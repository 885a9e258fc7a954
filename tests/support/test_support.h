// Helpers shared by the link tests: a sleeper that records instead of
// waiting, and reply frames built by hand.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "link/frame.h"
#include "link/transport.h"

namespace tesmar::test {

class RecordingSleeper : public link::Sleeper {
 public:
  void SleepMs(int ms) override { waits.push_back(ms); }
  std::vector<int> waits;
};

inline std::vector<uint8_t> Bytes(std::string_view s) {
  return {s.begin(), s.end()};
}

// A reply frame as the registrar sends it, with a correct checksum.
inline std::vector<uint8_t> Reply(uint8_t seqByte, uint8_t code, std::string_view data,
                                  std::string_view error = "0000",
                                  std::array<uint8_t, 6> status = {0x80, 0x80, 0x80, 0x80, 0x80,
                                                                   0x80}) {
  uint8_t buf[400];
  const size_t n = link::BuildReplyFrame(seqByte, code, error, data, status.data(), buf);
  return {buf, buf + n};
}

// The SEQ byte of a request frame.
inline uint8_t SeqOf(const std::vector<uint8_t>& request) {
  return request.at(2);
}

}  // namespace tesmar::test
