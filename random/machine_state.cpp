#include "machine_state.h"

#include <sys/random.h>
#include <sys/syscall.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <time.h>
#include <unistd.h>

#include <cstring>

extern char** environ;

namespace sorvil {

void HashMachineState(Gostr341194& a) {
  struct utsname version;
  std::memset(&version, 0, sizeof version);
  uname(&version);
  a.Update(&version, sizeof version);

  struct sysinfo memory;
  std::memset(&memory, 0, sizeof memory);
  sysinfo(&memory);
  a.Update(&memory, sizeof memory);

  // The environment block: each "name=value" with its NUL, then one more NUL.
  for (char** e = environ; e && *e; ++e) a.Update(*e, std::strlen(*e) + 1);
  const char end = 0;
  a.Update(&end, 1);

  const long system[] = {sysconf(_SC_NPROCESSORS_CONF), sysconf(_SC_NPROCESSORS_ONLN),
                         sysconf(_SC_PAGESIZE), sysconf(_SC_PHYS_PAGES),
                         sysconf(_SC_LEVEL1_DCACHE_LINESIZE)};
  a.Update(system, sizeof system);
}

void HashToolHelpState(Gostr341194&, Gostr341194&) {}

void HashVolatileState(Gostr341194& b) {
  const long ids[] = {static_cast<long>(getpid()), static_cast<long>(getppid()),
                      static_cast<long>(syscall(SYS_gettid))};
  b.Update(ids, sizeof ids);

  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC_RAW, &now);
  b.Update(&now, sizeof now);
  clock_gettime(CLOCK_REALTIME, &now);
  b.Update(&now, sizeof now);

  uint8_t kernel[32] = {};
  if (getrandom(kernel, sizeof kernel, GRND_NONBLOCK) > 0) b.Update(kernel, sizeof kernel);
  std::memset(kernel, 0, sizeof kernel);

  clock_gettime(CLOCK_MONOTONIC, &now);
  const uint32_t ticks = static_cast<uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
  b.Update(&ticks, sizeof ticks);
}

void CurrentTimeValue(uint8_t dt[8]) {
  const time_t t = time(nullptr);
  const uint32_t seconds = static_cast<uint32_t>(t);
  for (int i = 0; i < 4; ++i) dt[i] = static_cast<uint8_t>(seconds >> (8 * i));
  struct tm local;
  std::memset(&local, 0, sizeof local);
  localtime_r(&t, &local);
  dt[4] = static_cast<uint8_t>(local.tm_sec);
  dt[5] = static_cast<uint8_t>(local.tm_min);
  dt[6] = static_cast<uint8_t>(local.tm_hour);
  dt[7] = static_cast<uint8_t>(local.tm_mday);
}

}  // namespace sorvil
