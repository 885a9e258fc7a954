// The device side of the frame protocol: request frames in, one at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tesmar::emu {

struct Request {
  uint8_t seqByte = 0;
  uint8_t code = 0;
  std::string params;  // Windows-1251 bytes as sent
  bool checksumOk = true;
};

class RequestParser {
 public:
  // Takes one byte; returns a request when it completed a frame. A frame
  // whose postamble or ETX is out of place is dropped and the parser looks
  // for the next SOH.
  std::optional<Request> Feed(uint8_t byte);
  // Forgets a partial frame (the line was idle too long).
  void Reset() { state_ = State::kIdle; }
  bool InFrame() const { return state_ != State::kIdle; }

 private:
  enum class State { kIdle, kLength, kBody };
  State state_ = State::kIdle;
  uint8_t frame_[300] = {};
  size_t have_ = 0;
  size_t total_ = 0;
};

}  // namespace tesmar::emu
