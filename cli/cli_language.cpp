#include "cli/cli_language.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tesmar::cli {

namespace {

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

// The folder of the running program: /proc/self/exe where there is one,
// else the path it was started by.
std::filesystem::path ProgramDir(const std::string& programPath) {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) exe = std::filesystem::absolute(programPath, ec);
  return exe.parent_path();
}

}  // namespace

std::string CliLanguage(const std::string& option, const link::IniProfile& ini) {
  std::string locale = Env("LC_ALL");
  if (locale.empty()) locale = Env("LC_MESSAGES");
  if (locale.empty()) locale = Env("LANG");
  return link::ChooseLanguage(option, ini.GetString("Interface", "Language", ""), locale);
}

link::TextCatalog LoadTexts(const std::string& language, const std::string& programPath) {
  link::TextCatalog texts;
  if (language == "ru") return texts;
  const std::filesystem::path dir = ProgramDir(programPath);
  const std::string path = link::FindCatalog(
      {Env("TESMAR_TRANSLATIONS"), (dir / "../share/tesmar/translations").string(),
       (dir / "../i18n").string()},
      language);
  if (!path.empty()) texts.Load(path);
  return texts;
}

}  // namespace tesmar::cli
