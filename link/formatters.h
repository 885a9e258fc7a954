// One formatter per command: builds the parameter string from typed
// arguments, checks what the registrar cannot take, and sends the command.
//
// Each returns the driver's reply record. A formatter with checks takes
// `result`: 0 when the command was sent, or the negative code of the failed
// check (the refusal values below), in which case nothing is sent and the
// record is returned as it stands from the previous command. Amounts go out
// with two decimals, quantities with three, always with a "." whatever the
// locale; every formatter that takes one refuses a value that cannot be
// written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "link/driver.h"
#include "link/params.h"

namespace tesmar::link {

using Text = std::string_view;

// The formatters' refusal values. Two checks share -151.
namespace refusal {
inline constexpr int kBarcodeDigits = -100;         // 6Fh: not exactly 12 decimal digits
inline constexpr int kLogoLineNumber = -110;        // 29h: line number below 0
inline constexpr int kLogoLineLength = -111;        // 29h: content not 48 characters
inline constexpr int kHeaderLineNumber = -121;      // 22h: line number outside 0..20
inline constexpr int kReadHeaderLineNumber = -131;  // 23h: line number outside 0..20
inline constexpr int kSaleQuantity = -151;          // 64h: quantity not above 0
inline constexpr int kPaymentType = -151;           // 67h: payment type outside 0..9
inline constexpr int kSalePrice = -152;             // 64h: price below 0
inline constexpr int kNumberTooLarge = -160;        // an amount or quantity that cannot be written
}  // namespace refusal

// Clock, header and settings.
const ReplyRecord& SetDateTime(Driver& d, Text pwd, Text dateDDMMYY, Text timeHHMM);  // 20h
const ReplyRecord& ReadDateTime(Driver& d, Text pwd);                                 // 21h
const ReplyRecord& ProgramHeaderLine(Driver& d, Text pwd, int line, Text text, int lineFlags,
                                     int& result);                              // 22h
const ReplyRecord& ReadHeaderLine(Driver& d, Text pwd, int line, int& result);  // 23h
const ReplyRecord& ProgramRegistrarParameters(Driver& d, Text pwd, int speed, int controlPrint,
                                              int documentParams, int userLogo, int drawerPulse,
                                              int goodsBaseUpdate, int lastValue);           // 27h
const ReplyRecord& ReadRegistrarParameters(Driver& d, Text pwd);                             // 28h
const ReplyRecord& SetLogoLine(Driver& d, Text pwd, int line, Text content48, int& result);  // 29h
const ReplyRecord& SetModePasswords(Driver& d, Text pwd, Text first, Text second,
                                    Text third);                                   // 2Bh
const ReplyRecord& ResetOperatorPassword(Driver& d, Text pwd, int operatorIndex);  // 2Ch
const ReplyRecord& SetPaymentType(Driver& d, Text pwd, int number, int permissionMask,
                                  Text name);                         // 2Dh
const ReplyRecord& ReadPaymentType(Driver& d, Text pwd, int number);  // 2Eh
const ReplyRecord& SetOperator(Driver& d, Text pwd, int operatorIndex, Text password,
                               Text name);                                            // 2Fh
const ReplyRecord& ReadOperator(Driver& d, Text pwd, int operatorIndex);              // 30h
const ReplyRecord& AddMessageLine(Driver& d, Text pwd, int continuation, Text line);  // 34h
const ReplyRecord& SetMaintenanceReminder(Driver& d, Text oldPassword, Text newPassword,
                                          Text dateDDMMYY, int daysAhead, int mask);  // 35h
const ReplyRecord& ReadMaintenanceReminder(Driver& d, Text pwd);                      // 36h

// Fiscal identity.
const ReplyRecord& Fiscalize(Driver& d, Text pwd, Text first, Text second);        // 40h
const ReplyRecord& ProgramSerialNumber(Driver& d, Text pwd, Text serial);          // 41h
const ReplyRecord& ReadSerialNumber(Driver& d, Text pwd);                          // 42h
const ReplyRecord& ProgramFiscalNumber(Driver& d, Text pwd, Text number);          // 43h
const ReplyRecord& ReadFiscalNumber(Driver& d, Text pwd);                          // 44h
const ReplyRecord& ProgramTaxNumber(Driver& d, Text pwd, Text number, Text kind);  // 45h
const ReplyRecord& ReadTaxNumber(Driver& d, Text pwd);                             // 46h
const ReplyRecord& SetTaxRate(Driver& d, Text pwd, int taxNumber, int mask, Text value,
                              Text name);  // 47h, "-1"
const ReplyRecord& SetTaxRate(Driver& d, Text pwd, int taxNumber, int mask, Text value, Text name,
                              int last);                                // 47h
const ReplyRecord& ReadTaxRate(Driver& d, Text pwd, int taxNumber);     // 48h
const ReplyRecord& SetDecimalPoint(Driver& d, Text pwd, int position);  // 49h
const ReplyRecord& ReadDecimalPoint(Driver& d, Text pwd);               // 4Ah

const ReplyRecord& ZeroGoodsBase(Driver& d, Text pwd);  // 3Bh

// Receipts.
const ReplyRecord& OpenNonFiscalReceipt(Driver& d, Text pwd);           // 60h
const ReplyRecord& PrintText(Driver& d, Text pwd, Text text);           // 61h
const ReplyRecord& PrintNonFiscalLine(Driver& d, Text pwd, Text text);  // 61h
const ReplyRecord& OpenFiscalReceipt(Driver& d, Text pwd, int operatorNumber, int till,
                                     int refund);  // 63h
const ReplyRecord& SellArticle(Driver& d, Text pwd, int64_t code, double quantity, double price,
                               int& result);                            // 64h
const ReplyRecord& CloseFiscalReceipt(Driver& d, Text pwd);             // 65h "0"
const ReplyRecord& CloseFiscalReceipt(Driver& d, Text pwd, int value);  // 65h
const ReplyRecord& Payment(Driver& d, Text pwd, int paymentType, double amount,
                           int& result);                                              // 67h
const ReplyRecord& PercentDiscount(Driver& d, Text pwd, double value, int& result);   // 68h
const ReplyRecord& AbsoluteDiscount(Driver& d, Text pwd, double value, int& result);  // 69h
const ReplyRecord& VoidOperation(Driver& d, Text pwd, int kind);                      // 6Bh
const ReplyRecord& PrintTotal(Driver& d, Text pwd, bool flag);                        // 6Dh
const ReplyRecord& CashInOut(Driver& d, Text pwd, int operatorNumber, double amount,
                             int& result);  // 6Eh
const ReplyRecord& PrintEan13Barcode(Driver& d, Text pwd, int height, Text digits12,
                                     int& result);                                            // 6Fh
const ReplyRecord& SubtotalPercentDiscount(Driver& d, Text pwd, double value, int& result);   // 73h
const ReplyRecord& SubtotalAbsoluteDiscount(Driver& d, Text pwd, double value, int& result);  // 74h
const ReplyRecord& TaxGroupPercentDiscount(Driver& d, Text pwd, double value, int taxGroup,
                                           int& result);  // 75h
const ReplyRecord& TaxGroupAbsoluteDiscount(Driver& d, Text pwd, double value, int taxGroup,
                                            int& result);                                     // 76h
const ReplyRecord& ServiceCashIn(Driver& d, Text pwd, int kind, double amount, int& result);  // 77h

// Device and reports.
const ReplyRecord& ReadDiagnostics(Driver& d, Text pwd);                                    // 80h
const ReplyRecord& Identify(Driver& d, Text pwd);                                           // 80h
const ReplyRecord& ShowOnDisplay(Driver& d, Text pwd, int function, int value, Text text);  // 81h
const ReplyRecord& PrintServiceReport(Driver& d, Text pwd, int report);                     // 84h
const ReplyRecord& SetServiceParameter(Driver& d, Text pwd, int number, int value);         // 88h
const ReplyRecord& ReadServiceParameter(Driver& d, Text pwd, int number);                   // 89h
const ReplyRecord& ReadResources(Driver& d, Text pwd);                                      // A0h
const ReplyRecord& PrintReport(Driver& d, Text pwd, int kind);                              // A1h
const ReplyRecord& FindReportByDate(Driver& d, Text pwd, Text dateDDMMYY, Text second,
                                    int firstOrLast);  // A2h
const ReplyRecord& PrintPeriodicReport(Driver& d, Text pwd, int first, int last,
                                       int full);  // A3h
const ReplyRecord& PrintGoodsReport(Driver& d, Text pwd, int64_t firstCode,
                                    int64_t lastCode);                            // A4h
const ReplyRecord& PrintReceiptCopies(Driver& d, Text pwd, int first, int last);  // A5h
const ReplyRecord& PrintAdditionalReport(Driver& d, Text pwd, int type);          // A6h
// E7h kinds 0, 1, 3 take `value`; 2 and 5 ignore it; any other kind sends
// nothing and returns the record as it stands.
const ReplyRecord& SelectDataSource(Driver& d, Text pwd, int kind, int value);    // E7h
const ReplyRecord& ReadDataPacket(Driver& d, Text pwd);                           // E8h
const ReplyRecord& PrintTapeByNumbers(Driver& d, Text pwd, int first, int last);  // EBh
const ReplyRecord& PrintTapeByDates(Driver& d, Text pwd, Text startDate, Text startTime,
                                    Text endDate, Text endTime, int print);  // EEh
const ReplyRecord& RestartRegistrar(Driver& d, Text pwd);                    // F3h

}  // namespace tesmar::link
