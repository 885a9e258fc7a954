#include "ini_profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace tesmar::link;
namespace fs = std::filesystem;

namespace {

class IniTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = fs::temp_directory_path() / ("tesmar-ini-" + std::to_string(::getpid()) + ".ini");
    std::ofstream(path_, std::ios::binary)
        << "[Communication]\r\nPort=/dev/ttyUSB0\r\nSpeed = 115200 \r\n\r\n"
           "[LogFile]\r\nLog=1x\r\nLogName=\"my log.txt\"\r\n; comment=1\r\n";
  }
  void TearDown() override { fs::remove(path_); }
  std::string Contents() {
    std::ifstream in(path_, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  fs::path path_;
};

}  // namespace

TEST_F(IniTest, readsWithWindowsSemantics) {
  IniProfile ini(path_.string());
  EXPECT_EQ(ini.GetString("communication", "PORT", "x"), "/dev/ttyUSB0");
  EXPECT_EQ(ini.GetInt("Communication", "Speed", 9600), 115200);
  EXPECT_EQ(ini.GetInt("LogFile", "Log", 0), 1);  // leading digits
  EXPECT_EQ(ini.GetString("LogFile", "LogName", ""), "my log.txt");
  EXPECT_EQ(ini.GetString("LogFile", "LogName", "", 4), "my ");  // buffer size - 1
  EXPECT_EQ(ini.GetString("LogFile", "comment", "none"), "none");
  EXPECT_EQ(ini.GetString("Nope", "Port", "dflt"), "dflt");
  EXPECT_EQ(ini.GetInt("Nope", "Version", -1), -1);
  EXPECT_EQ(ParseLeadingInt(" -12abc"), -12);
  EXPECT_EQ(ParseLeadingInt("abc"), 0);
}

TEST_F(IniTest, writesInPlaceAddsMissingAndKeepsTheRest) {
  IniProfile ini(path_.string());
  ASSERT_TRUE(ini.WriteString("COMMUNICATION", "port", "/dev/ttyS1"));
  ASSERT_TRUE(ini.WriteString("Communication", "Extra", "1"));
  ASSERT_TRUE(ini.WriteString("UkrVer", "Version", "-1"));
  EXPECT_EQ(Contents(),
            "[Communication]\r\nPort=/dev/ttyS1\r\nSpeed = 115200 \r\nExtra=1\r\n\r\n"
            "[LogFile]\r\nLog=1x\r\nLogName=\"my log.txt\"\r\n; comment=1\r\n\r\n"
            "[UkrVer]\r\nVersion=-1\r\n");
  EXPECT_FALSE(fs::exists(path_.string() + ".tmp"));
}

TEST_F(IniTest, failedWriteLeavesTheFileAsItWas) {
  IniProfile ini((path_.parent_path() / "no-such-dir" / "tsinit.ini").string());
  EXPECT_FALSE(ini.WriteString("A", "B", "C"));
  EXPECT_FALSE(ini.Exists());
}
