// Every command the program knows, one row each:
//
//   X(code, Name, password mode, reply patch, emulation, caption, template)
//
// - Name gives the code's constant, link::cmd::kName (command_codes.h).
// - The password mode is the mode of the registrar whose password the first
//   field must carry: kWorking (the registrar's own or any mode's),
//   kProgramming, kReports, kAdministrator, or kOwn (the command carries a
//   password of its own, which its handler checks).
// - The reply patch is what the receiver does to the reply's data before it
//   splits the fields: kNone, kCommaAfterFirst (a "," after the first
//   character), kNinthComma (the ninth character becomes ","),
//   kBlanksToCommas (blanks among the first 20 characters become ",").
// - Emulation says whether the software registrar answers the command
//   (kEmulated) or refuses it as unknown (kNotEmulated).
// - Caption and template are the command table's texts, nullptr for a code
//   outside the table (its caption is then "Неверная команда").
//
// The code constants, the command table, the receiver's patches, the
// software registrar's password check and its coverage test all read these
// rows: a new command is one row here.
//
// Self-contained: nothing but the language is needed to include it.
#pragma once

// clang-format off
#define TESMAR_LINK_COMMANDS(X) \
  /* Clock, header and registrar settings */ \
  X(0x20, SetDateTime, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 20h: Установка даты и времени"), "<DDMMYY>;<HHMM>;") \
  X(0x21, ReadDateTime, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 21h: Чтение даты и времени"), Tesmar::mark("Параметров нет")) \
  X(0x22, ProgramHeaderLine, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 22h: Программирование заголовка и окончания документа"), Tesmar::mark("<номер строки>;<текст>;")) \
  X(0x23, ReadHeaderLine, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 23h: Чтение заголовка и окончания документа"), Tesmar::mark("<номер строки>;")) \
  X(0x24, AddArticle, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 24h: Добавление товара"), Tesmar::mark("<код товара>;<наименование>;<цена>;<налоговая группа>;<номер отдела>;")) \
  X(0x25, FindArticle, kWorking, kNone, kNotEmulated, \
    Tesmar::mark("Команда 25h: Поиск индекса товара"), Tesmar::mark("<код товара>;")) \
  X(0x26, ReadArticle, kWorking, kNone, kNotEmulated, \
    Tesmar::mark("Команда 26h: Чтение параметров товара по индексу"), Tesmar::mark("<индекс товара>;")) \
  X(0x27, ProgramRegistrarParameters, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 27h: Программирование параметров регистратора"), Tesmar::mark("<скор.>;<контр.печ.>;<парам. док.>;<лог.польз.>;<имп.ден.ящика>;<обн.баз.тов.>;")) \
  X(0x28, ReadRegistrarParameters, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 28h: Получение параметров регистратора"), Tesmar::mark("Параметров нет")) \
  X(0x29, SetLogoLine, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 29h: Установка логотипа пользователя"), Tesmar::mark("<номер линии>;<содержание линии(пикселы упак. в байты)>;")) \
  X(0x2B, SetModePasswords, kAdministrator, kNone, kEmulated, \
    Tesmar::mark("Команда 2Bh: Установить пароли Режимов"), Tesmar::mark("<пароль ручных отчетов>;<пароль прогр.>;<пароль отчетов>;<пароль администратора>;")) \
  X(0x2C, ResetOperatorPassword, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 2Ch: Сбросить пароль Оператора"), Tesmar::mark("<индекс оператора>;")) \
  X(0x2D, SetPaymentType, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 2Dh: Установка параметров оплаты"), Tesmar::mark("<номер оплаты>;<маска разрешений>;<наименование>;")) \
  X(0x2E, ReadPaymentType, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 2Eh: Чтение параметров оплаты"), Tesmar::mark("<номер оплаты>;")) \
  X(0x2F, SetOperator, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 2Fh: Установка параметров оператора"), Tesmar::mark("<индекс оператора>;<пароль>;<имя>;")) \
  X(0x30, ReadOperator, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 30h: Чтение параметров оператора"), Tesmar::mark("<индекс оператора>;")) \
  X(0x31, FinishLogo, kProgramming, kNone, kEmulated, nullptr, nullptr) \
  X(0x32, Patched32, kWorking, kCommaAfterFirst, kNotEmulated, nullptr, nullptr) \
  X(0x34, AddMessageLine, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0x35, SetMaintenanceReminder, kOwn, kCommaAfterFirst, kEmulated, nullptr, nullptr) \
  X(0x36, ReadMaintenanceReminder, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0x3B, ClearGoodsBase, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0x3E, Patched3E, kWorking, kNinthComma, kNotEmulated, nullptr, nullptr) \
  /* Fiscal identity */ \
  X(0x40, Fiscalize, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 40h: Фискализация"), Tesmar::mark("<заводской номер>;")) \
  X(0x41, ProgramSerialNumber, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 41h: Программирование заводского номера"), Tesmar::mark("<заводской номер>;")) \
  X(0x42, ReadSerialNumber, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 42h: Чтение заводского номера"), Tesmar::mark("Параметров нет")) \
  X(0x43, ProgramFiscalNumber, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 43h: Программирование фискального номера"), Tesmar::mark("<фискальный номер>")) \
  X(0x44, ReadFiscalNumber, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 44h: Чтение фискального номера"), Tesmar::mark("Параметров нет")) \
  X(0x45, ProgramTaxNumber, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 45h: Программирование налогового/идентификационного номера"), Tesmar::mark("<налоговый/идентификационный номер>;<тип номера>;")) \
  X(0x46, ReadTaxNumber, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 46h: Чтение налогового/идентификационного номера"), Tesmar::mark("<Параметров нет>")) \
  X(0x47, SetTaxRate, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 47h: Установка налоговых ставок"), Tesmar::mark("<номер налога>;<маска>;<значение налога>;<наименование>;")) \
  X(0x48, ReadTaxRate, kProgramming, kNone, kEmulated, \
    Tesmar::mark("Команда 48h: Чтение налоговых ставок"), Tesmar::mark("<номер налога>;")) \
  X(0x49, SetDecimalPoint, kProgramming, kNone, kEmulated, nullptr, nullptr) \
  X(0x4A, ReadDecimalPoint, kProgramming, kNone, kEmulated, nullptr, nullptr) \
  X(0x4B, SetIdDev, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0x4C, ReadIdDevFromFiscalMemory, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0x4D, ReadIdDevFromCard, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0x5A, Patched5A, kWorking, kBlanksToCommas, kNotEmulated, nullptr, nullptr) \
  /* Receipts */ \
  X(0x60, OpenNonFiscalReceipt, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 60h: Открытие нефискального чека"), Tesmar::mark("Параметров нет")) \
  X(0x61, PrintText, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 61h: Печать текста"), Tesmar::mark("<текст>;")) \
  X(0x62, CloseNonFiscalReceipt, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 62h: Закрытие нефискального чека"), Tesmar::mark("Параметров нет")) \
  X(0x63, OpenFiscalReceipt, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 63h: Открытие фискального чека"), Tesmar::mark("<Номер оператора>;<номер кассы>;<чек возврата>;")) \
  X(0x64, SellArticle, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 64h: Продажа запрограммированного товара"), Tesmar::mark("<код товара>;<количество>;")) \
  X(0x65, CloseFiscalReceipt, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 65h: Закрытие  фискального чека"), Tesmar::mark("Параметров нет")) \
  X(0x66, ReceiptCopy, kWorking, kNone, kNotEmulated, \
    Tesmar::mark("Команда 66h: Копия чека"), Tesmar::mark("<количество копий(0-3)>")) \
  X(0x67, Payment, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 67h: Оплата"), Tesmar::mark("<тип оплаты>;<сумма платежа>;")) \
  X(0x68, PercentDiscount, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 68h: Скидка/наценка на товар процентная"), Tesmar::mark("<значение скидки>")) \
  X(0x69, AbsoluteDiscount, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 69h: Скидка/наценка на товар абсолютная"), Tesmar::mark("<значение скидки>")) \
  X(0x6A, AdditionalTax, kWorking, kNone, kNotEmulated, \
    Tesmar::mark("Команда 6Ah: Дополнительный налог"), Tesmar::mark("<номер налога>")) \
  X(0x6B, VoidOperation, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 6Bh: Аннулирования"), Tesmar::mark("<тип операции аннулирования(0-3)>")) \
  X(0x6C, SumPercentDiscount, kWorking, kNone, kNotEmulated, \
    Tesmar::mark("Команда 6Ch: Скидка/наценка на сумму процентная"), Tesmar::mark("<значение скидки>")) \
  X(0x6D, PrintTotal, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 6Dh: Напечатать итог"), Tesmar::mark("Параметров нет")) \
  X(0x6E, CashInOut, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 6Eh: Внесение/выдача сумм"), Tesmar::mark("<номер оператора>;<величина служебного внесения-служебной выдачи>;")) \
  X(0x6F, PrintBarcode, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 6Fh: Печать штрих кода"), Tesmar::mark("<высота кода в линиях-пикселях>;<линия для печати штрихкода>;")) \
  X(0x73, SubtotalPercentDiscount, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0x74, SubtotalAbsoluteDiscount, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0x75, TaxGroupPercentDiscount, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0x76, TaxGroupAbsoluteDiscount, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0x77, ServiceCashIn, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0x78, CardPayment, kWorking, kNone, kEmulated, nullptr, nullptr) \
  /* Device */ \
  X(0x80, Identify, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 80h: Диагностическая информация"), Tesmar::mark("Параметров нет")) \
  X(0x81, ShowOnDisplay, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 81h: Вывод информации на дисплей"), Tesmar::mark("<функция  (0-3)>;<текст>;")) \
  X(0x82, Sound, kWorking, kNone, kNotEmulated, \
    Tesmar::mark("Команда 82h: Звук"), Tesmar::mark("<номер мелодии>;")) \
  X(0x83, OpenCashDrawer, kWorking, kNone, kEmulated, \
    Tesmar::mark("Команда 83h: Открытие денежного ящика"), Tesmar::mark("Параметров нет")) \
  X(0x84, PrintServiceReport, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0x87, OpenSecondCashDrawer, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0x88, SetServiceParameter, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0x89, ReadServiceParameter, kWorking, kNone, kEmulated, nullptr, nullptr) \
  /* Reports */ \
  X(0xA0, ReadResources, kReports, kNone, kEmulated, \
    Tesmar::mark("Команда A0h: Информация о свободных ресурсах и статусе"), Tesmar::mark("Параметров нет")) \
  X(0xA1, PrintReport, kReports, kNone, kEmulated, \
    Tesmar::mark("Команда A1h: Печать отчетов"), Tesmar::mark("<тип отчета (0-3)>;")) \
  X(0xA2, FindReportByDate, kReports, kNone, kEmulated, \
    Tesmar::mark("Команда A2h: Поиск отчета по дате"), Tesmar::mark("<дата DDMMYY>;<тип: 0 - первый, 1 - последний>;")) \
  X(0xA3, PrintPeriodicReport, kReports, kNone, kEmulated, \
    Tesmar::mark("Команда A3h: Печать периодического отчета"), Tesmar::mark("<номер начального>;<номер завершающего>;<тип: 0 - сокращенный, 1 - полный>;")) \
  X(0xA4, PrintGoodsReport, kReports, kNone, kEmulated, nullptr, nullptr) \
  X(0xA5, PrintReceiptCopies, kReports, kNone, kEmulated, nullptr, nullptr) \
  X(0xA6, PrintAdditionalReport, kReports, kNone, kEmulated, nullptr, nullptr) \
  /* Network, modem, memory and firmware */ \
  X(0xBA, WriteWifi, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0xBB, ReadWifi, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0xBC, RouterLink, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0xD0, SetRemoteAccess, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0xD1, ReadNetworkSettings, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0xE7, SelectDataSource, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0xE8, ReadDataPacket, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0xEA, ModemReport, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0xEB, PrintTapeByNumbers, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0xEE, PrintTapeByDates, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0xF0, ClearFlash, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0xF1, ReadFlash, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0xF2, WriteFlash, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0xF3, RestartRegistrar, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0xFA, ReadAcquirerLink, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0xFB, SetAcquirerLink, kWorking, kNone, kEmulated, nullptr, nullptr) \
  X(0xFC, LastAcquirerSession, kWorking, kNone, kEmulated, nullptr, nullptr)
// clang-format on
