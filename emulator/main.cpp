// tesmar-emu: a registrar in software on a pseudo-terminal.
#include <signal.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "encoding.h"
#include "pty_server.h"
#include "state_file.h"

using namespace tesmar::emu;

namespace {

std::atomic<bool> g_stop{false};  // set by SIGINT/SIGTERM

const char* kHelp = R"(Usage: tesmar-emu [OPTIONS]

A fiscal registrar in software. It serves the registrar's side of the frame
protocol on a pseudo-terminal and prints that terminal's path; point Tesmar or
tesmar-cli at it as at a serial port. Stop it with Ctrl+C.

Line:
  --link PATH          also make PATH a symlink to the pty (a stable name)
  --baud N             pace the bytes as N baud would (default: at once)
  --busy MS            send SYN bytes for MS milliseconds before each reply

Registrar:
  --model TEXT         model text of command 80h (default "Tesmar EMU-01")
  --firmware-version TEXT
                       firmware version (default "3.01"); the older spelling
                       --version TEXT is still read
  --tax-groups N       number of tax groups (default 5)
  --payment-types N    number of payment types (default 10)
  --service-mode       report service mode in status byte 0
  --tape FILE          append every printed line to FILE (UTF-8)
  --state FILE         keep the registrar's memory in FILE across runs

Faults (probability 0..1 per request, repeatable with --seed):
  --nak P --corrupt P --stray P --silence P --cut P --hangup P
  --seed N             seed of the fault generator (default 1)

  -h, --help           print this help and exit
  --version            print the program's version and exit

Example, with the command-line front end in a second terminal:
  tesmar-emu --link /tmp/registrar
  tesmar-cli -p /tmp/registrar send 80 "731942;"
)";

bool ParseInt(const char* s, long lo, long hi, long& out) {
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(s, &end, 10);
  if (errno || !end || *end || end == s || v < lo || v > hi) return false;
  out = v;
  return true;
}

bool ParseProbability(const char* s, double& out) {
  char* end = nullptr;
  const double v = std::strtod(s, &end);
  if (!end || *end || end == s || !(v >= 0 && v <= 1)) return false;
  out = v;
  return true;
}

int Usage(const std::string& message) {
  std::fprintf(stderr, "tesmar-emu: %s (see --help)\n", message.c_str());
  return 64;
}

struct Config {
  RegistrarOptions registrar;
  LineOptions line;
  FaultPlan faults;
  std::string tape, state;
};

// Returns 0 to go on, or the exit status.
int Parse(int argc, char** argv, Config& c) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::fputs(kHelp, stdout);
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
    if (i + 1 >= argc) return Usage("option " + a + " needs a value");
    const char* v = argv[++i];
    long n = 0;
    double* p = nullptr;
    if (a == "--link")
      c.line.linkPath = v;
    else if (a == "--model")
      c.registrar.model = v;
    else if (a == "--firmware-version" || a == "--version")
      c.registrar.version = v;
    else if (a == "--tape")
      c.tape = v;
    else if (a == "--state")
      c.state = v;
    else if (a == "--baud" || a == "--busy" || a == "--tax-groups" || a == "--payment-types" ||
             a == "--seed") {
      if (!ParseInt(v, 0, a == "--baud" ? 4000000 : 1000000, n))
        return Usage("bad number for " + a + ": " + v);
      if (a == "--baud") c.line.baud = static_cast<int>(n);
      if (a == "--busy") c.line.busyMs = static_cast<int>(n);
      if (a == "--tax-groups") c.registrar.taxGroups = static_cast<int>(n);
      if (a == "--payment-types") c.registrar.paymentTypes = static_cast<int>(n);
      if (a == "--seed") c.faults.seed = static_cast<unsigned>(n);
    } else if ((p = a == "--nak"       ? &c.faults.nak
                    : a == "--corrupt" ? &c.faults.corrupt
                    : a == "--stray"   ? &c.faults.stray
                    : a == "--silence" ? &c.faults.silence
                    : a == "--cut"     ? &c.faults.cut
                    : a == "--hangup"  ? &c.faults.hangUp
                                       : nullptr)) {
      if (!ParseProbability(v, *p)) return Usage("bad probability for " + a + ": " + v);
    } else {
      return Usage("unknown option " + a);
    }
  }
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
  }
  if (!c.tape.empty()) {
    if (!std::ofstream(c.tape, std::ios::app)) {
      std::fprintf(stderr, "tesmar-emu: cannot write the tape %s: %s\n", c.tape.c_str(),
                   std::strerror(errno));
      return 1;
    }
    registrar.SetTapeSink([path = c.tape](const std::string& line) {
      std::ofstream(path, std::ios::app) << tesmar::link::Cp1251ToUtf8(line) << "\n";
    });
  }
  Session session(registrar, c.faults);
  if (!c.state.empty())
    session.OnExecuted([&] {
      if (!SaveState(c.state, registrar.state))
        std::fprintf(stderr, "tesmar-emu: cannot save the state to %s\n", c.state.c_str());
    });

  PtyServer server(session, c.line);
  std::string error;
  if (!server.Open(&error)) {
    std::fprintf(stderr, "tesmar-emu: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s\n", server.Path().c_str());
  if (!c.line.linkPath.empty())
    std::printf("link: %s -> %s\n", c.line.linkPath.c_str(), server.Path().c_str());
  std::fflush(stdout);

  struct sigaction sa {};
  sa.sa_handler = [](int) { g_stop = true; };
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  server.Serve(g_stop);
  if (server.HungUp()) std::fprintf(stderr, "tesmar-emu: hang-up (fault injected)\n");
  return 0;
}
