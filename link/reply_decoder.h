// Turns a reply's no-answer bit and error code into the program's message.
#pragma once

#include <string>

#include "reply_record.h"

namespace tesmar::link {

struct DecodedReply {
  bool ok = false;
  std::string text;  // UTF-8; empty when ok
};

inline constexpr const char* kTimeoutText = "Таймаут устройства! Ошибка!";
inline constexpr const char* kNakText = "Регистратор отклонил команду (NAK)!";
inline constexpr const char* kChecksumText = "Неверная контрольная сумма";
// An error code whose first four characters are not all "0"-"9", "A"-"F".
inline constexpr const char* kMalformedCodeText = "Неверный формат кода ошибки!";

// Stateless; never talks to the device.
DecodedReply DecodeReplyError(const ReplyRecord& reply);

}  // namespace tesmar::link
