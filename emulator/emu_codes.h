// Command codes the emulator answers, by name. Each name stands alone so it
// can later refer to the driver's shared table of codes name for name.
#pragma once

namespace tesmar::emu::cmd {

// Identification and clock.
inline constexpr int kSetDateTime = 0x20;
inline constexpr int kReadDateTime = 0x21;
inline constexpr int kReadSerialNumber = 0x42;
inline constexpr int kIdentify = 0x80;

// Documents.
inline constexpr int kAddArticle = 0x24;
inline constexpr int kOpenNonFiscalReceipt = 0x60;
inline constexpr int kPrintText = 0x61;
inline constexpr int kCloseNonFiscalReceipt = 0x62;
inline constexpr int kOpenFiscalReceipt = 0x63;
inline constexpr int kSellArticle = 0x64;
inline constexpr int kCloseFiscalReceipt = 0x65;
inline constexpr int kPayment = 0x67;
inline constexpr int kVoid = 0x6B;
inline constexpr int kPrintTotal = 0x6D;

// Reports.
inline constexpr int kZeroGoodsBase = 0x3B;
inline constexpr int kPrintReport = 0xA1;
inline constexpr int kPeriodicReportByDate = 0xA2;
inline constexpr int kPeriodicReportByNumber = 0xA3;
inline constexpr int kGoodsReport = 0xA4;
inline constexpr int kAdditionalReport = 0xA6;

// Configuration.
inline constexpr int kSetServiceParameter = 0x88;
inline constexpr int kReadServiceParameter = 0x89;

// Memory and firmware.
inline constexpr int kReadResources = 0xA0;

}  // namespace tesmar::emu::cmd
