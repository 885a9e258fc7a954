#include "cli/cli_options.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "cli/conform.h"
#include "link/encoding.h"
#include "link/frame.h"
#include "link/hex.h"
#include "link/serial_port.h"
#include "cli/transfer_command.h"
#include "link/text_catalog.h"

namespace tesmar::cli {

const char* kHelp = R"(Usage:
  tesmar-cli --help | --version
  tesmar-cli ports
  tesmar-cli [-p PORT] [-b BAUD] [--usb] [--config DIR] [--lang LANG] [--json] send CODE [PARAMS]
  tesmar-cli [-p PORT] [-b BAUD] [--usb] [--config DIR] run SCRIPT
  tesmar-cli [...] flash read --start A --count C FILE | flash write FILE | flash clear --yes
  tesmar-cli [...] firmware read FILE
  tesmar-cli [...] conform [--tape FILE] CONTRACT

Talks to a fiscal registrar without windows.

  ports            list the serial ports present, one device path a line
  send CODE PARAMS send command CODE (two hexadecimal digits, 20 to FF) with
                   the parameter string PARAMS, password first, e.g.
                   send 80 "731942;"; PARAMS is typed in UTF-8 and goes out
                   in Windows-1251
  run SCRIPT       run a script file (Windows-1251, one command or statement a
                   line): the exchange log goes to stdout, messages to stderr

  flash read       read C bytes of the fiscal memory from byte A into FILE
                   (A + C must not pass byte 9999999999)
  flash write      write FILE into the fiscal memory; A and C come from a name
                   like dump_4096_1024.bin unless --start and --count are given;
                   a file shorter than C is refused before anything is sent
  flash clear --yes
                   clear the whole fiscal memory (without --yes nothing is sent)
  firmware read    save the registrar's internal software into FILE
                   (these take --password P, default 731942, and the reads
                   --retries R, default 2: a chunk refused, lost, damaged or
                   refused by NAK is asked for again R times before the read
                   stops; a bar on stderr shows the progress when it is a
                   terminal; Ctrl-C stops between chunks; a read writes
                   FILE.part as the bytes come and renames it to FILE only
                   when it is whole: a read that stops says how many bytes
                   FILE.part kept and leaves an older FILE as it was)

  conform          run a registrar contract (a file of steps: a command, the
                   error code and the fields or printed rows it must give) and
                   print each step whose answer differs, then the counts; the
                   contract of Tesmar's rules is share/tesmar/contract/
                   registrar.contract; --tape FILE reads what the registrar
                   prints from FILE (tesmar-emu --tape), else those checks are
                   not made; exit status 0 all as the contract says, 1 some
                   differ, 2 the registrar stopped answering, 64 a bad contract

