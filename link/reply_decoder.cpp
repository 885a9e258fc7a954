#include "link/reply_decoder.h"

#include <iterator>
#include <string_view>

#include "link/error_codes.h"
#include "link/hex.h"

namespace tesmar::link {

namespace {

struct Group {
  int number;
  const char* header;        // put first; nullptr for none
  const char* const* items;  // nullptr: a fixed text or a field-number text
  int itemCount;
  const char* fixedText;  // the whole text whatever the item
};

constexpr const char* kUnknownItem = Tesmar::mark("Неизвестная ошибка!");

constexpr const char* kHardware[] = {Tesmar::mark("Неопределенная ошибка оборудования!"),
                                     Tesmar::mark("Ошибка принтера!"),
                                     Tesmar::mark("Ошибка RAM!"),
                                     Tesmar::mark("Ошибка контрольной суммы памяти программы!"),
                                     Tesmar::mark("Ошибка Flash памяти!"),
                                     Tesmar::mark("Ошибка дисплея!"),
                                     Tesmar::mark("Ошибка часов, необходимо скорректировать время!"),
                                     Tesmar::mark("Ошибка, возникшая в связи с понижением напряжения питания!"),
                                     Tesmar::mark("SIM: отказ оборудования!"),
                                     Tesmar::mark("MMC: отказ оборудования!")};
constexpr const char* kCommand[] = {Tesmar::mark("Нет команды с таким кодом!"),
                                    Tesmar::mark("Данная функция не поддерживается!"), Tesmar::mark("В сообщении нет данных"),
                                    Tesmar::mark("Переполнение буфера приемника/передатчика!")};
constexpr const char* kFiscalMemory[] = {
    Tesmar::mark("Нет свободного места для записи в ФП!"),
    Tesmar::mark("Ошибка записи в фискальную память!"),
    Tesmar::mark("Заводской номер не установлен!"),
    Tesmar::mark("Дата текущей записи более ранняя \n   чем дата предыдущей записи!"),
    Tesmar::mark("Запрещен выход за пределы суток!"),
    Tesmar::mark("Данные в фискальной памяти неверны!"),
    Tesmar::mark("Фискальная память исчерпана!"),
    Tesmar::mark("Данная команда выполняется только в фискальном режиме!"),
    Tesmar::mark("Дата и время не были установлены \nс момента последнего аварийного обнуления ОЗУ!"),
    Tesmar::mark("С начала смены прошло более 24х часов!"),
    Tesmar::mark("Необходимо скорректировать время!"),
    Tesmar::mark("Ошибка в формате таблицы!"),
    Tesmar::mark("ДОшибка в формате даты!"),
    Tesmar::mark("Ошибка в формате времени!"),
    Tesmar::mark("Устанавливаемое время меньше текущего!")};
constexpr const char* kState[] = {Tesmar::mark("Неверный режим регистратора (перемычка)!"),
                                  Tesmar::mark("Команда невыполнима в данном состоянии смены!"),
                                  Tesmar::mark("Необходимо выгрузить контрольную ленту (бумажную/подписанную)!"),
                                  Tesmar::mark("Регистратор находится в автономном режиме!")};
constexpr const char* kNotZeroed[] = {
    Tesmar::mark("Не очищено!"), Tesmar::mark("Чтение-запись по неинициализированному указателю!"),
    Tesmar::mark("Адрес-параметр за пределами зоны!"), Tesmar::mark("Выделен недостаточный буфер!"), Tesmar::mark("Ошибка данных")};
constexpr const char* kGoodsBase[] = {Tesmar::mark("Нет свободного места для выполнения команды!"),
                                      Tesmar::mark("Длинна записи больше максимума (>255)!"),
                                      Tesmar::mark("Артикул с данным кодом не найден!"),
                                      Tesmar::mark("Индекс за пределами базы!"),
                                      Tesmar::mark("Артикул с данным кодом существует!"),
                                      Tesmar::mark("Налог запрещен!")};
constexpr const char* kSales[] = {Tesmar::mark("Неверное состояние документа!"),
                                  Tesmar::mark("Недостаточно свободного места для выполнения команды!"),
                                  Tesmar::mark("Неизвестный тип продажи!"),
                                  Tesmar::mark("Аннуляция: не может начинаться с данной операции!"),
                                  Tesmar::mark("Аннуляция: данная операция в чеке не найдена!"),
                                  Tesmar::mark("Аннуляция: последовательность неполная!"),
                                  Tesmar::mark("Аннулировать нечего!"),
                                  Tesmar::mark("Копия чека недоступна!"),
                                  Tesmar::mark("В кассе недостаточно наличных денег для выполнения операции!"),
                                  Tesmar::mark("Указанный тип оплаты запрещен для данного чека!"),
                                  Tesmar::mark("Сдача запрещена с данного типа оплаты!"),
                                  Tesmar::mark("Значение скидки вышло за допустимый диапазон!"),
                                  Tesmar::mark("Переполнение итога по чеку!"),
                                  Tesmar::mark("Переполнение по оплатам в чеке!"),
                                  Tesmar::mark("Переполнение буфера!"),
                                  Tesmar::mark("Продажа: ошибка в количестве!"),
                                  Tesmar::mark("Продажа: ошибка в цене!"),
                                  Tesmar::mark("Аннуляция: удаляемая последовательность заблокирована!")};
constexpr const char* kFormattedLine[] = {
    Tesmar::mark("Форматированная строка: параметры!"), Tesmar::mark("Форматированная строка: тип данных!"),
    Tesmar::mark("Форматированная строка: выбор шрифта!"), Tesmar::mark("Форматированная строка: выравнивание!"),
    Tesmar::mark("Форматированная строка: позиции в строке!")};

#define ITEMS(table) table, static_cast<int>(std::size(table)), nullptr

constexpr Group kGroups[] = {
    {err::kGroupHardware, Tesmar::mark("Ошибка оборудования!\n "), ITEMS(kHardware)},
    {err::kGroupCommand, nullptr, ITEMS(kCommand)},
    {err::kGroupFieldFormat, nullptr, nullptr, 0, nullptr},  // field number texts, built below
    {err::kGroupFieldRange, nullptr, nullptr, 0, nullptr},
    {err::kGroupFiscalMemory, Tesmar::mark("Ошибка фискальной памяти!\n "), ITEMS(kFiscalMemory)},
    {err::kGroupPassword, nullptr, nullptr, 0, Tesmar::mark("Неверный пароль доступа!")},
    {err::kGroupState, Tesmar::mark("Команда не может быть выполнена в данном состоянии регистратора!\n"),
     ITEMS(kState)},
    {err::kGroupOverflow, nullptr, nullptr, 0,
     Tesmar::mark("При выполнении операции \n  обнаружено арифметическое переполнение!")},
    {err::kGroupNotZeroed, Tesmar::mark("Не обнулено!"), ITEMS(kNotZeroed)},
    {err::kGroupGoodsBase, Tesmar::mark("Ошибка работы с базой товаров!\n "), ITEMS(kGoodsBase)},
    {err::kGroupSales, Tesmar::mark("Ошибка работы с продажами!\n "), ITEMS(kSales)},
    {err::kGroupFormattedLine, Tesmar::mark("Ошибка форматированной строки!\n "), ITEMS(kFormattedLine)},
};

#undef ITEMS

std::string GroupText(const Group& g, int item) {
  if (g.fixedText) return g.fixedText;
  if (g.number == err::kGroupFieldFormat)
    return Tesmar::mark("Неправильный формат поля номер ") + std::to_string(item) + "!";
  if (g.number == err::kGroupFieldRange)
    return Tesmar::mark("Значение поля номер ") + std::to_string(item) + Tesmar::mark(" выходит за допустимый диапазон!");
  std::string text = g.header ? g.header : "";
  text += item < g.itemCount ? g.items[item] : kUnknownItem;
  return text;
}

}  // namespace

const char* OutcomeText(OutcomeKind kind) {
  switch (kind) {
    case OutcomeKind::kNoAnswer: return kTimeoutText;
    case OutcomeKind::kNak: return kNakText;
    case OutcomeKind::kChecksum: return kChecksumText;
    case OutcomeKind::kUnknown: return kUnknownOutcomeText;
    case OutcomeKind::kFormatterRefused:
    case OutcomeKind::kNotSent: return kNotSentText;
    case OutcomeKind::kOk:
    case OutcomeKind::kRefused: break;
  }
  return "";
}

DecodedReply DecodeReplyError(const ReplyRecord& reply) {
  const Outcome outcome = OutcomeOf(reply);
  if (outcome.ok()) return {true, {}};
  if (!outcome.answered()) return {false, OutcomeText(outcome.kind)};

  const std::string_view code = reply.errorCode.View();
  int v[4];
  for (size_t i = 0; i < 4; ++i) {
    v[i] = i < code.size() ? HexDigit(code[i], HexCase::kUpperOnly) : -1;
    if (v[i] < 0) return {false, kMalformedCodeText};
  }
  const int item = v[0] * 16 + v[1];
  const int group = v[2] * 16 + v[3];
  // A longer code that begins "0000" is not success: the outcome said so.
  if (item == 0 && group == 0) return {false, kMalformedCodeText};
  for (const Group& g : kGroups)
    if (g.number == group) return {false, GroupText(g, item)};
  return {false, {}};  // unknown group: the caller's title alone
}

}  // namespace tesmar::link
