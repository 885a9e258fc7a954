// Serves the virtual bank terminal on a pseudo-terminal of its own, on a
// thread of its own, as a terminal on the program's second serial line.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "emulator/bank_terminal_device.h"

namespace tesmar::emu {

class TerminalPty {
 public:
  // `linkPath`: a symlink made to the pty when given (absent, or a symlink
  // an earlier run left; anything else is refused).
  explicit TerminalPty(VirtualTerminal& terminal, std::string linkPath = {});
  ~TerminalPty();
  TerminalPty(const TerminalPty&) = delete;
  TerminalPty& operator=(const TerminalPty&) = delete;

  bool Open(std::string* error);
  const std::string& Path() const { return path_; }
  void Start();
  void Stop();

 private:
  void Serve();

  VirtualTerminal& terminal_;
  std::string linkPath_;
  bool linkMade_ = false;
  int master_ = -1;
  int slave_ = -1;  // held open so the master never reads a hang-up between payments
  std::string path_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace tesmar::emu
