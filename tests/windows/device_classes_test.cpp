// The Windows port listing and USB virtual COM port restart over a fake
// SetupAPI: the names they give, the order of the installer calls, and the
// messages of each failed step.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/device_classes_win.h"
#include "link/driver.h"
#include "link/port_control.h"
#include "support/test_support.h"
#include "link/usb_port.h"

using namespace tesmar;
using link::DeviceClasses;

namespace {

struct FakeDevice {
  std::string friendly;
  std::string port;  // empty: the hardware key cannot be read
  bool failSelect = false;
};

struct FakeState {
  std::vector<FakeDevice> devices;
  bool noSet = false;
  bool failParams = false;
  bool failInstaller = false;
  std::vector<std::string> calls;
  int opens = 0;
  int open = 0;  // sets held
};

class FakeClasses : public DeviceClasses {
 public:
  explicit FakeClasses(FakeState& s) : s_(s) {}
  bool Open(const std::string& className) override {
    s_.calls.push_back("open " + className);
    if (s_.noSet) return false;
    ++s_.opens;
    s_.open = 1;
    return true;
  }
  Pick Select(int index) override {
    if (index >= static_cast<int>(s_.devices.size())) return Pick::kNoMoreItems;
    if (s_.devices[index].failSelect) return Pick::kFailed;
    at_ = index;
    return Pick::kDevice;
  }
  bool FriendlyName(std::string& name) override {
    name = s_.devices[at_].friendly;
    return true;
  }
  bool PortName(std::string& name) override {
    name = s_.devices[at_].port;
    return !name.empty();
  }
  bool SetStateChange(bool enable) override {
    s_.calls.push_back(enable ? "params enable" : "params disable");
    return !s_.failParams;
  }
  bool ChangeState() override {
    s_.calls.push_back("change");
    return !s_.failInstaller;
  }
  void Close() override { s_.open = 0; }

 private:
  FakeState& s_;
  int at_ = 0;
};

constexpr const char* kVcp = "STMicroelectronics Virtual COM Port (COM5)";

std::vector<std::string> ListAll(link::TPortControl& ports) {
  std::vector<std::string> names;
  for (std::string n = ports.EnumeratePorts(); !n.empty(); n = ports.EnumeratePorts())
    names.push_back(n);
  return names;
}

}  // namespace

TEST(WindowsPortListing, givesComNamesInSetOrderAndPassesOverPrinterPortsAndUnreadableKeys) {
  FakeState s;
  s.devices = {{"Communications Port (COM1)", "COM1"},
               {"Printer Port (LPT1)", "LPT1"},
               {"Broken", ""},
               {kVcp, "com5"},
               {"Modem", "COM10"}};
  link::TPortControl ports(std::make_unique<FakeClasses>(s));
  ASSERT_EQ(ports.BeginEnumeratePorts(), 0);
  EXPECT_EQ(ListAll(ports), (std::vector<std::string>{"COM1", "com5", "COM10"}));
  EXPECT_EQ(s.open, 0) << "the set is freed at the end of the list";
  EXPECT_EQ(ports.EndEnumeratePorts(), 0);
}

TEST(WindowsPortListing, aSecondStartIsRefusedWithoutDisturbingTheFirstAndNoSetIsRefused) {
  FakeState s;
  s.devices = {{"a", "COM1"}, {"b", "COM2"}};
  link::TPortControl ports(std::make_unique<FakeClasses>(s));
  ASSERT_EQ(ports.BeginEnumeratePorts(), 0);
  EXPECT_EQ(ports.EnumeratePorts(), "COM1");
  EXPECT_EQ(ports.BeginEnumeratePorts(), -27);
  EXPECT_EQ(ports.EnumeratePorts(), "COM2");
  ports.EndEnumeratePorts();

  FakeState none;
  none.noSet = true;
  link::TPortControl empty(std::make_unique<FakeClasses>(none));
  EXPECT_EQ(empty.BeginEnumeratePorts(), -27);
  EXPECT_FALSE(empty.Enumerating());
  EXPECT_EQ(empty.EnumeratePorts(), "");
}

TEST(WindowsUsbPort, findsThePortInTheFriendlyNameAndTellsOtherDevicesAndTheEnd) {
  FakeState s;
  s.devices = {{"Communications Port (COM1)", "COM1"},
               {kVcp, "COM5"},
               {"STMicroelectronics Virtual COM Port", "COM6"},
               {"x", "COM7", true}};
  link::UsbPortFinder finder(std::make_unique<FakeClasses>(s));
  std::string port;
  EXPECT_EQ(finder.GetUSBPort(0, port), -1);
  EXPECT_EQ(finder.GetUSBPort(1, port), 0);
  EXPECT_EQ(port, "COM5");
  port = "unchanged";
  EXPECT_EQ(finder.GetUSBPort(2, port), 0) << "no parentheses: empty name, still found";
  EXPECT_EQ(port, "");
  EXPECT_EQ(finder.GetUSBPort(3, port), -1) << "a device that cannot be read";
  EXPECT_EQ(finder.GetUSBPort(4, port), -2);
  EXPECT_EQ(s.open, 0) << "the set is freed every time";

  FakeState none;
  none.noSet = true;
  link::UsbPortFinder nothing(std::make_unique<FakeClasses>(none));
  EXPECT_EQ(nothing.GetUSBPort(0, port), -2);
}

TEST(WindowsUsbPort, restoreClosesTheLinkThenDisablesAndEnablesTheDevice) {
  FakeState s;
  s.devices = {{kVcp, "COM5"}};
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  link::UsbPortFinder finder(std::make_unique<FakeClasses>(s));
  const link::UsbPortRestore r = finder.RestoreUSBPort(0, driver);
  EXPECT_EQ(r.result, 0);
  EXPECT_EQ(r.port, "COM5");
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(s.calls, (std::vector<std::string>{"open Ports", "params disable", "change",
                                               "params enable", "change"}));
  EXPECT_EQ(finder.RestoreUSBPort(1, driver).result, -2);
}

TEST(WindowsUsbPort, eachFailedStepHasItsMessageAndTheNextStepsStillRun) {
  FakeState params;
  params.devices = {{kVcp, "COM5"}};
  params.failParams = true;
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  link::UsbPortFinder a(std::make_unique<FakeClasses>(params));
  EXPECT_EQ(
      a.RestoreUSBPort(0, driver).messages,
      (std::vector<std::string>{"Устройство не удалено (SetupDiSetClassInstallParams)!",
                                "Устройство не восстановлено (SetupDiSetClassInstallParams)!"}));
  EXPECT_EQ(params.calls,
            (std::vector<std::string>{"open Ports", "params disable", "params enable"}));

  FakeState installer;
  installer.devices = {{kVcp, "COM5"}};
  installer.failInstaller = true;
  link::UsbPortFinder b(std::make_unique<FakeClasses>(installer));
  const link::UsbPortRestore r = b.RestoreUSBPort(0, driver);
  EXPECT_EQ(r.result, 0);
  EXPECT_EQ(r.messages,
            (std::vector<std::string>{"Устройство не удалено (SetupDiCallInstaller)!",
                                      "Устройство не восстановлено (SetupDiCallInstaller)!"}));
}
