// sorvil.dll as a Windows caller sees it: loaded with LoadLibrary, the one
// export found by name.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using Block = std::array<unsigned char, 128>;
using GetRandomBufferFn = void (*)(void*);

GetRandomBufferFn Export(HMODULE lib, const char* name) {
  return reinterpret_cast<GetRandomBufferFn>(reinterpret_cast<void*>(GetProcAddress(lib, name)));
}

std::string Hex(const Block& b) {
  std::string s;
  char two[3];
  for (unsigned char c : b) {
    std::snprintf(two, sizeof two, "%02x", c);
    s += two;
  }
  return s;
}

Block DrawFromFreshLoad() {
  HMODULE lib = LoadLibraryA(SORVIL_DLL);
  Block b{};
  if (!lib) return b;
  Export(lib, "GetRandomBuffer")(b.data());
  FreeLibrary(lib);
  return b;
}

// What another process draws: sorvil_draw.exe prints its block in hex.
std::string DrawInAnotherProcess() {
  // cmd /c takes the outer quotes off the whole line.
  const std::string command = std::string("\"\"") + SORVIL_DRAW + "\" \"" + SORVIL_DLL + "\"\"";
  std::FILE* p = _popen(command.c_str(), "r");
  if (!p) return {};
  char line[400] = {};
  const bool got = std::fgets(line, sizeof line, p) != nullptr;
  _pclose(p);
  std::string s = got ? line : "";
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
  return s;
}

}  // namespace

TEST(SorvilDll, writesExactly128BytesTwoCallsDifferAndInternalsStayHidden) {
  HMODULE lib = LoadLibraryA(SORVIL_DLL);
  ASSERT_NE(lib, nullptr) << GetLastError();
  GetRandomBufferFn fn = Export(lib, "GetRandomBuffer");
  ASSERT_NE(fn, nullptr);
  EXPECT_EQ(Export(lib, "_ZN6sorvil9Generator8GenerateEPhy"), nullptr);

  unsigned char guard[130];
  std::memset(guard, 0xA5, sizeof guard);
  fn(guard);
  EXPECT_EQ(guard[128], 0xA5);
  EXPECT_EQ(guard[129], 0xA5);
  Block a, b;
  fn(a.data());
  fn(b.data());
  EXPECT_NE(a, b);
  FreeLibrary(lib);
}

TEST(SorvilDll, eachLoadSeedsAfresh) {
  EXPECT_NE(DrawFromFreshLoad(), DrawFromFreshLoad());
}

TEST(SorvilDll, twoProcessesGetDifferentBlocks) {
  const std::string first = DrawInAnotherProcess();
  const std::string second = DrawInAnotherProcess();
  ASSERT_EQ(first.size(), 256u);
  ASSERT_EQ(second.size(), 256u);
  EXPECT_NE(first, second);
  EXPECT_NE(first, Hex(DrawFromFreshLoad()));
}
