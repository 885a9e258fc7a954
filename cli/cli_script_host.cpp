#include "cli/cli_script_host.h"

#include "cli/connection.h"
#include "link/encoding.h"
#include "cli/stop_signal.h"

namespace tesmar::cli {

void CliScriptHost::Message(const std::string& utf8) {
  std::fprintf(err_, "%s\n", (texts_ ? texts_->Translate(utf8) : utf8).c_str());
  std::fflush(err_);
}

void CliScriptHost::Log(const std::string& bytes) {
  std::fprintf(out_, "%s\n", link::PrintableCp1251(bytes).c_str());
  std::fflush(out_);
}

bool CliScriptHost::ReopenSerial(int baud, std::string& port) {
  port = port_;
  if (port_.empty()) return false;  // the direct USB link has no speed
  driver_.CloseSerialLink();
  std::string error;
  return AttachSerialPort(driver_, port_, baud, error);
}

}  // namespace tesmar::cli

namespace tesmar::cli {

void CliScriptHost::ProcessEvents() {
  if (runner_ && PendingStopSignal() != 0) runner_->Stop();
}

}  // namespace tesmar::cli
