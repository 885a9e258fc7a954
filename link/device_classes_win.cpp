#include <windows.h>
// windows.h first: SetupAPI and the configuration manager build on it.
#include <cfgmgr32.h>
#include <setupapi.h>

#include <vector>

#include "link/device_classes_win.h"

namespace tesmar::link {

namespace {

constexpr DWORD kNameBytes = 200;

using OpenDevNodeKey = CONFIGRET(WINAPI*)(DEVINST, REGSAM, ULONG, REGDISPOSITION, PHKEY, ULONG);

class SetupApiClasses : public DeviceClasses {
 public:
  SetupApiClasses() : cfgmgr_(LoadLibraryA("cfgmgr32")) {}
  ~SetupApiClasses() override {
    Close();
    if (cfgmgr_) FreeLibrary(cfgmgr_);
  }

  bool Open(const std::string& className) override {
    Close();
    DWORD count = 0;
    SetupDiClassGuidsFromNameA(className.c_str(), nullptr, 0, &count);
    if (count == 0) return false;
    std::vector<GUID> guids(count);
    if (!SetupDiClassGuidsFromNameA(className.c_str(), guids.data(), count, &count)) return false;
    for (const GUID& g : guids) {
      HDEVINFO set = SetupDiGetClassDevsA(&g, nullptr, nullptr, DIGCF_PRESENT);
      if (set == INVALID_HANDLE_VALUE) continue;
      if (set_ != INVALID_HANDLE_VALUE) SetupDiDestroyDeviceInfoList(set_);
      set_ = set;  // the last valid set wins
    }
    return set_ != INVALID_HANDLE_VALUE;
  }

  Pick Select(int index) override {
    if (set_ == INVALID_HANDLE_VALUE || index < 0) return Pick::kNoMoreItems;
    device_ = SP_DEVINFO_DATA{};
    device_.cbSize = sizeof device_;
    if (SetupDiEnumDeviceInfo(set_, static_cast<DWORD>(index), &device_)) return Pick::kDevice;
    return GetLastError() == ERROR_NO_MORE_ITEMS ? Pick::kNoMoreItems : Pick::kFailed;
  }

  bool FriendlyName(std::string& name) override {
    char buf[kNameBytes + 1] = {};
    DWORD type = 0;
    if (!SetupDiGetDeviceRegistryPropertyA(set_, &device_, SPDRP_FRIENDLYNAME, &type,
                                           reinterpret_cast<PBYTE>(buf), kNameBytes, nullptr))
      return false;
    name = buf;
    return true;
  }

  bool PortName(std::string& name) override {
    const OpenDevNodeKey open = OpenKeyFunction();
    HKEY key = nullptr;
    if (!open || open(device_.DevInst, KEY_READ, 0, RegDisposition_OpenExisting, &key,
                      CM_REGISTRY_HARDWARE) != CR_SUCCESS)
      return false;
    char buf[kNameBytes + 1] = {};
    DWORD size = kNameBytes;
    DWORD type = 0;
    const LONG r =
        RegQueryValueExA(key, "PortName", nullptr, &type, reinterpret_cast<LPBYTE>(buf), &size);
    RegCloseKey(key);
    if (r != ERROR_SUCCESS || type != REG_SZ) return false;
    name = buf;
    return true;
  }

  bool SetStateChange(bool enable) override {
    SP_PROPCHANGE_PARAMS p{};
    p.ClassInstallHeader.cbSize = sizeof(SP_CLASSINSTALL_HEADER);
    p.ClassInstallHeader.InstallFunction = DIF_PROPERTYCHANGE;
    p.StateChange = enable ? DICS_ENABLE : DICS_DISABLE;
    p.Scope = DICS_FLAG_GLOBAL;
    p.HwProfile = 0;
    return SetupDiSetClassInstallParamsA(set_, &device_, &p.ClassInstallHeader, sizeof p) != 0;
  }

  bool ChangeState() override { return SetupDiChangeState(set_, &device_) != 0; }

  void Close() override {
    if (set_ != INVALID_HANDLE_VALUE) SetupDiDestroyDeviceInfoList(set_);
    set_ = INVALID_HANDLE_VALUE;
  }

 private:
  OpenDevNodeKey OpenKeyFunction() {
    if (!cfgmgr_) return nullptr;
    // Through void*: FARPROC names no signature of its own.
    return reinterpret_cast<OpenDevNodeKey>(
        reinterpret_cast<void*>(GetProcAddress(cfgmgr_, "CM_Open_DevNode_Key")));
  }

  HDEVINFO set_ = INVALID_HANDLE_VALUE;
  SP_DEVINFO_DATA device_{};
  HMODULE cfgmgr_;
};

}  // namespace

std::unique_ptr<DeviceClasses> MakeSystemDeviceClasses() {
  return std::make_unique<SetupApiClasses>();
}

}  // namespace tesmar::link
