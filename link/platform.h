// The few operating-system calls the link makes outside its transports, one
// implementation per platform (platform_posix.cpp, platform_win.cpp).
#pragma once

#include <ctime>
#include <string>

namespace tesmar::link::platform {

// The process's current directory ("." when it cannot be read).
std::string CurrentDirectory();
// `name` inside `folder`, or `name` as it stands when it is an absolute path.
std::string PathIn(const std::string& folder, const std::string& name);
// Whether a file (or folder) of that name exists.
bool FileExists(const std::string& path);
// The local time of this moment.
std::tm LocalTime();
void SleepMs(int ms);

// A shared library loaded by name; nullptr when it cannot be loaded.
void* LoadLibraryNamed(const std::string& file);
void* FindEntry(void* library, const char* name);
void FreeLibraryHandle(void* library);
// The libusb-1.0 file loaded when TESMAR_LIBUSB names none.
const char* DefaultUsbLibrary();

}  // namespace tesmar::link::platform
