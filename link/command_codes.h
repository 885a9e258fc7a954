// The command codes of the registrar protocol, one name each.
//
// The command table, the formatters, the decoder, the windows and the
// emulator all speak of commands by these names. Self-contained: nothing but
// the language is needed to include it.
#pragma once

namespace tesmar::link::cmd {

// Clock, header and registrar settings.
inline constexpr int kSetDateTime = 0x20;
inline constexpr int kReadDateTime = 0x21;
inline constexpr int kProgramHeaderLine = 0x22;
inline constexpr int kReadHeaderLine = 0x23;
inline constexpr int kAddArticle = 0x24;
inline constexpr int kFindArticle = 0x25;
inline constexpr int kReadArticle = 0x26;
inline constexpr int kProgramRegistrarParameters = 0x27;
inline constexpr int kReadRegistrarParameters = 0x28;
inline constexpr int kSetLogoLine = 0x29;
inline constexpr int kSetModePasswords = 0x2B;
inline constexpr int kResetOperatorPassword = 0x2C;
inline constexpr int kSetPaymentType = 0x2D;
inline constexpr int kReadPaymentType = 0x2E;
inline constexpr int kSetOperator = 0x2F;
inline constexpr int kReadOperator = 0x30;
inline constexpr int kFinishLogo = 0x31;
inline constexpr int kPatched32 = 0x32;  // its reply gets a "," after the first character
inline constexpr int kAddMessageLine = 0x34;
inline constexpr int kSetMaintenanceReminder = 0x35;  // its reply is patched as 32h's
inline constexpr int kReadMaintenanceReminder = 0x36;
inline constexpr int kClearGoodsBase = 0x3B;
inline constexpr int kPatched3E = 0x3E;  // its reply's ninth character becomes ","

// Fiscal identity.
inline constexpr int kFiscalize = 0x40;
inline constexpr int kProgramSerialNumber = 0x41;
inline constexpr int kReadSerialNumber = 0x42;
inline constexpr int kProgramFiscalNumber = 0x43;
inline constexpr int kReadFiscalNumber = 0x44;
inline constexpr int kProgramTaxNumber = 0x45;
inline constexpr int kReadTaxNumber = 0x46;
inline constexpr int kSetTaxRate = 0x47;
inline constexpr int kReadTaxRate = 0x48;
inline constexpr int kSetDecimalPoint = 0x49;
inline constexpr int kReadDecimalPoint = 0x4A;
inline constexpr int kSetIdDev = 0x4B;
inline constexpr int kReadIdDevFromFiscalMemory = 0x4C;
inline constexpr int kReadIdDevFromCard = 0x4D;
inline constexpr int kPatched5A = 0x5A;  // blanks among its reply's first 20 characters become ","

// Receipts.
inline constexpr int kOpenNonFiscalReceipt = 0x60;
inline constexpr int kPrintText = 0x61;
inline constexpr int kCloseNonFiscalReceipt = 0x62;
inline constexpr int kOpenFiscalReceipt = 0x63;
inline constexpr int kSellArticle = 0x64;
inline constexpr int kCloseFiscalReceipt = 0x65;
inline constexpr int kReceiptCopy = 0x66;
inline constexpr int kPayment = 0x67;
inline constexpr int kPercentDiscount = 0x68;
inline constexpr int kAbsoluteDiscount = 0x69;
inline constexpr int kAdditionalTax = 0x6A;
inline constexpr int kVoidOperation = 0x6B;
inline constexpr int kSumPercentDiscount = 0x6C;
inline constexpr int kPrintTotal = 0x6D;
inline constexpr int kCashInOut = 0x6E;
inline constexpr int kPrintBarcode = 0x6F;
inline constexpr int kSubtotalPercentDiscount = 0x73;
inline constexpr int kSubtotalAbsoluteDiscount = 0x74;
inline constexpr int kTaxGroupPercentDiscount = 0x75;
inline constexpr int kTaxGroupAbsoluteDiscount = 0x76;
inline constexpr int kServiceCashIn = 0x77;
inline constexpr int kCardPayment = 0x78;

// Device.
inline constexpr int kIdentify = 0x80;
inline constexpr int kShowOnDisplay = 0x81;
inline constexpr int kSound = 0x82;
inline constexpr int kOpenCashDrawer = 0x83;
inline constexpr int kPrintServiceReport = 0x84;
inline constexpr int kOpenSecondCashDrawer = 0x87;
inline constexpr int kSetServiceParameter = 0x88;
inline constexpr int kReadServiceParameter = 0x89;

// Reports.
inline constexpr int kReadResources = 0xA0;
inline constexpr int kPrintReport = 0xA1;
inline constexpr int kFindReportByDate = 0xA2;
inline constexpr int kPrintPeriodicReport = 0xA3;
inline constexpr int kPrintGoodsReport = 0xA4;
inline constexpr int kPrintReceiptCopies = 0xA5;
inline constexpr int kPrintAdditionalReport = 0xA6;

// Network, modem, memory and firmware.
inline constexpr int kWriteWifi = 0xBA;
inline constexpr int kReadWifi = 0xBB;
inline constexpr int kRouterLink = 0xBC;
inline constexpr int kSetRemoteAccess = 0xD0;
inline constexpr int kReadNetworkSettings = 0xD1;
inline constexpr int kSelectDataSource = 0xE7;
inline constexpr int kReadDataPacket = 0xE8;
inline constexpr int kModemReport = 0xEA;
inline constexpr int kPrintTapeByNumbers = 0xEB;
inline constexpr int kPrintTapeByDates = 0xEE;
inline constexpr int kClearFlash = 0xF0;
inline constexpr int kReadFlash = 0xF1;
inline constexpr int kWriteFlash = 0xF2;
inline constexpr int kRestartRegistrar = 0xF3;
inline constexpr int kReadAcquirerLink = 0xFA;
inline constexpr int kSetAcquirerLink = 0xFB;
inline constexpr int kLastAcquirerSession = 0xFC;

// Service parameter 20 is remote access; the connect switches it off.
inline constexpr int kRemoteAccessParameter = 20;

}  // namespace tesmar::link::cmd
