#include "link/formatters.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>

#include "link/command_table.h"
#include "link/memory_transport.h"
#include "tests/support/test_support.h"

using namespace tesmar::link;

namespace {

struct Recorder {
  tesmar::test::RecordingSleeper sleeper;
  Driver driver{sleeper};
  MemoryTransport* link;
  Recorder() {
    link = new MemoryTransport(
        [](const std::vector<uint8_t>& req) { return tesmar::test::Reply(req[2], req[3], ""); });
    driver.AttachSerialLink(std::unique_ptr<Transport>(link));
  }
  // Code and parameter string of the last frame written.
  std::pair<int, std::string> Last() const {
    const auto& f = link->Writes().back();
    return {f[3], std::string(f.begin() + 4, f.end() - 6)};
  }
};

struct Row {
  const char* name;
  std::function<void(Driver&)> call;
  int code;
  std::string params;
};

const std::string P = "731942";

}  // namespace

TEST(Formatters, everyRowSendsExactlyItsParameterString) {
  int r = 99;
  const std::vector<Row> rows = {
      {"20", [](Driver& d) { SetDateTime(d, P, "081226", "1530"); }, 0x20, "731942;081226;1530;"},
      {"21", [](Driver& d) { ReadDateTime(d, P); }, 0x21, "731942;"},
      {"22", [&](Driver& d) { ProgramHeaderLine(d, P, 20, "ТОВ Ромашка", 3, r); }, 0x22,
       "731942;20;ТОВ Ромашка;3;"},
      {"23", [&](Driver& d) { ReadHeaderLine(d, P, 0, r); }, 0x23, "731942;0;"},
      {"27", [](Driver& d) { ProgramRegistrarParameters(d, P, 5, 1, 0x1A2, 0xF, 0x30, 1, 7); },
       0x27, "731942;5;1;01A2;0F;30;01;07;"},
      {"28", [](Driver& d) { ReadRegistrarParameters(d, P); }, 0x28, "731942;"},
      {"29", [&](Driver& d) { SetLogoLine(d, P, 3, std::string(48, 'F'), r); }, 0x29,
       "731942;3;" + std::string(48, 'F') + ";"},
      {"2B", [](Driver& d) { SetModePasswords(d, P, "1", "22", "333"); }, 0x2B, "731942;1;22;333;"},
      {"2C", [](Driver& d) { ResetOperatorPassword(d, P, 4); }, 0x2C, "731942;4;"},
      {"2D", [](Driver& d) { SetPaymentType(d, P, 2, 0x0B, "Картка"); }, 0x2D,
       "731942;2;0B;Картка;"},
      {"2E", [](Driver& d) { ReadPaymentType(d, P, 9); }, 0x2E, "731942;9;"},
      {"2F", [](Driver& d) { SetOperator(d, P, 1, "0000", "Оля"); }, 0x2F, "731942;1;0000;Оля;"},
      {"30", [](Driver& d) { ReadOperator(d, P, 1); }, 0x30, "731942;1;"},
      {"34", [](Driver& d) { AddMessageLine(d, P, 0, "ТО"); }, 0x34, "731942;0;ТО;"},
      {"35", [](Driver& d) { SetMaintenanceReminder(d, "111", "222", "311226", 14, 0x3); }, 0x35,
       "111;222;311226;14;03;"},
      {"36", [](Driver& d) { ReadMaintenanceReminder(d, P); }, 0x36, "731942;"},
      {"40", [](Driver& d) { Fiscalize(d, P, "AB1", "X"); }, 0x40, "731942;AB1;X;"},
      {"41", [](Driver& d) { ProgramSerialNumber(d, P, "ЭК00001"); }, 0x41, "731942;ЭК00001;"},
      {"42", [](Driver& d) { ReadSerialNumber(d, P); }, 0x42, "731942;"},
      {"43", [](Driver& d) { ProgramFiscalNumber(d, P, "3000123"); }, 0x43, "731942;3000123;"},
      {"44", [](Driver& d) { ReadFiscalNumber(d, P); }, 0x44, "731942;"},
      {"45", [](Driver& d) { ProgramTaxNumber(d, P, "123456789012", "0"); }, 0x45,
       "731942;123456789012;0;"},
      {"46", [](Driver& d) { ReadTaxNumber(d, P); }, 0x46, "731942;"},
      {"47a", [](Driver& d) { SetTaxRate(d, P, 1, 0x81, "20.00", "А"); }, 0x47,
       "731942;1;81;20.00;А;-1;"},
      {"47b", [](Driver& d) { SetTaxRate(d, P, 2, 0x1, "7.00", "Б", 5); }, 0x47,
       "731942;2;01;7.00;Б;5;"},
      {"48", [](Driver& d) { ReadTaxRate(d, P, 3); }, 0x48, "731942;3;"},
      {"49", [](Driver& d) { SetDecimalPoint(d, P, 2); }, 0x49, "731942;2;"},
      {"4A", [](Driver& d) { ReadDecimalPoint(d, P); }, 0x4A, "731942;"},
      {"60", [](Driver& d) { OpenNonFiscalReceipt(d, P); }, 0x60, "731942;"},
      {"61a", [](Driver& d) { PrintText(d, P, "Дякуємо!"); }, 0x61, "731942;Дякуємо!;"},
      {"61b", [](Driver& d) { PrintNonFiscalLine(d, P, "x"); }, 0x61, "731942;x;"},
      {"63", [](Driver& d) { OpenFiscalReceipt(d, P, 1, 2, 0); }, 0x63, "731942;1;2;0;"},
      {"64", [&](Driver& d) { SellArticle(d, P, 4820000000012LL, 2, 12.5, r); }, 0x64,
       "731942;4820000000012;2.000;12.50;"},
      {"65a", [](Driver& d) { CloseFiscalReceipt(d, P); }, 0x65, "731942;0;"},
      {"65b", [](Driver& d) { CloseFiscalReceipt(d, P, 1); }, 0x65, "731942;1;"},
      {"67", [&](Driver& d) { Payment(d, P, 9, 0, r); }, 0x67, "731942;9;0.00;"},
      {"68", [&](Driver& d) { PercentDiscount(d, P, -1.5, r); }, 0x68, "731942;-1.50;"},
      {"69", [&](Driver& d) { AbsoluteDiscount(d, P, 3, r); }, 0x69, "731942;3.00;"},
      {"6B", [](Driver& d) { VoidOperation(d, P, 3); }, 0x6B, "731942;3;"},
      {"6D1", [](Driver& d) { PrintTotal(d, P, true); }, 0x6D, "731942;1;"},
      {"6D0", [](Driver& d) { PrintTotal(d, P, false); }, 0x6D, "731942;0;"},
      {"6E", [&](Driver& d) { CashInOut(d, P, 1, -250.5, r); }, 0x6E, "731942;1;-250.50;"},
      {"73", [&](Driver& d) { SubtotalPercentDiscount(d, P, 5, r); }, 0x73, "731942;5.00;"},
      {"74", [&](Driver& d) { SubtotalAbsoluteDiscount(d, P, 0.1, r); }, 0x74, "731942;0.10;"},
      {"75", [&](Driver& d) { TaxGroupPercentDiscount(d, P, 1, 2, r); }, 0x75, "731942;1.00;2;"},
      {"76", [&](Driver& d) { TaxGroupAbsoluteDiscount(d, P, 1, 3, r); }, 0x76, "731942;1.00;3;"},
      {"77", [&](Driver& d) { ServiceCashIn(d, P, 0, 100, r); }, 0x77, "731942;0;100.00;"},
      {"80a", [](Driver& d) { ReadDiagnostics(d, P); }, 0x80, "731942;"},
      {"80b", [](Driver& d) { Identify(d, P); }, 0x80, "731942;"},
      {"81", [](Driver& d) { ShowOnDisplay(d, P, 1, 0, "Сума"); }, 0x81, "731942;1;0;Сума;"},
      {"84", [](Driver& d) { PrintServiceReport(d, P, 2); }, 0x84, "731942;2;"},
      {"88", [](Driver& d) { SetServiceParameter(d, P, 20, 0); }, 0x88, "731942;20;0;"},
      {"89", [](Driver& d) { ReadServiceParameter(d, P, 20); }, 0x89, "731942;20;"},
      {"A0", [](Driver& d) { ReadResources(d, P); }, 0xA0, "731942;"},
      {"A1", [](Driver& d) { PrintReport(d, P, 0); }, 0xA1, "731942;0;"},
      {"A2", [](Driver& d) { FindReportByDate(d, P, "081226", "x", 1); }, 0xA2,
       "731942;081226;x;1;"},
      {"A3", [](Driver& d) { PrintPeriodicReport(d, P, 1, 30, 1); }, 0xA3, "731942;1;30;1;"},
      {"A4", [](Driver& d) { PrintGoodsReport(d, P, 1, 9223372036854775807LL); }, 0xA4,
       "731942;1;9223372036854775807;"},
      {"A5", [](Driver& d) { PrintReceiptCopies(d, P, 5, 7); }, 0xA5, "731942;5;7;"},
      {"A6", [](Driver& d) { PrintAdditionalReport(d, P, 2); }, 0xA6, "731942;2;;;"},
      {"E7-0", [](Driver& d) { SelectDataSource(d, P, 0, 17); }, 0xE7, "731942;0;;17;"},
      {"E7-1", [](Driver& d) { SelectDataSource(d, P, 1, 18); }, 0xE7, "731942;1;;18;"},
      {"E7-2", [](Driver& d) { SelectDataSource(d, P, 2, 19); }, 0xE7, "731942;2;;;"},
      {"E7-3", [](Driver& d) { SelectDataSource(d, P, 3, 20); }, 0xE7, "731942;3;;20;"},
      {"E7-5", [](Driver& d) { SelectDataSource(d, P, 5, 21); }, 0xE7, "731942;5;;;"},
      {"E8", [](Driver& d) { ReadDataPacket(d, P); }, 0xE8, "731942;"},
      {"EB", [](Driver& d) { PrintTapeByNumbers(d, "731942", 1, 2); }, 0xEB, "731942;1;2;"},
      {"EE", [](Driver& d) { PrintTapeByDates(d, P, "010126", "0000", "311226", "2359", 1); }, 0xEE,
       "731942;010126;0000;311226;2359;1;"},
      {"F3", [](Driver& d) { RestartRegistrar(d, P); }, 0xF3, "731942;"},
  };
  for (const Row& row : rows) {
    Recorder rec;
    r = 99;
    row.call(rec.driver);
    ASSERT_EQ(rec.link->Writes().size(), 1u) << row.name;
    EXPECT_EQ(rec.Last(), std::make_pair(row.code, row.params)) << row.name;
    EXPECT_TRUE(r == 99 || r == 0) << row.name;
  }
}

