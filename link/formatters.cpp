#include "link/formatters.h"

#include "link/command_codes.h"
#include "link/ean13.h"

namespace tesmar::link {

namespace {

const ReplyRecord& Refuse(Driver& d, int& result, int code) {
  result = code;
  return d.Record();
}

const ReplyRecord& Send(Driver& d, int code, const Params& p) {
  return d.ExecuteCommand(code, p.Str());
}

// For formatters whose fields include an amount or a quantity.
const ReplyRecord& SendChecked(Driver& d, int code, const Params& p, int& result) {
  if (!p.Fits()) return Refuse(d, result, refusal::kNumberTooLarge);
  result = 0;
  return Send(d, code, p);
}

}  // namespace

const ReplyRecord& SetDateTime(Driver& d, Text pwd, Text date, Text time) {
  return Send(d, cmd::kSetDateTime, Params(pwd).Add(date).Add(time));
}
const ReplyRecord& ReadDateTime(Driver& d, Text pwd) {
  return Send(d, cmd::kReadDateTime, Params(pwd));
}

const ReplyRecord& ProgramHeaderLine(Driver& d, Text pwd, int line, Text text, int lineFlags,
                                     int& result) {
  if (line < 0 || line > 20) return Refuse(d, result, refusal::kHeaderLineNumber);
  result = 0;
  return Send(d, cmd::kProgramHeaderLine, Params(pwd).Add(line).Add(text).Add(lineFlags));
}

const ReplyRecord& ReadHeaderLine(Driver& d, Text pwd, int line, int& result) {
  if (line < 0 || line > 20) return Refuse(d, result, refusal::kReadHeaderLineNumber);
  result = 0;
  return Send(d, cmd::kReadHeaderLine, Params(pwd).Add(line));
}

const ReplyRecord& ProgramRegistrarParameters(Driver& d, Text pwd, int speed, int controlPrint,
                                              int documentParams, int userLogo, int drawerPulse,
                                              int goodsBaseUpdate, int lastValue) {
  return Send(d, cmd::kProgramRegistrarParameters,
              Params(pwd)
                  .Add(speed)
                  .Add(controlPrint)
                  .Hex(documentParams, 4)
                  .Hex(userLogo, 2)
                  .Hex(drawerPulse, 2)
                  .Hex(goodsBaseUpdate, 2)
                  .TwoDigits(lastValue));
}
const ReplyRecord& ReadRegistrarParameters(Driver& d, Text pwd) {
  return Send(d, cmd::kReadRegistrarParameters, Params(pwd));
}

const ReplyRecord& SetLogoLine(Driver& d, Text pwd, int line, Text content, int& result) {
  if (line < 0) return Refuse(d, result, refusal::kLogoLineNumber);
  if (content.size() != 48) return Refuse(d, result, refusal::kLogoLineLength);
  result = 0;
  return Send(d, cmd::kSetLogoLine, Params(pwd).Add(line).Add(content));
}

const ReplyRecord& SetModePasswords(Driver& d, Text pwd, Text a, Text b, Text c) {
  return Send(d, cmd::kSetModePasswords, Params(pwd).Add(a).Add(b).Add(c));
}
const ReplyRecord& ResetOperatorPassword(Driver& d, Text pwd, int index) {
  return Send(d, cmd::kResetOperatorPassword, Params(pwd).Add(index));
}
const ReplyRecord& SetPaymentType(Driver& d, Text pwd, int number, int mask, Text name) {
  return Send(d, cmd::kSetPaymentType, Params(pwd).Add(number).Hex(mask, 2).Add(name));
}
const ReplyRecord& ReadPaymentType(Driver& d, Text pwd, int number) {
  return Send(d, cmd::kReadPaymentType, Params(pwd).Add(number));
}
const ReplyRecord& SetOperator(Driver& d, Text pwd, int index, Text password, Text name) {
  return Send(d, cmd::kSetOperator, Params(pwd).Add(index).Add(password).Add(name));
}
const ReplyRecord& ReadOperator(Driver& d, Text pwd, int index) {
  return Send(d, cmd::kReadOperator, Params(pwd).Add(index));
}
const ReplyRecord& AddMessageLine(Driver& d, Text pwd, int continuation, Text line) {
  return Send(d, cmd::kAddMessageLine, Params(pwd).Add(continuation).Add(line));
}
const ReplyRecord& SetMaintenanceReminder(Driver& d, Text oldPassword, Text newPassword, Text date,
                                          int daysAhead, int mask) {
  return Send(d, cmd::kSetMaintenanceReminder,
              Params(oldPassword).Add(newPassword).Add(date).Add(daysAhead).Hex(mask, 2));
}
const ReplyRecord& ReadMaintenanceReminder(Driver& d, Text pwd) {
  return Send(d, cmd::kReadMaintenanceReminder, Params(pwd));
}

const ReplyRecord& Fiscalize(Driver& d, Text pwd, Text a, Text b) {
  return Send(d, cmd::kFiscalize, Params(pwd).Add(a).Add(b));
}
const ReplyRecord& ProgramSerialNumber(Driver& d, Text pwd, Text serial) {
  return Send(d, cmd::kProgramSerialNumber, Params(pwd).Add(serial));
}
const ReplyRecord& ReadSerialNumber(Driver& d, Text pwd) {
  return Send(d, cmd::kReadSerialNumber, Params(pwd));
}
const ReplyRecord& ProgramFiscalNumber(Driver& d, Text pwd, Text number) {
  return Send(d, cmd::kProgramFiscalNumber, Params(pwd).Add(number));
}
const ReplyRecord& ReadFiscalNumber(Driver& d, Text pwd) {
  return Send(d, cmd::kReadFiscalNumber, Params(pwd));
}
const ReplyRecord& ProgramTaxNumber(Driver& d, Text pwd, Text number, Text kind) {
  return Send(d, cmd::kProgramTaxNumber, Params(pwd).Add(number).Add(kind));
}
const ReplyRecord& ReadTaxNumber(Driver& d, Text pwd) {
  return Send(d, cmd::kReadTaxNumber, Params(pwd));
}
const ReplyRecord& SetTaxRate(Driver& d, Text pwd, int number, int mask, Text value, Text name) {
  return SetTaxRate(d, pwd, number, mask, value, name, -1);
}
const ReplyRecord& SetTaxRate(Driver& d, Text pwd, int number, int mask, Text value, Text name,
                              int last) {
  return Send(d, cmd::kSetTaxRate,
              Params(pwd).Add(number).Hex(mask, 2).Add(value).Add(name).Add(last));
}
const ReplyRecord& ReadTaxRate(Driver& d, Text pwd, int number) {
  return Send(d, cmd::kReadTaxRate, Params(pwd).Add(number));
}
const ReplyRecord& SetDecimalPoint(Driver& d, Text pwd, int position) {
  return Send(d, cmd::kSetDecimalPoint, Params(pwd).Add(position));
}
const ReplyRecord& ReadDecimalPoint(Driver& d, Text pwd) {
  return Send(d, cmd::kReadDecimalPoint, Params(pwd));
}

const ReplyRecord& OpenNonFiscalReceipt(Driver& d, Text pwd) {
  return Send(d, cmd::kOpenNonFiscalReceipt, Params(pwd));
}
const ReplyRecord& PrintText(Driver& d, Text pwd, Text text) {
  return Send(d, cmd::kPrintText, Params(pwd).Add(text));
}
const ReplyRecord& PrintNonFiscalLine(Driver& d, Text pwd, Text text) {
  return Send(d, cmd::kPrintText, Params(pwd).Add(text));
}
const ReplyRecord& OpenFiscalReceipt(Driver& d, Text pwd, int op, int till, int refund) {
  return Send(d, cmd::kOpenFiscalReceipt, Params(pwd).Add(op).Add(till).Add(refund));
}

const ReplyRecord& SellArticle(Driver& d, Text pwd, int64_t code, double quantity, double price,
                               int& result) {
  if (!(quantity > 0)) return Refuse(d, result, refusal::kSaleQuantity);
  if (price < 0) return Refuse(d, result, refusal::kSalePrice);
  return SendChecked(d, cmd::kSellArticle, Params(pwd).Add(code).Quantity(quantity).Amount(price),
                     result);
}

const ReplyRecord& CloseFiscalReceipt(Driver& d, Text pwd) {
  return CloseFiscalReceipt(d, pwd, 0);
}
const ReplyRecord& CloseFiscalReceipt(Driver& d, Text pwd, int value) {
  return Send(d, cmd::kCloseFiscalReceipt, Params(pwd).Add(value));
}

const ReplyRecord& Payment(Driver& d, Text pwd, int type, double amount, int& result) {
  if (type < 0 || type > 9) return Refuse(d, result, refusal::kPaymentType);
  return SendChecked(d, cmd::kPayment, Params(pwd).Add(type).Amount(amount), result);
}

const ReplyRecord& PercentDiscount(Driver& d, Text pwd, double v, int& result) {
  return SendChecked(d, cmd::kPercentDiscount, Params(pwd).Amount(v), result);
}
const ReplyRecord& AbsoluteDiscount(Driver& d, Text pwd, double v, int& result) {
  return SendChecked(d, cmd::kAbsoluteDiscount, Params(pwd).Amount(v), result);
}
const ReplyRecord& VoidOperation(Driver& d, Text pwd, int kind) {
  return Send(d, cmd::kVoidOperation, Params(pwd).Add(kind));
}
const ReplyRecord& PrintTotal(Driver& d, Text pwd, bool flag) {
  return Send(d, cmd::kPrintTotal, Params(pwd).Add(flag ? 1 : 0));
}
const ReplyRecord& CashInOut(Driver& d, Text pwd, int op, double amount, int& result) {
  return SendChecked(d, cmd::kCashInOut, Params(pwd).Add(op).Amount(amount), result);
}

const ReplyRecord& PrintEan13Barcode(Driver& d, Text pwd, int height, Text digits, int& result) {
  if (!IsEan13Payload(digits)) return Refuse(d, result, refusal::kBarcodeDigits);
  result = 0;
  return Send(d, cmd::kPrintBarcode, Params(pwd).Add(height).Add(Ean13Line(digits)));
}

const ReplyRecord& SubtotalPercentDiscount(Driver& d, Text pwd, double v, int& result) {
  return SendChecked(d, cmd::kSubtotalPercentDiscount, Params(pwd).Amount(v), result);
}
const ReplyRecord& SubtotalAbsoluteDiscount(Driver& d, Text pwd, double v, int& result) {
  return SendChecked(d, cmd::kSubtotalAbsoluteDiscount, Params(pwd).Amount(v), result);
}
const ReplyRecord& TaxGroupPercentDiscount(Driver& d, Text pwd, double v, int group, int& result) {
  return SendChecked(d, cmd::kTaxGroupPercentDiscount, Params(pwd).Amount(v).Add(group), result);
}
const ReplyRecord& TaxGroupAbsoluteDiscount(Driver& d, Text pwd, double v, int group, int& result) {
  return SendChecked(d, cmd::kTaxGroupAbsoluteDiscount, Params(pwd).Amount(v).Add(group), result);
}
const ReplyRecord& ServiceCashIn(Driver& d, Text pwd, int kind, double amount, int& result) {
  return SendChecked(d, cmd::kServiceCashIn, Params(pwd).Add(kind).Amount(amount), result);
}

const ReplyRecord& ReadDiagnostics(Driver& d, Text pwd) {
  return Send(d, cmd::kIdentify, Params(pwd));
}
const ReplyRecord& Identify(Driver& d, Text pwd) {
  return Send(d, cmd::kIdentify, Params(pwd));
}
const ReplyRecord& ShowOnDisplay(Driver& d, Text pwd, int function, int value, Text text) {
  return Send(d, cmd::kShowOnDisplay, Params(pwd).Add(function).Add(value).Add(text));
}
const ReplyRecord& PrintServiceReport(Driver& d, Text pwd, int report) {
  return Send(d, cmd::kPrintServiceReport, Params(pwd).Add(report));
}
const ReplyRecord& SetServiceParameter(Driver& d, Text pwd, int number, int value) {
  return Send(d, cmd::kSetServiceParameter, Params(pwd).Add(number).Add(value));
}
const ReplyRecord& ReadServiceParameter(Driver& d, Text pwd, int number) {
  return Send(d, cmd::kReadServiceParameter, Params(pwd).Add(number));
}
const ReplyRecord& ZeroGoodsBase(Driver& d, Text pwd) {
  return Send(d, cmd::kClearGoodsBase, Params(pwd));
}
const ReplyRecord& ReadResources(Driver& d, Text pwd) {
  return Send(d, cmd::kReadResources, Params(pwd));
}
const ReplyRecord& PrintReport(Driver& d, Text pwd, int kind) {
  return Send(d, cmd::kPrintReport, Params(pwd).Add(kind));
}
const ReplyRecord& FindReportByDate(Driver& d, Text pwd, Text date, Text second, int firstOrLast) {
  return Send(d, cmd::kFindReportByDate, Params(pwd).Add(date).Add(second).Add(firstOrLast));
}
const ReplyRecord& PrintPeriodicReport(Driver& d, Text pwd, int first, int last, int full) {
  return Send(d, cmd::kPrintPeriodicReport, Params(pwd).Add(first).Add(last).Add(full));
}
const ReplyRecord& PrintGoodsReport(Driver& d, Text pwd, int64_t first, int64_t last) {
  return Send(d, cmd::kPrintGoodsReport, Params(pwd).Add(first).Add(last));
}
const ReplyRecord& PrintReceiptCopies(Driver& d, Text pwd, int first, int last) {
  return Send(d, cmd::kPrintReceiptCopies, Params(pwd).Add(first).Add(last));
}
const ReplyRecord& PrintAdditionalReport(Driver& d, Text pwd, int type) {
  return Send(d, cmd::kPrintAdditionalReport, Params(pwd).Add(type).Empty().Empty());
}

const ReplyRecord& SelectDataSource(Driver& d, Text pwd, int kind, int value) {
  switch (kind) {
    case 0:
    case 1:
    case 3:
      return Send(d, cmd::kSelectDataSource, Params(pwd).Add(kind).Empty().Add(value));
    case 2:
    case 5:
      return Send(d, cmd::kSelectDataSource, Params(pwd).Add(kind).Empty().Empty());
    default:
      return d.Record();
  }
}
const ReplyRecord& ReadDataPacket(Driver& d, Text pwd) {
  return Send(d, cmd::kReadDataPacket, Params(pwd));
}
const ReplyRecord& PrintTapeByNumbers(Driver& d, Text pwd, int first, int last) {
  return Send(d, cmd::kPrintTapeByNumbers, Params(pwd).Add(first).Add(last));
}
const ReplyRecord& PrintTapeByDates(Driver& d, Text pwd, Text startDate, Text startTime,
                                    Text endDate, Text endTime, int print) {
  return Send(d, cmd::kPrintTapeByDates,
              Params(pwd).Add(startDate).Add(startTime).Add(endDate).Add(endTime).Add(print));
}
const ReplyRecord& RestartRegistrar(Driver& d, Text pwd) {
  return Send(d, cmd::kRestartRegistrar, Params(pwd));
}

}  // namespace tesmar::link
