// tesmar-cli: the driver without windows, for automation and service scripts.
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "cli/cli_options.h"
#include "cli/cli_script_host.h"
#include "cli/conform.h"
#include "cli/connection.h"
#include "link/driver.h"
#include "link/encoding.h"
#include "link/port_control.h"
#include "cli/reply_output.h"
#include "script/script_runner.h"
#include "cli/stop_signal.h"
#include "cli/transfer_command.h"
#include "cli/cli_language.h"

using namespace tesmar;

namespace {

using cli::kBadUsage;
using cli::kNoLink;
using cli::WithRegistrar;

int Usage(const std::string& problem) {
  std::fprintf(stderr, "tesmar-cli: %s\n", problem.c_str());
  return kBadUsage;
}

int ListPorts() {
  link::TPortControl ports;
  if (ports.BeginEnumeratePorts() != 0) {
    std::fprintf(stderr, "tesmar-cli: the serial ports cannot be listed\n");
    return kNoLink;
  }
  for (std::string n = ports.EnumeratePorts(); !n.empty(); n = ports.EnumeratePorts())
    std::printf("%s\n", n.c_str());
  ports.EndEnumeratePorts();
  return 0;
}

// The texts for a person in the language chosen; set once in main.
link::TextCatalog texts;

int Send(const cli::Options& o) {
  std::string params;
  if (o.args.size() > 1) {
    const std::string problem = cli::WireParameters(o.args[1], params);
    if (!problem.empty()) return Usage(problem);
  }
  return WithRegistrar(o, [&](link::Driver& driver, const link::IniProfile&) {
    const link::ReplyRecord& r = driver.ExecuteCommand(cli::ParseCommandCode(o.args[0]), params);
    if (!driver.Message().empty())
      std::fprintf(stderr, "tesmar-cli: %s\n", texts.Translate(driver.Message()).c_str());
    std::fputs((o.json ? cli::ReplyAsJson(r) + "\n" : cli::ReplyAsText(r, texts)).c_str(), stdout);
    return cli::ExitStatusFor(link::OutcomeOf(r));
  });
}

int RunScript(const cli::Options& o) {
  const std::string problem = cli::ScriptFileProblem(o.args[0]);
  if (!problem.empty()) return Usage(problem);
  long linesRead = 0;
  // The link is closed before a stop is reported, so the session log gets
  // its end line whatever ended the run.
  const int status = WithRegistrar(o, [&](link::Driver& driver, const link::IniProfile& ini) {
    cli::CliScriptHost host(driver, cli::PortOf(o, ini));
    cli::InterruptibleSleeper sleeper;
    script::ScriptRunner runner(driver, host, sleeper);
    host.StopOnSignal(&runner);
    host.TranslateWith(&texts);
    cli::InstallStopHandler();
    const script::Outcome outcome = runner.Run(o.args[0]);
    linesRead = runner.LinesRead();
    return cli::RunExitStatus(outcome, runner.LastCommandOutcome());
  });
  if (const int signal = cli::PendingStopSignal(); signal != 0) {
    std::fprintf(stderr, "tesmar-cli: stopped by %s after line %ld of %s\n",
                 cli::SignalName(signal).c_str(), linesRead, o.args[0].c_str());
    return 128 + signal;
  }
  return status;
}

int Transfer(const cli::Options& o) {
  cli::TransferArgs t;
  if (const std::string problem = cli::ParseTransferArgs(o.command, o.args, t); !problem.empty())
    return Usage(problem);
  return WithRegistrar(o, [&](link::Driver& driver, const link::IniProfile&) {
    return cli::RunTransfer(t, driver);
  });
}

int Conform(const cli::Options& o) {
  cli::ConformArgs a;
  if (const std::string problem = cli::ParseConformArgs(o.args, a); !problem.empty())
    return Usage(problem);
  std::ifstream in(a.contract, std::ios::binary);
  std::stringstream text;
  if (in) text << in.rdbuf();
  if (!in || in.bad()) return Usage("cannot read the contract " + a.contract);
  std::vector<cli::ContractStep> steps;
  if (std::string problem; !cli::ParseContract(text.str(), steps, problem))
    return Usage(a.contract + ":" + problem);
  return WithRegistrar(o, [&](link::Driver& driver, const link::IniProfile&) {
    std::optional<cli::TapeFileReader> tape;
    if (!a.tape.empty()) tape.emplace(a.tape);
    const cli::ConformReport report = cli::RunContract(driver, steps, tape ? &*tape : nullptr);
    std::fputs(cli::ReportText(report, a.contract).c_str(), stdout);
    return cli::ConformExitStatus(report);
  });
}

}  // namespace

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
  if (!problem.empty()) return Usage(problem + " (see --help)");
  texts = cli::LoadTexts(
      cli::CliLanguage(o.language, link::IniProfile(o.configDir + "/tsinit.ini")), argv[0]);
  if (o.command == "ports") return ListPorts();
  if (o.command == "run") return RunScript(o);
  if (o.command == "flash" || o.command == "firmware") return Transfer(o);
  if (o.command == "conform") return Conform(o);
  return Send(o);
}
