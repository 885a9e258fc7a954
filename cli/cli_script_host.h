// tesmar-cli's side of a script run: log lines to stdout, messages to
// stderr, SetSpeed reopens the same port.
#pragma once

#include <cstdio>
#include <string>

#include "driver.h"
#include "script_host.h"

namespace tesmar::cli {

class CliScriptHost : public script::ScriptHost {
 public:
  CliScriptHost(link::Driver& driver, std::string port, std::FILE* out = stdout,
                std::FILE* err = stderr)
      : driver_(driver), port_(std::move(port)), out_(out), err_(err) {}

  void Message(const std::string& utf8) override;
  void Log(const std::string& bytes) override;
  bool ReopenSerial(int baud, std::string& port) override;

 private:
  link::Driver& driver_;
  std::string port_;
  std::FILE* out_;
  std::FILE* err_;
};

}  // namespace tesmar::cli
