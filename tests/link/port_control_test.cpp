#include "link/port_control.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace tesmar::link;
namespace fs = std::filesystem;

namespace {

// A fake /sys with tty class entries: some with a device behind them, some
// serial-core ports without a UART, some virtual.
class FakeSysfs : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("tesmar-sysfs-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    Tty("ttyS0", true, 4);
    Tty("ttyS1", true, 0);  // no UART behind this one
    Tty("ttyS10", true, 4);
    Tty("ttyS2", true, 4);
    Tty("ttyUSB0", true, -1);
    Tty("ttyACM0", true, -1);
    Tty("tty1", false, -1);  // a virtual console
    Tty("ptmx", false, -1);
  }
  void TearDown() override { fs::remove_all(root_); }

  void Tty(const std::string& name, bool device, int type) {
    const fs::path dir = root_ / "class" / "tty" / name;
    fs::create_directories(dir);
    if (device) fs::create_directories(dir / "device");
    if (type >= 0) std::ofstream(dir / "type") << type << "\n";
  }

  std::vector<std::string> ListAll(TPortControl& pc) {
    std::vector<std::string> out;
    for (std::string n = pc.EnumeratePorts(); !n.empty(); n = pc.EnumeratePorts()) out.push_back(n);
    return out;
  }

  fs::path root_;
};

}  // namespace

TEST_F(FakeSysfs, listsPresentSerialDevicesInNaturalOrder) {
  TPortControl pc(root_.string());
  ASSERT_EQ(pc.BeginEnumeratePorts(), 0);
  EXPECT_EQ(ListAll(pc), (std::vector<std::string>{"/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyS2",
                                                   "/dev/ttyS10", "/dev/ttyUSB0"}));
  EXPECT_EQ(pc.EnumeratePorts(), "");
  EXPECT_EQ(pc.EndEnumeratePorts(), 0);
}

TEST_F(FakeSysfs, secondStartIsRefusedAndDoesNotDisturbTheFirst) {
  TPortControl pc(root_.string());
  ASSERT_EQ(pc.BeginEnumeratePorts(), 0);
  EXPECT_EQ(pc.EnumeratePorts(), "/dev/ttyACM0");
  EXPECT_EQ(pc.BeginEnumeratePorts(), -27);
  EXPECT_EQ(pc.EnumeratePorts(), "/dev/ttyS0");
  pc.EndEnumeratePorts();
  EXPECT_EQ(pc.BeginEnumeratePorts(), 0);
  EXPECT_EQ(pc.EnumeratePorts(), "/dev/ttyACM0");
}

TEST_F(FakeSysfs, missingDeviceListIsRefused) {
  TPortControl pc((root_ / "nothing").string());
  EXPECT_EQ(pc.BeginEnumeratePorts(), -27);
  EXPECT_FALSE(pc.Enumerating());
  EXPECT_EQ(pc.EnumeratePorts(), "");
}

TEST(NaturalOrder, digitRunsCompareByValue) {
  EXPECT_TRUE(NaturalLess("ttyS2", "ttyS10"));
  EXPECT_FALSE(NaturalLess("ttyS10", "ttyS2"));
  EXPECT_TRUE(NaturalLess("ttyS9", "ttyUSB0"));
  EXPECT_TRUE(NaturalLess("ttyUSB", "ttyUSB0"));
  EXPECT_FALSE(NaturalLess("ttyS1", "ttyS1"));
  EXPECT_TRUE(NaturalLess("ttyS01", "ttyS2"));
}