// The Qt program runs with the user's locale; a decimal comma there must not
// reach the registrar. The README's test command generates ru_UA.UTF-8.
TEST(Formatters, amountsKeepTheirPointUnderADecimalCommaLocale) {
  if (!std::setlocale(LC_NUMERIC, "ru_UA.UTF-8")) GTEST_SKIP() << "locale ru_UA.UTF-8 is missing";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 1.5);
  EXPECT_STREQ(probe, "1,5");  // the locale really has a comma
  Recorder rec;
  int r = 0;
  SellArticle(rec.driver, P, 7, 1.5, 12.25, r);
  EXPECT_EQ(rec.Last().second, "731942;7;1.500;12.25;");
  CashInOut(rec.driver, P, 1, -0.5, r);
  EXPECT_EQ(rec.Last().second, "731942;1;-0.50;");
  std::setlocale(LC_NUMERIC, "C");
}

namespace {

using Refused = const ReplyRecord&;
#define CALL(expr) [](Driver& d, int& r) -> Refused { return expr; }

}  // namespace

TEST(Formatters, refusalsSendNothingAndReturnTheRecordAsItStands) {
  struct Refusal {
    const char* name;
    std::function<Refused(Driver&, int&)> call;
    int expected;
  };
  const std::vector<Refusal> refusals = {
      {"6F short", CALL(PrintEan13Barcode(d, P, 10, "40063813339", r)), -100},
      {"6F letter", CALL(PrintEan13Barcode(d, P, 10, "40063813339x", r)), -100},
      {"29 line", CALL(SetLogoLine(d, P, -1, "short", r)), -110},
      {"29 47", CALL(SetLogoLine(d, P, 0, std::string(47, '0'), r)), -111},
      {"29 49", CALL(SetLogoLine(d, P, 0, std::string(49, '0'), r)), -111},
      {"22 low", CALL(ProgramHeaderLine(d, P, -1, "x", 0, r)), -121},
      {"22 high", CALL(ProgramHeaderLine(d, P, 21, "x", 0, r)), -121},
      {"23 high", CALL(ReadHeaderLine(d, P, 21, r)), -131},
      {"64 qty 0", CALL(SellArticle(d, P, 1, 0, 1, r)), -151},
      {"64 qty<0", CALL(SellArticle(d, P, 1, -1, 1, r)), -151},
      {"64 price", CALL(SellArticle(d, P, 1, 1, -0.01, r)), -152},
      {"67 type", CALL(Payment(d, P, 10, 1, r)), -151},
      {"67 type<0", CALL(Payment(d, P, -1, 1, r)), -151},
      // Numbers that cannot be written are refused, never sent as "0".
      {"64 qty 1e61", CALL(SellArticle(d, P, 1, 1e61, 1, r)), refusal::kNumberTooLarge},
      {"64 price 1e70", CALL(SellArticle(d, P, 1, 1, 1e70, r)), refusal::kNumberTooLarge},
      {"64 price nan", CALL(SellArticle(d, P, 1, 1, std::nan(""), r)), refusal::kNumberTooLarge},
      {"67 amount", CALL(Payment(d, P, 0, 1e62, r)), refusal::kNumberTooLarge},
      {"68", CALL(PercentDiscount(d, P, -1e62, r)), refusal::kNumberTooLarge},
      {"69", CALL(AbsoluteDiscount(d, P, std::nan(""), r)), refusal::kNumberTooLarge},
      {"6E", CALL(CashInOut(d, P, 1, 1e300, r)), refusal::kNumberTooLarge},
      {"73", CALL(SubtotalPercentDiscount(d, P, 1e63, r)), refusal::kNumberTooLarge},
      {"74", CALL(SubtotalAbsoluteDiscount(d, P, 1e63, r)), refusal::kNumberTooLarge},
      {"75", CALL(TaxGroupPercentDiscount(d, P, 1e63, 1, r)), refusal::kNumberTooLarge},
      {"76", CALL(TaxGroupAbsoluteDiscount(d, P, -1e63, 1, r)), refusal::kNumberTooLarge},
      {"77", CALL(ServiceCashIn(d, P, 0, 1e63, r)), refusal::kNumberTooLarge},
  };
  for (const auto& x : refusals) {
    Recorder rec;
    ReadDateTime(rec.driver, P);  // the record now holds a 21h reply
    int r = 0;
    const ReplyRecord& out = x.call(rec.driver, r);
    EXPECT_EQ(r, x.expected) << x.name;
    EXPECT_EQ(rec.link->Writes().size(), 1u) << x.name;
    EXPECT_EQ(out.commandCode, 0x21) << x.name;
  }
  Recorder rec;
  SelectDataSource(rec.driver, P, 4, 1);
  SelectDataSource(rec.driver, P, 6, 1);
  EXPECT_TRUE(rec.link->Writes().empty());
  // Numbers that can be written still go out whole: 2^199 has 60 digits.
  int r = 99;
  CashInOut(rec.driver, P, 1, 0x1p199, r);
  EXPECT_EQ(r, 0);
  EXPECT_EQ(rec.Last().second,
            "731942;1;803469022129495137770981046170581301261101496891396417650688.00;");
}

