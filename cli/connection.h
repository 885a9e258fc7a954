// The registrar a tesmar-cli command talks to: the link its options name (a
// serial port at its speed, or the direct USB link), opened with the
// settings a connect reads from tsinit.ini, the sequence counter carried
// over from the last run, and closed again when the command is done.
#pragma once

#include <string>

#include "cli/cli_options.h"
#include "link/driver.h"
#include "link/ini_profile.h"
#include "cli/sequence_store.h"

namespace tesmar::cli {

inline constexpr int kBadUsage = 64;
inline constexpr int kNoLink = 2;

// The port the options name: -p, else "Communication"/"Port" of `ini`;
// empty for the direct USB link.
std::string PortOf(const Options& o, const link::IniProfile& ini);

// Opens `port` at `baud` as the driver's serial link; false with the
// reason (the system's words) in `error` when it cannot.
bool AttachSerialPort(link::Driver& driver, const std::string& port, int baud, std::string& error);

// Opens the link the options name, with the settings a connect reads;
// false, after saying why on stderr and with the exit status in `status`,
// when it cannot. Whoever talked to the registrar last is not known: the
// first command waits for an answered read.
bool Connect(const Options& o, const link::IniProfile& ini, link::Driver& driver, int& status);
void Disconnect(const Options& o, link::Driver& driver);

// Every command's way to the registrar: opens the link, keeps the sequence
// counter, runs `work(driver, ini)` and closes the link again; the status
// of a connect that failed otherwise.
template <class Work>
int WithRegistrar(const Options& o, Work work) {
  const link::IniProfile ini(o.configDir + "/tsinit.ini");
  link::Driver driver;
  int status = 0;
  if (!Connect(o, ini, driver, status)) return status;
  SequenceStore sequence(o.configDir + "/" + kSequenceFileName, driver);
  sequence.Begin();
  status = work(driver, ini);
  Disconnect(o, driver);
  return status;
}

}  // namespace tesmar::cli
