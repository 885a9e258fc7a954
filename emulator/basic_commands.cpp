// Identification, resources, clock, service parameters, serial number and
// non-fiscal receipts.
#include <cstdio>
#include <cstdlib>

#include "encoding.h"
#include "registrar.h"

namespace tesmar::emu {

namespace {

constexpr int kLogoBytes = 4608;  // 96 lines of 384 pixels
constexpr int kLogoWidth = 384;

bool IsDigits(const std::string& s, size_t n) {
  if (s.size() != n) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

int Num(const std::string& s, size_t at, size_t n) {
  return std::atoi(s.substr(at, n).c_str());
}

Answer Identify(Registrar& r, const Registrar::Fields&) {
  const RegistrarOptions& o = r.options;
  char data[256];
  std::snprintf(data, sizeof data, "%s;%s;%s;%s;1;1;%d;%d;0;%d;%d;",
                link::Utf8ToCp1251(o.model).c_str(), link::Utf8ToCp1251(o.version).c_str(),
                o.firmwareDate.c_str(), r.state.serialNumber.c_str(), kLogoBytes, kLogoWidth,
                o.taxGroups, o.paymentTypes);
  return {"0000", data};
}

Answer Resources(Registrar& r, const Registrar::Fields&) {
  const RegistrarState& s = r.state;
  const bool blank = !s.fiscalized;
  char data[256];
  std::snprintf(data, sizeof data, "%d;%d;%d;%d;%d;%d;%d;%d;%s;%s;%d;%d;", blank ? 1 : 0,
                s.serialNumber.empty() ? 1 : 0, blank ? 1 : 0, blank ? 1 : 0, 1, 1,
                s.emergencyResets, s.freeFiscalReports, s.shiftOpen ? "081226" : "000000",
                s.shiftOpen ? "0800" : "0000", s.freeArticles, s.freeReceipts);
  return {"0000", data};
}

Answer ReadClock(Registrar& r, const Registrar::Fields&) {
  const std::time_t t = r.Now();
  std::tm tm{};
  localtime_r(&t, &tm);
  char data[32];
  std::snprintf(data, sizeof data, "%02d%02d%02d;%02d%02d;", tm.tm_mday, tm.tm_mon + 1,
                tm.tm_year % 100, tm.tm_hour, tm.tm_min);
  return {"0000", data};
}

Answer SetClock(Registrar& r, const Registrar::Fields& f) {
  if (f.size() < 2 || !IsDigits(f[1], 6)) return Refused(0x05, 0x0C);  // date format
  if (f.size() < 3 || !IsDigits(f[2], 4)) return Refused(0x05, 0x0D);  // time format
  std::tm tm{};
  tm.tm_mday = Num(f[1], 0, 2);
  tm.tm_mon = Num(f[1], 2, 2) - 1;
  tm.tm_year = Num(f[1], 4, 2) + 100;
  tm.tm_hour = Num(f[2], 0, 2);
  tm.tm_min = Num(f[2], 2, 2);
  tm.tm_isdst = -1;
  if (tm.tm_mday < 1 || tm.tm_mday > 31 || tm.tm_mon < 0 || tm.tm_mon > 11)
    return Refused(0x05, 0x0C);
  if (tm.tm_hour > 23 || tm.tm_min > 59) return Refused(0x05, 0x0D);
  if (r.state.shiftOpen) return Refused(0x07, 0x01);  // not inside a shift
  const std::time_t wanted = std::mktime(&tm);
  r.state.clockOffsetSeconds =
      static_cast<long long>(wanted) - (r.Now() - r.state.clockOffsetSeconds);
  return {};
}

Answer SetServiceParameter(Registrar& r, const Registrar::Fields& f) {
  if (f.size() < 2 || f[1].empty()) return Refused(0x03, 0x01);
  if (f.size() < 3 || f[2].empty()) return Refused(0x03, 0x02);
  r.state.serviceParameters[std::atoi(f[1].c_str())] = std::atoll(f[2].c_str());
  return {};
}

Answer ReadServiceParameter(Registrar& r, const Registrar::Fields& f) {
  if (f.size() < 2 || f[1].empty()) return Refused(0x03, 0x01);
  auto it = r.state.serviceParameters.find(std::atoi(f[1].c_str()));
  return {"0000", std::to_string(it == r.state.serviceParameters.end() ? 0 : it->second) + ";"};
}

Answer ReadSerial(Registrar& r, const Registrar::Fields&) {
  if (r.state.serialNumber.empty()) return Refused(0x05, 0x02);
  return {"0000", r.state.serialNumber + ";"};
}

Answer OpenNonFiscal(Registrar& r, const Registrar::Fields&) {
  if (r.state.document != Document::kClosed) return Refused(0x0B, 0x00);
  r.state.document = Document::kNonFiscal;
  r.Print(link::Utf8ToCp1251("------ СЛУЖБОВИЙ ДОКУМЕНТ ------"));
  return {};
}

Answer PrintLine(Registrar& r, const Registrar::Fields& f) {
  if (r.state.document != Document::kNonFiscal) return Refused(0x0B, 0x00);
  r.Print(f.size() > 1 ? f[1] : "");
  return {};
}

Answer CloseNonFiscal(Registrar& r, const Registrar::Fields&) {
  if (r.state.document != Document::kNonFiscal) return Refused(0x0B, 0x00);
  r.state.document = Document::kClosed;
  r.Print("--------------------------------");
  return {};
}

}  // namespace

void RegisterBasicCommands(Registrar& r) {
  r.Register(0x80, Identify);
  r.Register(0xA0, Resources);
  r.Register(0x21, ReadClock);
  r.Register(0x20, SetClock);
  r.Register(0x88, SetServiceParameter);
  r.Register(0x89, ReadServiceParameter);
  r.Register(0x42, ReadSerial);
  r.Register(0x60, OpenNonFiscal);
  r.Register(0x61, PrintLine);
  r.Register(0x62, CloseNonFiscal);
}

}  // namespace tesmar::emu