#undef CALL

TEST(Formatters, amountsAndQuantitiesHaveFixedDecimals) {
  EXPECT_EQ(FormatAmount(0), "0.00");
  EXPECT_EQ(FormatAmount(-1.5), "-1.50");
  EXPECT_EQ(FormatAmount(12.5), "12.50");
  EXPECT_EQ(FormatAmount(1234567.891), "1234567.89");
  EXPECT_EQ(FormatQuantity(2), "2.000");
  EXPECT_EQ(FormatQuantity(0.0005), "0.001");
  EXPECT_EQ(FormatAmount(std::numeric_limits<double>::infinity()), "");
  EXPECT_EQ(FormatQuantity(1e61), "");
}

// The examples the protocol description gives, as they go out.
TEST(Formatters, documentedExamplesGoOutAsWritten) {
  Recorder rec;
  ReadDateTime(rec.driver, P);  // counter 0 before the call
  const auto& frame = rec.link->Writes().back();
  ASSERT_EQ(frame.size(), 17u);
  EXPECT_EQ(std::vector<uint8_t>(frame.begin(), frame.begin() + 4),
            (std::vector<uint8_t>{0x01, 0x2B, 0x21, 0x21}));
  EXPECT_EQ(std::string(frame.begin() + 4, frame.begin() + 11), "731942;");
  EXPECT_EQ(frame[11], 0x05);
  EXPECT_EQ(frame.back(), 0x03);
  // The Z report: the password, ";", "0", ";".
  PrintReport(rec.driver, P, 0);
  EXPECT_EQ(rec.Last(), std::make_pair(0xA1, std::string("731942;0;")));
  // What the connect sends to switch remote access off.
  SetServiceParameter(rec.driver, "731942", 20, 0);
  EXPECT_EQ(rec.Last().second, "731942;20;0;");
  // 12.5 gives "12.50", 2 gives "2.000".
  int r = 0;
  SellArticle(rec.driver, P, 1, 2, 12.5, r);
  EXPECT_EQ(rec.Last().second, "731942;1;2.000;12.50;");
}

