// Formatters of the service commands that the common table lacks: the
// logo's closing command and the fiscal memory's clear, read and write.
#pragma once

#include <cstdint>
#include <string_view>

#include "link/driver.h"

namespace tesmar::link {

// The most bytes one F2h carries.
inline constexpr int kFlashChunkBytes = 50;

namespace refusal {
inline constexpr int kFlashChunkSize = -140;  // F2h: count outside 1..50 or odd digits
}

const ReplyRecord& FinishLogo(Driver& d, std::string_view pwd, int width, int height);  // 31h
const ReplyRecord& ClearFlash(Driver& d, std::string_view pwd);                         // F0h
const ReplyRecord& ReadFlash(Driver& d, std::string_view pwd, uint64_t address);        // F1h
// `hex` holds the bytes as upper-case hexadecimal, two digits each; the
// count is its length / 2 and must be 1 to 50.
const ReplyRecord& WriteFlash(Driver& d, std::string_view pwd, uint64_t address,
                              std::string_view hex, int& result);  // F2h

}  // namespace tesmar::link
