// Finding and restarting the USB virtual COM port in a fake sysfs tree.
#include "link/usb_port.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "link/driver.h"
#include "link/memory_transport.h"
#include "tests/support/test_support.h"

using namespace tesmar::link;
namespace fs = std::filesystem;

namespace {

class FakeUsbSysfs : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("tesmar-usbfs-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    Tty("ttyACM0", "usb1/1-1", "0483", "5740");
    Tty("ttyUSB0", "usb1/1-2", "0403", "6001");
  }
  void TearDown() override { fs::remove_all(root_); }

  void Tty(const std::string& name, const std::string& usb, const std::string& vid,
           const std::string& pid) {
    const fs::path dev = root_ / "devices" / usb;
    fs::create_directories(dev / (fs::path(usb).filename().string() + ":1.0"));
    std::ofstream(dev / "idVendor") << vid << "\n";
    std::ofstream(dev / "idProduct") << pid << "\n";
    std::ofstream(dev / "authorized") << "1\n";
    const fs::path tty = root_ / "class" / "tty" / name;
    fs::create_directories(tty);
    fs::create_directory_symlink(dev / (fs::path(usb).filename().string() + ":1.0"),
                                 tty / "device");
  }
  std::string Authorized(const std::string& usb) {
    std::ifstream in(root_ / "devices" / usb / "authorized");
    std::string s;
    in >> s;
    return s;
  }

  fs::path root_;
};

}  // namespace

TEST_F(FakeUsbSysfs, findsTheRegistrarsTtyByVendorAndProduct) {
  UsbPortFinder finder(root_.string());
  std::string port;
  EXPECT_EQ(finder.GetUSBPort(0, port), 0);
  EXPECT_EQ(port, "/dev/ttyACM0");
  EXPECT_EQ(finder.GetUSBPort(1, port), -1);  // another USB serial device
  EXPECT_EQ(finder.GetUSBPort(2, port), -2);  // no more devices
  EXPECT_EQ(UsbPortFinder((root_ / "none").string()).GetUSBPort(0, port), -2);
}

TEST_F(FakeUsbSysfs, restoreClosesTheSerialLinkAndCyclesAuthorized) {
  UsbPortFinder finder(root_.string());
  tesmar::test::RecordingSleeper sleeper;
  Driver driver(sleeper);
  driver.AttachSerialLink(std::make_unique<MemoryTransport>());
  const UsbPortRestore r = finder.RestoreUSBPort(0, driver);
  EXPECT_EQ(r.result, 0);
  EXPECT_EQ(r.port, "/dev/ttyACM0");
  EXPECT_TRUE(r.messages.empty());
  EXPECT_FALSE(driver.SerialActive());
  EXPECT_EQ(Authorized("usb1/1-1"), "1");
  EXPECT_EQ(Authorized("usb1/1-2"), "1");

  EXPECT_EQ(finder.RestoreUSBPort(1, driver).result, -1);
  EXPECT_EQ(finder.RestoreUSBPort(5, driver).result, -2);
}

TEST_F(FakeUsbSysfs, eachFailedStepIsReportedAndTheNextStillRuns) {
  fs::remove(root_ / "devices/usb1/1-1/authorized");
  fs::create_directory(root_ / "devices/usb1/1-1/authorized");  // cannot be written
  UsbPortFinder finder(root_.string());
  tesmar::test::RecordingSleeper sleeper;
  Driver driver(sleeper);
  const UsbPortRestore r = finder.RestoreUSBPort(0, driver);
  EXPECT_EQ(r.result, 0);
  EXPECT_EQ(r.messages,
            (std::vector<std::string>{"Устройство не удалено (Is a directory)!",
                                      "Устройство не восстановлено (Is a directory)!"}));
}
