#include "app/refusal_hint.h"

#include "link/error_codes.h"

namespace tesmar::app {

namespace {

struct Hint {
  link::err::Code code;
  bool wholeGroup;  // every item of the group
  const char* text;
};

const Hint kHints[] = {
    {link::err::kWrongDocumentState, false,
     Tesmar::mark("Если открыт чек, закройте или аннулируйте его: Продажа → Аннулирование и закрытие чека.")},
    {link::err::kWrongShiftState, false,
     Tesmar::mark("Если открыт чек, закройте его (Продажа → Аннулирование и закрытие чека); если открыта "
     "смена, закройте ее Z-отчетом (Отчеты → Печать дневных отчетов).")},
    {link::err::kShiftOver24Hours, false,
     Tesmar::mark("Закройте смену Z-отчетом: Отчеты → Печать дневных отчетов.")},
    {link::err::kPrinterError, false,
     Tesmar::mark("Проверьте бумагу и крышку принтера регистратора и повторите команду; состояние принтера "
     "показывает кнопка \"Состояние регистратора\".")},
    {link::err::kWrongPassword, true,
     Tesmar::mark("Проверьте поле \"Пароль:\" этого окна; пароли регистратора задаются в окне Утилиты → "
     "Пароли.")},
    {link::err::kFiscalMemoryFull, false,
     Tesmar::mark("Фискальная память заполнена: прочитайте ее (Утилиты → Фискальная память) и обратитесь в "
     "сервисный центр для ее замены.")},
    {link::err::kFiscalMemoryExhausted, false,
     Tesmar::mark("Фискальная память заполнена: прочитайте ее (Утилиты → Фискальная память) и обратитесь в "
     "сервисный центр для ее замены.")},
};

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

QString RefusalHint(const link::ReplyRecord& r) {
  if (link::OutcomeOf(r).kind != link::OutcomeKind::kRefused) return {};
  const std::string_view code = r.errorCode.View();
  if (code.size() < 4) return {};
  int v[4];
  for (int i = 0; i < 4; ++i)
    if ((v[i] = HexValue(code[i])) < 0) return {};
  const int item = v[0] * 16 + v[1], group = v[2] * 16 + v[3];
  for (const Hint& h : kHints)
    if (h.code.group == group && (h.wholeGroup || h.code.item == item))
      return QString::fromUtf8(h.text);
  return {};
}

}  // namespace tesmar::app
