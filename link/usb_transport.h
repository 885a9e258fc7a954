// The direct USB link as the driver's byte link: a request goes out by bulk
// write and its whole reply is read at once into a 500-byte buffer, which
// the receiver then takes byte by byte as it takes a serial line's.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "link/transport.h"

namespace tesmar::link {

// The direct USB link's bulk endpoints (out 01h, in 81h). Results follow the
// USB library: the byte count, or a negative error.
class UsbBulkLink {
 public:
  virtual ~UsbBulkLink() = default;
  virtual int BulkWrite(const uint8_t* data, int n, int timeoutMs) = 0;
  virtual int BulkRead(uint8_t* data, int n, int timeoutMs) = 0;
  // Resets the device and closes it.
  virtual void ResetAndClose() = 0;
  // Opens the device again; returns false when it is not there.
  virtual bool Reopen() = 0;
};

class UsbTransport : public Transport {
 public:
  // `bulk`, `sleeper` and `stop` outlive the transport; the waits of the
  // recovery go through `sleeper`, and a set `stop` ends the recovery at its
  // next try (the user ended the wait).
  UsbTransport(UsbBulkLink& bulk, Sleeper& sleeper, const std::atomic<bool>* stop = nullptr)
      : bulk_(bulk), sleeper_(sleeper), stop_(stop) {}

  // Writes the request and reads its reply into the buffer. A failed write
  // is tried again after resetting and reopening the device, ten times; a
  // failed read starts over at the write, ten times. False when the last
  // try failed too: no reply can come.
  bool SendRequest(const uint8_t* frame, size_t n) override;
  // One bulk write of the whole frame.
  bool Write(const uint8_t* data, size_t n) override;
  // The next byte of the reply read by SendRequest. A NUL or the end of the
  // reply means that no byte came: kError, which makes the receiver drop a
  // frame it had begun.
  ReadResult ReadByte(uint8_t& byte) override;
  void Flush() override {}
  // Forgets what is left of the reply.
  void Purge() override { length_ = position_ = 0; }

  UsbBulkLink& Bulk() { return bulk_; }

 private:
  bool WriteWithRecovery(const uint8_t* frame, size_t n);
  bool ReadReply();
  void Reopen();
  bool Stopped() const { return stop_ && stop_->load(std::memory_order_relaxed); }

  UsbBulkLink& bulk_;
  Sleeper& sleeper_;
  const std::atomic<bool>* stop_;
  uint8_t buffer_[500] = {};
  size_t length_ = 0;
  size_t position_ = 0;
};

}  // namespace tesmar::link
