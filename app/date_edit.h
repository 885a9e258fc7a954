// The date field of the report and tape windows: dd.MM.yy with a calendar.
#pragma once

class QDateEdit;

namespace tesmar::app {

// A new date field showing dd.MM.yy; its two-digit years are this century's
// (2000-2099), the registrar's own range.
QDateEdit* TwoDigitYearDateEdit();

}  // namespace tesmar::app
