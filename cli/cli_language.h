// The language of tesmar-cli's texts for a person (replies as text, script
// messages, the driver's and the transfers' messages): --lang, else
// [Interface] Language of tsinit.ini, else the locale (LC_ALL, LC_MESSAGES,
// LANG), as the program chooses. The translations are the program's own .qm
// files, read without Qt. --json output is never translated.
#pragma once

#include <string>

#include "link/ini_profile.h"
#include "link/text_catalog.h"

namespace tesmar::cli {

// The language chosen from the option, the configuration and the locale
// variables of the environment.
std::string CliLanguage(const std::string& option, const link::IniProfile& ini);

// The catalog of `language` from the folders the program installs or builds
// its translations in (TESMAR_TRANSLATIONS first); empty for "ru" or when no
// file is found, which leaves every text as written.
link::TextCatalog LoadTexts(const std::string& language, const std::string& programPath);

}  // namespace tesmar::cli
