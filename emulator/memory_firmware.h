// Memory and firmware: the free resources and counters of A0h.
#pragma once

#include <cstddef>
#include <string>

namespace tesmar::emu {

struct Domain;

inline constexpr int kFiscalMemoryReports = 1825;  // Z reports the fiscal memory holds
inline constexpr int kGoodsBaseArticles = 10000;
inline constexpr int kControlTapeReceipts = 5000;  // receipts between tape zeroings

// The fiscal memory's size unless --flash-size says otherwise, and its most.
inline constexpr size_t kDefaultFlashSize = size_t{1} << 20;
inline constexpr size_t kMaxFlashSize = size_t{4} << 20;
// The firmware E7h kind 5 serves unless --firmware-size says otherwise
// (0: the registrar holds none to read), and its most.
inline constexpr size_t kFirmwareSize = 48 * 1024;
inline constexpr size_t kMaxFirmwareSize = size_t{1} << 20;
// Raw bytes per E8h packet: escaped, at most twice as many characters.
inline constexpr size_t kFirmwarePacketBytes = 60;

// The source E7h selected for E8h.
enum class DataSource { kNone, kEmpty, kFirmware };

struct MemoryFirmwareState {
  int emergencyResets = 0;
  // The fiscal memory image (F0h clears, F1h reads, F2h writes); made on
  // first use from the registrar's size, not kept in the state file.
  std::string flash;
  DataSource source = DataSource::kNone;
  size_t sourceOffset = 0;
  long long nextPacket = 0;
};

// The fiscal memory image a registrar starts with: `size` bytes of a fixed
// pseudo-random pattern, so that a read-out can be checked byte for byte.
std::string InitialFlashImage(size_t size);
// The firmware image E7h kind 5 serves: every byte value, those that must
// be escaped on the wire included; its bytes `from` on, `count` of them.
std::string FirmwareImage(size_t size = kFirmwareSize);
std::string FirmwareBytes(size_t from, size_t count);
// A packet's data as E8h sends it: bytes below 20h, ";" and "\" become "\"
// followed by the byte + 40h.
std::string EscapePacket(std::string_view bytes);

const Domain& MemoryFirmwareDomain();

}  // namespace tesmar::emu
