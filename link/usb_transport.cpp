#include "link/usb_transport.h"

#include <algorithm>
#include <cstring>

#include "link/frame.h"

namespace tesmar::link {

namespace {

constexpr int kTimeoutMs = 5000;
constexpr int kWriteRetryWaitMs = 2000;
constexpr int kReopenWaitMs = 1000;
constexpr int kRetries = 10;

}  // namespace

void UsbTransport::Reopen() {
  bulk_.ResetAndClose();
  sleeper_.SleepMs(kReopenWaitMs);
  bulk_.Reopen();
}

bool UsbTransport::Write(const uint8_t* data, size_t n) {
  return bulk_.BulkWrite(data, static_cast<int>(n), kTimeoutMs) == static_cast<int>(n);
}

bool UsbTransport::WriteWithRecovery(const uint8_t* frame, size_t n) {
  for (int failures = 0;; ++failures) {
    if (Write(frame, n)) return true;
    if (failures == kRetries || Stopped()) return false;
    sleeper_.SleepMs(kWriteRetryWaitMs);
    Reopen();
  }
}

// Fills the buffer by bulk reads until ETX ends it or a read gives nothing.
// Returns false when a read failed.
bool UsbTransport::ReadReply() {
  Purge();
  std::memset(buffer_, 0, sizeof buffer_);
  while (length_ < sizeof buffer_) {
    const int room = static_cast<int>(sizeof buffer_ - length_);
    const int n = bulk_.BulkRead(buffer_ + length_, room, kTimeoutMs);
    if (n < 0) return false;
    if (n == 0) break;
    length_ += static_cast<size_t>(std::min(n, room));
    if (buffer_[length_ - 1] == kEtx) break;
  }
  return true;
}

bool UsbTransport::SendRequest(const uint8_t* frame, size_t n) {
  for (int readFailures = 0;; ++readFailures) {
    const bool written = WriteWithRecovery(frame, n);
    if (written && ReadReply()) return true;
    if (!written || readFailures == kRetries || Stopped()) {
      Purge();
      return false;
    }
    Reopen();
  }
}

ReadResult UsbTransport::ReadByte(uint8_t& byte) {
  if (position_ >= length_ || buffer_[position_] == 0) return ReadResult::kError;
  byte = buffer_[position_++];
  return ReadResult::kByte;
}

}  // namespace tesmar::link
