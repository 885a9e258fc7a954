#include "formatters.h"

#include <charconv>
#include <cstdarg>
#include <cstdio>

#include "ean13.h"

namespace tesmar::link {

namespace {

std::string Fixed(double value, int decimals) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  return r.ec == std::errc() ? std::string(buf, r.ptr) : std::string("0");
}

// printf into a string of any length: an over-long result reaches the driver
// whole, which refuses it, instead of being cut short here.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  char buf[300];
  const int n = std::vsnprintf(buf, sizeof buf, fmt, args);
  va_end(args);
  if (n < static_cast<int>(sizeof buf)) return std::string(buf, n > 0 ? n : 0);
  std::string out(static_cast<size_t>(n) + 1, '\0');
  va_start(args, fmt);
  std::vsnprintf(out.data(), out.size(), fmt, args);
  va_end(args);
  out.pop_back();
  return out;
}

std::string S(Text t) {
  return std::string(t);
}

const ReplyRecord& Send(Driver& d, int code, const std::string& params) {
  return d.ExecuteCommand(code, params);
}

const ReplyRecord& Refuse(Driver& d, int& result, int code) {
  result = code;
  return d.Record();
}

// The many commands whose only field is the password.
const ReplyRecord& PasswordOnly(Driver& d, int code, Text pwd) {
  return Send(d, code, Format("%s;", S(pwd).c_str()));
}
const ReplyRecord& PasswordAndInt(Driver& d, int code, Text pwd, int value) {
  return Send(d, code, Format("%s;%i;", S(pwd).c_str(), value));
}
const ReplyRecord& PasswordAndAmount(Driver& d, int code, Text pwd, double value) {
  return Send(d, code, Format("%s;%s;", S(pwd).c_str(), FormatAmount(value).c_str()));
}
const ReplyRecord& PasswordAndText(Driver& d, int code, Text pwd, Text text) {
  return Send(d, code, Format("%s;%s;", S(pwd).c_str(), S(text).c_str()));
}
const ReplyRecord& PasswordAndTwoInts(Driver& d, int code, Text pwd, int a, int b) {
  return Send(d, code, Format("%s;%i;%i;", S(pwd).c_str(), a, b));
}

}  // namespace

std::string FormatAmount(double value) {
  return Fixed(value, 2);
}
std::string FormatQuantity(double value) {
  return Fixed(value, 3);
}

const ReplyRecord& SetDateTime(Driver& d, Text pwd, Text date, Text time) {
  return Send(d, 0x20, Format("%s;%s;%s;", S(pwd).c_str(), S(date).c_str(), S(time).c_str()));
}
const ReplyRecord& ReadDateTime(Driver& d, Text pwd) {
  return PasswordOnly(d, 0x21, pwd);
}

const ReplyRecord& ProgramHeaderLine(Driver& d, Text pwd, int line, Text text, int lineFlags,
                                     int& result) {
  if (line < 0 || line > 20) return Refuse(d, result, -121);
  result = 0;
  return Send(d, 0x22, Format("%s;%i;%s;%i;", S(pwd).c_str(), line, S(text).c_str(), lineFlags));
}

const ReplyRecord& ReadHeaderLine(Driver& d, Text pwd, int line, int& result) {
  if (line < 0 || line > 20) return Refuse(d, result, -131);
  result = 0;
  return PasswordAndInt(d, 0x23, pwd, line);
}

const ReplyRecord& ProgramRegistrarParameters(Driver& d, Text pwd, int speed, int controlPrint,
                                              int documentParams, int userLogo, int drawerPulse,
                                              int goodsBaseUpdate, int lastValue) {
  return Send(d, 0x27,
              Format("%s;%i;%i;%04X;%02X;%02X;%02X;%02i;", S(pwd).c_str(), speed, controlPrint,
                     documentParams, userLogo, drawerPulse, goodsBaseUpdate, lastValue));
}
const ReplyRecord& ReadRegistrarParameters(Driver& d, Text pwd) {
  return PasswordOnly(d, 0x28, pwd);
}

const ReplyRecord& SetLogoLine(Driver& d, Text pwd, int line, Text content, int& result) {
  if (line < 0) return Refuse(d, result, -110);
  if (content.size() != 48) return Refuse(d, result, -111);
  result = 0;
  return Send(d, 0x29, Format("%s;%i;%s;", S(pwd).c_str(), line, S(content).c_str()));
}