TEST(Params, joinsFieldsEachFollowedByASeparator) {
  EXPECT_EQ(Params("731942").Str(), "731942;");
  EXPECT_EQ(Params("731942")
                .Add(-7)
                .Add(int64_t{4820000000012})
                .Add("текст")
                .Empty()
                .Hex(0x1A2, 4)
                .Hex(0xB, 2)
                .TwoDigits(7)
                .Amount(12.5)
                .Quantity(2)
                .Str(),
            "731942;-7;4820000000012;текст;;01A2;0B;07;12.50;2.000;");
  EXPECT_TRUE(Params("1").Amount(1e60).Fits());
  const Params tooLarge = Params("1").Quantity(1e61).Add(2);
  EXPECT_FALSE(tooLarge.Fits());
  EXPECT_EQ(tooLarge.Str(), "1;;2;");
}

TEST(CommandTable, captionsAndTemplates) {
  for (int code : {0x1F, 0x84, 0xA4, 0xFF, 0x2A, 0x31})
    EXPECT_STREQ(CommandCaption(code), "Неверная команда") << code;
  EXPECT_STREQ(CommandCaption(0x65), "Команда 65h: Закрытие  фискального чека");
  std::string_view caption, tmpl;
  EXPECT_TRUE(LookupCommand(0x24, caption, tmpl));
  EXPECT_EQ(caption, "Команда 24h: Добавление товара");
  EXPECT_EQ(tmpl, "<код товара>;<наименование>;<цена>;<налоговая группа>;<номер отдела>;");
  EXPECT_FALSE(LookupCommand(0xA4, caption, tmpl));
  EXPECT_EQ(caption, "Неверная команда");
  // The record carries the caption; an unknown code is still sent.
  Recorder rec;
  EXPECT_STREQ(rec.driver.ExecuteCommand(0xF3, "731942;").caption, "Неверная команда");
  EXPECT_EQ(rec.link->Writes().size(), 1u);
  int count = 0;
  for (int c = 0x20; c <= 0xA3; ++c) count += LookupCommand(c, caption, tmpl);
  EXPECT_EQ(count, 49);
}
