// Every text the sources mark has a finished translation in both languages:
// lupdate reads the sources as a translator's update would, and each of its
// texts must stand finished in i18n/tesmar_uk.ts and i18n/tesmar_en.ts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "link/reply_decoder.h"
#include "cli/reply_output.h"
#include "link/text_catalog.h"

namespace {

struct Message {
  std::string translation;
  bool finished = false;
};

std::string Unescape(std::string s) {
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [from, to] : entities)
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + 1))
      s.replace(at, std::strlen(from), to);
  return s;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// source -> translation of a .ts file.
std::map<std::string, Message> ReadTs(const std::string& path) {
  const std::string text = ReadFile(path);
  static const std::regex message(
      R"(<message>\s*<source>([\s\S]*?)</source>\s*<translation( type="[a-z]+")?>([\s\S]*?)</translation>)");
  std::map<std::string, Message> out;
  for (std::sregex_iterator it(text.begin(), text.end(), message), end; it != end; ++it)
    out[Unescape((*it)[1])] = {Unescape((*it)[3]), !(*it)[2].matched && (*it)[3].length() > 0};
  return out;
}

// What lupdate finds in the sources now.
std::map<std::string, Message> SourceTexts() {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("tesmar_i18n_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string ts = (dir / "sources.ts").string();
  std::string command = std::string("cd '") + TESMAR_SOURCE_DIR + "' && '" + LUPDATE +
                        "' -silent " + TESMAR_LUPDATE_OPTIONS + " " + TESMAR_TEXT_DIRS + " -ts '" +
                        ts + "' >/dev/null 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  auto texts = ReadTs(ts);
  std::filesystem::remove_all(dir);
  return texts;
}

std::set<std::string> Placeholders(const std::string& s) {
  std::set<std::string> out;
  static const std::regex p("%[1-9]");
  for (std::sregex_iterator it(s.begin(), s.end(), p), end; it != end; ++it) out.insert(it->str());
  return out;
}

std::string RepoTs(const std::string& language) {
  return std::string(TESMAR_SOURCE_DIR) + "/i18n/tesmar_" + language + ".ts";
}

}  // namespace

TEST(Translations, everyMarkedTextIsFinishedInBothLanguages) {
  const auto sources = SourceTexts();
  // Several hundred texts are shown to a person.
  EXPECT_GE(sources.size(), 900u);
  for (const std::string language : {"uk", "en"}) {
    const auto translated = ReadTs(RepoTs(language));
    int missing = 0;
    for (const auto& [source, unused] : sources) {
      const auto it = translated.find(source);
      if (it == translated.end() || !it->second.finished) {
        ADD_FAILURE() << language << ": no finished translation of \"" << source << "\"";
        ++missing;
        continue;
      }
      EXPECT_EQ(Placeholders(it->second.translation), Placeholders(source))
          << language << ": \"" << source << "\"";
    }
    EXPECT_EQ(missing, 0) << language << " of " << sources.size();
  }
}

// Letters that Russian has and Ukrainian does not: none is left in the
// Ukrainian texts.
TEST(Translations, ukrainianHasNoRussianLeft) {
  for (const auto& [source, m] : ReadTs(RepoTs("uk")))
    for (const char* letter : {"ы", "э", "ъ", "ё", "Ы", "Э", "Ъ", "Ё"})
      EXPECT_EQ(m.translation.find(letter), std::string::npos)
          << "\"" << source << "\" -> \"" << m.translation << "\"";
}

