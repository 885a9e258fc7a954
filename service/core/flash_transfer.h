// The fiscal memory read, write and clear, chunk by chunk.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "transfer.h"

namespace tesmar::service {

struct FlashRange {
  uint64_t start = 0;
  uint64_t count = 0;
};

// Reads `range` with F1h into `file` (written whole, atomically, with every
// byte read, also when the read ends early). `retries` is how often a
// refused chunk is asked for again.
TransferOutcome ReadFlashToFile(TransferHost& host, const std::string& pwd, FlashRange range,
                                int retries, const std::string& file);

// Writes `range.count` bytes of `file` at `range.start` with F2h, 50 at most
// a command.
TransferOutcome WriteFlashFromFile(TransferHost& host, const std::string& pwd, FlashRange range,
                                   const std::string& file);

// F0h.
TransferOutcome ClearFlashMemory(TransferHost& host, const std::string& pwd);

// The start and count a file name carries: "name_START_COUNT.ext" (the text
// between the last two "_", and between the last "_" and the last "."). The
// texts as they stand; nothing when the name has another shape.
struct NamedRange {
  std::string start;
  std::string count;
};
std::optional<NamedRange> RangeFromFileName(const std::string& path);

// A field of decimal digits only (what the address and count fields take).
std::optional<uint64_t> DecimalField(const std::string& text);

// The bytes of upper-case hexadecimal pairs; nothing when a character is
// not "0"-"9" or "A"-"F".
std::optional<std::string> BytesFromHex(std::string_view hex);
std::string HexFromBytes(std::string_view bytes);

}  // namespace tesmar::service
