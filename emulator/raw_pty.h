// A pseudo-terminal pair for a device served in software: the master end
// non-blocking for the serving thread, the slave end held open in raw mode so
// the master never reads a hang-up between clients.
#pragma once

#include <string>

namespace tesmar::emu {

struct RawPty {
  int master = -1;
  int slave = -1;
  std::string path;  // the slave's name, what a program opens
};

// False with `error` set when the pair cannot be made; what was opened stays
// in `pty` for the caller to close.
bool OpenRawPty(RawPty& pty, std::string* error);

}  // namespace tesmar::emu
