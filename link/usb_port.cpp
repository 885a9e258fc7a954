#include "link/usb_port.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "link/driver.h"
#include "link/port_control.h"
#include "link/usb_link.h"

namespace tesmar::link {

namespace fs = std::filesystem;

namespace {

unsigned ReadHexFile(const fs::path& p) {
  std::ifstream in(p);
  unsigned v = 0;
  in >> std::hex >> v;
  return in ? v : 0xFFFFFFFFu;
}

// Writes one attribute; empty on success, else the system's message.
std::string WriteAttribute(const fs::path& p, const char* value) {
  const int fd = ::open(p.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return std::strerror(errno);
  const ssize_t n = ::write(fd, value, std::strlen(value));
  const int err = errno;
  ::close(fd);
  if (n < 0) return std::strerror(err);
  return {};
}

}  // namespace

UsbPortFinder::UsbPortFinder(std::string sysfsRoot, std::string devRoot)
    : sysfsRoot_(std::move(sysfsRoot)), devRoot_(std::move(devRoot)) {}

std::vector<std::string> UsbPortFinder::Ttys() const {
  std::vector<std::string> names;
  TPortControl ports(sysfsRoot_, devRoot_);
  if (ports.BeginEnumeratePorts() != 0) return names;
  for (std::string n = ports.EnumeratePorts(); !n.empty(); n = ports.EnumeratePorts())
    names.push_back(n.substr(devRoot_.size() + 1));
  ports.EndEnumeratePorts();
  return names;
}

std::string UsbPortFinder::UsbDeviceDir(const std::string& tty) const {
  std::error_code ec;
  const fs::path root = fs::canonical(sysfsRoot_, ec);
  fs::path dir = fs::canonical(fs::path(sysfsRoot_) / "class" / "tty" / tty / "device", ec);
  if (ec) return {};
  for (; !dir.empty() && dir != root && dir != dir.root_path(); dir = dir.parent_path())
    if (fs::exists(dir / "idVendor", ec)) return dir.string();
  return {};
}

int UsbPortFinder::Probe(int index, std::string& port, std::string& usbDir) const {
  const std::vector<std::string> ttys = Ttys();
  if (index < 0 || index >= static_cast<int>(ttys.size())) return -2;
  usbDir = UsbDeviceDir(ttys[index]);
  if (usbDir.empty()) return -1;
  if (ReadHexFile(fs::path(usbDir) / "idVendor") != kRegistrarVendor ||
      ReadHexFile(fs::path(usbDir) / "idProduct") != kRegistrarProduct)
    return -1;
  port = devRoot_ + "/" + ttys[index];
  return 0;
}

int UsbPortFinder::GetUSBPort(int index, std::string& port) const {
  std::string usbDir;
  return Probe(index, port, usbDir);
}

UsbPortRestore UsbPortFinder::RestoreUSBPort(int index, Driver& driver) const {
  UsbPortRestore r;
  std::string usbDir;
  r.result = Probe(index, r.port, usbDir);
  if (r.result != 0) return r;
  driver.CloseSerialLink();
  const fs::path authorized = fs::path(usbDir) / "authorized";
  if (std::string e = WriteAttribute(authorized, "0"); !e.empty())
    r.messages.push_back(Tesmar::mark("Устройство не удалено (") + e + ")!");
  if (std::string e = WriteAttribute(authorized, "1"); !e.empty())
    r.messages.push_back(Tesmar::mark("Устройство не восстановлено (") + e + ")!");
  return r;
}

}  // namespace tesmar::link
