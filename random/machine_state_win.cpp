// The machine state on Windows: the version, memory status, environment and
// system information records, the Tool Help snapshots of processes, threads
// and process memory, the tick count and the local time.
#include <windows.h>
// windows.h first: Tool Help builds on it.
#include <tlhelp32.h>

#include <cstring>
#include <ctime>

#include "machine_state.h"

// The system's generator (advapi32's RtlGenRandom), declared here as
// ntsecapi.h declares it.
extern "C" BOOLEAN WINAPI SystemFunction036(PVOID buffer, ULONG length);

namespace sorvil {

namespace {

constexpr uintptr_t kBiosArea = 0xF0000;
constexpr SIZE_T kBiosAreaBytes = 64 * 1024;

void HashEnvironment(Gostr341194& a) {
  char* block = GetEnvironmentStringsA();
  if (!block) return;
  // "name=value" strings, each with its NUL, ended by one more NUL.
  const char* p = block;
  while (*p) p += std::strlen(p) + 1;
  a.Update(block, static_cast<size_t>(p - block) + 1);
  FreeEnvironmentStringsA(block);
}

// Each process entry into A, and each thread entry of that process into B.
void HashSnapshot(HANDLE snapshot, Gostr341194& a, Gostr341194& b) {
  PROCESSENTRY32 process{};
  process.dwSize = sizeof process;
  for (BOOL more = Process32First(snapshot, &process); more;
       more = Process32Next(snapshot, &process)) {
    a.Update(&process, sizeof process);
    THREADENTRY32 thread{};
    thread.dwSize = sizeof thread;
    for (BOOL t = Thread32First(snapshot, &thread); t; t = Thread32Next(snapshot, &thread))
      if (thread.th32OwnerProcessID == process.th32ProcessID) b.Update(&thread, sizeof thread);
  }
}

// The 64 KB at F0000h of this process, when they can be read.
void HashBiosArea(Gostr341194& a) {
  static uint8_t area[kBiosAreaBytes];
  SIZE_T read = 0;
  if (Toolhelp32ReadProcessMemory(GetCurrentProcessId(), reinterpret_cast<LPCVOID>(kBiosArea), area,
                                  sizeof area, &read) &&
      read == sizeof area)
    a.Update(area, sizeof area);
  std::memset(area, 0, sizeof area);
}

}  // namespace

void HashMachineState(Gostr341194& a) {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  a.Update(&version, sizeof version);

  MEMORYSTATUS memory{};
  memory.dwLength = sizeof memory;
  GlobalMemoryStatus(&memory);
  a.Update(&memory, sizeof memory);

  HashEnvironment(a);

  SYSTEM_INFO system{};
  GetSystemInfo(&system);
  a.Update(&system, sizeof system);
}

void HashVolatileState(Gostr341194& b) {
  const DWORD ids[] = {GetCurrentProcessId(), GetCurrentThreadId()};
  b.Update(ids, sizeof ids);

  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  b.Update(&counter, sizeof counter);
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  b.Update(&now, sizeof now);

  uint8_t system[32] = {};
  if (SystemFunction036(system, sizeof system)) b.Update(system, sizeof system);
  std::memset(system, 0, sizeof system);

  const DWORD ticks = GetTickCount();
  b.Update(&ticks, sizeof ticks);
}

void HashToolHelpState(Gostr341194& a, Gostr341194& b) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS | TH32CS_SNAPTHREAD, 0);
  if (snapshot != INVALID_HANDLE_VALUE) {
    HashSnapshot(snapshot, a, b);
    CloseHandle(snapshot);
    HashBiosArea(a);
  }
}

void CurrentTimeValue(uint8_t dt[8]) {
  const uint32_t seconds = static_cast<uint32_t>(std::time(nullptr));
  for (int i = 0; i < 4; ++i) dt[i] = static_cast<uint8_t>(seconds >> (8 * i));
  SYSTEMTIME local{};
  GetLocalTime(&local);
  dt[4] = static_cast<uint8_t>(local.wSecond);
  dt[5] = static_cast<uint8_t>(local.wMinute);
  dt[6] = static_cast<uint8_t>(local.wHour);
  dt[7] = static_cast<uint8_t>(local.wDay);
}

}  // namespace sorvil
