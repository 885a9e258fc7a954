// What the registrar prints: Russian and Ukrainian texts written here in
// UTF-8 go to the tape in Windows-1251, amounts with two decimals.
#pragma once

#include <string>
#include <string_view>

namespace tesmar::emu {

class Registrar;

inline constexpr size_t kTapeWidth = 32;

void PrintUtf8(Registrar& r, std::string_view utf8);
// Money with two decimals ("12.50", "-1.50"), quantities with three.
std::string FormatMoney(long long kopecks);
std::string FormatQuantity(long long thousandths);
// DD.MM.YY of a YYYYMMDD date; HH:MM of an HHMM time.
std::string FormatDate(int yyyymmdd);
std::string FormatTime(int hhmm);
// A line of the tape's width: the label on the left, the value on the right
// (UTF-8 in, Windows-1251 out).
std::string ReportRow(std::string_view labelUtf8, std::string_view value);
// The registrar's local date (YYYYMMDD) and time (HHMM) of a moment.
int LocalDate(long long t);
int LocalTime(long long t);

}  // namespace tesmar::emu
