#include "app/app_context.h"

#include "link/ini_profile.h"
#include "app/wire_text.h"

namespace tesmar::app {

int FieldNumber(const link::ReplyRecord& r, int n) {
  if (n < 1 || n > r.fieldCount) return 0;
  return link::ParseLeadingInt(r.Field(n - 1));
}

QString ResultField(const link::ReplyRecord& r, int n) {
  return n >= 1 && n <= r.fieldCount ? FromWire(r.Field(n - 1)) : QString();
}

int PaymentTypesFrom(const link::ReplyRecord& r) {
  const int n = FieldNumber(r, 11);
  return n != 0 ? n : 10;
}

QString ModelStatusLine(const link::ReplyRecord& r) {
  return Tesmar::mark("   Модель:") + ResultField(r, 1) + Tesmar::mark(",    Версия:") + ResultField(r, 2) + ",     " +
         ResultField(r, 3) + ".";
}

}  // namespace tesmar::app
