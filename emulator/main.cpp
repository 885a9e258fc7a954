// tesmar-emu: a registrar in software on a pseudo-terminal.
#include <signal.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "emulator/bank_terminal_pty.h"
#include "link/encoding.h"
#include "emulator/pty_server.h"
#include "link/registrar_models.h"
#include "emulator/state_file.h"
#include "emulator/tape_form.h"

using namespace tesmar::emu;

namespace {

std::atomic<bool> g_stop{false};  // set by SIGINT/SIGTERM

const char* kHelp = R"(Usage: tesmar-emu [OPTIONS]

A fiscal registrar in software. It serves the registrar's side of the frame
protocol on a pseudo-terminal and prints that terminal's path; point Tesmar or
tesmar-cli at it as at a serial port. Stop it with Ctrl+C.

Line:
  --link PATH          also make PATH a symlink to the pty (a stable name); PATH
                       must be absent or such a link left by an earlier run
  --baud N             the line's speed: answer only a port set to N baud (110,
                       300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600
                       or 115200), and pace the bytes both ways as N baud
                       would: a request is acted on once it has crossed
                       (default, or 0: any speed, at once); 27h changes it
  --busy MS            send SYN bytes for MS milliseconds before each reply

Registrar:
  --model TEXT         model text of command 80h (default "Tesmar EMU-01"); the
                       tape is as wide as the program's rules give the model,
                       and a model listed below brings its firmware and counts
  --firmware-version TEXT
                       firmware version (default "3.01", or the model's); the
                       older spelling --version TEXT is still read
  --tax-groups N       number of tax groups (default 5, or the model's)
  --payment-types N    number of payment types (default 10, or the model's)
  --service-mode       report service mode in status byte 0
  --flash-size N       bytes of the fiscal memory image (default 1048576, at
                       most 4194304); an image kept by --state keeps its size
  --firmware-size N    bytes of firmware to read out (default 49152, at most
                       1048576; 0: none, E7h answers that there is no data)
  --tape FILE          append every printed line to FILE (UTF-8)
  --state FILE         keep the registrar's memory in FILE across runs (written
                       at the start and after every command; a command whose
                       state cannot be written is answered with the flash
                       memory error 0401)

Faults (probability 0..1 per request, repeatable with --seed):
  --nak P --corrupt P --stray P --silence P --cut P --hangup P
                       after a hang-up it serves again on a new pty, and the
                       --link follows it
  --seed N             seed of the fault generator (default 1)

Bank terminal:
  --terminal-link PATH serve a bank terminal on a second pty, PATH a symlink
                       to it (the program's terminal port)
  --terminal-no-ack P --terminal-cut P --terminal-over-long P
                       its faults, per payment (seeded by --seed)
  --terminal-decline P decline the card (response code 05), per payment
  --terminal-delay MS  hold each of the terminal's two messages back MS
                       milliseconds, as a customer entering a PIN would

  -h, --help           print this help and exit
  --version            print the program's version and exit

Example, with the command-line front end in a second terminal:
  tesmar-emu --link /tmp/registrar
  tesmar-cli -p /tmp/registrar send 80 "731942;"
)";

// Decimal digits only: "1e5", " 5", "+5" and "5x" are not numbers.
bool ParseInt(const std::string& s, long lo, long hi, long& out) {
  if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos)
    return false;
  const long v = std::stol(s);
  if (v < lo || v > hi) return false;
  out = v;
  return true;
}

// "0", "1", "0.25", "1.0": digits with an optional fraction, from 0 to 1.
bool ParseProbability(const std::string& s, double& out) {
  const size_t dot = s.find('.');
  const std::string whole = s.substr(0, dot);
  const std::string fraction = dot == std::string::npos ? "" : s.substr(dot + 1);
  const auto digits = [](const std::string& t) {
    return t.find_first_not_of("0123456789") == std::string::npos;
  };
  if (whole.empty() || !digits(whole) || !digits(fraction) ||
      (dot != std::string::npos && fraction.empty()) || whole.size() > 3 || fraction.size() > 9)
    return false;
  const double v = std::stod(s);
  if (!(v >= 0 && v <= 1)) return false;
  out = v;
  return true;
}

// The models of the table, for --help.
void PrintModels() {
  std::printf("\nModels (tape width, firmware, tax groups, payment types; 0 reads as 10):\n");
  for (const tesmar::link::RegistrarModel& m : tesmar::link::RegistrarModels())
    std::printf("  %-18.*s %2d  %-5.*s %d %2d\n", static_cast<int>(m.model.size()), m.model.data(),
                m.Options().tapeWidth, static_cast<int>(m.firmware.size()), m.firmware.data(),
                m.taxGroups, m.paymentTypes);
}

int Usage(const std::string& message) {
  std::fprintf(stderr, "tesmar-emu: %s (see --help)\n", message.c_str());
  return 64;
}

struct Config {
  RegistrarOptions registrar;
  GivenOptions given;
  LineOptions line;
  FaultPlan faults;
  std::string tape, state;
  std::string terminalLink;
  TerminalFaults terminal;
};

constexpr long kMaxTerminalDelayMs = 3600000;

// The bank terminal's options; false when `a` is none of them.
bool ApplyTerminal(Config& c, const std::string& a, const std::string& v, std::string& complaint) {
  if (a == "--terminal-link") {
    c.terminalLink = v;
    return true;
  }
  if (a == "--terminal-delay") {
    long ms = 0;
    if (ParseInt(v, 0, kMaxTerminalDelayMs, ms))
      c.terminal.delayMs = static_cast<int>(ms);
    else
      complaint = "bad number for " + a + ": " + v;
    return true;
  }
  double* p = a == "--terminal-no-ack"      ? &c.terminal.noAck
              : a == "--terminal-cut"       ? &c.terminal.cutShort
              : a == "--terminal-over-long" ? &c.terminal.overLong
              : a == "--terminal-decline"   ? &c.terminal.decline
                                            : nullptr;
  if (!p) return false;
  if (!ParseProbability(v, *p)) complaint = "bad probability for " + a + ": " + v;
  return true;
}

// Applies one option with its value; empty on success, else the complaint.
std::string Apply(Config& c, const std::string& a, const std::string& v) {
  if (std::string complaint; ApplyTerminal(c, a, v, complaint)) return complaint;
  std::string* text = a == "--link"                                   ? &c.line.linkPath
                      : a == "--model"                                ? &c.registrar.model
                      : a == "--version" || a == "--firmware-version" ? &c.registrar.version
                      : a == "--tape"                                 ? &c.tape
                      : a == "--state"                                ? &c.state
                                                                      : nullptr;
  if (text) {
    *text = v;
    c.given.firmware = c.given.firmware || text == &c.registrar.version;
    return {};
  }
  int* number = a == "--baud"            ? &c.line.baud
                : a == "--busy"          ? &c.line.busyMs
                : a == "--tax-groups"    ? &c.registrar.taxGroups
                : a == "--payment-types" ? &c.registrar.paymentTypes
                                         : nullptr;
  const long lo = a == "--tax-groups" ? 1 : 0;
  const long hi = a == "--baud" ? 4000000 : a == "--busy" ? 3600000 : a == "--tax-groups" ? 9 : 10;
  long n = 0;
  if (number) {
    if (!ParseInt(v, lo, hi, n)) return "bad number for " + a + ": " + v;
    // A speed the registrar cannot take would leave the line at any speed.
    if (a == "--baud" && n != 0 && !IsLineSpeed(static_cast<int>(n)))
      return "unsupported speed for --baud: " + v + " (see --help)";
    *number = static_cast<int>(n);
    c.given.taxGroups = c.given.taxGroups || number == &c.registrar.taxGroups;
    c.given.paymentTypes = c.given.paymentTypes || number == &c.registrar.paymentTypes;
    return {};
  }
  if (a == "--flash-size") {
    if (!ParseInt(v, 1, static_cast<long>(kMaxFlashSize), n))
      return "bad size for " + a + " (1 to " + std::to_string(kMaxFlashSize) + "): " + v;
    c.registrar.flashSize = static_cast<size_t>(n);
    return {};
  }
  if (a == "--firmware-size") {
    if (!ParseInt(v, 0, static_cast<long>(kMaxFirmwareSize), n))
      return "bad size for " + a + " (0 to " + std::to_string(kMaxFirmwareSize) + "): " + v;
    c.registrar.firmwareSize = static_cast<size_t>(n);
    return {};
  }
  if (a == "--seed") {
    if (!ParseInt(v, 0, 999999999, n)) return "bad number for " + a + ": " + v;
    c.faults.seed = static_cast<unsigned>(n);
    c.terminal.seed = static_cast<unsigned>(n);
    return {};
  }
  double* p = a == "--nak"       ? &c.faults.nak
              : a == "--corrupt" ? &c.faults.corrupt
              : a == "--stray"   ? &c.faults.stray
              : a == "--silence" ? &c.faults.silence
              : a == "--cut"     ? &c.faults.cut
                                 : &c.faults.hangUp;
  if (!ParseProbability(v, *p)) return "bad probability for " + a + ": " + v;
  return {};
}

bool TakesValue(const std::string& a) {
  static const char* const kNames[] = {
      "--link",         "--model", "--version", "--firmware-version",
      "--tape",         "--state", "--baud",    "--busy",
      "--seed",         "--nak",   "--corrupt", "--stray",
      "--silence",      "--cut",   "--hangup",  "--tax-groups",
      "--payment-types", "--flash-size", "--firmware-size",
      "--terminal-link", "--terminal-no-ack", "--terminal-cut", "--terminal-over-long",
      "--terminal-decline", "--terminal-delay"};
  for (const char* name : kNames)
    if (a == name) return true;
  return false;
}

// Returns 0 to go on, -1 when help was shown, or the exit status.
int Parse(int argc, char** argv, Config& c) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::fputs(kHelp, stdout);
      PrintModels();
      return -1;
    }
    if (a == "--version" && (i + 1 >= argc || argv[i + 1][0] == '-')) {
      std::printf("tesmar-emu %s\n", TESMAR_VERSION);
      return -1;
    }
    if (a == "--service-mode") {
      c.registrar.serviceMode = true;
      continue;
    }
    if (!TakesValue(a)) return Usage("unknown option " + a);
    if (i + 1 >= argc) return Usage("option " + a + " needs a value");
    const std::string complaint = Apply(c, a, argv[++i]);
    if (!complaint.empty()) return Usage(complaint);
  }
  TakeModelDefaults(c.registrar, c.given);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Config c;
  if (int rc = Parse(argc, argv, c)) return rc < 0 ? 0 : rc;

  Registrar registrar(c.registrar);
  if (!c.state.empty()) {
    std::string error;
    if (!LoadState(c.state, registrar.state, &error)) {
      std::fprintf(stderr, "tesmar-emu: %s\n", error.c_str());
      return 1;
    }
    // Written once now, so that a state that cannot be kept (a missing or
    // read-only folder) is said before any command is answered.
    if (!SaveState(c.state, registrar.state, &error)) {
      std::fprintf(stderr, "tesmar-emu: cannot keep the state in %s: %s\n", c.state.c_str(),
                   error.c_str());
      return 1;
    }
  }
  if (!c.tape.empty()) {
    if (!std::ofstream(c.tape, std::ios::app)) {
      std::fprintf(stderr, "tesmar-emu: cannot write the tape %s: %s\n", c.tape.c_str(),
                   std::strerror(errno));
      return 1;
    }
    registrar.SetTapeSink([path = c.tape](const std::string& line) {
      std::ofstream(path, std::ios::app) << tesmar::emu::TapeFileLine(line) << "\n";
    });
  }
  // A speed given on the command line is the line's starting speed, over the
  // one the state file remembers.
  if (IsLineSpeed(c.line.baud)) registrar.state.lineSpeed = c.line.baud;
  Session session(registrar, c.faults);
  if (!c.state.empty())
    session.OnExecuted([&] {
      std::string error;
      if (SaveState(c.state, registrar.state, &error)) return true;
      std::fprintf(stderr, "tesmar-emu: cannot save the state to %s: %s\n", c.state.c_str(),
                   error.c_str());
      return false;
    });

  struct sigaction sa {};
  sa.sa_handler = [](int) { g_stop = true; };
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);

  c.line.serveAgainAfterHangUp = true;
  PtyServer server(session, c.line);
  server.OnServingAgain([](const std::string& path) {
    std::fprintf(stderr, "tesmar-emu: hang-up (fault injected); serving again on %s\n",
                 path.c_str());
  });
  std::string error;
  if (!server.Open(&error)) {
    std::fprintf(stderr, "tesmar-emu: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s\n", server.Path().c_str());
  if (!c.line.linkPath.empty())
    std::printf("link: %s -> %s\n", c.line.linkPath.c_str(), server.Path().c_str());
  VirtualTerminal terminal(c.terminal);
  TerminalPty terminalPty(terminal, c.terminalLink);
  if (!c.terminalLink.empty()) {
    if (!terminalPty.Open(&error)) {
      std::fprintf(stderr, "tesmar-emu: bank terminal: %s\n", error.c_str());
      return 1;
    }
    terminalPty.Start();
    std::printf("terminal: %s -> %s\n", c.terminalLink.c_str(), terminalPty.Path().c_str());
  }
  std::fflush(stdout);

  server.Serve(g_stop);
  if (g_stop) return 0;
  std::fprintf(stderr, "tesmar-emu: the line went down and could not be served again\n");
  return 1;
}
