// The Windows side of the link's file and path calls: whole-file writes, the
// session log's path and the Windows-1251 table.
#include "link/platform.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "link/atomic_file.h"
#include "link/encoding.h"

using namespace tesmar::link;

namespace {

std::string TempFolder() {
  char base[MAX_PATH];
  GetTempPathA(sizeof base, base);
  std::string dir = std::string(base) + "tesmar-" + std::to_string(GetCurrentProcessId()) + "-" +
                    std::to_string(GetTickCount());
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
}

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int FilesIn(const std::string& dir) {
  WIN32_FIND_DATAA d;
  HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &d);
  int n = 0;
  if (h == INVALID_HANDLE_VALUE) return 0;
  do {
    if (!(d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++n;
  } while (FindNextFileA(h, &d));
  FindClose(h);
  return n;
}

}  // namespace

TEST(WindowsAtomicFile, replacesWholeAndRefusesReadOnlyFilesAndFoldersLeavingNoTemporary) {
  const std::string dir = TempFolder();
  const std::string file = dir + "\\tsinit.ini";
  ASSERT_TRUE(WriteFileAtomically(file, "first"));
  ASSERT_TRUE(WriteFileAtomically(file, "[Port]\r\nName=COM3\r\n"));
  EXPECT_EQ(Read(file), "[Port]\r\nName=COM3\r\n");

  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(file, "changed", &error));
  EXPECT_EQ(error.rfind(file + ": ", 0), 0u) << error;
  EXPECT_EQ(Read(file), "[Port]\r\nName=COM3\r\n");
  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);

  EXPECT_FALSE(WriteFileAtomically(dir, "x", &error));
  EXPECT_FALSE(WriteFileAtomically(dir + "\\missing\\f.txt", "x", &error));
  EXPECT_EQ(FilesIn(dir), 1) << "a temporary file was left behind";
  DeleteFileA(file.c_str());
  RemoveDirectoryA(dir.c_str());
}

TEST(WindowsPaths, aNameJoinsTheFolderWithABackslashAndAnAbsoluteNameStands) {
  EXPECT_EQ(platform::PathIn("C:\\Tesmar", "Tesmar.log"), "C:\\Tesmar\\Tesmar.log");
  EXPECT_EQ(platform::PathIn("C:\\", "Tesmar.log"), "C:\\Tesmar.log");
  EXPECT_EQ(platform::PathIn("C:\\Tesmar", "D:\\logs\\t.log"), "D:\\logs\\t.log");
  EXPECT_EQ(platform::PathIn("C:\\Tesmar", "\\\\server\\share\\t.log"), "\\\\server\\share\\t.log");
  EXPECT_NE(platform::CurrentDirectory(), ".");
}

// Every byte but 98h goes to a character and back to the same byte.
TEST(WindowsEncoding, everyWindows1251ByteRoundTripsAnd98hBecomesAQuestionMark) {
  for (int b = 1; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = Cp1251ToUtf8(byte);
    if (b == 0x98) {
      EXPECT_EQ(utf8, "?");
      continue;
    }
    const Cp1251Text back = Utf8ToCp1251Exact(utf8);
    ASSERT_TRUE(back.ok) << b;
    EXPECT_EQ(back.text, byte) << b;
  }
  EXPECT_EQ(Cp1251ToUtf8("\xCF\xF0\xE8\xE2\xB3\xF2 \xB9"), "Привіт №");
  EXPECT_FALSE(Utf8ToCp1251Exact("日").ok);
}
