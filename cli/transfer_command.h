// tesmar-cli flash read|write|clear and firmware read: the service
// transfers without windows, with the windows' chunk, retry, stop and
// message rules.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/driver.h"

namespace tesmar::cli {

struct TransferArgs {
  std::string what;    // "flash" or "firmware"
  std::string action;  // read, write, clear
  std::string file;
  std::string start, count;  // as typed; empty: not given
  std::string password = "731942";
  int retries = 2;
  bool yes = false;  // --yes: flash clear goes ahead
};

// Fills `t` from the words after the command; empty, or what is wrong.
std::string ParseTransferArgs(const std::string& what, const std::vector<std::string>& args,
                              TransferArgs& t);

inline constexpr int kExitTransferFailed = 1;
// flash read: the fiscal memory ended before the count; FILE holds what
// there was.
inline constexpr int kExitShortRead = 4;

// Runs the transfer over a connected driver; the exit status: 0 only when
// it ended with its success message (flash read: with every byte asked
// for), kExitShortRead, kExitTransferFailed otherwise, 64 bad limits,
// 128 + the signal when Ctrl-C or SIGTERM stopped it.
int RunTransfer(const TransferArgs& t, link::Driver& driver);

// "[#####.....]  50%" of `done` out of `total`, `width` marks wide.
std::string ProgressBar(int64_t done, int64_t total, int width = 40);

}  // namespace tesmar::cli
