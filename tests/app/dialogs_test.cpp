#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include "tests/app/app_harness.h"
#include "app/command_path.h"
#include "app/command_test_dialog.h"
#include "tests/app/crafted_link.h"
#include "link/encoding.h"
#include "app/model_rules.h"
#include "app/program_confirm_dialog.h"
#include "app/resources_status_dialog.h"
#include "app/status_bytes_dialog.h"

using namespace tesmar;

namespace {

link::ReplyRecord WithStatus(std::array<uint8_t, 6> status) {
  link::ReplyRecord r;
  r.status = status;
  return r;
}

}  // namespace

TEST(StatusBytesDialog, boxesFollowTheLastReply) {
  test::AppHarness h;
  app::StatusBytesDialog& d = h.window->statusDialog();
  const link::ReplyRecord r = WithStatus({0x00, 0x7F, 0x19, 0x00, 0x03, 0x10});
  h.state.lastReply = &r;
  d.fill();
  for (int bit = 0; bit < 7; ++bit) EXPECT_FALSE(d.box(0, bit)->isChecked());
  EXPECT_TRUE(d.box(0, 7)->isChecked());  // always shown set
  for (int bit = 0; bit < 7; ++bit) EXPECT_TRUE(d.box(1, bit)->isChecked());
  EXPECT_EQ(d.receiptState()->currentText(), "9. Режим АННУЛИРОВАНИЕ");
  EXPECT_TRUE(d.box(2, 0)->isChecked());
  EXPECT_EQ(d.box(2, 0)->text(), "(1) Состояние чека");
  EXPECT_TRUE(d.box(2, 3)->isChecked());
  EXPECT_EQ(d.box(2, 3)->text(), "(8) Текущее состояние чека");
  EXPECT_TRUE(d.box(2, 4)->isChecked());
  EXPECT_EQ(d.box(2, 4)->text(), "(10) Открыт чек возврата");
  EXPECT_FALSE(d.box(2, 1)->isChecked());
  EXPECT_TRUE(d.box(4, 1)->isChecked());
  EXPECT_EQ(d.box(4, 1)->text(), "(2) Регистратор фискализирован");
  EXPECT_EQ(d.box(5, 4)->text(), "(10) Смена открыта");
  EXPECT_EQ(d.windowTitle(), "Байты состояния регистратора");
}

TEST(StatusBytesDialog, refreshReadsTheRegistrarAndKeepsTheBoxesOnFailure) {
  emu::RegistrarOptions o;
  o.paymentTypes = 4;
  test::AppHarness h(o);
  h.Connect();
  h.registrar->registrar.state.shiftOpen = true;
  app::StatusBytesDialog& d = h.window->statusDialog();
  d.refresh();
  EXPECT_TRUE(d.box(5, 4)->isChecked());
  EXPECT_EQ(h.state.paymentTypeCount, 4);
  EXPECT_TRUE(h.window->statusText().startsWith("   Модель:Tesmar EMU-01,"));
  h.registrar->registrar.options.password = "000000";
  h.prompt.messages.clear();
  d.refresh();
  EXPECT_EQ(h.prompt.messages,
            QStringList{"Проверка состояния регистратора:\n  Неверный пароль доступа!"});
  EXPECT_TRUE(d.box(5, 4)->isChecked());
}

TEST(CommandTestDialog, codeParsingAndWhatIsSent) {
  test::AppHarness h;
  h.Connect();
  app::CommandTestDialog& d = *h.window->find<app::CommandTestDialog>();
  for (const char* code : {"a0", "A0", "A0h"}) {
    d.code()->setText(code);
    d.line()->clear();
    d.execute();
    EXPECT_EQ(h.driver.Record().commandCode, 0xA0) << code;
    EXPECT_EQ(h.driver.Record().parameters.View(), "731942;") << code;
  }
  EXPECT_EQ(d.errorCode()->text(), "0000");
  EXPECT_TRUE(d.result()->text().startsWith("1;1;1;1;1;1;0;1825;"));
  EXPECT_EQ(d.statusBytes()->text(), "00 00 00 00 00 00");
  EXPECT_TRUE(d.statusButton()->isEnabled());
  h.prompt.messages.clear();
  const int before = static_cast<int>(h.registrar->session.Counters().requests);
  for (const char* code : {"G0", "", "8"}) {
    d.code()->setText(code);
    d.execute();
  }
  EXPECT_EQ(h.prompt.messages,
            QStringList({"Неверный код команды", "Неверный код команды", "Неверный код команды"}));
  // Below 20h a code would be a control byte of the frame: refused, unsent.
  h.prompt.messages.clear();
  d.code()->setText("03");
  d.execute();
  EXPECT_EQ(h.prompt.messages, QStringList{link::kCodeOutOfRangeMessage});
  EXPECT_EQ(h.registrar->session.Counters().requests, before);
  // The line goes out after the password and a ";", in Windows-1251.
  d.code()->setText("61");
  d.line()->setText("Привіт;");
  h.registrar->registrar.state.document = emu::Document::kNonFiscal;
  d.execute();
  EXPECT_EQ(link::Cp1251ToUtf8(h.registrar->registrar.Tape().back()), "Привіт");
  EXPECT_EQ(d.statusBytes()->text(), "00 00 05 00 00 00");
  EXPECT_EQ(d.windowTitle(), "Тест команд");
  d.code()->setText("21");
  const long before21 = h.registrar->registrar.Executed(0x21);
  QTest::keyClick(d.line(), Qt::Key_Return);  // Enter works as "Выполнить", once
  EXPECT_EQ(h.registrar->registrar.Executed(0x21), before21 + 1);
  EXPECT_EQ(d.findChild<QLabel*>("statusPanel")->text(), "   Тест команд:  ");
}

