#include "emulator/raw_pty.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace tesmar::emu {

namespace {
std::string Reason(const std::string& what) {
  return what + ": " + std::strerror(errno);
}
}  // namespace

bool OpenRawPty(RawPty& pty, std::string* error) {
  pty.master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (pty.master < 0 || grantpt(pty.master) != 0 || unlockpt(pty.master) != 0) {
    *error = Reason("posix_openpt");
    return false;
  }
  char name[128];
  if (ptsname_r(pty.master, name, sizeof name) != 0) {
    *error = Reason("ptsname");
    return false;
  }
  pty.path = name;
  pty.slave = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (pty.slave < 0) {
    *error = Reason(name);
    return false;
  }
  termios t{};
  if (tcgetattr(pty.slave, &t) == 0) {
    cfmakeraw(&t);
    tcsetattr(pty.slave, TCSANOW, &t);
  }
  return true;
}

}  // namespace tesmar::emu
