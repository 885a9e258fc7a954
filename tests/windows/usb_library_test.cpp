// libusb-1.0's DLL loaded by name on Windows: absent, the direct USB link is
// unavailable; present without the entry points, every call gives -2 and
// nothing crashes.
#include "link/usb_library.h"

#include <gtest/gtest.h>

#include <cstdlib>

using tesmar::link::UsbLibrary;

namespace {

// Sets TESMAR_LIBUSB for one test and takes it away after.
class LibraryOverride {
 public:
  explicit LibraryOverride(const char* file) { _putenv_s("TESMAR_LIBUSB", file); }
  ~LibraryOverride() { _putenv_s("TESMAR_LIBUSB", ""); }
};

}  // namespace

TEST(WindowsUsbLibrary, loadsLibusbDllByNameAndAMissingFileLeavesTheLinkUnavailable) {
  EXPECT_EQ(UsbLibrary::FileName(), "libusb-1.0.dll");
  LibraryOverride missing("Z:\\nonexistent\\libusb-none.dll");
  UsbLibrary usb;
  EXPECT_FALSE(usb.Load());
  EXPECT_FALSE(usb.Loaded());
  void* ctx = nullptr;
  EXPECT_EQ(usb.Init(&ctx), tesmar::link::kUsbMissingEntry);
}

TEST(WindowsUsbLibrary, aDllWithoutTheEntryPointsGivesMinusTwoForEveryCall) {
  LibraryOverride other("kernel32.dll");
  UsbLibrary usb;
  ASSERT_TRUE(usb.Load());
  void* ctx = nullptr;
  void** list = nullptr;
  int transferred = 0;
  unsigned char data[4] = {};
  EXPECT_EQ(usb.Init(&ctx), -2);
  EXPECT_EQ(usb.GetDeviceList(ctx, &list), -2);
  EXPECT_EQ(usb.Open(nullptr, &ctx), -2);
  EXPECT_EQ(usb.SetConfiguration(nullptr, 1), -2);
  EXPECT_EQ(usb.ClaimInterface(nullptr, 0), -2);
  EXPECT_EQ(usb.BulkTransfer(nullptr, 0x01, data, 4, &transferred, 5000), -2);
  EXPECT_EQ(usb.ResetDevice(nullptr), -2);
  usb.Close(nullptr);
  usb.Exit(ctx);
  usb.Unload();
  EXPECT_FALSE(usb.Loaded());
}
