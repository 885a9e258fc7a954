#include <dlfcn.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "link/platform.h"

namespace tesmar::link::platform {

std::string CurrentDirectory() {
  char buf[4096];
  return getcwd(buf, sizeof buf) ? std::string(buf) : std::string(".");
}

std::string PathIn(const std::string& folder, const std::string& name) {
  return !name.empty() && name.front() == '/' ? name : folder + "/" + name;
}

bool FileExists(const std::string& path) {
  return access(path.c_str(), F_OK) == 0;
}

std::tm LocalTime() {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return tm;
}

void SleepMs(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void* LoadLibraryNamed(const std::string& file) {
  return dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* FindEntry(void* library, const char* name) {
  return dlsym(library, name);
}

void FreeLibraryHandle(void* library) {
  dlclose(library);
}

const char* DefaultUsbLibrary() {
  return "libusb-1.0.so.0";
}

}  // namespace tesmar::link::platform
