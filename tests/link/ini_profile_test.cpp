#include "link/ini_profile.h"

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

// tsinit.ini written on Windows holds its text in Windows-1251: "КСЕФ" is
// CA D1 C5 D4 there. Values come out in UTF-8 either way, and a value
// written back keeps the file's encoding.
TEST_F(IniTest, windows1251ValuesReadAsSuchAndWritesKeepTheFilesEncoding) {
  std::ofstream(path_, std::ios::binary) << "[Priority]\r\nElJournal=\xCA\xD1\xC5\xD4\r\n[Files]"
                                            "\r\nFile1=C:\\\xCF\xF0\xEE\xE1\xE0.txt\r\n";
  IniProfile ini(path_.string());
  EXPECT_EQ(ini.GetString("Priority", "ElJournal", "", 20), "КСЕФ");
  EXPECT_EQ(ini.GetString("Priority", "ElJournal", "", 4), "КСЕ");  // three bytes of the file
  ASSERT_TRUE(ini.WriteString("Files", "File2", "/home/кассир/тест.txt"));
  EXPECT_EQ(ini.GetString("Files", "File2", ""), "/home/кассир/тест.txt");
  EXPECT_EQ(ini.GetString("Files", "File1", ""), "C:\\Проба.txt");
  const std::string bytes = Contents();
  EXPECT_NE(bytes.find("File2=/home/\xEA\xE0\xF1\xF1\xE8\xF0/\xF2\xE5\xF1\xF2.txt\r\n"),
            std::string::npos);
  EXPECT_NE(bytes.find("ElJournal=\xCA\xD1\xC5\xD4\r\n"), std::string::npos);
  // A character Windows-1251 lacks cannot go into that file: nothing changes.
  std::string error;
  EXPECT_FALSE(ini.WriteString("Files", "File3", "/tmp/日本.txt", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(Contents(), bytes);
}

TEST_F(IniTest, utf8ValuesStayUtf8AndAreNeverCutInsideACharacter) {
  std::ofstream(path_, std::ios::binary) << "[Priority]\r\nElJournal=КСЕФ\r\n";
  IniProfile ini(path_.string());
  EXPECT_EQ(ini.GetString("Priority", "ElJournal", "", 20), "КСЕФ");
  EXPECT_EQ(ini.GetString("Priority", "ElJournal", "", 4), "К");  // not one byte of "С"
  EXPECT_EQ(ini.GetString("Priority", "Level", "средний", 6), "ср");
  ASSERT_TRUE(ini.WriteString("Files", "File1", "/tmp/日本.txt"));
  EXPECT_EQ(Contents(), "[Priority]\r\nElJournal=КСЕФ\r\n\r\n[Files]\r\nFile1=/tmp/日本.txt\r\n");
}
