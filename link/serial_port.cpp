// What a serial port is on every platform: the rates it opens at and the
// checks before the device is touched. The device itself is in
// serial_port_posix.cpp and serial_port_win.cpp.
#include "link/serial_port.h"

namespace tesmar::link {

bool BaudToSpeed(int baud, unsigned& speed) {
  switch (baud) {
#define TESMAR_RATE_CASE(rate) case rate:
    TESMAR_BAUD_RATES(TESMAR_RATE_CASE)
#undef TESMAR_RATE_CASE
    speed = SystemSpeed(baud);
    return true;
    default:
      return false;
  }
}

std::unique_ptr<SerialPort> SerialPort::Open(const std::string& name, int baud,
                                             std::string* error) {
  std::string scratch;
  if (!error) error = &scratch;
  unsigned speed = 0;
  if (!BaudToSpeed(baud, speed)) {
    *error = "unsupported baud rate " + std::to_string(baud);
    return nullptr;
  }
  return OpenDevice(name, speed, error);
}

}  // namespace tesmar::link
