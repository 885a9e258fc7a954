// Turns a reply's no-answer bit and error code into the program's message.
#pragma once

#include <string>

#include "link/reply_record.h"

namespace tesmar::link {

struct DecodedReply {
  bool ok = false;
  std::string text;  // UTF-8; empty when ok
};

inline constexpr const char* kTimeoutText = Tesmar::mark("Таймаут устройства! Ошибка!");
inline constexpr const char* kNakText = Tesmar::mark("Регистратор отклонил команду (NAK)!");
inline constexpr const char* kChecksumText = Tesmar::mark("Неверная контрольная сумма");
// An answer was lost on the way and no later attempt brought one back: the
// registrar may have carried the command out.
inline constexpr const char* kUnknownOutcomeText =
    Tesmar::mark("Ответ регистратора потерян: команда могла быть выполнена! Проверьте ленту и состояние "
    "регистратора, прежде чем повторять команду.");
// Nothing went out (the formatter or the driver refused it).
inline constexpr const char* kNotSentText = Tesmar::mark("Команда не отправлена!");
// An error code whose first four characters are not all "0"-"9", "A"-"F".
inline constexpr const char* kMalformedCodeText = Tesmar::mark("Неверный формат кода ошибки!");

// Stateless; never talks to the device. Reads the record's outcome.
DecodedReply DecodeReplyError(const ReplyRecord& reply);
// The text of an outcome that carries no error code of the registrar's
// (empty for kOk and kRefused, which the error code explains).
const char* OutcomeText(OutcomeKind kind);

}  // namespace tesmar::link
