#include "emulator/mode_passwords.h"

#include "link/command_table.h"
#include "emulator/registrar.h"

namespace tesmar::emu {

namespace {

// A mode password that 2Bh has not set yet is the registrar's own.
const std::string& Chosen(const Registrar& r, const std::string& set) {
  return set.empty() ? r.options.password : set;
}

const std::string& PasswordOf(const Registrar& r, Mode mode) {
  const ConfigurationState& c = r.state;
  switch (mode) {
    case Mode::kProgramming:
      return Chosen(r, c.programmingPassword);
    case Mode::kReports:
      return Chosen(r, c.reportsPassword);
    case Mode::kAdministrator:
      return Chosen(r, c.adminPassword);
    case Mode::kWorking:
    case Mode::kOwn:
      break;
  }
  return r.options.password;
}

}  // namespace

Mode ModeOf(int code) {
  const link::CommandDescriptor* command = link::FindCommand(code);
  return command ? command->passwordMode : Mode::kWorking;
}

bool PasswordOpens(const Registrar& r, int code, std::string_view password) {
  const Mode mode = ModeOf(code);
  if (mode == Mode::kOwn) return true;  // the handler checks the command's own password
  if (mode != Mode::kWorking) return password == PasswordOf(r, mode);
  for (Mode m : {Mode::kWorking, Mode::kProgramming, Mode::kReports, Mode::kAdministrator})
    if (password == PasswordOf(r, m)) return true;
  return false;
}

}  // namespace tesmar::emu
