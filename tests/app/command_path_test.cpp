// The one command path of the windows, the window tables, and what the
// program sets on its application.
#include "app/command_path.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/about_box.h"
#include "tests/app/app_harness.h"
#include "app/application_setup.h"
#include "app/command_test_dialog.h"
#include "link/formatters.h"
#include "app/status_bytes_dialog.h"
#include "app/wire_text.h"

using namespace tesmar;

namespace {

const auto kBarcode = [](const char* digits) {
  return [digits](link::Driver & d, int& result) -> auto& {
    return link::PrintEan13Barcode(d, "731942", 50, digits, result);
  };
};

}  // namespace

TEST(CommandPath, formatterRefusalSendsNothingAndJudgesNothing) {
  test::AppHarness h;
  h.Connect();
  QLineEdit errorBox("old");
  QPushButton status;
  status.setEnabled(false);
  app::CommandPath path(h.ctx, &errorBox, &status);
  h.prompt.messages.clear();
  const app::Sent sent = path.decoded("Печать штрих-кода", kBarcode("12345678901"));  // 11 digits
  EXPECT_FALSE(sent.ok);
  EXPECT_EQ(sent.reply, nullptr);
  EXPECT_LT(sent.refusal, 0);
  EXPECT_EQ(h.registrar->registrar.Executed(0x6F), 0);
  EXPECT_EQ(errorBox.text(), "old");
  EXPECT_FALSE(status.isEnabled());
  EXPECT_TRUE(h.prompt.messages.isEmpty());
}

TEST(CommandPath, sentCommandFillsTheBoxesAndBecomesTheLastReply) {
  test::AppHarness h;
  h.Connect();
  QLineEdit errorBox;
  QPushButton status;
  status.setEnabled(false);
  app::CommandPath path(h.ctx, &errorBox, &status);
  h.registrar->registrar.options.password = "000000";
  h.prompt.messages.clear();
  const app::Sent refused = path.decoded(
      "Информация о свободных ресурсах и статусе",
      [](link::Driver & d) -> auto& { return link::ReadResources(d, "731942"); });
  EXPECT_FALSE(refused.ok);
  ASSERT_NE(refused.reply, nullptr);
  EXPECT_EQ(h.state.lastReply, refused.reply);
  EXPECT_EQ(errorBox.text(), "0006");
  EXPECT_TRUE(status.isEnabled());
  EXPECT_EQ(h.prompt.messages, QStringList{"Информация о свободных ресурсах и статусе:\n  "
                                           "Неверный пароль доступа!"});

  // The direct check: the window's own texts, the time-out first.
  h.prompt.messages.clear();
  const app::Sent direct = path.direct(
      "Нет ответа", "Отказ",
      [](link::Driver & d) -> auto& { return link::ReadResources(d, "731942"); });
  EXPECT_FALSE(direct.ok);
  EXPECT_EQ(h.prompt.messages, QStringList{"Отказ"});
  h.registrar->registrar.options.password = "731942";
  EXPECT_TRUE(path.direct(
      "Нет ответа", "Отказ",
      [](link::Driver & d) -> auto& { return link::ReadResources(d, "731942"); }));
}

TEST(CommandPath, directCheckSaysTimeoutWhenNoAnswerCame) {
  emu::FaultPlan silent;
  silent.silence = 1.0;
  test::AppHarness h({}, silent);
  ASSERT_GE(h.driver.OpenSerialLink(h.registrar->Path().toStdString(), 9600), 0);
  h.driver.SetRetryCount(0);  // one silent exchange is enough
  app::CommandPath path(h.ctx);
  h.prompt.messages.clear();
  EXPECT_FALSE(path.direct(
      "Нет ответа", "Отказ",
      [](link::Driver & d) -> auto& { return link::ReadDateTime(d, "731942"); }));
  EXPECT_EQ(h.prompt.messages, QStringList{"Нет ответа"});
}

TEST(CommandPath, withoutALinkTheDriverSaysSoAndNothingIsJudged) {
  test::AppHarness h;
  app::CommandPath path(h.ctx);
  const app::Sent sent = path.decoded(
      "Проверка", [](link::Driver & d) -> auto& { return link::ReadDateTime(d, "731942"); });
  EXPECT_EQ(sent.reply, nullptr);
  EXPECT_EQ(h.prompt.messages, QStringList{"Ошибка выбора устройства подключения!"});
}

TEST(LastReply, followsTheLatestExchangeWhoeverSentIt) {
  test::AppHarness h;
  h.Connect();
  app::StatusBytesDialog& status = h.window->statusDialog();
  status.fill();
  EXPECT_FALSE(status.box(5, 4)->isChecked());
  // An exchange that no window made (the monitor, the script runner, a
  // formatter called directly) is what the status dialog shows next.
  h.registrar->registrar.state.shiftOpen = true;
  link::ReadDateTime(h.driver, "731942");
  status.fill();
  EXPECT_TRUE(status.box(5, 4)->isChecked());
  EXPECT_EQ(h.state.lastReply, &h.driver.Record());
}

