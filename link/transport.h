// The byte link under the driver: a serial port, a pseudo-terminal, the
// direct USB link or an in-memory peer. The driver and the receiver see
// nothing but this.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace tesmar::link {

enum class ReadResult {
  kByte,     // one byte was read
  kTimeout,  // nothing arrived within the link's read time-out (100 ms)
  kError,    // a read error the line may recover from
  kHangUp,   // the far end is gone (device unplugged, pty closed)
};

class Transport {
 public:
  virtual ~Transport() = default;

  // Writes a whole frame; returns false when the link refused it.
  virtual bool Write(const uint8_t* data, size_t n) = 0;
  // Reads one byte, waiting at most the link's read time-out.
  virtual ReadResult ReadByte(uint8_t& byte) = 0;
  // Waits until written bytes have left (FlushFileBuffers).
  virtual void Flush() = 0;
  // Drops unsent output and unread input (PurgeComm).
  virtual void Purge() = 0;
  // Drops unread input only. The driver clears the line with it after a
  // Flush: the output has left a real port by then, while a pseudo-terminal,
  // whose drain does not wait for the far end, would lose a request its
  // registrar has not read yet.
  virtual void DiscardInput() { Purge(); }
  // Clears a line error after a failed read (ClearCommError).
  virtual void ClearError() {}
  // Sends a request frame. A line is cleared first (the output drained,
  // unread input dropped) and the frame written as it stands; the write's
  // result is not looked at, the wait for the reply tells. False only when
  // the request could not go out at all and no reply can come (the direct
  // USB link after its retries).
  virtual bool SendRequest(const uint8_t* frame, size_t n) {
    Flush();
    DiscardInput();
    Write(frame, n);
    return true;
  }

  // Marks the link as the registrar's USB virtual COM port, whose time-outs
  // are resent after 3000 ms.
  void SetUsbVirtualCom(bool on) { usbVirtualCom_ = on; }
  bool IsUsbVirtualCom() const { return usbVirtualCom_; }

 private:
  bool usbVirtualCom_ = false;
};

// Every fixed wait of the driver goes through one of these.
class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void SleepMs(int ms) = 0;
};

// Sleeps for real.
Sleeper& RealSleeper();

// The driver's sense of time: a monotonic clock for bounds and durations,
// the wall clock for time stamps.
class TimeSource {
 public:
  virtual ~TimeSource() = default;
  virtual std::chrono::steady_clock::time_point Steady() = 0;
  virtual std::chrono::system_clock::time_point Wall() = 0;
};

// The system's clocks.
TimeSource& RealTimeSource();

}  // namespace tesmar::link
