// The receive state machine: bytes in, one parsed reply out.
//
// The receiver keeps the work areas of a reply (error code, data area, status
// bytes, raw reply, checksum) and parses byte by byte exactly as the
// registrar's frames arrive, SYN bytes and stray bytes included. It has no
// notion of time or transport; the driver feeds it and then calls Complete().
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "link/fixed_buffer.h"
#include "link/reply_record.h"

namespace tesmar::link {

class Receiver {
 public:
  // Clears what a new exchange starts without: SYN count, answer flags, the
  // error code, the data area and the status bytes. The raw reply keeps its old bytes until
  // the first new byte arrives, as the shape test relies on.
  void BeginExchange();

  void Feed(uint8_t byte);

  // A read error on the line: the frame being parsed is abandoned.
  void Abandon() { state_ = 0; }
  // Forgets the frame just completed, as if none of its bytes had come (a
  // late reply to an earlier request). The SYN count stays.
  void DropFrame();

  bool FrameComplete() const { return frameComplete_; }
  bool AnswerComplete() const { return answerComplete_; }
  uint32_t SynCount() const { return synCount_; }
  bool Nak() const { return nak_; }
  uint8_t ReplySeqByte() const { return static_cast<uint8_t>(replySeq_ + 0x20); }
  uint8_t ReplyCommand() const { return replyCommand_; }
  // Whether the frame being parsed (or just completed) came with its own
  // SOH, LEN, SEQ and CMD; an ETX alone can end a frame whose start was lost.
  bool FrameHasHeader() const { return headerSeen_; }
  bool ChecksumMatches() const { return receivedChecksum_ == runningSum_; }
  int State() const { return state_; }
  // The bytes this exchange has received so far (SYN left out).
  std::string_view ReceivedNow() const {
    return std::string_view(reinterpret_cast<const char*>(raw_.data()), rawWrite_);
  }

  // Ends the receive: fills `record` (flags, status, data, patches, fields,
  // error code, raw reply) for a reply to command `lastCode`, and readies the
  // raw reply area to be overwritten by the next reply.
  void Complete(ReplyRecord& record, int lastCode);

 private:
  void Dispatch(uint8_t b);
  void HandleState(uint8_t b);
  uint32_t MapStatusFlags() const;

  int state_ = 0;
  uint8_t byteCounter_ = 0;
  uint8_t dataLength_ = 0;
  uint8_t replySeq_ = 0;
  uint8_t replyCommand_ = 0;
  uint32_t runningSum_ = 0;
  uint32_t receivedChecksum_ = 0;
  uint32_t synCount_ = 0;
  bool answerComplete_ = false;
  bool nak_ = false;
  bool frameComplete_ = false;
  bool headerSeen_ = false;

  FixedBuffer<20> errorCode_;
  FixedBuffer<300> dataArea_;
  std::array<uint8_t, 6> status_{};
  size_t statusCount_ = 0;

  std::array<uint8_t, 300> raw_{};
  size_t rawWrite_ = 0;   // where the next byte goes
  size_t rawLength_ = 0;  // what the raw reply holds (the previous one until overwritten)
};

}  // namespace tesmar::link
