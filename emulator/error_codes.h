// The registrar's refusals by name: the group and the item of the error code
// the program decodes. Each name stands alone so it can later refer to the
// driver's shared table of codes name for name.
#pragma once

#include <cstdint>

namespace tesmar::emu {

struct ErrorCode {
  uint8_t group;
  uint8_t item;
};

namespace err {

inline constexpr uint8_t kGroupFieldFormat = 0x03;  // item: the field number
inline constexpr uint8_t kGroupFieldRange = 0x04;   // item: the field number

inline constexpr ErrorCode kNoSuchCommand{0x02, 0x00};
inline constexpr ErrorCode kNotSupported{0x02, 0x01};
inline constexpr ErrorCode kFiscalMemoryFull{0x05, 0x00};
inline constexpr ErrorCode kSerialNumberNotSet{0x05, 0x02};
inline constexpr ErrorCode kDateEarlierThanLastRecord{0x05, 0x03};
inline constexpr ErrorCode kDateFormat{0x05, 0x0C};
inline constexpr ErrorCode kTimeFormat{0x05, 0x0D};
inline constexpr ErrorCode kWrongPassword{0x06, 0x00};
inline constexpr ErrorCode kWrongShiftState{0x07, 0x01};
inline constexpr ErrorCode kControlTapeFull{0x07, 0x02};  // the tape must be unloaded
inline constexpr ErrorCode kGoodsBaseFull{0x0A, 0x00};
inline constexpr ErrorCode kArticleNotFound{0x0A, 0x02};
inline constexpr ErrorCode kArticleExists{0x0A, 0x04};
inline constexpr ErrorCode kWrongDocumentState{0x0B, 0x00};
inline constexpr ErrorCode kNothingToVoid{0x0B, 0x06};
inline constexpr ErrorCode kChangeForbidden{0x0B, 0x0A};
inline constexpr ErrorCode kReceiptTotalOverflow{0x0B, 0x0C};
inline constexpr ErrorCode kPaymentsOverflow{0x0B, 0x0D};
inline constexpr ErrorCode kSaleQuantity{0x0B, 0x0F};
inline constexpr ErrorCode kSalePrice{0x0B, 0x10};

// "Wrong format of field number n" and "value of field number n is out of
// range"; field 0 is the password, 1 the first field after it.
constexpr ErrorCode FieldFormat(int n) {
  return {kGroupFieldFormat, static_cast<uint8_t>(n)};
}
constexpr ErrorCode FieldRange(int n) {
  return {kGroupFieldRange, static_cast<uint8_t>(n)};
}

}  // namespace err

}  // namespace tesmar::emu
