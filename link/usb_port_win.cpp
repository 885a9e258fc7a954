// The registrar's USB virtual COM port on Windows: found by its friendly name
// in SetupAPI's "Ports" class, restarted by disabling and enabling it.
#include "link/driver.h"
#include "link/usb_port.h"

namespace tesmar::link {

namespace {

// "STMicroelectronics Virtual COM Port (COM5)" -> "COM5"; empty when the
// parentheses are missing.
std::string PortInParentheses(const std::string& friendlyName) {
  const size_t open = friendlyName.find('(');
  const size_t close = friendlyName.find(')');
  if (open == std::string::npos || close == std::string::npos || close < open) return {};
  return friendlyName.substr(open + 1, close - open - 1);
}

}  // namespace

UsbPortFinder::UsbPortFinder(std::unique_ptr<DeviceClasses> classes)
    : classes_(classes ? std::move(classes) : MakeSystemDeviceClasses()) {}

UsbPortFinder::~UsbPortFinder() {
  classes_->Close();
}

int UsbPortFinder::Probe(int index, std::string& port) const {
  if (!classes_->Open("Ports")) return -2;
  switch (classes_->Select(index)) {
    case DeviceClasses::Pick::kNoMoreItems:
      return -2;
    case DeviceClasses::Pick::kFailed:
      return -1;
    case DeviceClasses::Pick::kDevice:
      break;
  }
  std::string friendly;
  if (!classes_->FriendlyName(friendly)) return -1;
  if (friendly.find(kUsbVirtualComDescription) == std::string::npos) return -1;
  port = PortInParentheses(friendly);
  return 0;
}

int UsbPortFinder::GetUSBPort(int index, std::string& port) const {
  const int result = Probe(index, port);
  classes_->Close();
  return result;
}

UsbPortRestore UsbPortFinder::RestoreUSBPort(int index, Driver& driver) const {
  UsbPortRestore r;
  r.result = Probe(index, r.port);
  if (r.result == 0) {
    driver.CloseSerialLink();
    if (!classes_->SetStateChange(false))
      r.messages.push_back(Tesmar::mark("Устройство не удалено (SetupDiSetClassInstallParams)!"));
    else if (!classes_->ChangeState())
      r.messages.push_back(Tesmar::mark("Устройство не удалено (SetupDiCallInstaller)!"));
    if (!classes_->SetStateChange(true))
      r.messages.push_back(Tesmar::mark("Устройство не восстановлено (SetupDiSetClassInstallParams)!"));
    else if (!classes_->ChangeState())
      r.messages.push_back(Tesmar::mark("Устройство не восстановлено (SetupDiCallInstaller)!"));
  }
  classes_->Close();
  return r;
}

}  // namespace tesmar::link
