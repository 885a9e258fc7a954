// What the machine tells about itself, fed into the two seed hashes.
#pragma once

#include <cstdint>

#include "gost.h"

namespace sorvil {

// Hash A: system version, memory status, environment block, system information.
void HashMachineState(Gostr341194& a);
// Tool Help (Windows): each process entry into A, the thread entries of
// each process into B, and 64 KB of memory at F0000h into A when it can be
// read. Nothing on a platform without Tool Help.
void HashToolHelpState(Gostr341194& a, Gostr341194& b);
// Hash B: process and thread ids, high-resolution clock, 32 bytes from the
// kernel's generator, and last the tick count (monotonic milliseconds).
void HashVolatileState(Gostr341194& b);
// DT: seconds since the epoch (4 bytes, little-endian), then second, minute,
// hour and day of the month of the local time.
void CurrentTimeValue(uint8_t dt[8]);

}  // namespace sorvil