TEST(Translations, theBuiltCatalogsTranslateWholeTextsAndComposedOnes) {
  using tesmar::link::TextCatalog;
  TextCatalog uk, en;
  ASSERT_TRUE(uk.Load(std::string(TESMAR_QM_DIR) + "/tesmar_uk.qm"));
  ASSERT_TRUE(en.Load(std::string(TESMAR_QM_DIR) + "/tesmar_en.qm"));
  EXPECT_GE(uk.Size(), 900u);
  EXPECT_EQ(uk.Translate("Неверный код команды"), "Неправильний код команди");
  EXPECT_EQ(en.Translate("Неверный код команды"), "Wrong command code");
  // A decoded error: a group's heading and its item, put together.
  tesmar::link::ReplyRecord r;
  r.errorCode.Assign("0101");
  r.outcome = tesmar::link::ClassifyReply(0, "0101");
  const std::string decoded = tesmar::link::DecodeReplyError(r).text;
  ASSERT_EQ(decoded, "Ошибка оборудования!\n Ошибка принтера!");
  EXPECT_EQ(uk.Translate(decoded), "Помилка обладнання!\n Помилка принтера!");
  EXPECT_EQ(en.Translate(decoded), "Hardware error!\n Printer error!");
  // A field number inside a text.
  r.errorCode.Assign("0503");
  r.outcome = tesmar::link::ClassifyReply(0, "0503");
  EXPECT_EQ(en.Translate(tesmar::link::DecodeReplyError(r).text),
            "Wrong format of field number 5!");
  // Data that is no source text, and a word only inside another word, stay.
  EXPECT_EQ(en.Translate("КАСИРА . . ."), "КАСИРА . . .");
  EXPECT_EQ(en.Translate("Перепароль"), "Перепароль");
  // No file: no catalog, and the texts stay as written.
  TextCatalog none;
  EXPECT_FALSE(none.Load("/nonexistent/tesmar_uk.qm"));
  EXPECT_EQ(none.Translate("Неверный код команды"), "Неверный код команды");
}

TEST(Translations, languageChoiceOptionThenKeyThenLocaleThenRussian) {
  using tesmar::link::ChooseLanguage;
  EXPECT_EQ(ChooseLanguage("en", "uk", "uk_UA.UTF-8"), "en");
  EXPECT_EQ(ChooseLanguage("", "uk", "en_US.UTF-8"), "uk");
  EXPECT_EQ(ChooseLanguage("", " EN ", "C"), "en");
  EXPECT_EQ(ChooseLanguage("", "de", "uk_UA.UTF-8"), "uk");  // not a language: passed over
  EXPECT_EQ(ChooseLanguage("", "", "uk_UA.UTF-8"), "uk");
  EXPECT_EQ(ChooseLanguage("", "", "uk"), "uk");
  EXPECT_EQ(ChooseLanguage("", "", "en_GB"), "en");
  EXPECT_EQ(ChooseLanguage("", "", "ru_UA.UTF-8"), "ru");
  EXPECT_EQ(ChooseLanguage("", "", "de_DE"), "ru");
  EXPECT_EQ(ChooseLanguage("", "", "C.UTF-8"), "ru");
  EXPECT_EQ(ChooseLanguage("", "", "ukx"), "ru");
  EXPECT_EQ(ChooseLanguage("", "", ""), "ru");
}

// tesmar-cli: the reply as text in the language of the catalog; the
// registrar's data as it came.
TEST(Translations, cliReplyTextFollowsTheLanguage) {
  tesmar::link::ReplyRecord r;
  r.caption = "Команда 21h: Чтение даты и времени";
  r.errorCode.Assign("0101");
  r.outcome = tesmar::link::ClassifyReply(0, "0101");
  tesmar::link::TextCatalog en;
  ASSERT_TRUE(en.Load(std::string(TESMAR_QM_DIR) + "/tesmar_en.qm"));
  const std::string russian = tesmar::cli::ReplyAsText(r);
  const std::string english = tesmar::cli::ReplyAsText(r, en);
  EXPECT_NE(russian.find("Код ошибки: 0101"), std::string::npos) << russian;
  EXPECT_NE(english.find("Command 21h: Read date and time\n"), std::string::npos) << english;
  EXPECT_NE(english.find("Error code: 0101"), std::string::npos) << english;
  EXPECT_NE(english.find("Hardware error!\n Printer error!"), std::string::npos) << english;
}
