// The translations of one language read from the .qm file that lrelease
// makes of i18n/tesmar_LANG.ts, without Qt: the command-line program shows
// its texts with it, and the windows translate messages put together from
// marked parts with it.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tesmar::link {

class TextCatalog {
 public:
  // Reads the translations of the context "Tesmar" from `path`; false (and
  // the catalog empty) when the file is missing or not a .qm file.
  bool Load(const std::string& path);
  bool Empty() const { return texts_.empty(); }
  size_t Size() const { return texts_.size(); }
  // The translation of a source text, or nullptr.
  const std::string* Find(std::string_view source) const;
  // `text` translated whole when it is a source text; else each source text
  // of at least four characters found in it between non-letters is replaced
  // by its translation, longest first (the parts of a composed message).
  std::string Translate(std::string_view text) const;

 private:
  std::unordered_map<std::string, std::string> texts_;
  std::vector<const std::string*> byLength_;  // the keys, longest first
};

// "ru", "uk" or "en".
bool IsLanguage(std::string_view language);
// The interface language: `option` when it is a language, else `configured`
// ([Interface] Language of tsinit.ini) when it is one, else the language of
// the system's locale name ("uk_UA.UTF-8" gives "uk", "en_GB" "en"), else the
// written Russian, "ru".
std::string ChooseLanguage(std::string_view option, std::string_view configured,
                           std::string_view locale);

// The .qm file of `language` ("uk", "en") in the first of `dirs` that has
// it; empty when none has.
std::string FindCatalog(const std::vector<std::string>& dirs, std::string_view language);

}  // namespace tesmar::link
