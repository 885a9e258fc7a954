#include "link/usb_library.h"

#include <cstdlib>

#include "link/platform.h"

namespace tesmar::link {

namespace {

template <typename F>
void Find(void* lib, const char* name, F& fn) {
  fn = reinterpret_cast<F>(platform::FindEntry(lib, name));
}

}  // namespace

std::string UsbLibrary::FileName() {
  const char* override = std::getenv("TESMAR_LIBUSB");
  return override && *override ? override : platform::DefaultUsbLibrary();
}

bool UsbLibrary::Load() {
  Unload();
  handle_ = platform::LoadLibraryNamed(FileName());
  if (!handle_) return false;
  Find(handle_, "libusb_init", e_.init_);
  Find(handle_, "libusb_exit", e_.exit_);
  Find(handle_, "libusb_get_device_list", e_.getDeviceList_);
  Find(handle_, "libusb_free_device_list", e_.freeDeviceList_);
  Find(handle_, "libusb_get_device_descriptor", e_.getDeviceDescriptor_);
  Find(handle_, "libusb_get_bus_number", e_.getBusNumber_);
  Find(handle_, "libusb_get_device_address", e_.getDeviceAddress_);
  Find(handle_, "libusb_open", e_.open_);
  Find(handle_, "libusb_close", e_.close_);
  Find(handle_, "libusb_set_auto_detach_kernel_driver", e_.setAutoDetach_);
  Find(handle_, "libusb_set_configuration", e_.setConfiguration_);
  Find(handle_, "libusb_claim_interface", e_.claimInterface_);
  Find(handle_, "libusb_release_interface", e_.releaseInterface_);
  Find(handle_, "libusb_bulk_transfer", e_.bulkTransfer_);
  Find(handle_, "libusb_reset_device", e_.resetDevice_);
  return true;
}

void UsbLibrary::Unload() {
  if (handle_) platform::FreeLibraryHandle(handle_);
  handle_ = nullptr;
  e_ = Entries{};
}

int UsbLibrary::Init(void** ctx) {
  return e_.init_ ? e_.init_(ctx) : kUsbMissingEntry;
}
void UsbLibrary::Exit(void* ctx) {
  if (e_.exit_) e_.exit_(ctx);
}
long UsbLibrary::GetDeviceList(void* ctx, void*** list) {
  return e_.getDeviceList_ ? e_.getDeviceList_(ctx, list) : kUsbMissingEntry;
}
void UsbLibrary::FreeDeviceList(void** list, int unref) {
  if (e_.freeDeviceList_) e_.freeDeviceList_(list, unref);
}
int UsbLibrary::GetDeviceDescriptor(void* dev, UsbDeviceDescriptor* desc) {
  return e_.getDeviceDescriptor_ ? e_.getDeviceDescriptor_(dev, desc) : kUsbMissingEntry;
}
int UsbLibrary::GetBusNumber(void* dev) {
  return e_.getBusNumber_ ? e_.getBusNumber_(dev) : 0;
}
int UsbLibrary::GetDeviceAddress(void* dev) {
  return e_.getDeviceAddress_ ? e_.getDeviceAddress_(dev) : 0;
}
int UsbLibrary::Open(void* dev, void** handle) {
  return e_.open_ ? e_.open_(dev, handle) : kUsbMissingEntry;
}
void UsbLibrary::Close(void* handle) {
  if (e_.close_) e_.close_(handle);
}
int UsbLibrary::SetAutoDetachKernelDriver(void* handle, int enable) {
  return e_.setAutoDetach_ ? e_.setAutoDetach_(handle, enable) : kUsbMissingEntry;
}
int UsbLibrary::SetConfiguration(void* handle, int configuration) {
  return e_.setConfiguration_ ? e_.setConfiguration_(handle, configuration) : kUsbMissingEntry;
}
int UsbLibrary::ClaimInterface(void* handle, int interface) {
  return e_.claimInterface_ ? e_.claimInterface_(handle, interface) : kUsbMissingEntry;
}
int UsbLibrary::ReleaseInterface(void* handle, int interface) {
  return e_.releaseInterface_ ? e_.releaseInterface_(handle, interface) : kUsbMissingEntry;
}
int UsbLibrary::BulkTransfer(void* handle, unsigned char endpoint, unsigned char* data, int length,
                             int* transferred, unsigned timeoutMs) {
  return e_.bulkTransfer_ ? e_.bulkTransfer_(handle, endpoint, data, length, transferred, timeoutMs)
                          : kUsbMissingEntry;
}
int UsbLibrary::ResetDevice(void* handle) {
  return e_.resetDevice_ ? e_.resetDevice_(handle) : kUsbMissingEntry;
}

}  // namespace tesmar::link
