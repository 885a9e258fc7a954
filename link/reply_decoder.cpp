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

constexpr const char* kUnknownItem = "Неизвестная ошибка!";

constexpr const char* kHardware[] = {"Неопределенная ошибка оборудования!",
                                     "Ошибка принтера!",
                                     "Ошибка RAM!",
                                     "Ошибка контрольной суммы памяти программы!",
                                     "Ошибка Flash памяти!",
                                     "Ошибка дисплея!",
                                     "Ошибка часов, необходимо скорректировать время!",
                                     "Ошибка, возникшая в связи с понижением напряжения питания!",
                                     "SIM: отказ оборудования!",
                                     "MMC: отказ оборудования!"};
constexpr const char* kCommand[] = {"Нет команды с таким кодом!",
                                    "Данная функция не поддерживается!", "В сообщении нет данных",
                                    "Переполнение буфера приемника/передатчика!"};
constexpr const char* kFiscalMemory[] = {
    "Нет свободного места для записи в ФП!",
    "Ошибка записи в фискальную память!",
    "Заводской номер не установлен!",
    "Дата текущей записи более ранняя \n   чем дата предыдущей записи!",
    "Запрещен выход за пределы суток!",
    "Данные в фискальной памяти неверны!",
    "Фискальная память исчерпана!",
    "Данная команда выполняется только в фискальном режиме!",
    "Дата и время не были установлены \nс момента последнего аварийного обнуления ОЗУ!",
    "С начала смены прошло более 24х часов!",
    "Необходимо скорректировать время!",
    "Ошибка в формате таблицы!",
    "ДОшибка в формате даты!",
    "Ошибка в формате времени!",
    "Устанавливаемое время меньше текущего!"};
constexpr const char* kState[] = {"Неверный режим регистратора (перемычка)!",
                                  "Команда невыполнима в данном состоянии смены!",
                                  "Необходимо выгрузить контрольную ленту (бумажную/подписанную)!",
                                  "Регистратор находится в автономном режиме!"};
constexpr const char* kNotZeroed[] = {
    "Не очищено!", "Чтение-запись по неинициализированному указателю!",
    "Адрес-параметр за пределами зоны!", "Выделен недостаточный буфер!", "Ошибка данных"};
constexpr const char* kGoodsBase[] = {"Нет свободного места для выполнения команды!",
                                      "Длинна записи больше максимума (>255)!",
                                      "Артикул с данным кодом не найден!",
                                      "Индекс за пределами базы!",
                                      "Артикул с данным кодом существует!",
                                      "Налог запрещен!"};
constexpr const char* kSales[] = {"Неверное состояние документа!",
                                  "Недостаточно свободного места для выполнения команды!",
                                  "Неизвестный тип продажи!",
                                  "Аннуляция: не может начинаться с данной операции!",
                                  "Аннуляция: данная операция в чеке не найдена!",
                                  "Аннуляция: последовательность неполная!",
                                  "Аннулировать нечего!",
                                  "Копия чека недоступна!",
                                  "В кассе недостаточно наличных денег для выполнения операции!",
                                  "Указанный тип оплаты запрещен для данного чека!",
                                  "Сдача запрещена с данного типа оплаты!",
                                  "Значение скидки вышло за допустимый диапазон!",
                                  "Переполнение итога по чеку!",
                                  "Переполнение по оплатам в чеке!",
                                  "Переполнение буфера!",
                                  "Продажа: ошибка в количестве!",
                                  "Продажа: ошибка в цене!",
                                  "Аннуляция: удаляемая последовательность заблокирована!"};
constexpr const char* kFormattedLine[] = {
    "Форматированная строка: параметры!", "Форматированная строка: тип данных!",
    "Форматированная строка: выбор шрифта!", "Форматированная строка: выравнивание!",
    "Форматированная строка: позиции в строке!"};

#define ITEMS(table) table, static_cast<int>(std::size(table)), nullptr

constexpr Group kGroups[] = {
    {err::kGroupHardware, "Ошибка оборудования!\n ", ITEMS(kHardware)},
    {err::kGroupCommand, nullptr, ITEMS(kCommand)},
    {err::kGroupFieldFormat, nullptr, nullptr, 0, nullptr},  // field number texts, built below
    {err::kGroupFieldRange, nullptr, nullptr, 0, nullptr},
    {err::kGroupFiscalMemory, "Ошибка фискальной памяти!\n ", ITEMS(kFiscalMemory)},
    {err::kGroupPassword, nullptr, nullptr, 0, "Неверный пароль доступа!"},
    {err::kGroupState, "Команда не может быть выполнена в данном состоянии регистратора!\n",
     ITEMS(kState)},
    {err::kGroupOverflow, nullptr, nullptr, 0,
     "При выполнении операции \n  обнаружено арифметическое переполнение!"},
    {err::kGroupNotZeroed, "Не обнулено!", ITEMS(kNotZeroed)},
    {err::kGroupGoodsBase, "Ошибка работы с базой товаров!\n ", ITEMS(kGoodsBase)},
    {err::kGroupSales, "Ошибка работы с продажами!\n ", ITEMS(kSales)},
    {err::kGroupFormattedLine, "Ошибка форматированной строки!\n ", ITEMS(kFormattedLine)},
};

#undef ITEMS

std::string GroupText(const Group& g, int item) {
  if (g.fixedText) return g.fixedText;
  if (g.number == err::kGroupFieldFormat)
    return "Неправильный формат поля номер " + std::to_string(item) + "!";
  if (g.number == err::kGroupFieldRange)
    return "Значение поля номер " + std::to_string(item) + " выходит за допустимый диапазон!";
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
