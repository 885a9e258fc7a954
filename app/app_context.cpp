#include "app_context.h"

#include "ini_profile.h"
#include "wire_text.h"

namespace tesmar::app {

int FieldNumber(const link::ReplyRecord& r, int n) {
  if (n < 1 || n > r.fieldCount) return 0;
  return link::ParseLeadingInt(r.Field(n - 1));
}

int PaymentTypesFrom(const link::ReplyRecord& r) {
  const int n = FieldNumber(r, 11);
  return n != 0 ? n : 10;
}

QString ModelStatusLine(const link::ReplyRecord& r) {
  return "   Модель:" + FromWire(r.Field(0)) + ",    Версия:" + FromWire(r.Field(1)) + ",     " +
         FromWire(r.Field(2)) + ".";
}

}  // namespace tesmar::app
