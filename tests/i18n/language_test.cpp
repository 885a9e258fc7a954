// The interface in each language: the choice of the language (option,
// tsinit.ini, locale, default), the item that sets it, and a message, a
// decoded error and a menu as a person sees them in Russian, Ukrainian and
// English.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "app/command_test_dialog.h"
#include "app/status_bytes_dialog.h"
#include "app/translated_prompt.h"
#include "app/translation.h"
#include "link/reply_decoder.h"
#include "tests/app/app_harness.h"
#include "tests/support/program_harness.h"

using namespace tesmar;

namespace {

struct Expected {
  const char* language;
  const char* message;  // "Неверный код команды"
  const char* decoded;  // the title and the decoded 0101
  const char* menu;     // "Отчеты"
  const char* item;     // "Печать дневных отчетов"
};

const Expected kLanguages[] = {
    {"ru", "Неверный код команды", "Ошибка:\n  Ошибка оборудования!\n Ошибка принтера!", "Отчеты",
     "Печать дневных отчетов"},
    {"uk", "Неправильний код команди", "Помилка:\n  Помилка обладнання!\n Помилка принтера!",
     "Звіти", "Друк денних звітів"},
    {"en", "Wrong command code", "Error:\n  Hardware error!\n Printer error!", "Reports",
     "Print daily reports"},
};

class Language : public ::testing::Test {
 protected:
  void SetUp() override { qputenv("TESMAR_TRANSLATIONS", TESMAR_QM_DIR); }
};

}  // namespace

TEST_F(Language, optionThenKeyThenSystemLocaleThenRussian) {
  EXPECT_EQ(app::ChooseLanguage("uk", "en", QLocale(QLocale::English)), "uk");
  EXPECT_EQ(app::ChooseLanguage("", "en", QLocale(QLocale::Ukrainian)), "en");
  EXPECT_EQ(app::ChooseLanguage("", "", QLocale(QLocale::Ukrainian, QLocale::Ukraine)), "uk");
  EXPECT_EQ(app::ChooseLanguage("", "", QLocale(QLocale::English, QLocale::UnitedKingdom)), "en");
  EXPECT_EQ(app::ChooseLanguage("", "", QLocale(QLocale::Russian, QLocale::Ukraine)), "ru");
  EXPECT_EQ(app::ChooseLanguage("", "", QLocale(QLocale::German)), "ru");
  EXPECT_EQ(app::ChooseLanguage("", "", QLocale::c()), "ru");
}

TEST_F(Language, theItemUnderAboutWritesTheKeyForTheNextStart) {
  test::AppHarness h;
  EXPECT_EQ(app::ConfiguredLanguage(h.state.configPath), "");
  QMenu* about = h.window->menu("О программе...");
  ASSERT_NE(about, nullptr);
  auto* languages = about->findChild<QMenu*>("languageMenu");
  ASSERT_NE(languages, nullptr);
  EXPECT_TRUE(languages->title().contains("со следующего запуска"));
  for (QAction* a : languages->actions())
    if (a->data().toString() == "uk") a->trigger();
  EXPECT_EQ(app::ConfiguredLanguage(h.state.configPath), "uk");
  EXPECT_TRUE(h.Config().contains("[Interface]\r\nLanguage=uk")) << h.Config().toStdString();
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_EQ(h.prompt.messages[0], "Язык интерфейса изменится при следующем запуске программы.");
  // Another choice replaces it; the configured one is shown checked.
  for (QAction* a : languages->actions())
    if (a->data().toString() == "en") a->trigger();
  EXPECT_EQ(app::ConfiguredLanguage(h.state.configPath), "en");
  QMenu again(nullptr);
  QMenu* fresh = app::LanguageMenu(h.state.configPath, h.prompt, &again);
  for (QAction* a : fresh->actions()) EXPECT_EQ(a->isChecked(), a->data().toString() == "en");
}

TEST_F(Language, aMessageADecodedErrorAndAMenuInEachLanguage) {
  for (const Expected& e : kLanguages) {
    SCOPED_TRACE(e.language);
    app::Translation translation;
    ASSERT_TRUE(translation.install(e.language));
    test::RecordingPrompt recorder;
    app::TranslatedPrompt prompt(recorder);
    test::ProgramHarness h;
    app::AppContext ctx{h.state, h.driver, prompt, h.sleeper};

    // A message of a window: a bad command code in the command test.
    app::StatusBytesDialog status(ctx);
    app::CommandTestDialog console(ctx, status);
    console.show();
    console.findChildren<QLineEdit*>().at(0)->setText("Z");
    for (QPushButton* b : console.findChildren<QPushButton*>())
      if (b->text() == QString::fromUtf8(e.language == std::string("ru")   ? "Выполнить"
                                         : e.language == std::string("uk") ? "Виконати"
                                                                           : "Run"))
        b->click();
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_EQ(recorder.messages[0], QString::fromUtf8(e.message));

    // A decoded error under its step's title, as the command path shows it.
    link::ReplyRecord r;
    r.errorCode.Assign("0101");
    r.outcome = link::ClassifyReply(0, "0101");
    prompt.showMessage(QString("Ошибка") + ":\n  " +
                       QString::fromStdString(link::DecodeReplyError(r).text));
    EXPECT_EQ(recorder.messages.last(), QString::fromUtf8(e.decoded));

    // A menu and its item, once the main window is shown.
    h.window->show();
    QApplication::processEvents();
    EXPECT_EQ(h.window->menu("Отчеты")->title(), QString::fromUtf8(e.menu));
    EXPECT_EQ(h.window->menuItem("Печать дневных отчетов")->text(), QString::fromUtf8(e.item));
    h.window->hide();
  }
}

// The success and refusal boxes reach the screen in the language in use, the
// refusal's advice too: a forwarding left out would show them in Russian.
TEST_F(Language, successAndRefusalBoxesAreTranslatedWithTheAdvice) {
  app::Translation translation;
  ASSERT_TRUE(translation.install("uk"));
  test::RecordingPrompt recorder;
  app::TranslatedPrompt prompt(recorder);
  prompt.showSuccess("Успешно!", "Пароли");
  prompt.showRefusal("Ошибка", "Закройте смену Z-отчетом: Отчеты → Печать дневных отчетов.",
                     "Пароли");
  ASSERT_EQ(recorder.successes.size(), 1);
  EXPECT_EQ(recorder.successes[0], "Успішно!");
  ASSERT_EQ(recorder.messages.size(), 2);
  EXPECT_EQ(recorder.messages[1], "Помилка");
  ASSERT_EQ(recorder.advices.size(), 1);
  EXPECT_EQ(recorder.advices[0], "Закрийте зміну Z-звітом: Звіти → Друк денних звітів.");
}
