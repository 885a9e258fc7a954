#include "link/reply_decoder.h"

#include <gtest/gtest.h>

using namespace tesmar::link;

namespace {

DecodedReply Decode(const char* code, uint32_t flags = 0) {
  ReplyRecord r;
  r.errorCode.Assign(code);
  r.flags = flags;
  r.outcome = ClassifyReply(flags, code);  // as the receiver leaves it
  return DecodeReplyError(r);
}

void ExpectFailed(const char* code, const std::string& text) {
  const DecodedReply d = Decode(code);
  EXPECT_FALSE(d.ok) << code;
  EXPECT_EQ(d.text, text) << code;
}

const std::string kHardware = "Ошибка оборудования!\n ";
const std::string kFiscal = "Ошибка фискальной памяти!\n ";
const std::string kState = "Команда не может быть выполнена в данном состоянии регистратора!\n";
const std::string kSales = "Ошибка работы с продажами!\n ";
const std::string kLine = "Ошибка форматированной строки!\n ";

}  // namespace

TEST(DecodeReplyError, successAndTimeout) {
  EXPECT_TRUE(Decode("0000").ok);
  EXPECT_EQ(Decode("0000").text, "");
  EXPECT_FALSE(Decode("0000", kFlagNoAnswer).ok);
  EXPECT_EQ(Decode("0000", kFlagNoAnswer).text, "Таймаут устройства! Ошибка!");
  EXPECT_EQ(Decode("0105", kFlagNoAnswer).text, "Таймаут устройства! Ошибка!");
}

TEST(DecodeReplyError, nakAndChecksumNeverReadAsSuccess) {
  EXPECT_FALSE(Decode("0000", kFlagNak).ok);
  EXPECT_EQ(Decode("0000", kFlagNak).text, "Регистратор отклонил команду (NAK)!");
  EXPECT_FALSE(Decode("0000", kFlagChecksum).ok);
  EXPECT_EQ(Decode("0000", kFlagChecksum).text, "Неверная контрольная сумма");
}

TEST(DecodeReplyError, group01HardwareWithHeader) {
  ExpectFailed("0001", kHardware + "Неопределенная ошибка оборудования!");
  ExpectFailed("0901", kHardware + "MMC: отказ оборудования!");
  ExpectFailed("0A01", kHardware + "Неизвестная ошибка!");
}

TEST(DecodeReplyError, group02WithoutHeader) {
  ExpectFailed("0002", "Нет команды с таким кодом!");
  ExpectFailed("0302", "Переполнение буфера приемника/передатчика!");
  ExpectFailed("0402", "Неизвестная ошибка!");
}

TEST(DecodeReplyError, groups03And04NameTheFieldInDecimal) {
  ExpectFailed("0A03", "Неправильный формат поля номер 10!");
  ExpectFailed("FF03", "Неправильный формат поля номер 255!");
  ExpectFailed("0004", "Значение поля номер 0 выходит за допустимый диапазон!");
  ExpectFailed("1004", "Значение поля номер 16 выходит за допустимый диапазон!");
}

TEST(DecodeReplyError, group05FiscalMemory) {
  ExpectFailed("0105", kFiscal + "Ошибка записи в фискальную память!");
  ExpectFailed("0C05", kFiscal + "ДОшибка в формате даты!");
  ExpectFailed("0E05", kFiscal + "Устанавливаемое время меньше текущего!");
  ExpectFailed("0F05", kFiscal + "Неизвестная ошибка!");
}

TEST(DecodeReplyError, fixedTextGroupsIgnoreTheItem) {
  ExpectFailed("0506", "Неверный пароль доступа!");
  ExpectFailed("3706", "Неверный пароль доступа!");
  ExpectFailed("0008", "При выполнении операции \n  обнаружено арифметическое переполнение!");
  ExpectFailed("FF08", "При выполнении операции \n  обнаружено арифметическое переполнение!");
}

TEST(DecodeReplyError, groups07To0BAndF0) {
  ExpectFailed("0307", kState + "Регистратор находится в автономном режиме!");
  ExpectFailed("1107", kState + "Неизвестная ошибка!");
  ExpectFailed("0209", "Не обнулено!Адрес-параметр за пределами зоны!");
  ExpectFailed("0509", "Не обнулено!Неизвестная ошибка!");
  ExpectFailed("010A", "Ошибка работы с базой товаров!\n Длинна записи больше максимума (>255)!");
  ExpectFailed("110B", kSales + "Аннуляция: удаляемая последовательность заблокирована!");
  ExpectFailed("120B", kSales + "Неизвестная ошибка!");
  ExpectFailed("00F0", kLine + "Форматированная строка: параметры!");
  ExpectFailed("05F0", kLine + "Неизвестная ошибка!");
}

TEST(DecodeReplyError, unknownGroupsFailWithAnEmptyText) {
  for (const char* code : {"000C", "00F1", "00EF", "0100", "00FF"}) ExpectFailed(code, "");
}

TEST(DecodeReplyError, malformedCodesAreRefusedConsistently) {
  for (const char* code : {"00a5", "0x05", "", "01", "G000", " 000"})
    ExpectFailed(code, "Неверный формат кода ошибки!");
  // Only exactly "0000" is success: a longer code that begins with it is
  // malformed, as the CLI's exit status says too.
  ExpectFailed("0000zz", "Неверный формат кода ошибки!");
  ExpectFailed("00000", "Неверный формат кода ошибки!");
}