const ReplyRecord& SetModePasswords(Driver& d, Text pwd, Text a, Text b, Text c) {
  return Send(d, 0x2B,
              Format("%s;%s;%s;%s;", S(pwd).c_str(), S(a).c_str(), S(b).c_str(), S(c).c_str()));
}
const ReplyRecord& ResetOperatorPassword(Driver& d, Text pwd, int index) {
  return PasswordAndInt(d, 0x2C, pwd, index);
}
const ReplyRecord& SetPaymentType(Driver& d, Text pwd, int number, int mask, Text name) {
  return Send(d, 0x2D, Format("%s;%i;%02X;%s;", S(pwd).c_str(), number, mask, S(name).c_str()));
}
const ReplyRecord& ReadPaymentType(Driver& d, Text pwd, int number) {
  return PasswordAndInt(d, 0x2E, pwd, number);
}
const ReplyRecord& SetOperator(Driver& d, Text pwd, int index, Text password, Text name) {
  return Send(d, 0x2F,
              Format("%s;%i;%s;%s;", S(pwd).c_str(), index, S(password).c_str(), S(name).c_str()));
}
const ReplyRecord& ReadOperator(Driver& d, Text pwd, int index) {
  return PasswordAndInt(d, 0x30, pwd, index);
}
const ReplyRecord& AddMessageLine(Driver& d, Text pwd, int continuation, Text line) {
  return Send(d, 0x34, Format("%s;%i;%s;", S(pwd).c_str(), continuation, S(line).c_str()));
}
const ReplyRecord& SetMaintenanceReminder(Driver& d, Text oldPassword, Text newPassword, Text date,
                                          int daysAhead, int mask) {
  return Send(d, 0x35,
              Format("%s;%s;%s;%i;%02X;", S(oldPassword).c_str(), S(newPassword).c_str(),
                     S(date).c_str(), daysAhead, mask));
}
const ReplyRecord& ReadMaintenanceReminder(Driver& d, Text pwd) {
  return PasswordOnly(d, 0x36, pwd);
}

const ReplyRecord& Fiscalize(Driver& d, Text pwd, Text a, Text b) {
  return Send(d, 0x40, Format("%s;%s;%s;", S(pwd).c_str(), S(a).c_str(), S(b).c_str()));
}
const ReplyRecord& ProgramSerialNumber(Driver& d, Text pwd, Text serial) {
  return PasswordAndText(d, 0x41, pwd, serial);
}
const ReplyRecord& ReadSerialNumber(Driver& d, Text pwd) {
  return PasswordOnly(d, 0x42, pwd);
}
const ReplyRecord& ProgramFiscalNumber(Driver& d, Text pwd, Text number) {
  return PasswordAndText(d, 0x43, pwd, number);
}
const ReplyRecord& ReadFiscalNumber(Driver& d, Text pwd) {
  return PasswordOnly(d, 0x44, pwd);
}
const ReplyRecord& ProgramTaxNumber(Driver& d, Text pwd, Text number, Text kind) {
  return Send(d, 0x45, Format("%s;%s;%s;", S(pwd).c_str(), S(number).c_str(), S(kind).c_str()));
}
const ReplyRecord& ReadTaxNumber(Driver& d, Text pwd) {
  return PasswordOnly(d, 0x46, pwd);
}
const ReplyRecord& SetTaxRate(Driver& d, Text pwd, int number, int mask, Text value, Text name) {
  return Send(d, 0x47,
              Format("%s;%i;%02X;%s;%s;-1;", S(pwd).c_str(), number, mask, S(value).c_str(),
                     S(name).c_str()));
}
const ReplyRecord& SetTaxRate(Driver& d, Text pwd, int number, int mask, Text value, Text name,
                              int last) {
  return Send(d, 0x47,
              Format("%s;%i;%02X;%s;%s;%i;", S(pwd).c_str(), number, mask, S(value).c_str(),
                     S(name).c_str(), last));
}
const ReplyRecord& ReadTaxRate(Driver& d, Text pwd, int number) {
  return PasswordAndInt(d, 0x48, pwd, number);
}
const ReplyRecord& SetDecimalPoint(Driver& d, Text pwd, int position) {
  return PasswordAndInt(d, 0x49, pwd, position);
}
const ReplyRecord& ReadDecimalPoint(Driver& d, Text pwd) {
  return PasswordOnly(d, 0x4A, pwd);
}

