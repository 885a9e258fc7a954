// Identification and clock: command 80h, the registrar's clock (20h, 21h)
// and its serial number.
#pragma once

#include <string>

namespace tesmar::emu {

struct Domain;

// The clock may be set anywhere within a century of the PC's time.
inline constexpr long long kMaxClockOffsetSeconds = 100LL * 366 * 24 * 3600;

struct IdentityClockState {
  // The registrar's time is the PC's plus this offset.
  long long clockOffsetSeconds = 0;
  std::string serialNumber;  // Windows-1251; empty: not programmed
  bool fiscalized = false;
};

const Domain& IdentityClockDomain();

}  // namespace tesmar::emu
