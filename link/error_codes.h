// The registrar's error codes: a group and an item, sent as four characters
// "IIGG" (item first, group last, upper-case hexadecimal), "0000" for none.
//
// The decoder turns them into words; the emulator refuses commands with
// them. Self-contained: nothing but the language is needed to include it.
#pragma once

#include <array>

namespace tesmar::link::err {

// Groups (the last two characters).
inline constexpr int kGroupHardware = 0x01;
inline constexpr int kGroupCommand = 0x02;
inline constexpr int kGroupFieldFormat = 0x03;  // the item is the field number
inline constexpr int kGroupFieldRange = 0x04;   // the item is the field number
inline constexpr int kGroupFiscalMemory = 0x05;
inline constexpr int kGroupPassword = 0x06;
inline constexpr int kGroupState = 0x07;
inline constexpr int kGroupOverflow = 0x08;
inline constexpr int kGroupNotZeroed = 0x09;
inline constexpr int kGroupGoodsBase = 0x0A;
inline constexpr int kGroupSales = 0x0B;
inline constexpr int kGroupFormattedLine = 0xF0;

struct Code {
  int group = 0;
  int item = 0;

  // The four characters of the wire, NUL-terminated.
  constexpr std::array<char, 5> Text() const {
    constexpr char kHex[] = "0123456789ABCDEF";
    return {kHex[(item >> 4) & 15], kHex[item & 15], kHex[(group >> 4) & 15], kHex[group & 15],
            '\0'};
  }
  constexpr bool operator==(const Code&) const = default;
};

inline constexpr Code kNone{0, 0};

// Field N of the parameter string is malformed, or out of range; the
// password is field 0, the first field after it field 1 (so the software
// registrar numbers them, and the decoder shows the number as it comes).
constexpr Code FieldFormat(int field) {
  return {kGroupFieldFormat, field};
}
constexpr Code FieldRange(int field) {
  return {kGroupFieldRange, field};
}

// Hardware (01).
inline constexpr Code kHardwareUndetermined{kGroupHardware, 0x00};
inline constexpr Code kPrinterError{kGroupHardware, 0x01};
inline constexpr Code kRamError{kGroupHardware, 0x02};
inline constexpr Code kProgramChecksumError{kGroupHardware, 0x03};
inline constexpr Code kFlashError{kGroupHardware, 0x04};
inline constexpr Code kDisplayError{kGroupHardware, 0x05};
inline constexpr Code kClockError{kGroupHardware, 0x06};
inline constexpr Code kLowVoltage{kGroupHardware, 0x07};
inline constexpr Code kSimFailure{kGroupHardware, 0x08};
inline constexpr Code kMemoryCardFailure{kGroupHardware, 0x09};

// Command and message (02).
inline constexpr Code kNoSuchCommand{kGroupCommand, 0x00};
inline constexpr Code kNotSupported{kGroupCommand, 0x01};
inline constexpr Code kNoData{kGroupCommand, 0x02};
inline constexpr Code kBufferOverflow{kGroupCommand, 0x03};

// Fiscal memory (05).
inline constexpr Code kFiscalMemoryFull{kGroupFiscalMemory, 0x00};
inline constexpr Code kFiscalMemoryWriteError{kGroupFiscalMemory, 0x01};
inline constexpr Code kSerialNumberNotSet{kGroupFiscalMemory, 0x02};
inline constexpr Code kDateBeforePreviousRecord{kGroupFiscalMemory, 0x03};
inline constexpr Code kBeyondTheDay{kGroupFiscalMemory, 0x04};
inline constexpr Code kFiscalMemoryDataWrong{kGroupFiscalMemory, 0x05};
inline constexpr Code kFiscalMemoryExhausted{kGroupFiscalMemory, 0x06};
inline constexpr Code kFiscalModeOnly{kGroupFiscalMemory, 0x07};
inline constexpr Code kClockNotSetSinceReset{kGroupFiscalMemory, 0x08};
inline constexpr Code kShiftOver24Hours{kGroupFiscalMemory, 0x09};
inline constexpr Code kTimeMustBeCorrected{kGroupFiscalMemory, 0x0A};
inline constexpr Code kTableFormat{kGroupFiscalMemory, 0x0B};
inline constexpr Code kDateFormat{kGroupFiscalMemory, 0x0C};
inline constexpr Code kTimeFormat{kGroupFiscalMemory, 0x0D};
inline constexpr Code kTimeEarlierThanCurrent{kGroupFiscalMemory, 0x0E};

// Password (06) and overflow (08): one text whatever the item.
inline constexpr Code kWrongPassword{kGroupPassword, 0x00};
inline constexpr Code kArithmeticOverflow{kGroupOverflow, 0x00};

// State of the registrar (07).
inline constexpr Code kWrongMode{kGroupState, 0x00};
inline constexpr Code kWrongShiftState{kGroupState, 0x01};
inline constexpr Code kControlTapeMustBeUnloaded{kGroupState, 0x02};
inline constexpr Code kAutonomousMode{kGroupState, 0x03};

// Not zeroed (09).
inline constexpr Code kNotCleared{kGroupNotZeroed, 0x00};
inline constexpr Code kUninitialisedPointer{kGroupNotZeroed, 0x01};
inline constexpr Code kAddressOutsideZone{kGroupNotZeroed, 0x02};
inline constexpr Code kBufferTooSmall{kGroupNotZeroed, 0x03};
inline constexpr Code kDataError{kGroupNotZeroed, 0x04};

// Goods base (0A).
inline constexpr Code kGoodsBaseFull{kGroupGoodsBase, 0x00};
inline constexpr Code kRecordTooLong{kGroupGoodsBase, 0x01};
inline constexpr Code kArticleNotFound{kGroupGoodsBase, 0x02};
inline constexpr Code kIndexOutsideBase{kGroupGoodsBase, 0x03};
inline constexpr Code kArticleExists{kGroupGoodsBase, 0x04};
inline constexpr Code kTaxForbidden{kGroupGoodsBase, 0x05};

// Sales (0B).
inline constexpr Code kWrongDocumentState{kGroupSales, 0x00};
inline constexpr Code kNoRoomForCommand{kGroupSales, 0x01};
inline constexpr Code kUnknownSaleType{kGroupSales, 0x02};
inline constexpr Code kVoidCannotStartHere{kGroupSales, 0x03};
inline constexpr Code kVoidOperationNotFound{kGroupSales, 0x04};
inline constexpr Code kVoidSequenceIncomplete{kGroupSales, 0x05};
inline constexpr Code kNothingToVoid{kGroupSales, 0x06};
inline constexpr Code kCopyUnavailable{kGroupSales, 0x07};
inline constexpr Code kNotEnoughCash{kGroupSales, 0x08};
inline constexpr Code kPaymentTypeForbidden{kGroupSales, 0x09};
inline constexpr Code kChangeForbidden{kGroupSales, 0x0A};
inline constexpr Code kDiscountOutOfRange{kGroupSales, 0x0B};
inline constexpr Code kReceiptTotalOverflow{kGroupSales, 0x0C};
inline constexpr Code kPaymentsOverflow{kGroupSales, 0x0D};
inline constexpr Code kSalesBufferOverflow{kGroupSales, 0x0E};
inline constexpr Code kQuantityError{kGroupSales, 0x0F};
inline constexpr Code kPriceError{kGroupSales, 0x10};
inline constexpr Code kVoidSequenceLocked{kGroupSales, 0x11};

// Formatted line (F0).
inline constexpr Code kFormattedLineParameters{kGroupFormattedLine, 0x00};
inline constexpr Code kFormattedLineDataType{kGroupFormattedLine, 0x01};
inline constexpr Code kFormattedLineFont{kGroupFormattedLine, 0x02};
inline constexpr Code kFormattedLineAlignment{kGroupFormattedLine, 0x03};
inline constexpr Code kFormattedLinePositions{kGroupFormattedLine, 0x04};

}  // namespace tesmar::link::err