const ReplyRecord& OpenNonFiscalReceipt(Driver& d, Text pwd) {
  return PasswordOnly(d, 0x60, pwd);
}
const ReplyRecord& PrintText(Driver& d, Text pwd, Text text) {
  return PasswordAndText(d, 0x61, pwd, text);
}
const ReplyRecord& PrintNonFiscalLine(Driver& d, Text pwd, Text text) {
  return PasswordAndText(d, 0x61, pwd, text);
}
const ReplyRecord& OpenFiscalReceipt(Driver& d, Text pwd, int op, int till, int refund) {
  return Send(d, 0x63, Format("%s;%i;%i;%i;", S(pwd).c_str(), op, till, refund));
}

const ReplyRecord& SellArticle(Driver& d, Text pwd, int64_t code, double quantity, double price,
                               int& result) {
  if (!(quantity > 0)) return Refuse(d, result, -151);
  if (price < 0) return Refuse(d, result, -152);
  result = 0;
  return Send(d, 0x64,
              Format("%s;%lld;%s;%s;", S(pwd).c_str(), static_cast<long long>(code),
                     FormatQuantity(quantity).c_str(), FormatAmount(price).c_str()));
}

const ReplyRecord& CloseFiscalReceipt(Driver& d, Text pwd) {
  return Send(d, 0x65, Format("%s;0;", S(pwd).c_str()));
}
const ReplyRecord& CloseFiscalReceipt(Driver& d, Text pwd, int value) {
  return PasswordAndInt(d, 0x65, pwd, value);
}

const ReplyRecord& Payment(Driver& d, Text pwd, int type, double amount, int& result) {
  if (type < 0 || type > 9) return Refuse(d, result, -151);
  result = 0;
  return Send(d, 0x67, Format("%s;%i;%s;", S(pwd).c_str(), type, FormatAmount(amount).c_str()));
}

const ReplyRecord& PercentDiscount(Driver& d, Text pwd, double v) {
  return PasswordAndAmount(d, 0x68, pwd, v);
}
const ReplyRecord& AbsoluteDiscount(Driver& d, Text pwd, double v) {
  return PasswordAndAmount(d, 0x69, pwd, v);
}
const ReplyRecord& VoidOperation(Driver& d, Text pwd, int kind) {
  return PasswordAndInt(d, 0x6B, pwd, kind);
}
const ReplyRecord& PrintTotal(Driver& d, Text pwd, bool flag) {
  return Send(d, 0x6D, Format(flag ? "%s;1;" : "%s;0;", S(pwd).c_str()));
}
const ReplyRecord& CashInOut(Driver& d, Text pwd, int op, double amount) {
  return Send(d, 0x6E, Format("%s;%i;%s;", S(pwd).c_str(), op, FormatAmount(amount).c_str()));
}

const ReplyRecord& PrintEan13Barcode(Driver& d, Text pwd, int height, Text digits, int& result) {
  if (!IsEan13Payload(digits)) return Refuse(d, result, -100);
  result = 0;
  return Send(d, 0x6F, Format("%s;%i;%s;", S(pwd).c_str(), height, Ean13Line(digits).c_str()));
}

const ReplyRecord& SubtotalPercentDiscount(Driver& d, Text pwd, double v) {
  return PasswordAndAmount(d, 0x73, pwd, v);
}
const ReplyRecord& SubtotalAbsoluteDiscount(Driver& d, Text pwd, double v) {
  return PasswordAndAmount(d, 0x74, pwd, v);
}
const ReplyRecord& TaxGroupPercentDiscount(Driver& d, Text pwd, double v, int group) {
  return Send(d, 0x75, Format("%s;%s;%i;", S(pwd).c_str(), FormatAmount(v).c_str(), group));
}
const ReplyRecord& TaxGroupAbsoluteDiscount(Driver& d, Text pwd, double v, int group) {
  return Send(d, 0x76, Format("%s;%s;%i;", S(pwd).c_str(), FormatAmount(v).c_str(), group));
}
const ReplyRecord& ServiceCashIn(Driver& d, Text pwd, int kind, double amount) {
  return Send(d, 0x77, Format("%s;%i;%s;", S(pwd).c_str(), kind, FormatAmount(amount).c_str()));
}

