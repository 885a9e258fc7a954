#include "link/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "link/ini_profile.h"

using namespace tesmar::link;
namespace fs = std::filesystem;

namespace {

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/tesmar-atomic-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  static void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static unsigned Mode(const std::string& path) {
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 07777;
  }
  size_t Entries() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }
  fs::path dir_;
};

}  // namespace

TEST_F(AtomicFileTest, newFileIsWrittenWholeAndNoTemporaryStays) {
  ASSERT_TRUE(WriteFileAtomically(Path("tsinit.ini"), "[A]\r\nB=1\r\n"));
  EXPECT_EQ(Read(Path("tsinit.ini")), "[A]\r\nB=1\r\n");
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, symlinkIsWrittenThroughToItsTarget) {
  fs::create_directory(dir_ / "real");
  Write(Path("real/tsinit.ini"), "old");
  fs::create_symlink("real/tsinit.ini", dir_ / "tsinit.ini");  // relative, as people make them
  fs::create_symlink(dir_ / "tsinit.ini", dir_ / "second");    // a chain of two
  ASSERT_TRUE(WriteFileAtomically(Path("second"), "new"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "tsinit.ini"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "second"));
  EXPECT_EQ(Read(Path("real/tsinit.ini")), "new");

  // A dangling link gets its target made.
  fs::create_symlink("made.ini", dir_ / "dangling");
  ASSERT_TRUE(WriteFileAtomically(Path("dangling"), "x"));
  EXPECT_EQ(Read(Path("made.ini")), "x");
  EXPECT_TRUE(fs::is_symlink(dir_ / "dangling"));

  fs::create_symlink("loop", dir_ / "loop");
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(Path("loop"), "x", &error));
  EXPECT_NE(error.find("symbolic links"), std::string::npos) << error;
}

TEST_F(AtomicFileTest, fileKeepsItsModeAndAReadOnlyFileIsNotReplaced) {
  Write(Path("shared.ini"), "old");
  chmod(Path("shared.ini").c_str(), 0640);
  ASSERT_TRUE(WriteFileAtomically(Path("shared.ini"), "new"));
  EXPECT_EQ(Mode(Path("shared.ini")), 0640u);

  chmod(Path("shared.ini").c_str(), 0444);
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(Path("shared.ini"), "changed", &error));
  EXPECT_EQ(error, Path("shared.ini") + ": Permission denied");
  EXPECT_EQ(Read(Path("shared.ini")), "new");
  EXPECT_EQ(Mode(Path("shared.ini")), 0444u);
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, failureIsReportedWithItsReasonAndChangesNothing) {
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(Path("missing/tsinit.ini"), "x", &error));
  EXPECT_EQ(error, Path("missing/tsinit.ini") + ": No such file or directory");
  fs::create_directory(dir_ / "folder");
  EXPECT_FALSE(WriteFileAtomically(Path("folder"), "x", &error));
  EXPECT_EQ(error, Path("folder") + ": Is a directory");
  EXPECT_TRUE(fs::is_directory(dir_ / "folder"));
  if (geteuid() != 0) {  // root may write in a read-only folder
    fs::create_directory(dir_ / "ro");
    chmod(Path("ro").c_str(), 0555);
    EXPECT_FALSE(WriteFileAtomically(Path("ro/tsinit.ini"), "x", &error));
    EXPECT_NE(error.find("Permission denied"), std::string::npos);
  }
}

TEST_F(AtomicFileTest, iniWriteGoesThroughTheSameRulesAndSaysWhyItFailed) {
  Write(Path("real.ini"), "[Communication]\r\nPort=/dev/ttyS0\r\n");
  fs::create_symlink("real.ini", dir_ / "tsinit.ini");
  IniProfile ini(Path("tsinit.ini"));
  std::string error;
  ASSERT_TRUE(ini.WriteString("Communication", "Port", "/dev/ttyUSB0", &error)) << error;
  EXPECT_EQ(Read(Path("real.ini")), "[Communication]\r\nPort=/dev/ttyUSB0\r\n");
  chmod(Path("real.ini").c_str(), 0444);
  EXPECT_FALSE(ini.WriteString("Communication", "Speed", "9600", &error));
  EXPECT_EQ(error, Path("real.ini") + ": Permission denied");
  EXPECT_EQ(ini.GetString("Communication", "Speed", "none"), "none");
}
