// The serial link on Windows: the port opened as "\\.\" + its name, 8N1 at
// the chosen rate with the port's other settings kept, one-byte reads bounded
// by a 100 ms total time-out.
#include <windows.h>

#include <cstdio>

#include "link/serial_port.h"
#include "link/system_error_win.h"

namespace tesmar::link {

namespace {

constexpr DWORD kQueueBytes = 1024;

// The system's words for the last error, after `what`.
std::string Reason(const std::string& what) {
  return what + ": " + SystemErrorText(GetLastError());
}

// What a port name becomes: "COM10" -> "\\.\COM10"; a path already in the
// device namespace stays as it is.
std::string DevicePath(const std::string& name) {
  if (name.rfind("\\\\.\\", 0) == 0) return name;
  return "\\\\.\\" + name;
}

// 8N1 at `baud`; every other field (handshake included) as the port had it.
bool Configure(HANDLE h, int baud, std::string* error) {
  SetupComm(h, kQueueBytes, kQueueBytes);
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!GetCommState(h, &dcb)) {
    *error = Reason("GetCommState");
    return false;
  }
  dcb.BaudRate = static_cast<DWORD>(baud);
  dcb.ByteSize = 8;
  dcb.Parity = NOPARITY;
  dcb.StopBits = ONESTOPBIT;
  if (!SetCommState(h, &dcb)) {
    *error = Reason("SetCommState");
    return false;
  }
  COMMTIMEOUTS t{};
  t.ReadIntervalTimeout = 0;
  t.ReadTotalTimeoutMultiplier = 0;
  t.ReadTotalTimeoutConstant = SerialPort::kReadTimeoutMs;
  t.WriteTotalTimeoutMultiplier = 0;
  t.WriteTotalTimeoutConstant = 0;
  if (!SetCommTimeouts(h, &t)) {
    *error = Reason("SetCommTimeouts");
    return false;
  }
  return true;
}

// Errors after which the port is gone rather than troubled.
bool IsHangUp(DWORD code) {
  return code == ERROR_INVALID_HANDLE || code == ERROR_ACCESS_DENIED || code == ERROR_BAD_COMMAND ||
         code == ERROR_DEVICE_NOT_CONNECTED || code == ERROR_DEVICE_REMOVED ||
         code == ERROR_FILE_NOT_FOUND;
}

}  // namespace

// The DCB takes the rate itself.
unsigned SystemSpeed(int baud) {
  return static_cast<unsigned>(baud);
}

std::unique_ptr<SerialPort> SerialPort::OpenDevice(const std::string& name, unsigned speed,
                                                   std::string* error) {
  const int baud = static_cast<int>(speed);
  const std::string path = DevicePath(name);
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                         nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    *error = Reason(path);
    return nullptr;
  }
  if (GetFileType(h) != FILE_TYPE_CHAR) {
    *error = path + ": " + kNotASerialDevice;
    CloseHandle(h);
    return nullptr;
  }
  if (!Configure(h, baud, error)) {
    CloseHandle(h);
    return nullptr;
  }
  PurgeComm(h, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
  return std::unique_ptr<SerialPort>(new SerialPort(h));
}

SerialPort::~SerialPort() {
  CloseHandle(static_cast<HANDLE>(handle_));
}

bool SerialPort::Write(const uint8_t* data, size_t n) {
  if (hungUp_) return false;
  DWORD written = 0;
  if (!WriteFile(static_cast<HANDLE>(handle_), data, static_cast<DWORD>(n), &written, nullptr)) {
    if (IsHangUp(GetLastError())) hungUp_ = true;
    return false;
  }
  return written == n;
}

ReadResult SerialPort::ReadByte(uint8_t& byte) {
  if (hungUp_) return ReadResult::kHangUp;
  DWORD got = 0;
  if (!ReadFile(static_cast<HANDLE>(handle_), &byte, 1, &got, nullptr)) {
    if (IsHangUp(GetLastError())) {
      hungUp_ = true;
      return ReadResult::kHangUp;
    }
    return ReadResult::kError;
  }
  return got == 1 ? ReadResult::kByte : ReadResult::kTimeout;
}

void SerialPort::Flush() {
  if (!hungUp_) FlushFileBuffers(static_cast<HANDLE>(handle_));
}

void SerialPort::Purge() {
  PurgeComm(static_cast<HANDLE>(handle_),
            PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
}

void SerialPort::DiscardInput() {
  PurgeComm(static_cast<HANDLE>(handle_), PURGE_RXABORT | PURGE_RXCLEAR);
}

void SerialPort::ClearError() {
  DWORD errors = 0;
  COMSTAT stat{};
  ClearCommError(static_cast<HANDLE>(handle_), &errors, &stat);
}

}  // namespace tesmar::link