const ReplyRecord& ReadDiagnostics(Driver& d, Text pwd) {
  return PasswordOnly(d, 0x80, pwd);
}
const ReplyRecord& Identify(Driver& d, Text pwd) {
  return PasswordOnly(d, 0x80, pwd);
}
const ReplyRecord& ShowOnDisplay(Driver& d, Text pwd, int function, int value, Text text) {
  return Send(d, 0x81, Format("%s;%i;%i;%s;", S(pwd).c_str(), function, value, S(text).c_str()));
}
const ReplyRecord& PrintServiceReport(Driver& d, Text pwd, int report) {
  return PasswordAndInt(d, 0x84, pwd, report);
}
const ReplyRecord& SetServiceParameter(Driver& d, Text pwd, int number, int value) {
  return PasswordAndTwoInts(d, 0x88, pwd, number, value);
}
const ReplyRecord& ReadServiceParameter(Driver& d, Text pwd, int number) {
  return PasswordAndInt(d, 0x89, pwd, number);
}
const ReplyRecord& ZeroGoodsBase(Driver& d, Text pwd) {
  return PasswordOnly(d, 0x3B, pwd);
}
const ReplyRecord& ReadResources(Driver& d, Text pwd) {
  return PasswordOnly(d, 0xA0, pwd);
}
const ReplyRecord& PrintReport(Driver& d, Text pwd, int kind) {
  return PasswordAndInt(d, 0xA1, pwd, kind);
}
const ReplyRecord& FindReportByDate(Driver& d, Text pwd, Text date, Text second, int firstOrLast) {
  return Send(
      d, 0xA2,
      Format("%s;%s;%s;%i;", S(pwd).c_str(), S(date).c_str(), S(second).c_str(), firstOrLast));
}
const ReplyRecord& PrintPeriodicReport(Driver& d, Text pwd, int first, int last, int full) {
  return Send(d, 0xA3, Format("%s;%i;%i;%i;", S(pwd).c_str(), first, last, full));
}
const ReplyRecord& PrintGoodsReport(Driver& d, Text pwd, int64_t first, int64_t last) {
  return Send(d, 0xA4,
              Format("%s;%lld;%lld;", S(pwd).c_str(), static_cast<long long>(first),
                     static_cast<long long>(last)));
}
const ReplyRecord& PrintReceiptCopies(Driver& d, Text pwd, int first, int last) {
  return PasswordAndTwoInts(d, 0xA5, pwd, first, last);
}
const ReplyRecord& PrintAdditionalReport(Driver& d, Text pwd, int type) {
  return Send(d, 0xA6, Format("%s;%i;;;", S(pwd).c_str(), type));
}

const ReplyRecord& SelectDataSource(Driver& d, Text pwd, int kind, int value) {
  const std::string p = S(pwd);
  switch (kind) {
    case 0:
    case 1:
    case 3:
      return Send(d, 0xE7, Format("%s;%i;;%i;", p.c_str(), kind, value));
    case 2:
    case 5:
      return Send(d, 0xE7, Format("%s;%i;;;", p.c_str(), kind));
    default:
      return d.Record();
  }
}
const ReplyRecord& ReadDataPacket(Driver& d, Text pwd) {
  return PasswordOnly(d, 0xE8, pwd);
}
const ReplyRecord& PrintTapeByNumbers(Driver& d, Text pwd, int first, int last) {
  return PasswordAndTwoInts(d, 0xEB, pwd, first, last);
}
const ReplyRecord& PrintTapeByDates(Driver& d, Text pwd, Text startDate, Text startTime,
                                    Text endDate, Text endTime, int print) {
  return Send(d, 0xEE,
              Format("%s;%s;%s;%s;%s;%i;", S(pwd).c_str(), S(startDate).c_str(),
                     S(startTime).c_str(), S(endDate).c_str(), S(endTime).c_str(), print));
}
const ReplyRecord& RestartRegistrar(Driver& d, Text pwd) {
  return PasswordOnly(d, 0xF3, pwd);
}

}  // namespace tesmar::link
