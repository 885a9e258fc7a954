// Memory and firmware: the free resources and counters of A0h.
#pragma once

namespace tesmar::emu {

struct Domain;

inline constexpr int kFiscalMemoryReports = 1825;  // Z reports the fiscal memory holds
inline constexpr int kGoodsBaseArticles = 10000;
inline constexpr int kControlTapeReceipts = 5000;  // receipts between tape zeroings

struct MemoryFirmwareState {
  int emergencyResets = 0;
};

const Domain& MemoryFirmwareDomain();

}  // namespace tesmar::emu
