// Lists the serial ports present on the machine, for the port choosers.
#pragma once

#include <memory>
#include <string>
#include <vector>

#ifdef _WIN32
#include "link/device_classes_win.h"
#endif

namespace tesmar::link {

// Ports are the tty devices with a hardware device behind them, read from
// sysfs. A serial-core port whose "type" is 0 has no UART and is left out.
// Names are device paths ("/dev/ttyUSB0"), in natural order.
class TPortControl {
 public:
#ifdef _WIN32
  // Windows: the present devices of SetupAPI's "Ports" class whose
  // "PortName" begins with "COM", in the order of the device set. Without
  // `classes` SetupAPI itself is asked.
  explicit TPortControl(std::unique_ptr<DeviceClasses> classes = nullptr);
  ~TPortControl();
#else
  // `sysfsRoot` is "/sys" on a real machine; tests point it at a fake tree.
  explicit TPortControl(std::string sysfsRoot = "/sys", std::string devRoot = "/dev");
#endif

  // 0 when an enumeration started; -27 when one is already running or the
  // device list cannot be read.
  int BeginEnumeratePorts();
  // The next port name, or an empty text when there are no more.
  std::string EnumeratePorts();
  // Ends the enumeration; returns 0.
  int EndEnumeratePorts();

  bool Enumerating() const { return enumerating_; }

 private:
#ifdef _WIN32
  std::unique_ptr<DeviceClasses> classes_;
#else
  std::string sysfsRoot_;
  std::string devRoot_;
  std::vector<std::string> ports_;
#endif
  size_t index_ = 0;
  bool enumerating_ = false;
};

// "ttyS2" before "ttyS10": digit runs compare by value.
bool NaturalLess(const std::string& a, const std::string& b);

}  // namespace tesmar::link
