// The registrar's refusals by name: the error codes the program decodes,
// under the names the emulator's handlers use.
#pragma once

#include <cstdint>

#include "error_codes.h"

namespace tesmar::emu {

struct ErrorCode {
  uint8_t group;
  uint8_t item;
};

// The decoder's code as the emulator keeps it.
constexpr ErrorCode Shared(link::err::Code c) {
  return {static_cast<uint8_t>(c.group), static_cast<uint8_t>(c.item)};
}

namespace err {

inline constexpr uint8_t kGroupFieldFormat = link::err::kGroupFieldFormat;  // item: the field
inline constexpr uint8_t kGroupFieldRange = link::err::kGroupFieldRange;    // item: the field

inline constexpr ErrorCode kNoSuchCommand = Shared(link::err::kNoSuchCommand);
inline constexpr ErrorCode kNotSupported = Shared(link::err::kNotSupported);
inline constexpr ErrorCode kFiscalMemoryFull = Shared(link::err::kFiscalMemoryFull);
inline constexpr ErrorCode kSerialNumberNotSet = Shared(link::err::kSerialNumberNotSet);
inline constexpr ErrorCode kDateEarlierThanLastRecord =
    Shared(link::err::kDateBeforePreviousRecord);
inline constexpr ErrorCode kDateFormat = Shared(link::err::kDateFormat);
inline constexpr ErrorCode kTimeFormat = Shared(link::err::kTimeFormat);
inline constexpr ErrorCode kWrongPassword = Shared(link::err::kWrongPassword);
inline constexpr ErrorCode kWrongShiftState = Shared(link::err::kWrongShiftState);
inline constexpr ErrorCode kControlTapeFull =
    Shared(link::err::kControlTapeMustBeUnloaded);  // the tape must be unloaded
inline constexpr ErrorCode kGoodsBaseFull = Shared(link::err::kGoodsBaseFull);
inline constexpr ErrorCode kArticleNotFound = Shared(link::err::kArticleNotFound);
inline constexpr ErrorCode kArticleExists = Shared(link::err::kArticleExists);
inline constexpr ErrorCode kTaxForbidden = Shared(link::err::kTaxForbidden);
inline constexpr ErrorCode kWrongDocumentState = Shared(link::err::kWrongDocumentState);
inline constexpr ErrorCode kNothingToVoid = Shared(link::err::kNothingToVoid);
inline constexpr ErrorCode kChangeForbidden = Shared(link::err::kChangeForbidden);
inline constexpr ErrorCode kReceiptTotalOverflow = Shared(link::err::kReceiptTotalOverflow);
inline constexpr ErrorCode kPaymentsOverflow = Shared(link::err::kPaymentsOverflow);
inline constexpr ErrorCode kSaleQuantity = Shared(link::err::kQuantityError);
inline constexpr ErrorCode kSalePrice = Shared(link::err::kPriceError);
// Receipts: the till, discounts and the void sequence.
inline constexpr ErrorCode kNotEnoughCash = Shared(link::err::kNotEnoughCash);
inline constexpr ErrorCode kArithmeticOverflow = Shared(link::err::kArithmeticOverflow);
inline constexpr ErrorCode kPaymentTypeForbidden = Shared(link::err::kPaymentTypeForbidden);
inline constexpr ErrorCode kDiscountOutOfRange = Shared(link::err::kDiscountOutOfRange);
inline constexpr ErrorCode kVoidCannotStartHere = Shared(link::err::kVoidCannotStartHere);
inline constexpr ErrorCode kVoidOperationNotFound = Shared(link::err::kVoidOperationNotFound);
inline constexpr ErrorCode kVoidSequenceIncomplete = Shared(link::err::kVoidSequenceIncomplete);
inline constexpr ErrorCode kVoidSequenceLocked = Shared(link::err::kVoidSequenceLocked);

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