  -p PORT          serial port (device path); default: "Communication"/"Port"
                   of tsinit.ini
  -b BAUD          speed; default: "Communication"/"Speed" of tsinit.ini, else 9600
  --usb            use the direct USB link instead of a serial port
  --config DIR     folder of tsinit.ini (default: the current folder); the retry
                   count, the exchange bound and the session log settings are
                   read from it, and tesmar-cli.seq, the last sequence counter,
                   is kept there
  --json           print the reply as one JSON object (never translated)
  --lang LANG      language of the texts for a person: ru, uk or en; default:
                   [Interface] Language of tsinit.ini, else the locale's
                   language when it is Ukrainian or English, else ru

tsinit.ini keys: [Fiscal Printer] Reply (resends, default 1), [Fiscal Printer]
ExchangeLimit (the longest one command may take in ms, SYN bytes included,
default 3600000), [LogFile] Log, LogName, Comments (the session log).

A registrar answers a request with the same SEQ, code and parameters as its
last one from memory, without carrying it out, and another program (or a run
from another folder) may have sent its last request. So every run first reads
the registrar's date and time (21h "731942;") until it is answered, and its
first command goes out with the next SEQ; when that read gets no answer the
command is not sent (exit status 2). A damaged or lost answer is asked again
with the same SEQ, which the registrar answers from memory.

Text that cannot be sent in Windows-1251 (broken UTF-8, characters it lacks)
and parameter strings over 219 bytes are refused before anything is sent.
Ctrl-C or SIGTERM during run stops the script between lines, as "Стоп" does;
a second one ends the program at once.

Exit status of send: 0 the registrar accepted (error code exactly "0000"),
1 it refused, 2 it did not carry it out as far as the line tells (NAK, no
link, not sent, or no answer at all), 3 it may have run (an answer was lost
or damaged on every try: look at the tape before sending it again), 64 bad
usage (a bad tsinit.ini Speed included).
Exit status of run: 0 the script reached "Конец файла!", 1 a failure ended
it, 2 no link, 3 its last command may have run (as send's 3), 64 bad usage,
130 stopped by Ctrl-C, 143 by SIGTERM.
Exit status of flash and firmware: 0 success (flash read: every byte asked
for), 1 a failure ended it (the message says how many bytes FILE.part kept),
4 flash read: the fiscal memory ended before C bytes (FILE holds those there
were), 2 no link, 64 bad usage, 130 stopped by Ctrl-C, 143 by SIGTERM.

A registrar in software for trying it out: tesmar-emu --link /tmp/registrar
then: tesmar-cli -p /tmp/registrar send 80 "731942;"
)";

int ParseCommandCode(const std::string& text) {
  const auto v = link::ParseHex(text, link::HexCase::kAny);
  return text.size() == 2 && v ? static_cast<int>(*v) : -1;
}

namespace {

std::string CodePoint(char32_t c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
  return buf;
}

}  // namespace

std::string WireParameters(const std::string& typed, std::string& wire) {
  const link::Cp1251Text t = link::Utf8ToCp1251Exact(typed);
  const std::string named = "\"" + link::PrintableUtf8(typed) + "\"";
  const std::string at = " at byte " + std::to_string(t.offset + 1);
  if (t.fault == link::TextFault::kInvalidUtf8)
    return "PARAMS is not valid UTF-8" + at + ", nothing sent: " + named;
  if (t.fault == link::TextFault::kNotInCp1251)
    return "PARAMS holds " + CodePoint(t.codePoint) + at +
           ", which Windows-1251 cannot carry, nothing sent: " + named;
  if (t.text.size() > link::kMaxParameterLength)
    return "PARAMS is " + std::to_string(t.text.size()) + " bytes in Windows-1251, more than the " +
           std::to_string(link::kMaxParameterLength) + " a command can carry; nothing sent";
  wire = t.text;
  return {};
}

std::string LineSpeed(int optionBaud, const link::IniProfile& ini, int& baud) {
  if (optionBaud != 0) {
    baud = optionBaud;
    return {};
  }
  baud = ini.GetInt("Communication", "Speed", 9600);
  unsigned speed;
  if (link::BaudToSpeed(baud, speed)) return {};
  return "[Communication] Speed in " + ini.Path() + " is not a speed the port can take: \"" +
         link::PrintableUtf8(ini.GetString("Communication", "Speed", "")) + "\" (give one with -b)";
}

std::string ScriptFileProblem(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {};
  if (S_ISDIR(st.st_mode)) return path + " is a folder, not a script file";
  if (!S_ISREG(st.st_mode)) return path + " is not a regular file, not a script file";
  return {};
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
    if (a != "-p" && a != "-b" && a != "--config" && a != "--lang") return "unknown option " + a;
    if (i + 1 >= argc) return "option " + a + " needs a value";
    const std::string v = argv[++i];
    if (a == "-p") o.port = v;
    if (a == "--config") o.configDir = v;
    if (a == "--lang") {
      if (!link::IsLanguage(v)) return "--lang takes ru, uk or en";
      o.language = v;
    }
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
    const int code = ParseCommandCode(o.args[0]);
    if (code < 0) return "command code must be two hexadecimal digits: " + o.args[0];
    if (code < 0x20) return "command codes run from 20 to FF: " + o.args[0];
    return {};
  }
  if (o.command == "run") return o.args.size() == 1 ? "" : "run needs one SCRIPT file";
  if (o.command == "conform") {
    ConformArgs c;
    return ParseConformArgs(o.args, c);
  }
  if (o.command == "flash" || o.command == "firmware") {
    TransferArgs t;
    return ParseTransferArgs(o.command, o.args, t);
  }
  return "unknown command " + o.command;
}

}  // namespace tesmar::cli
