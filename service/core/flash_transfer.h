// The fiscal memory read, write and clear, chunk by chunk.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "service/core/transfer.h"

namespace tesmar::service {

struct FlashRange {
  uint64_t start = 0;
  uint64_t count = 0;
};

// The widths of the window's start and count fields, in digits.
inline constexpr int kStartDigits = 10;
inline constexpr int kCountDigits = 9;
// The highest byte number the start field can hold; no byte past it is
// asked for or written.
inline constexpr uint64_t kLastFlashAddress = 9999999999ULL;
inline constexpr const char* kFlashRangeTooLarge =
    Tesmar::mark("Ошибка! Адрес последнего байта больше 9999999999!");
// Whether every byte of `range` has a number up to kLastFlashAddress.
bool FlashRangeFits(FlashRange range);

// Reads `range` with F1h into `file`: the bytes go to `file`.part as they
// arrive and it becomes `file` when the read is whole (see PartFile). A
// chunk refused, lost, damaged or unreadable is asked for again, at most
// `retries` times, before the read stops.
TransferOutcome ReadFlashToFile(TransferHost& host, const std::string& pwd, FlashRange range,
                                int retries, const std::string& file);

// Writes `range.count` bytes of `file` at `range.start` with F2h, 50 at most
// a command. A file that cannot be read, or holds fewer bytes than the
// count, is refused before anything is sent.
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
// Whether the texts fit the start and count fields (taking them would
// otherwise cut them).
bool NamedRangeFitsFields(const NamedRange& named);
inline constexpr const char* kNamedRangeTooLong =
    Tesmar::mark("Ошибка! Адрес и количество в имени файла не помещаются в поля (не более 10 и 9 цифр): ");

// A field of decimal digits only (what the address and count fields take).
std::optional<uint64_t> DecimalField(const std::string& text);

// The bytes of upper-case hexadecimal pairs; nothing when a character is
// not "0"-"9" or "A"-"F".
std::optional<std::string> BytesFromHex(std::string_view hex);
std::string HexFromBytes(std::string_view bytes);

}  // namespace tesmar::service
