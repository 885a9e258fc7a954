// What the registrar prints: Russian and Ukrainian texts written here in
// UTF-8 go to the tape in Windows-1251, lines as wide as the model's tape,
// amounts with as many decimals as the decimal point (49h) says.
#pragma once

#include <string>
#include <string_view>

namespace tesmar::emu {

class Registrar;

// The widest tape of any model.
inline constexpr size_t kMaxTapeWidth = 48;

// Characters a line of the registrar's tape holds: its model's width.
size_t TapeWidth(const Registrar& r);
// A line of `c` across the tape.
std::string Ruler(const Registrar& r, char c);
// What of a text line the tape holds: its first TapeWidth characters.
std::string FitToTape(const Registrar& r, std::string_view cp1251);

void PrintUtf8(Registrar& r, std::string_view utf8);
// An amount the registrar keeps in its smallest unit, written with the
// decimals of its decimal point ("1250" is 1250, 125.0, 12.50 or 1.250);
// the tape and the replies alike.
std::string FormatMoney(const Registrar& r, long long units);
// Percentages and tax rates in hundredths ("20.00"), quantities in
// thousandths ("2.000").
std::string FormatHundredths(long long hundredths);
std::string FormatQuantity(long long thousandths);
// DD.MM.YY of a YYYYMMDD date; HH:MM of an HHMM time.
std::string FormatDate(int yyyymmdd);
std::string FormatTime(int hhmm);
// A line of the tape's width: the label on the left, the value on the right
// (UTF-8 in, Windows-1251 out).
std::string ReportRow(const Registrar& r, std::string_view labelUtf8, std::string_view value);
// The same with a label in Windows-1251 (a name the registrar keeps).
std::string ReportRowCp1251(const Registrar& r, std::string_view label, std::string_view value);
// The registrar's local date (YYYYMMDD) and time (HHMM) of a moment.
int LocalDate(long long t);
int LocalTime(long long t);

}  // namespace tesmar::emu