TEST(WireText, textWithoutAWindows1251FormIsRefusedByName) {
  EXPECT_EQ(app::ToWireExact("Привіт №5").value(), link::Utf8ToCp1251("Привіт №5"));
  EXPECT_FALSE(app::ToWireExact("кафе 日本").has_value());
  EXPECT_EQ(app::CharactersOutsideWire("a日b日😀"), "日😀");

  test::AppHarness h;
  h.Connect();
  app::CommandTestDialog& d = *h.window->find<app::CommandTestDialog>();
  d.code()->setText("21");
  d.line()->setText("日");
  const long before = h.registrar->registrar.Executed(0x21);
  h.prompt.messages.clear();
  d.execute();
  EXPECT_EQ(h.registrar->registrar.Executed(0x21), before);
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].contains("\"日\""));
  EXPECT_TRUE(h.prompt.messages[0].contains("Командная строка:"));
}

TEST(WindowTable, windowsAreMadeOnceAndTheRuleAtTheClickPicksOne) {
  test::AppHarness h;
  int made = 0;
  auto maker = [&made](const char* name) {
    return [&made, name](app::WindowServices& w) {
      ++made;
      auto* d = new QDialog(w.parent);
      d->setObjectName(name);
      return d;
    };
  };
  const QString copies = "Копия фискальных чеков по сквозным номерам";
  h.window->addWindows({
      app::Row(app::Menu::Reports, 7, copies, maker("tape"))
          .enabledWhen([](const app::AppState& s) { return s.firmwareVersion == "4.01"; }),
      app::Row(app::Menu::Reports, 7, copies, maker("receipts")),
  });
  EXPECT_EQ(made, 2);
  h.state.firmwareVersion = "4.01";
  EXPECT_EQ(h.window->windowFor(copies)->objectName(), "tape");
  h.state.firmwareVersion = "3.01";
  EXPECT_EQ(h.window->windowFor(copies)->objectName(), "receipts");
  EXPECT_EQ(made, 2);  // never made again

  // The menus are built from the rows alone: without a row there is no item.
  h.Connect();
  EXPECT_TRUE(h.window->menuItem(copies)->isEnabled());
  EXPECT_EQ(h.window->menuItem("Фискальный чек"), nullptr);
  // A rule that says no disables the item; a click then opens nothing.
  h.window->addWindows({app::Row(app::Menu::Sales, 2, "Фискальный чек", maker("never"))
                            .enabledWhen([](const app::AppState&) { return false; })});
  EXPECT_FALSE(h.window->menuItem("Фискальный чек")->isEnabled());
  EXPECT_EQ(h.window->windowFor("Фискальный чек"), nullptr);
}

TEST(WindowTable, fieldsOfAWindowKeepTheirValuesBetweenOpenings) {
  test::AppHarness h;
  h.Connect();
  app::CommandTestDialog* d = h.window->find<app::CommandTestDialog>();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(h.window->windowFor("Тест команд"), d);
  d->code()->setText("A0");
  QTimer::singleShot(0, d, &QDialog::accept);
  h.window->menuItem("Тест команд")->trigger();
  EXPECT_EQ(h.window->find<app::CommandTestDialog>(), d);
  EXPECT_EQ(d->code()->text(), "A0");
}

TEST(Application, titleStandsAloneAndQtSpeaksRussian) {
  app::ConfigureApplication(*qApp);
  // A display name would be appended to every title by the window manager.
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
  QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Open);
  EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), "Отмена");
  EXPECT_EQ(box.button(QDialogButtonBox::Open)->text(), "Открыть");

  test::AppHarness h;
  EXPECT_EQ(h.window->windowTitle(), "ПО Tesmar (вер. 5.89D3 12.04.2016)");
  app::AboutBox* about = h.window->find<app::AboutBox>();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->text().contains(app::ProgramVersionLine().toHtmlEscaped()));
  EXPECT_TRUE(app::ProgramVersionLine().startsWith("Tesmar " TESMAR_TEST_VERSION " (сборка "));
}

TEST(StatusBytesDialog, everyCaptionReadsWholeAtTheDefaultFont) {
  test::AppHarness h;
  app::StatusBytesDialog& d = h.window->statusDialog();
  d.show();
  for (int byte = 0; byte < 6; ++byte)
    for (int bit = 0; bit < 8; ++bit) {
      QCheckBox* b = d.box(byte, bit);
      EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
    }
  EXPECT_GE(d.receiptState()->width(), d.receiptState()->sizeHint().width());
  EXPECT_GE(d.receiptState()->height(), d.receiptState()->sizeHint().height());
  d.hide();
}
