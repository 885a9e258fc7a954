#include "mode_passwords.h"

#include "emu_codes.h"
#include "registrar.h"

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
      break;
  }
  return r.options.password;
}

}  // namespace

Mode ModeOf(int code) {
  if (code == cmd::kSetModePasswords) return Mode::kAdministrator;
  if (code >= cmd::kReadResources && code <= cmd::kPrintAdditionalReport) return Mode::kReports;
  const bool articles = code >= cmd::kAddArticle && code <= cmd::kReadArticle;
  if ((code >= cmd::kProgramHeaderLine && code <= cmd::kFinishLogo && !articles) ||
      (code >= cmd::kProgramSerialNumber && code <= cmd::kReadDecimalPoint))
    return Mode::kProgramming;
  return Mode::kWorking;
}

bool PasswordOpens(const Registrar& r, int code, std::string_view password) {
  const Mode mode = ModeOf(code);
  if (mode != Mode::kWorking) return password == PasswordOf(r, mode);
  for (Mode m : {Mode::kWorking, Mode::kProgramming, Mode::kReports, Mode::kAdministrator})
    if (password == PasswordOf(r, m)) return true;
  return false;
}

}  // namespace tesmar::emu
