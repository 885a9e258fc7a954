// libusb-1.0, loaded at run time by name. Every entry point the link uses is
// looked up by name; one the library lacks stays empty, and calling it gives
// -2 instead of crashing. TESMAR_LIBUSB names another file to load.
#pragma once

#include <cstdint>
#include <string>

namespace tesmar::link {

// The device descriptor as libusb-1.0 fills it.
struct UsbDeviceDescriptor {
  uint8_t bLength;
  uint8_t bDescriptorType;
  uint16_t bcdUSB;
  uint8_t bDeviceClass;
  uint8_t bDeviceSubClass;
  uint8_t bDeviceProtocol;
  uint8_t bMaxPacketSize0;
  uint16_t idVendor;
  uint16_t idProduct;
  uint16_t bcdDevice;
  uint8_t iManufacturer;
  uint8_t iProduct;
  uint8_t iSerialNumber;
  uint8_t bNumConfigurations;
};

inline constexpr int kUsbMissingEntry = -2;

class UsbLibrary {
 public:
  UsbLibrary() = default;
  ~UsbLibrary() { Unload(); }
  UsbLibrary(const UsbLibrary&) = delete;
  UsbLibrary& operator=(const UsbLibrary&) = delete;

  // Loads the library afresh (unloading a previous load) and looks up every
  // entry point. False when the file cannot be loaded.
  bool Load();
  void Unload();
  bool Loaded() const { return handle_ != nullptr; }
  // The file that Load() opens: $TESMAR_LIBUSB, else libusb-1.0.so.0
  // (libusb-1.0.dll on Windows).
  static std::string FileName();

  int Init(void** ctx);
  void Exit(void* ctx);
  long GetDeviceList(void* ctx, void*** list);
  void FreeDeviceList(void** list, int unref);
  int GetDeviceDescriptor(void* dev, UsbDeviceDescriptor* desc);
  int GetBusNumber(void* dev);
  int GetDeviceAddress(void* dev);
  int Open(void* dev, void** handle);
  void Close(void* handle);
  int SetAutoDetachKernelDriver(void* handle, int enable);
  int SetConfiguration(void* handle, int configuration);
  int ClaimInterface(void* handle, int interface);
  int ReleaseInterface(void* handle, int interface);
  int BulkTransfer(void* handle, unsigned char endpoint, unsigned char* data, int length,
                   int* transferred, unsigned timeoutMs);
  int ResetDevice(void* handle);

 private:
  void* handle_ = nullptr;
  struct Entries {
    int (*init_)(void**) = nullptr;
    void (*exit_)(void*) = nullptr;
    long (*getDeviceList_)(void*, void***) = nullptr;
    void (*freeDeviceList_)(void**, int) = nullptr;
    int (*getDeviceDescriptor_)(void*, UsbDeviceDescriptor*) = nullptr;
    uint8_t (*getBusNumber_)(void*) = nullptr;
    uint8_t (*getDeviceAddress_)(void*) = nullptr;
    int (*open_)(void*, void**) = nullptr;
    void (*close_)(void*) = nullptr;
    int (*setAutoDetach_)(void*, int) = nullptr;
    int (*setConfiguration_)(void*, int) = nullptr;
    int (*claimInterface_)(void*, int) = nullptr;
    int (*releaseInterface_)(void*, int) = nullptr;
    int (*bulkTransfer_)(void*, unsigned char, unsigned char*, int, int*, unsigned) = nullptr;
    int (*resetDevice_)(void*) = nullptr;
  } e_;
};

}  // namespace tesmar::link
