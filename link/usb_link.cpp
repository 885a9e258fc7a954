#include "link/usb_link.h"

#include <algorithm>

namespace tesmar::link {

namespace {

constexpr int kConfiguration = 1;
constexpr int kInterface = 0;
constexpr unsigned char kEndpointOut = 0x01;
constexpr unsigned char kEndpointIn = 0x81;
constexpr int kDefaultTimeoutMs = 5000;

}  // namespace

bool UsbDirectLink::LibraryAvailable() {
  UsbLibrary lib;
  return lib.Load();
}

void UsbDirectLink::CloseDevice() {
  if (handle_) lib_.Close(handle_);
  handle_ = nullptr;
  if (context_) lib_.Exit(context_);
  context_ = nullptr;
}

bool UsbDirectLink::OpenDevice() {
  CloseDevice();
  if (!lib_.Load()) return false;
  if (lib_.Init(&context_) < 0) {
    context_ = nullptr;
    return false;
  }
  void** list = nullptr;
  const long count = lib_.GetDeviceList(context_, &list);
  if (count < 0 || !list) return false;

  // First in bus order: by bus number, then by device address.
  void* chosen = nullptr;
  int chosenKey = 0;
  for (long i = 0; i < count; ++i) {
    UsbDeviceDescriptor d{};
    if (lib_.GetDeviceDescriptor(list[i], &d) < 0) continue;
    if (d.idVendor != kRegistrarVendor || d.idProduct != kRegistrarProduct) continue;
    const int key = lib_.GetBusNumber(list[i]) * 256 + lib_.GetDeviceAddress(list[i]);
    if (!chosen || key < chosenKey) {
      chosen = list[i];
      chosenKey = key;
    }
  }
  void* handle = nullptr;
  const bool opened = chosen && lib_.Open(chosen, &handle) == 0 && handle;
  lib_.FreeDeviceList(list, 1);
  if (!opened) return false;

  lib_.SetAutoDetachKernelDriver(handle, 1);  // a tty driver may hold interface 0
  if (lib_.SetConfiguration(handle, kConfiguration) < 0 ||
      lib_.ClaimInterface(handle, kInterface) < 0) {
    lib_.Close(handle);
    return false;
  }
  handle_ = handle;
  return true;
}

int UsbDirectLink::Transfer(unsigned char endpoint, uint8_t* data, int n, int timeoutMs) {
  int transferred = 0;
  const int rc =
      lib_.BulkTransfer(handle_, endpoint, data, n, &transferred, static_cast<unsigned>(timeoutMs));
  // A time-out that moved some bytes still counts them.
  if (rc == 0 || transferred > 0) return transferred;
  return rc < 0 ? rc : -1;
}

int UsbDirectLink::BulkWrite(const uint8_t* data, int n, int timeoutMs) {
  if (timeoutMs == 0) timeoutMs = kDefaultTimeoutMs;
  if (!handle_ && !OpenDevice()) return -1;
  // The library's buffer is not const, but an OUT transfer only reads it.
  uint8_t* out = const_cast<uint8_t*>(data);
  int r = Transfer(kEndpointOut, out, n, timeoutMs);
  if (r > 0) return r;
  if (!OpenDevice()) return -1;
  return Transfer(kEndpointOut, out, n, timeoutMs);
}

int UsbDirectLink::BulkRead(uint8_t* data, int n, int) {
  if (!handle_ && !OpenDevice()) return -1;
  int r = Transfer(kEndpointIn, data, n, kDefaultTimeoutMs);
  if (r >= 0) return r;
  if (!OpenDevice()) return -1;
  return Transfer(kEndpointIn, data, n, kDefaultTimeoutMs);
}

void UsbDirectLink::ResetAndClose() {
  if (handle_) lib_.ResetDevice(handle_);
  CloseDevice();
}

}  // namespace tesmar::link
