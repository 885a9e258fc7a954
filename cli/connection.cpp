#include "cli/connection.h"

#include <cstdio>

#include "link/driver_settings.h"
#include "link/serial_port.h"
#include "link/usb_link.h"

namespace tesmar::cli {

namespace {

bool ConnectUsb(link::Driver& driver, int& status) {
  if (driver.ConnectUsb() == 1) return true;
  std::fprintf(stderr, "tesmar-cli: no registrar on the USB bus (%s)\n",
               link::UsbDirectLink::LibraryAvailable()
                   ? "vendor 0483, product 5740 not found or busy"
                   : ("cannot load " + link::UsbLibrary::FileName()).c_str());
  status = kNoLink;
  return false;
}

bool ConnectSerial(const Options& o, const link::IniProfile& ini, link::Driver& driver,
                   int& status) {
  const std::string port = PortOf(o, ini);
  if (port.empty()) {
    std::fprintf(stderr, "tesmar-cli: no port given (-p PORT) and none saved in %s\n",
                 ini.Path().c_str());
    status = kBadUsage;
    return false;
  }
  int baud = 0;
  if (const std::string problem = LineSpeed(o.baud, ini, baud); !problem.empty()) {
    std::fprintf(stderr, "tesmar-cli: %s\n", problem.c_str());
    status = kBadUsage;
    return false;
  }
  std::string error;
  if (!AttachSerialPort(driver, port, baud, error)) {
    // The reason names the path itself when it is about the path.
    const bool named = error.compare(0, port.size(), port) == 0;
    std::fprintf(stderr, "tesmar-cli: cannot open %s%s\n", named ? "" : (port + ": ").c_str(),
                 error.c_str());
    status = kNoLink;
    return false;
  }
  return true;
}

}  // namespace

std::string PortOf(const Options& o, const link::IniProfile& ini) {
  if (o.usb) return {};
  return o.port.empty() ? ini.GetString("Communication", "Port", "") : o.port;
}

bool AttachSerialPort(link::Driver& driver, const std::string& port, int baud, std::string& error) {
  auto serial = link::SerialPort::Open(port, baud, &error);
  if (!serial) return false;
  driver.AttachSerialLink(std::move(serial));
  return true;
}

bool Connect(const Options& o, const link::IniProfile& ini, link::Driver& driver, int& status) {
  link::ApplyDriverSettings(link::ReadDriverSettings(ini), driver);
  driver.SetSequenceGuard(true);
  return o.usb ? ConnectUsb(driver, status) : ConnectSerial(o, ini, driver, status);
}

void Disconnect(const Options& o, link::Driver& driver) {
  if (o.usb)
    driver.DisconnectUsb();
  else
    driver.CloseSerialLink();
}

}  // namespace tesmar::cli
