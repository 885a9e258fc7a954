#include "link/driver_settings.h"

namespace tesmar::link {

DriverSettings ReadDriverSettings(const IniProfile& ini) {
  DriverSettings s;
  s.retryCount = ini.GetInt("Fiscal Printer", "Reply", 1);
  const int limit = ini.GetInt("Fiscal Printer", "ExchangeLimit", kDefaultExchangeLimitMs);
  s.exchangeLimitMs = limit > 0 ? limit : kDefaultExchangeLimitMs;
  s.log = ini.GetInt("LogFile", "Log", 0) != 0;
  s.logName = ini.GetString("LogFile", "LogName", "Tesmar.log", 300);
  s.comments = ini.GetString("LogFile", "Comments", "") != "No";
  return s;
}

void ApplyDriverSettings(const DriverSettings& s, Driver& driver) {
  if (s.log) driver.SetLogFileName(s.logName);
  driver.Log().SetComments(s.comments);
  driver.SetRetryCount(s.retryCount);
  driver.SetExchangeLimitMs(s.exchangeLimitMs);
}

}  // namespace tesmar::link
