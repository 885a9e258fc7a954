// tesmar-cli: the driver without windows, for automation and service scripts.
#include <cstdio>
#include <random>
#include <string>

#include "cli_options.h"
#include "cli_script_host.h"
#include "driver.h"
#include "encoding.h"
#include "ini_profile.h"
#include "port_control.h"
#include "reply_output.h"
#include "script_runner.h"
#include "serial_port.h"

using namespace tesmar;

namespace {

int ListPorts() {
  link::TPortControl ports;
  if (ports.BeginEnumeratePorts() != 0) {
    std::fprintf(stderr, "tesmar-cli: the serial ports cannot be listed\n");
    return 2;
  }
  for (std::string n = ports.EnumeratePorts(); !n.empty(); n = ports.EnumeratePorts())
    std::printf("%s\n", n.c_str());
  ports.EndEnumeratePorts();
  return 0;
}

// Retry count and session log, read as a connect reads them.
void ApplySettings(const link::IniProfile& ini, link::Driver& driver) {
  if (ini.GetInt("LogFile", "Log", 0) != 0)
    driver.SetLogFileName(ini.GetString("LogFile", "LogName", "Tesmar.log", 300));
  driver.Log().SetComments(ini.GetString("LogFile", "Comments", "") != "No");
  driver.SetRetryCount(ini.GetInt("Fiscal Printer", "Reply", 1));
}

// Opens the link the options name; false (after saying why) when it cannot.
bool Connect(const cli::Options& o, const link::IniProfile& ini, link::Driver& driver,
             int& status) {
  driver.SetSequenceCounter(static_cast<uint8_t>(std::random_device{}()));
  ApplySettings(ini, driver);
  if (o.usb) {
    if (driver.ConnectUsb() == 1) return true;
    std::fprintf(stderr, "tesmar-cli: no registrar on the USB bus (%s)\n",
                 link::UsbDirectLink::LibraryAvailable()
                     ? "vendor 0483, product 5740 not found or busy"
                     : ("cannot load " + link::UsbLibrary::FileName()).c_str());
    status = 2;
    return false;
  }
  const std::string port = o.port.empty() ? ini.GetString("Communication", "Port", "") : o.port;
  if (port.empty()) {
    std::fprintf(stderr, "tesmar-cli: no port given (-p PORT) and none saved in %s\n",
                 ini.Path().c_str());
    status = 64;
    return false;
  }
  const int baud = o.baud ? o.baud : ini.GetInt("Communication", "Speed", 9600);
  std::string error;
  auto serial = link::SerialPort::Open(port, baud, &error);
  if (!serial) {
    std::fprintf(stderr, "tesmar-cli: cannot open %s: %s\n", port.c_str(), error.c_str());
    status = 2;
    return false;
  }
  driver.AttachSerialLink(std::move(serial));
  return true;
}

void Disconnect(const cli::Options& o, link::Driver& driver) {
  if (o.usb)
    driver.DisconnectUsb();
  else
    driver.CloseSerialLink();
}

int Send(const cli::Options& o) {
  const link::IniProfile ini(o.configDir + "/tsinit.ini");
  link::Driver driver;
  int status = 0;
  if (!Connect(o, ini, driver, status)) return status;

  const int code = cli::ParseCommandCode(o.args[0]);
  const std::string params = o.args.size() > 1 ? link::Utf8ToCp1251(o.args[1]) : "";
  const link::ReplyRecord& r = driver.ExecuteCommand(code, params);
  if (!driver.Message().empty()) std::fprintf(stderr, "tesmar-cli: %s\n", driver.Message().c_str());
  std::fputs((o.json ? cli::ReplyAsJson(r) + "\n" : cli::ReplyAsText(r)).c_str(), stdout);
  status = cli::ExitStatusFor(r);
  Disconnect(o, driver);
  return status;
}

}  // namespace

int RunScript(const cli::Options& o) {
  const link::IniProfile ini(o.configDir + "/tsinit.ini");
  link::Driver driver;
  int status = 0;
  if (!Connect(o, ini, driver, status)) return status;
  const std::string port =
      o.usb ? "" : (o.port.empty() ? ini.GetString("Communication", "Port", "") : o.port);
  cli::CliScriptHost host(driver, port);
  script::ScriptRunner runner(driver, host, link::RealSleeper());
  const script::Outcome outcome = runner.Run(o.args[0]);
  Disconnect(o, driver);
  return outcome == script::Outcome::kEndOfFile ? 0 : 1;
}

int main(int argc, char** argv) {
  cli::Options o;
  const std::string problem = cli::ParseOptions(argc, argv, o);
  if (o.command == "help") {
    std::fputs(cli::kHelp, stdout);
    return 0;
  }
  if (o.command == "version") {
    std::printf("tesmar-cli %s\n", TESMAR_VERSION);
    return 0;
  }
  if (!problem.empty()) {
    std::fprintf(stderr, "tesmar-cli: %s (see --help)\n", problem.c_str());
    return 64;
  }
  if (o.command == "ports") return ListPorts();
  if (o.command == "run") return RunScript(o);
  return Send(o);
}
