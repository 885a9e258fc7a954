// Windows: the device classes of SetupAPI and the configuration manager, as
// the port listing and the USB virtual COM port restart use them. The system
// implementation is MakeSystemDeviceClasses(); tests give a fake.
#pragma once

#include <memory>
#include <string>

namespace tesmar::link {

class DeviceClasses {
 public:
  enum class Pick { kDevice, kNoMoreItems, kFailed };

  virtual ~DeviceClasses() = default;
  // Opens the set of present devices of the class named `className` (the
  // last valid set of its GUIDs); false when no set could be obtained.
  virtual bool Open(const std::string& className) = 0;
  // Selects the device at `index` of the open set.
  virtual Pick Select(int index) = 0;
  // The selected device's friendly name (at most 200 bytes).
  virtual bool FriendlyName(std::string& name) = 0;
  // The "PortName" value of the selected device's hardware key.
  virtual bool PortName(std::string& name) = 0;
  // Installs the property-change parameters (DICS_DISABLE or DICS_ENABLE,
  // globally) for the selected device; false when SetupAPI refused them.
  virtual bool SetStateChange(bool enable) = 0;
  // Applies them; false when the class installer failed.
  virtual bool ChangeState() = 0;
  // Frees the set; safe when none is open.
  virtual void Close() = 0;
};

// SetupAPI itself. "cfgmgr32" is loaded when it is made, for
// CM_Open_DevNode_Key, and released with it; without it no port name can be
// read.
std::unique_ptr<DeviceClasses> MakeSystemDeviceClasses();

}  // namespace tesmar::link
