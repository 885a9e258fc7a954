#include "command_table.h"

#include "command_codes.h"

namespace tesmar::link {

namespace {

struct CommandEntry {
  int code;
  const char* caption;
  const char* parameterTemplate;
};

constexpr CommandEntry kCommands[] = {
    {cmd::kSetDateTime, Tesmar::mark("Команда 20h: Установка даты и времени"), "<DDMMYY>;<HHMM>;"},
    {cmd::kReadDateTime, Tesmar::mark("Команда 21h: Чтение даты и времени"), Tesmar::mark("Параметров нет")},
    {cmd::kProgramHeaderLine, Tesmar::mark("Команда 22h: Программирование заголовка и окончания документа"),
     Tesmar::mark("<номер строки>;<текст>;")},
    {cmd::kReadHeaderLine, Tesmar::mark("Команда 23h: Чтение заголовка и окончания документа"),
     Tesmar::mark("<номер строки>;")},
    {cmd::kAddArticle, Tesmar::mark("Команда 24h: Добавление товара"),
     Tesmar::mark("<код товара>;<наименование>;<цена>;<налоговая группа>;<номер отдела>;")},
    {cmd::kFindArticle, Tesmar::mark("Команда 25h: Поиск индекса товара"), Tesmar::mark("<код товара>;")},
    {cmd::kReadArticle, Tesmar::mark("Команда 26h: Чтение параметров товара по индексу"), Tesmar::mark("<индекс товара>;")},
    {cmd::kProgramRegistrarParameters, Tesmar::mark("Команда 27h: Программирование параметров регистратора"),
     Tesmar::mark("<скор.>;<контр.печ.>;<парам. док.>;<лог.польз.>;<имп.ден.ящика>;<обн.баз.тов.>;")},
    {cmd::kReadRegistrarParameters, Tesmar::mark("Команда 28h: Получение параметров регистратора"),
     Tesmar::mark("Параметров нет")},
    {cmd::kSetLogoLine, Tesmar::mark("Команда 29h: Установка логотипа пользователя"),
     Tesmar::mark("<номер линии>;<содержание линии(пикселы упак. в байты)>;")},
    {cmd::kSetModePasswords, Tesmar::mark("Команда 2Bh: Установить пароли Режимов"),
     Tesmar::mark("<пароль ручных отчетов>;<пароль прогр.>;<пароль отчетов>;<пароль администратора>;")},
    {cmd::kResetOperatorPassword, Tesmar::mark("Команда 2Ch: Сбросить пароль Оператора"), Tesmar::mark("<индекс оператора>;")},
    {cmd::kSetPaymentType, Tesmar::mark("Команда 2Dh: Установка параметров оплаты"),
     Tesmar::mark("<номер оплаты>;<маска разрешений>;<наименование>;")},
    {cmd::kReadPaymentType, Tesmar::mark("Команда 2Eh: Чтение параметров оплаты"), Tesmar::mark("<номер оплаты>;")},
    {cmd::kSetOperator, Tesmar::mark("Команда 2Fh: Установка параметров оператора"),
     Tesmar::mark("<индекс оператора>;<пароль>;<имя>;")},
    {cmd::kReadOperator, Tesmar::mark("Команда 30h: Чтение параметров оператора"), Tesmar::mark("<индекс оператора>;")},
    {cmd::kFiscalize, Tesmar::mark("Команда 40h: Фискализация"), Tesmar::mark("<заводской номер>;")},
    {cmd::kProgramSerialNumber, Tesmar::mark("Команда 41h: Программирование заводского номера"),
     Tesmar::mark("<заводской номер>;")},
    {cmd::kReadSerialNumber, Tesmar::mark("Команда 42h: Чтение заводского номера"), Tesmar::mark("Параметров нет")},
    {cmd::kProgramFiscalNumber, Tesmar::mark("Команда 43h: Программирование фискального номера"),
     Tesmar::mark("<фискальный номер>")},
    {cmd::kReadFiscalNumber, Tesmar::mark("Команда 44h: Чтение фискального номера"), Tesmar::mark("Параметров нет")},
    {cmd::kProgramTaxNumber, Tesmar::mark("Команда 45h: Программирование налогового/идентификационного номера"),
     Tesmar::mark("<налоговый/идентификационный номер>;<тип номера>;")},
    {cmd::kReadTaxNumber, Tesmar::mark("Команда 46h: Чтение налогового/идентификационного номера"),
     Tesmar::mark("<Параметров нет>")},
    {cmd::kSetTaxRate, Tesmar::mark("Команда 47h: Установка налоговых ставок"),
     Tesmar::mark("<номер налога>;<маска>;<значение налога>;<наименование>;")},
    {cmd::kReadTaxRate, Tesmar::mark("Команда 48h: Чтение налоговых ставок"), Tesmar::mark("<номер налога>;")},
    {cmd::kOpenNonFiscalReceipt, Tesmar::mark("Команда 60h: Открытие нефискального чека"), Tesmar::mark("Параметров нет")},
    {cmd::kPrintText, Tesmar::mark("Команда 61h: Печать текста"), Tesmar::mark("<текст>;")},
    {cmd::kCloseNonFiscalReceipt, Tesmar::mark("Команда 62h: Закрытие нефискального чека"), Tesmar::mark("Параметров нет")},
    {cmd::kOpenFiscalReceipt, Tesmar::mark("Команда 63h: Открытие фискального чека"),
     Tesmar::mark("<Номер оператора>;<номер кассы>;<чек возврата>;")},
    {cmd::kSellArticle, Tesmar::mark("Команда 64h: Продажа запрограммированного товара"),
     Tesmar::mark("<код товара>;<количество>;")},
    {cmd::kCloseFiscalReceipt, Tesmar::mark("Команда 65h: Закрытие  фискального чека"), Tesmar::mark("Параметров нет")},
    {cmd::kReceiptCopy, Tesmar::mark("Команда 66h: Копия чека"), Tesmar::mark("<количество копий(0-3)>")},
    {cmd::kPayment, Tesmar::mark("Команда 67h: Оплата"), Tesmar::mark("<тип оплаты>;<сумма платежа>;")},
    {cmd::kPercentDiscount, Tesmar::mark("Команда 68h: Скидка/наценка на товар процентная"), Tesmar::mark("<значение скидки>")},
    {cmd::kAbsoluteDiscount, Tesmar::mark("Команда 69h: Скидка/наценка на товар абсолютная"),
     Tesmar::mark("<значение скидки>")},
    {cmd::kAdditionalTax, Tesmar::mark("Команда 6Ah: Дополнительный налог"), Tesmar::mark("<номер налога>")},
    {cmd::kVoidOperation, Tesmar::mark("Команда 6Bh: Аннулирования"), Tesmar::mark("<тип операции аннулирования(0-3)>")},
    {cmd::kSumPercentDiscount, Tesmar::mark("Команда 6Ch: Скидка/наценка на сумму процентная"),
     Tesmar::mark("<значение скидки>")},
    {cmd::kPrintTotal, Tesmar::mark("Команда 6Dh: Напечатать итог"), Tesmar::mark("Параметров нет")},
    {cmd::kCashInOut, Tesmar::mark("Команда 6Eh: Внесение/выдача сумм"),
     Tesmar::mark("<номер оператора>;<величина служебного внесения-служебной выдачи>;")},
    {cmd::kPrintBarcode, Tesmar::mark("Команда 6Fh: Печать штрих кода"),
     Tesmar::mark("<высота кода в линиях-пикселях>;<линия для печати штрихкода>;")},
    {cmd::kIdentify, Tesmar::mark("Команда 80h: Диагностическая информация"), Tesmar::mark("Параметров нет")},
    {cmd::kShowOnDisplay, Tesmar::mark("Команда 81h: Вывод информации на дисплей"), Tesmar::mark("<функция  (0-3)>;<текст>;")},
    {cmd::kSound, Tesmar::mark("Команда 82h: Звук"), Tesmar::mark("<номер мелодии>;")},
    {cmd::kOpenCashDrawer, Tesmar::mark("Команда 83h: Открытие денежного ящика"), Tesmar::mark("Параметров нет")},
    {cmd::kReadResources, Tesmar::mark("Команда A0h: Информация о свободных ресурсах и статусе"),
     Tesmar::mark("Параметров нет")},
    {cmd::kPrintReport, Tesmar::mark("Команда A1h: Печать отчетов"), Tesmar::mark("<тип отчета (0-3)>;")},
    {cmd::kFindReportByDate, Tesmar::mark("Команда A2h: Поиск отчета по дате"),
     Tesmar::mark("<дата DDMMYY>;<тип: 0 - первый, 1 - последний>;")},
    {cmd::kPrintPeriodicReport, Tesmar::mark("Команда A3h: Печать периодического отчета"),
     Tesmar::mark("<номер начального>;<номер завершающего>;<тип: 0 - сокращенный, 1 - полный>;")},
};

const CommandEntry* Find(int code) {
  for (const auto& e : kCommands)
    if (e.code == code) return &e;
  return nullptr;
}

}  // namespace

const char* CommandCaption(int code) {
  const CommandEntry* e = Find(code);
  return e ? e->caption : kWrongCommand;
}

bool LookupCommand(int code, std::string_view& caption, std::string_view& parameterTemplate) {
  const CommandEntry* e = Find(code);
  if (!e) {
    caption = kWrongCommand;
    parameterTemplate = {};
    return false;
  }
  caption = e->caption;
  parameterTemplate = e->parameterTemplate;
  return true;
}

}  // namespace tesmar::link
