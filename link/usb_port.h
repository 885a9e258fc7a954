// The registrar's USB virtual COM port: found through sysfs (the tty whose
// USB device has vendor 0483h and product 5740h), and restarted by taking
// the USB device away and bringing it back (its "authorized" attribute).
#pragma once

#include <memory>
#include <string>
#include <vector>

#ifdef _WIN32
#include "link/device_classes_win.h"
#endif

namespace tesmar::link {

class Driver;

struct UsbPortRestore {
  int result = -2;  // as GetUSBPort
  std::string port;
  std::vector<std::string> messages;  // one per failed step, for the caller to show
};

#ifdef _WIN32
// Windows: the device of SetupAPI's "Ports" class whose friendly name holds
// kUsbVirtualComDescription; its port name is what the friendly name holds
// between the first "(" and the first ")". The restart disables and enables
// that device through the class installer.
inline constexpr const char* kUsbVirtualComDescription = "STMicroelectronics Virtual COM Port";

class UsbPortFinder {
 public:
  // Without `classes` SetupAPI itself is asked.
  explicit UsbPortFinder(std::unique_ptr<DeviceClasses> classes = nullptr);
  ~UsbPortFinder();

  // 0 and the port name when the index-th device of the class is the
  // registrar's, -1 when it is another device (or cannot be read), -2 when
  // there are no more devices or no device set.
  int GetUSBPort(int index, std::string& port) const;
  // As GetUSBPort; when the device is the registrar's, closes the driver's
  // serial link, then disables and enables the device. A failed step is
  // reported in `messages` and does not stop the next one.
  UsbPortRestore RestoreUSBPort(int index, Driver& driver) const;

 private:
  // GetUSBPort's answer, with the device set left open and the device selected.
  int Probe(int index, std::string& port) const;

  std::unique_ptr<DeviceClasses> classes_;
};
#else
class UsbPortFinder {
 public:
  // Roots of sysfs and of the device nodes; tests give a fake tree.
  explicit UsbPortFinder(std::string sysfsRoot = "/sys", std::string devRoot = "/dev");

  // Looks at the index-th serial device (in the port listing's order):
  // 0 and its device path when it is the registrar's, -1 when it is another
  // device, -2 when there is no device at that index.
  int GetUSBPort(int index, std::string& port) const;

  // As GetUSBPort; when the device is the registrar's, closes the driver's
  // serial link, then writes 0 and 1 to the USB device's "authorized". A
  // failed step is reported in `messages` and does not stop the next one.
  UsbPortRestore RestoreUSBPort(int index, Driver& driver) const;

 private:
  // GetUSBPort's answer, with the USB device's sysfs directory.
  int Probe(int index, std::string& port, std::string& usbDir) const;
  std::vector<std::string> Ttys() const;
  std::string UsbDeviceDir(const std::string& tty) const;

  std::string sysfsRoot_;
  std::string devRoot_;
};
#endif

}  // namespace tesmar::link
