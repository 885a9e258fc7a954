#include <windows.h>

#include "link/platform.h"

namespace tesmar::link::platform {

std::string CurrentDirectory() {
  char buf[MAX_PATH + 1];
  const DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
  return n > 0 && n < sizeof buf ? std::string(buf, n) : std::string(".");
}

// "C:\x", "\\server\x", "\x" and "C:/x" are absolute; anything else is
// joined with a backslash, as the session log's path always was.
std::string PathIn(const std::string& folder, const std::string& name) {
  const bool rooted = !name.empty() && (name[0] == '\\' || name[0] == '/');
  const bool drive = name.size() > 1 && name[1] == ':';
  if (rooted || drive) return name;
  const bool endsInSeparator = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
  return endsInSeparator ? folder + name : folder + "\\" + name;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::tm LocalTime() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  std::tm tm{};
  tm.tm_year = st.wYear - 1900;
  tm.tm_mon = st.wMonth - 1;
  tm.tm_mday = st.wDay;
  tm.tm_hour = st.wHour;
  tm.tm_min = st.wMinute;
  tm.tm_sec = st.wSecond;
  tm.tm_wday = st.wDayOfWeek;
  return tm;
}

void SleepMs(int ms) {
  Sleep(ms > 0 ? static_cast<DWORD>(ms) : 0);
}

void* LoadLibraryNamed(const std::string& file) {
  return reinterpret_cast<void*>(LoadLibraryA(file.c_str()));
}

void* FindEntry(void* library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void FreeLibraryHandle(void* library) {
  FreeLibrary(static_cast<HMODULE>(library));
}

const char* DefaultUsbLibrary() {
  return "libusb-1.0.dll";
}

}  // namespace tesmar::link::platform
