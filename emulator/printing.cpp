#include "emulator/printing.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "link/encoding.h"
#include "emulator/registrar.h"
#include "link/registrar_models.h"

namespace tesmar::emu {

namespace {

std::string Scaled(long long value, long long scale, int decimals) {
  const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                 : static_cast<unsigned long long>(value);
  char text[48];
  std::snprintf(text, sizeof text, "%s%llu.%0*llu", value < 0 ? "-" : "",
                magnitude / static_cast<unsigned long long>(scale), decimals,
                magnitude % static_cast<unsigned long long>(scale));
  return text;
}

std::tm Local(long long t) {
  const std::time_t tt = static_cast<std::time_t>(t);
  std::tm tm{};
  localtime_r(&tt, &tm);
  return tm;
}

}  // namespace

void PrintUtf8(Registrar& r, std::string_view utf8) {
  r.Print(link::Utf8ToCp1251(utf8));
}

size_t TapeWidth(const Registrar& r) {
  const int width = link::OptionsForModel(r.options.model).tapeWidth;
  return std::min(static_cast<size_t>(width), kMaxTapeWidth);
}

std::string Ruler(const Registrar& r, char c) {
  return std::string(TapeWidth(r), c);
}

std::string FitToTape(const Registrar& r, std::string_view cp1251) {
  return std::string(cp1251.substr(0, TapeWidth(r)));
}

std::string FormatMoney(const Registrar& r, long long units) {
  const int decimals = r.state.decimalPoint;
  if (decimals == 0) return std::to_string(units);
  long long scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  return Scaled(units, scale, decimals);
}

std::string FormatHundredths(long long hundredths) {
  return Scaled(hundredths, 100, 2);
}

std::string FormatQuantity(long long thousandths) {
  return Scaled(thousandths, 1000, 3);
}

std::string FormatDate(int d) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d.%02d", d % 100, d / 100 % 100, d / 10000 % 100);
  return text;
}

std::string FormatTime(int t) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", t / 100 % 100, t % 100);
  return text;
}

std::string ReportRow(const Registrar& r, std::string_view labelUtf8, std::string_view value) {
  return ReportRowCp1251(r, link::Utf8ToCp1251(labelUtf8), value);
}

std::string ReportRowCp1251(const Registrar& r, std::string_view label, std::string_view value) {
  std::string line(label);
  const size_t used = line.size() + value.size();
  const size_t width = TapeWidth(r);
  line.append(used < width ? width - used : 1, ' ');
  line += value;
  return line;
}

int LocalDate(long long t) {
  const std::tm tm = Local(t);
  return (tm.tm_year + 1900) * 10000 + (tm.tm_mon + 1) * 100 + tm.tm_mday;
}

int LocalTime(long long t) {
  const std::tm tm = Local(t);
  return tm.tm_hour * 100 + tm.tm_min;
}

}  // namespace tesmar::emu
