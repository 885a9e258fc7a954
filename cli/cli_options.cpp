#include "cli_options.h"

#include <cerrno>
#include <cstdlib>

#include "serial_port.h"

namespace tesmar::cli {

const char* kHelp = R"(Usage:
  tesmar-cli --help | --version
  tesmar-cli ports
  tesmar-cli [-p PORT] [-b BAUD] [--usb] [--config DIR] [--json] send CODE [PARAMS]
  tesmar-cli [-p PORT] [-b BAUD] [--usb] [--config DIR] run SCRIPT

Talks to a fiscal registrar without windows.

  ports            list the serial ports present, one device path a line
  send CODE PARAMS send command CODE (two hexadecimal digits) with the parameter
                   string PARAMS, password first, e.g. send 80 "731942;"
                   PARAMS is typed in UTF-8 and goes out in Windows-1251
  run SCRIPT       run a script file (Windows-1251, one command or statement a
                   line): the exchange log goes to stdout, messages to stderr

  -p PORT          serial port (device path); default: "Communication"/"Port"
                   of tsinit.ini
  -b BAUD          speed; default: "Communication"/"Speed" of tsinit.ini, else 9600
  --usb            use the direct USB link instead of a serial port
  --config DIR     folder of tsinit.ini (default: the current folder); the retry
                   count and the session log settings are read from it
  --json           print the reply as one JSON object

Exit status of send: 0 the registrar accepted (error code "0000"), 1 it
refused, 2 no answer, NAK, checksum failure or no link, 64 bad usage.
Exit status of run: 0 the script reached "Конец файла!", 1 a failure ended
it, 2 no link, 64 bad usage.

A registrar in software for trying it out: tesmar-emu --link /tmp/registrar
then: tesmar-cli -p /tmp/registrar send 80 "731942;"
)";

int ParseCommandCode(const std::string& text) {
  if (text.size() != 2) return -1;
  int v = 0;
  for (char c : text) {
    int d;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    else
      return -1;
    v = v * 16 + d;
  }
  return v;
}

std::string ParseOptions(int argc, char** argv, Options& o) {
  int i = 1;
  for (; i < argc; ++i) {
    const std::string a = argv[i];
    if (a.empty() || a[0] != '-') break;
    if (a == "--usb") {
      o.usb = true;
      continue;
    }
    if (a == "--json") {
      o.json = true;
      continue;
    }
    if (a == "--help" || a == "-h" || a == "--version") {
      o.command = a == "--version" ? "version" : "help";
      return {};
    }
    if (a != "-p" && a != "-b" && a != "--config") return "unknown option " + a;
    if (i + 1 >= argc) return "option " + a + " needs a value";
    const std::string v = argv[++i];
    if (a == "-p") o.port = v;
    if (a == "--config") o.configDir = v;
    if (a == "-b") {
      char* end = nullptr;
      errno = 0;
      const long b = std::strtol(v.c_str(), &end, 10);
      unsigned speed;
      if (errno || *end || b <= 0 || b > 4000000 || !link::BaudToSpeed(static_cast<int>(b), speed))
        return "unsupported speed " + v;
      o.baud = static_cast<int>(b);
    }
  }
  if (i >= argc) return "no command given";
  o.command = argv[i++];
  for (; i < argc; ++i) o.args.push_back(argv[i]);
  if (o.command == "ports") return o.args.empty() ? "" : "ports takes no arguments";
  if (o.command == "send") {
    if (o.args.empty() || o.args.size() > 2) return "send needs CODE and optionally PARAMS";
    if (ParseCommandCode(o.args[0]) < 0)
      return "command code must be two hexadecimal digits: " + o.args[0];
    return {};
  }
  if (o.command == "run") return o.args.size() == 1 ? "" : "run needs one SCRIPT file";
  return "unknown command " + o.command;
}

}  // namespace tesmar::cli
