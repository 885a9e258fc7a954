// A serial port (or pseudo-terminal) opened raw 8N1 as the driver's link.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "transport.h"

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
  bool hungUp_ = false;
  // Bytes already read from the port and not yet handed out: one read call
  // takes what has arrived, the driver still sees one byte at a time.
  uint8_t pending_[256] = {};
  size_t pendingPos_ = 0;
  size_t pendingLen_ = 0;
};

// The termios speed constant for a baud rate; false for a rate the system lacks.
bool BaudToSpeed(int baud, unsigned& speed);

}  // namespace tesmar::link
