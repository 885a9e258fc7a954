// The port listing on Windows: SetupAPI's "Ports" class, walked one device at
// a time; a device whose hardware key cannot be read, or whose port name does
// not begin with "COM" (a printer port such as LPT1), is passed over.
#include <cctype>

#include "link/port_control.h"

namespace tesmar::link {

namespace {

bool IsComName(const std::string& name) {
  return name.size() >= 3 && std::tolower(static_cast<unsigned char>(name[0])) == 'c' &&
         std::tolower(static_cast<unsigned char>(name[1])) == 'o' &&
         std::tolower(static_cast<unsigned char>(name[2])) == 'm';
}

}  // namespace

TPortControl::TPortControl(std::unique_ptr<DeviceClasses> classes)
    : classes_(classes ? std::move(classes) : MakeSystemDeviceClasses()) {}

TPortControl::~TPortControl() {
  classes_->Close();
}

int TPortControl::BeginEnumeratePorts() {
  if (enumerating_) return -27;
  index_ = 0;
  enumerating_ = classes_->Open("Ports");
  return enumerating_ ? 0 : -27;
}

std::string TPortControl::EnumeratePorts() {
  if (!enumerating_) return {};
  for (;;) {
    const DeviceClasses::Pick pick = classes_->Select(static_cast<int>(index_));
    if (pick != DeviceClasses::Pick::kDevice) {
      classes_->Close();
      return {};
    }
    ++index_;
    std::string name;
    if (classes_->PortName(name) && IsComName(name)) return name;
  }
}

int TPortControl::EndEnumeratePorts() {
  enumerating_ = false;
  index_ = 0;
  classes_->Close();
  return 0;
}

}  // namespace tesmar::link
