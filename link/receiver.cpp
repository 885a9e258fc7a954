#include "link/receiver.h"

#include <cstring>

#include "link/command_table.h"
#include "link/frame.h"

namespace tesmar::link {

namespace {

// Status bit -> flags word bit, per status byte; -1 where a bit is not mapped.
constexpr int kStatusMap[6][6] = {
    {0, 1, 2, -1, 3, 27},      // S0
    {4, 5, 6, 7, 8, 12},       // S1
    {9, -1, -1, 10, -1, 11},   // S2
    {-1, -1, -1, -1, -1, -1},  // S3 is not mapped
    {16, -1, 13, 20, 17, 28},  // S4
    {18, 21, 19, 22, 23, 14},  // S5
};

// The command's patch of the data area, applied before it is split.
void PatchData(int code, char* data, size_t& n, size_t capacity) {
  if (n <= 1) return;
  const CommandDescriptor* command = FindCommand(code);
  switch (command ? command->replyPatch : ReplyPatch::kNone) {
    case ReplyPatch::kCommaAfterFirst:
      if (n + 1 > capacity) n = capacity - 1;  // keep room for the inserted ','
      std::memmove(data + 2, data + 1, n - 1);
      data[1] = ',';
      ++n;
      break;
    case ReplyPatch::kNinthComma:
      if (n >= 9) data[8] = ',';
      break;
    case ReplyPatch::kBlanksToCommas:
      for (size_t i = 0; i < n && i < 20; ++i)
        if (data[i] == ' ') data[i] = ',';
      break;
    case ReplyPatch::kNone:
      break;
  }
}

}  // namespace

void Receiver::BeginExchange() {
  synCount_ = 0;
  answerComplete_ = false;
  nak_ = false;
  frameComplete_ = false;
  dataArea_.Clear();
  status_.fill(0);
  statusCount_ = 0;
  state_ = 0;
  rawWrite_ = 0;
  headerSeen_ = false;
  // A NAK or a broken frame brings no error code: an older reply's must not
  // stand in for it.
  errorCode_.Clear();
  // Until a frame's own checksum digits arrive nothing may match: a bare ETX
  // must not pass an older frame's checksum off as this one's.
  receivedChecksum_ = 0xFFFFFFFFu;
}

void Receiver::DropFrame() {
  const uint32_t syn = synCount_;
  BeginExchange();
  synCount_ = syn;
  errorCode_.Clear();
  rawLength_ = 0;
}

void Receiver::Feed(uint8_t b) {
  if (b == kSyn) {
    ++synCount_;
  } else if (rawWrite_ < raw_.size() - 1) {
    raw_[rawWrite_++] = b;  // bytes beyond the area are dropped
    rawLength_ = rawWrite_;
  }
  Dispatch(b);
}

void Receiver::Dispatch(uint8_t b) {
  if (b == kSoh) {
    state_ = 0;
  } else if (b == kEtx) {
    state_ = 10;
  } else if (b == kNak) {
    state_ = 0;
    nak_ = true;
    answerComplete_ = true;
    return;
  }
  HandleState(b);
}

void Receiver::HandleState(uint8_t b) {
  switch (state_) {
    case 0:
      if (b == kSoh) {
        state_ = 1;
        headerSeen_ = false;
      }
      runningSum_ = 0;
      break;
    case 1:
      if (b >= 0x30) {
        dataLength_ = static_cast<uint8_t>(b - 0x30);
        runningSum_ += b;
        state_ = 2;
      } else {
        state_ = 0;
      }
      break;
    case 2:
      if (b >= 0x20) {
        replySeq_ = static_cast<uint8_t>(b - 0x20);
        runningSum_ += b;
        state_ = 3;
      } else {
        state_ = 0;
      }
      break;
    case 3:
      replyCommand_ = b;
      headerSeen_ = true;
      runningSum_ += b;
      errorCode_.Clear();
      dataArea_.Clear();
      byteCounter_ = 0;
      state_ = 4;
      break;
    case 4:
      runningSum_ += b;
      if (b == ';')
        state_ = dataLength_ > 0 ? 5 : 6;
      else
        errorCode_.Push(b);  // at most 19 characters are kept
      break;
    case 5:
      if (byteCounter_ < dataLength_) {
        dataArea_.Push(b);
        ++byteCounter_;
        runningSum_ += b;
      }
      if (byteCounter_ >= dataLength_) state_ = 6;
      break;
    case 6:
      if (b == kStatusSeparator) {
        byteCounter_ = 0;
        statusCount_ = 0;
        runningSum_ += b;
        state_ = 7;
      } else {
        state_ = 0;
      }
      break;
    case 7:
      if (statusCount_ < status_.size()) {
        status_[statusCount_++] = b;
        runningSum_ += b;
      }
      if (statusCount_ >= status_.size()) state_ = 8;
      break;
    case 8:
      if (b == kPostamble) {
        byteCounter_ = 0;
        receivedChecksum_ = 0;
        runningSum_ += b;
        state_ = 9;
      } else {
        state_ = 0;
      }
      break;
    case 9:
      if (byteCounter_ < 4) {
        receivedChecksum_ = receivedChecksum_ * 16 + static_cast<uint32_t>(b - 0x30);
        ++byteCounter_;
      }
      if (byteCounter_ >= 4) state_ = 10;
      break;
    default:  // 10: the byte after the checksum ends the frame
      state_ = 0;
      frameComplete_ = true;
      if (b == kEtx) answerComplete_ = true;
      break;
  }
}

uint32_t Receiver::MapStatusFlags() const {
  uint32_t flags = 0;
  for (int byte = 0; byte < 6; ++byte)
    for (int bit = 0; bit < 6; ++bit)
      if (kStatusMap[byte][bit] >= 0 && (status_[byte] & (1u << bit)))
        flags |= 1u << kStatusMap[byte][bit];
  return flags;
}

void Receiver::Complete(ReplyRecord& record, int lastCode) {
  // A well-formed reply's sum stays below 10000h, so the four digits carry it
  // whole; digits outside '0'..'?' can never match.
  const bool checksumError = answerComplete_ && receivedChecksum_ != runningSum_;
  frameComplete_ = false;

  for (size_t i = 0; i < 6; ++i) record.status[i] = status_[i] & 0x7F;

  uint32_t flags = 0;
  if (!answerComplete_)
    flags = kFlagNoAnswer;
  else if (nak_)
    flags = kFlagNak;
  else if (checksumError)
    flags = kFlagChecksum;
  else
    flags = MapStatusFlags();

  // The data area ends at its first NUL, whatever LEN announced.
  const std::string_view data = dataArea_.View().substr(0, std::strlen(dataArea_.CStr()));
  record.dataText.Assign(data);
  char patched[302];
  size_t n = data.size();
  std::memcpy(patched, data.data(), n);
  PatchData(lastCode, patched, n, sizeof(patched) - 1);

  record.errorCode.Assign(errorCode_.View());
  record.flags = flags;
  record.outcome = ClassifyReply(flags, errorCode_.View());
  record.caption = CommandCaption(lastCode);
  record.SetFields(std::string_view(patched, n));
  record.rawReply.Assign(raw_.data(), rawLength_);
  rawWrite_ = 0;
}

}  // namespace tesmar::link