TEST(ResourcesStatusDialog, fillsThePanelOrSaysWhy) {
  test::AppHarness h;
  h.Connect();
  app::ResourcesStatusDialog& d = *h.window->find<app::ResourcesStatusDialog>();
  d.makeReport();
  EXPECT_EQ(h.prompt.messages, QStringList{"Информация о свободных ресурсах и статусе - Успешно!"});
  EXPECT_TRUE(d.permission(0)->isChecked());
  EXPECT_EQ(d.permission(0)->text(), "Разрешение фискализации");
  EXPECT_EQ(d.value(1)->text(), "1825");
  EXPECT_EQ(d.errorCode()->text(), "0000");
  EXPECT_TRUE(d.statusButton()->isEnabled());
  h.prompt.messages.clear();
  d.password()->setText("1");
  d.makeReport();
  EXPECT_EQ(h.prompt.messages,
            QStringList{"Информация о свободных ресурсах и статусе:\n  Неверный пароль доступа!"});
  EXPECT_EQ(d.value(1)->text(), "1825");  // the panel keeps its content
  EXPECT_EQ(d.errorCode()->text(), "0006");
}

// An accepted reply that lacks the last field fills nothing: the record's
// twelfth field would be the earlier reply's.
TEST(ResourcesStatusDialog, aReplyWithTooFewFieldsSaysTheDataAreWrong) {
  test::AppHarness h;
  h.Connect();
  app::ResourcesStatusDialog& d = *h.window->find<app::ResourcesStatusDialog>();
  d.makeReport();
  ASSERT_EQ(d.value(5)->text(), "5000");
  test::AttachCrafted(h, {{0xA0, {"0;0;0;0;0;0;7;1700;010124;0930;4000;"}}});
  h.prompt.messages.clear();
  d.makeReport();
  EXPECT_EQ(h.prompt.messages, QStringList{app::kWrongReplyData});
  EXPECT_EQ(d.value(0)->text(), "0");  // the panel keeps the earlier report
  EXPECT_EQ(d.value(5)->text(), "5000");
  EXPECT_TRUE(d.permission(0)->isChecked());
}

// The model line reads only the fields of the reply it is given.
TEST(ModelStatusLine, fieldsTheReplyLacksAreEmptyNotAnOlderReplys) {
  link::ReplyRecord r;
  r.SetFields("Tesmar EMU-01;3.01;08.12.2026;");
  r.SetFields("FP-T1;");
  EXPECT_EQ(app::ModelStatusLine(r), "   Модель:FP-T1,    Версия:,     .");
  EXPECT_EQ(app::ResultField(r, 2), "");
  EXPECT_EQ(app::ResultField(r, 1), "FP-T1");
}

TEST(OperationResultDialog, linesForEachOutcome) {
  app::OperationResultDialog d;
  d.setOutcomes(1, -1, 0);
  EXPECT_EQ(d.lines(), QStringList({"Фискальный номер - успешно.",
                                    "Регистрационный номер - не программировался.",
                                    "Ставки налогов - ошибка."}));
  d.setOutcomes(-1, 0, -1);
  EXPECT_EQ(d.lines().last(), "Ставки налогов - не программировались.");
}

TEST(ProgramConfirmDialog, closingByTheFrameKeepsTheLastButton) {
  app::ProgramConfirmDialog d;
  EXPECT_TRUE(d.continued());
  d.press(false);
  d.reject();  // the window frame
  EXPECT_FALSE(d.continued());
  d.box(2)->setChecked(true);
  d.press(true);
  EXPECT_TRUE(d.continued());
  EXPECT_TRUE(d.taxes());
  EXPECT_FALSE(d.fiscalNumber());
}

TEST(ModelRules, tapeWidthTable) {
  EXPECT_EQ(app::TapeWidthFor(link::OptionsForModel("ЭКР 3530")).width, 36);
  EXPECT_EQ(app::TapeWidthFor(link::OptionsForModel("MP-01")).width, 32);
  const auto fp510 = app::TapeWidthFor(link::OptionsForModel("Datecs FP-510"));
  EXPECT_TRUE(fp510.listShown);
  EXPECT_EQ(fp510.listItems, (QList<int>{42, 48}));
  EXPECT_EQ(app::TapeWidthFor(link::OptionsForModel("3141 260")).width, 40);  // later rule wins
  EXPECT_EQ(app::FirmwareVersionFor(7, "1.0", "prev"), "prev");
  EXPECT_EQ(app::FirmwareVersionFor(-1, "1.0", "prev"), "1.0");
}
