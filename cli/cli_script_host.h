// tesmar-cli's side of a script run: log lines to stdout, messages to
// stderr, SetSpeed reopens the same port, a stop signal stops the run.
#pragma once

#include <cstdio>
#include <string>

#include "link/driver.h"
#include "script/script_host.h"
#include "script/script_runner.h"
#include "link/text_catalog.h"

namespace tesmar::cli {

class CliScriptHost : public script::ScriptHost {
 public:
  CliScriptHost(link::Driver& driver, std::string port, std::FILE* out = stdout,
                std::FILE* err = stderr)
      : driver_(driver), port_(std::move(port)), out_(out), err_(err) {}

  void Message(const std::string& utf8) override;
  void Log(const std::string& bytes) override;
  bool ReopenSerial(int baud, std::string& port) override;
  // Between lines: a pending Ctrl-C or SIGTERM stops `runner` there.
  void ProcessEvents() override;
  void StopOnSignal(script::ScriptRunner* runner) { runner_ = runner; }
  // The runner's messages in the language of `texts`.
  void TranslateWith(const link::TextCatalog* texts) { texts_ = texts; }

 private:
  link::Driver& driver_;
  std::string port_;
  std::FILE* out_;
  std::FILE* err_;
  script::ScriptRunner* runner_ = nullptr;
  const link::TextCatalog* texts_ = nullptr;
};

}  // namespace tesmar::cli
