// The direct USB link to the registrar: vendor 0483h, product 5740h,
// configuration 1, interface 0, bulk OUT 01h and bulk IN 81h.
#pragma once

#include "link/usb_library.h"
#include "link/usb_transport.h"

namespace tesmar::link {

inline constexpr uint16_t kRegistrarVendor = 0x0483;
inline constexpr uint16_t kRegistrarProduct = 0x5740;

class UsbDirectLink : public UsbBulkLink {
 public:
  ~UsbDirectLink() override { CloseDevice(); }

  // Device open: closes what is open, loads the library afresh, takes the
  // first matching device in bus order, sets configuration 1 and claims
  // interface 0. False when any step fails (the device is closed again).
  bool OpenDevice();
  void CloseDevice();
  bool IsOpen() const { return handle_ != nullptr; }

  // Bulk transfers: the count, or a negative error. A failed transfer
  // reopens the device once and tries again. A time-out of 0 means 5000 ms.
  int BulkWrite(const uint8_t* data, int n, int timeoutMs) override;
  int BulkRead(uint8_t* data, int n, int timeoutMs) override;
  void ResetAndClose() override;
  bool Reopen() override { return OpenDevice(); }

  // Whether the USB library can be loaded at all (the main window's check).
  static bool LibraryAvailable();

 private:
  int Transfer(unsigned char endpoint, uint8_t* data, int n, int timeoutMs);

  UsbLibrary lib_;
  void* context_ = nullptr;
  void* handle_ = nullptr;
};

}  // namespace tesmar::link
