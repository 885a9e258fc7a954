// The driver's settings in tsinit.ini, read at every connect:
//
//   [Fiscal Printer] Reply          resends after a malformed reply (default 1)
//   [Fiscal Printer] ExchangeLimit  bound of one whole transaction in ms
//                                   (default one hour; 0 or less: the default)
//   [LogFile] Log, LogName          session log on (non-zero) and its file
//   [LogFile] Comments              "No" leaves the comment lines out
#pragma once

#include <string>

#include "link/driver.h"
#include "link/ini_profile.h"

namespace tesmar::link {

struct DriverSettings {
  int retryCount = 1;
  int exchangeLimitMs = kDefaultExchangeLimitMs;
  bool log = false;
  std::string logName = "Tesmar.log";
  bool comments = true;
};

DriverSettings ReadDriverSettings(const IniProfile& ini);
void ApplyDriverSettings(const DriverSettings& settings, Driver& driver);

}  // namespace tesmar::link
