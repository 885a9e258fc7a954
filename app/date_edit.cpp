#include "app/date_edit.h"

#include <QDate>
#include <QDateEdit>

namespace tesmar::app {

QDateEdit* TwoDigitYearDateEdit() {
  auto* e = new QDateEdit;
  e->setDisplayFormat("dd.MM.yy");
  e->setCalendarPopup(true);
  e->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
  return e;
}

}  // namespace tesmar::app
