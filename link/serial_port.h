// A serial port (or pseudo-terminal) opened raw 8N1 as the driver's link.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "link/transport.h"

namespace tesmar::link {

inline constexpr const char* kNotASerialDevice = "not a serial device";

class SerialPort : public Transport {
 public:
  // Opens `name` (a device path, or a name under /dev) exclusively at `baud`,
  // raw 8N1, keeping the port's handshake settings. Returns nullptr and the
  // reason in `error` when it cannot: the system's words, or kNotASerialDevice
  // after the path for anything that is not a terminal device (a regular
  // file, /dev/null, a folder).
  static std::unique_ptr<SerialPort> Open(const std::string& name, int baud, std::string* error);
  ~SerialPort() override;

  bool Write(const uint8_t* data, size_t n) override;
  ReadResult ReadByte(uint8_t& byte) override;
  void Flush() override;
  void Purge() override;
  void DiscardInput() override;

  static constexpr int kReadTimeoutMs = 100;

#ifdef _WIN32
  void ClearError() override;
  // The port handle as the driver reports it (never -1 for an open port).
  int Fd() const { return static_cast<int>(reinterpret_cast<intptr_t>(handle_)); }

 private:
  explicit SerialPort(void* handle) : handle_(handle) {}

  void* handle_;
#else
  int Fd() const { return fd_; }

 private:
  explicit SerialPort(int fd) : fd_(fd) {}

  int fd_;
#endif
  // Opens the device at a speed BaudToSpeed gave (the platform's file).
  static std::unique_ptr<SerialPort> OpenDevice(const std::string& name, unsigned speed,
                                                std::string* error);

  bool hungUp_ = false;
  // Bytes already read from the port and not yet handed out: one read call
  // takes what has arrived, the driver still sees one byte at a time.
  uint8_t pending_[256] = {};
  size_t pendingPos_ = 0;
  size_t pendingLen_ = 0;
};

// The line speeds a port opens at, in rising order: X(rate) for each.
// clang-format off
#define TESMAR_BAUD_RATES(X) \
  X(110) X(300) X(600) X(1200) X(2400) X(4800) X(9600) X(19200) X(38400) X(57600) X(115200) \
  X(230400) X(460800) X(921600)
// clang-format on

// The system's constant for a baud rate (the termios speed, or the rate
// itself on Windows); false for a rate the ports do not open at.
bool BaudToSpeed(int baud, unsigned& speed);
// The constant for one of the rates above (the platform's file).
unsigned SystemSpeed(int baud);

}  // namespace tesmar::link
