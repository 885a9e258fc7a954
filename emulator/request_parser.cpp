#include "emulator/request_parser.h"

#include <algorithm>

#include "link/frame.h"

namespace tesmar::emu {

using namespace tesmar::link;

std::optional<Request> RequestParser::Feed(uint8_t b) {
  switch (state_) {
    case State::kIdle:
      if (b == kSoh) {
        frame_[0] = b;
        have_ = 1;
        state_ = State::kLength;
      }
      return std::nullopt;
    case State::kLength:
      // LEN = 20h + P + 4: at least 24h; the whole frame is LEN - 20h + 6.
      if (b < 0x24) {
        state_ = b == kSoh ? State::kLength : State::kIdle;
        return std::nullopt;
      }
      frame_[have_++] = b;
      total_ = static_cast<size_t>(b - 0x20) + 6;
      state_ = State::kBody;
      return std::nullopt;
    case State::kBody:
      frame_[have_++] = b;
      if (have_ < total_) return std::nullopt;
      state_ = State::kIdle;
      break;
  }
  const size_t p = total_ - 10;
  if (frame_[4 + p] != kPostamble || frame_[total_ - 1] != kEtx) return std::nullopt;
  Request r;
  r.seqByte = frame_[2];
  r.code = frame_[3];
  r.params.assign(reinterpret_cast<const char*>(frame_ + 4), p);
  uint8_t expected[4];
  WriteChecksum(ByteSum(frame_ + 1, p + 4), expected);
  r.checksumOk = std::equal(expected, expected + 4, frame_ + 5 + p);
  return r;
}

}  // namespace tesmar::emu
