// The factory number, fiscal parameters and fiscalization windows against
// the software registrar.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

#include "tests/config/config_harness.h"
#include "service/config_rules.h"
#include "tests/app/crafted_link.h"
#include "service/factory_number_dialog.h"
#include "service/fiscal_params_dialog.h"
#include "service/fiscalization_dialog.h"
#include "link/formatters.h"
#include "app/program_confirm_dialog.h"

using namespace tesmar;
using service::FiscalParamsDialog;
using test::Req;
using Requests = std::vector<test::Request>;

namespace {

// Answers "Подтверждение программирования" with the boxes given and
// "Продолжить", and keeps the lines "Результат операции" showed.
struct ProgrammingAnswers {
  QStringList results;
  test::ModalAnswerer answerer;
  ProgrammingAnswers(bool fiscal, bool ids, bool taxes)
      : answerer([this, fiscal, ids, taxes](QWidget* w) {
          if (auto* c = qobject_cast<app::ProgramConfirmDialog*>(w)) {
            c->box(0)->setChecked(fiscal);
            c->box(1)->setChecked(ids);
            c->box(2)->setChecked(taxes);
            c->press(true);
          } else if (auto* r = qobject_cast<app::OperationResultDialog*>(w)) {
            results = r->lines();
            r->accept();
          }
        }) {}
};

emu::RegistrarOptions ThreeGroups() {
  emu::RegistrarOptions o;
  o.taxGroups = 3;
  return o;
}

}  // namespace

TEST(FactoryNumber, clockThenRestartThenANumberOfSevenToElevenCharacters) {
  emu::RegistrarOptions o;
  o.restartSilenceMs = 0;
  test::ConfigHarness h(o);
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Shown<service::FactoryNumberDialog>();
  EXPECT_EQ(d.date()->text().size(), 6);
  d.date()->setText("050324");
  d.time()->setText("1230");
  d.setDateTime();
  EXPECT_FALSE(d.notice()->isHidden());
  d.factoryNumber()->setText("ЕК12345");
  d.factoryNumber()->setText("ЕК1234");  // six characters
  d.setFactoryNumber();
  EXPECT_TRUE(d.notice()->isHidden());
  d.factoryNumber()->setText("ЕК12345");
  d.setFactoryNumber();
  EXPECT_EQ(rec.requests, (Requests{Req(0x20, "731942;050324;1230;"), Req(0xF3, "731942;"),
                                    Req(0x41, "731942;ЕК12345;")}));
  EXPECT_EQ(h.prompt.messages,
            (QStringList{"Неверное количество символов в номере! \n Заводской номер не установлен!",
                         "Успешно. Заводской номер установлен!"}));
  EXPECT_EQ(h.Reg().state.serialNumber, link::Utf8ToCp1251("ЕК12345"));
}

TEST(FactoryNumber, aClockTheRegistrarRefusesStopsBeforeTheRestart) {
  test::ConfigHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Shown<service::FactoryNumberDialog>();
  d.date()->setText("320324");
  d.setDateTime();
  EXPECT_EQ(rec.requests.size(), 1u);
  EXPECT_EQ(h.prompt.messages, QStringList{"Ошибка установки времени!"});
  EXPECT_TRUE(d.notice()->isHidden());
}

TEST(FiscalParams, gridStartsAsTheRulesSayAndClicksFollowTheirCycles) {
  test::ConfigHarness h(ThreeGroups());
  test::ConnectRecorded(h);
  auto& d = h.Shown<FiscalParamsDialog>();
  QTableWidget* g = d.grid();
  ASSERT_EQ(g->rowCount(), 4);
  EXPECT_EQ(g->item(1, 1)->text(), "Налог А");
  EXPECT_EQ(g->item(2, 2)->text(), "Вложенный");
  EXPECT_EQ(g->item(3, 2)->text(), "Налог запрещен");
  EXPECT_EQ(g->item(1, 3)->text(), "20.00");
  EXPECT_EQ(g->item(2, 3)->text(), "0.00");
  EXPECT_EQ(g->item(3, 4)->text(), "ПДВ_В");
  QStringList seen;
  for (int i = 0; i < 3; ++i) {
    d.clickCell(2, FiscalParamsDialog::kLinked);
    seen << g->item(2, 5)->text();
  }
  EXPECT_EQ(seen, (QStringList{"В", "А", "Отсутствует"}));
  g->item(1, 2)->setText("Акцизный сбор (налож)");
  d.clickCell(1, FiscalParamsDialog::kType);
  EXPECT_EQ(g->item(1, 2)->text(), "Налог запрещен");
  QMenu* m = d.menuFor(2, FiscalParamsDialog::kLinked);
  ASSERT_NE(m, nullptr);
  ASSERT_EQ(m->actions().size(), 4);
  EXPECT_FALSE(m->actions()[2]->isEnabled());  // the row's own letter, Б
  m->actions()[3]->trigger();
  EXPECT_EQ(g->item(2, 5)->text(), "В");
  EXPECT_EQ(d.menuFor(1, FiscalParamsDialog::kRate), nullptr);
  EXPECT_FALSE(g->item(1, 0)->flags() & Qt::ItemIsSelectable);
  EXPECT_FALSE(g->item(1, 5)->flags() & Qt::ItemIsEditable);
}

TEST(FiscalParams, programmingSendsTheTaxGroupsThenTheNumbersAndReadsThemBack) {
  test::ConfigHarness h(ThreeGroups());
  auto& rec = test::ConnectRecorded(h);
  link::ProgramSerialNumber(h.driver, "731942", "SN00001");
  rec.requests.clear();
  auto& d = h.Shown<FiscalParamsDialog>();
  d.fiscalNumber()->setText("1234567890");
  d.taxId()->setText("123456789012");
  d.taxNumber()->setText("");
  {
    ProgrammingAnswers answers(true, true, true);
    d.program();
    EXPECT_EQ(answers.results,
              (QStringList{"Фискальный номер - успешно.", "Регистрационный номер - успешно.",
                           "Ставки налогов - успешно."}));
  }
  const Requests expected = {Req(0x47, "731942;0;01;20.00;ПДВ_А;-1;"),
                             Req(0x47, "731942;1;01;0.00;ПДВ_Б;-1;"),
                             Req(0x47, "731942;2;00;0.00;ПДВ_В;-1;"),
                             Req(0x43, "731942;1234567890;"), Req(0x45, "731942;123456789012;;")};
  EXPECT_EQ(rec.requests, expected);

  d.fiscalNumber()->clear();
  d.taxId()->clear();
  d.grid()->item(1, 3)->setText("7");
  d.read();
  EXPECT_EQ(d.factoryNumber()->text(), "SN00001");
  EXPECT_EQ(d.fiscalNumber()->text(), "1234567890");
  EXPECT_EQ(d.taxId()->text(), "123456789012");
  EXPECT_EQ(d.taxNumber()->text(), "");
  EXPECT_EQ(d.grid()->item(1, 3)->text(), "20.00");
  EXPECT_EQ(d.grid()->item(3, 2)->text(), "Налог запрещен");
  EXPECT_EQ(d.grid()->item(1, 5)->text(), "Отсутствует");
  EXPECT_EQ(h.prompt.messages.last(), "Успешно!");
}

TEST(FiscalParams, lengthRefusalsEndTheRunWithoutAResultAfterTheTaxesWent) {
  test::ConfigHarness h(ThreeGroups());
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Shown<FiscalParamsDialog>();
  struct Case {
    const char *fiscal, *id, *tax, *message;
  };
  for (const Case& c :
       {Case{"123456789", "", "", "Неверная длина фискального номера, исправьте!"},
        Case{"", "12345678901", "", "Неверный длина идентификационного номера, исправьте!"},
        Case{"", "", "12345678901", "Неверный длина налогового номера, исправьте!"}}) {
    rec.requests.clear();
    h.prompt.messages.clear();
    d.fiscalNumber()->setText(c.fiscal);
    d.taxId()->setText(c.id);
    d.taxNumber()->setText(c.tax);
    ProgrammingAnswers answers(true, true, true);
    d.program();
    EXPECT_TRUE(answers.results.isEmpty()) << c.message;
    EXPECT_EQ(h.prompt.messages, QStringList{c.message});
    const bool fiscalSent = std::string(c.fiscal).empty();
    EXPECT_EQ(rec.requests.size(), 3u + (fiscalSent ? 1 : 0)) << c.message;  // the taxes stay sent
  }
  // A thirteen-character tax number, as a read may bring, passes.
  link::ProgramSerialNumber(h.driver, "731942", "SN00001");
  link::ProgramTaxNumber(h.driver, "731942", "", "1234567890123");
  d.read();
  EXPECT_EQ(d.taxNumber()->text(), "1234567890123");
  rec.requests.clear();
  ProgrammingAnswers answers(false, true, false);
  d.program();
  EXPECT_EQ(rec.requests, (Requests{Req(0x45, "731942;;1234567890123;")}));
}

TEST(FiscalParams, cancellingTheConfirmationSendsNothing) {
  test::ConfigHarness h(ThreeGroups());
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Shown<FiscalParamsDialog>();
  test::ModalAnswerer cancel([](QWidget* w) {
    if (auto* c = qobject_cast<app::ProgramConfirmDialog*>(w)) c->press(false);
  });
  d.program();
  EXPECT_TRUE(rec.requests.empty());
}

TEST(Fiscalization, passwordChecksThenTheSequenceAndItsReceiptThenASecondIsRefused) {
  test::ConfigHarness h;
  auto& rec = test::ConnectRecorded(h);
  link::ProgramSerialNumber(h.driver, "731942", link::Utf8ToCp1251("ЕК12345"));
  rec.requests.clear();
  auto& d = h.Shown<service::FiscalizationDialog>();
  d.factoryNumber()->setText("ЕК12345");
  d.inspectorPassword()->setText("12345");
  d.repeatPassword()->setText("12345");
  d.fiscalize();
  d.inspectorPassword()->setText("123456");
  d.repeatPassword()->setText("654321");
  d.fiscalize();
  EXPECT_TRUE(rec.requests.empty());
  EXPECT_EQ(h.prompt.messages,
            (QStringList{"Довжина пароля - 6!", "Повторно зроби ввод паролей та фіскалізацію"}));

  h.prompt.messages.clear();
  d.repeatPassword()->setText("123456");
  const size_t tape = h.Reg().Tape().size();
  d.fiscalize();
  std::vector<int> codes;
  for (const auto& r : rec.requests) codes.push_back(r.code);
  EXPECT_EQ(codes, (std::vector<int>{0x40, 0x80, 0x60, 0x84, 0x61, 0x65}));
  EXPECT_EQ(rec.requests[0], Req(0x40, "731942;ЕК12345;123456;"));
  EXPECT_EQ(rec.requests[4], Req(0x61, "731942;РЕЄСТРАТОР ФІСКАЛІЗОВАНО УСПІШНО!;"));
  // The fiscalization report is printed; no refusal comes before the success.
  EXPECT_EQ(h.prompt.messages, QStringList{"Фіскаліз. реєстратора - Успішно!"});
  const auto printed = h.TapeSince(tape);
  EXPECT_NE(std::find(printed.begin(), printed.end(), "       ФІСКАЛІЗАЦІЯ"), printed.end());
  EXPECT_NE(std::find(printed.begin(), printed.end(), "РЕЄСТРАТОР ФІСКАЛІЗОВАНО УСПІШНО!"),
            printed.end());
  EXPECT_TRUE(h.Reg().state.fiscalized);
  EXPECT_EQ(h.driver.ExecuteCommand(0x80, "731942;").status[4] & 0x02, 0x02);

  rec.requests.clear();
  h.prompt.messages.clear();
  d.fiscalize();
  EXPECT_EQ(rec.requests.size(), 1u);
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("Фіскаліз. реєстратора:\n  "));
  EXPECT_NE(d.errorCode()->text(), "0000");
}

TEST(Fiscalization, theReadinessWaitEndsAtItsBoundAndSaysSo) {
  test::ConfigHarness h;
  auto& rec = test::ConnectRecorded(h);
  link::ProgramSerialNumber(h.driver, "731942", "SN00001");
  rec.requests.clear();
  auto& d = h.Shown<service::FiscalizationDialog>();
  d.factoryNumber()->setText("SN00001");
  d.inspectorPassword()->setText("123456");
  d.repeatPassword()->setText("123456");
  d.password()->setText("731942");
  d.bound() = {0, 1000, 10};  // no try allowed: the bound is reached at once
  d.fiscalize();
  ASSERT_EQ(rec.requests.size(), 1u);  // 40h alone; no receipt
  EXPECT_TRUE(h.Reg().state.fiscalized);
  EXPECT_TRUE(h.prompt.messages.last().startsWith("Регистратор не готов"));
  EXPECT_TRUE(d.cancelButton()->isHidden());
}

// The readiness probes are the wait's own business: the error box keeps
// what the fiscalization itself (40h) answered.
TEST(Fiscalization, refusedReadinessProbesLeaveTheErrorBoxToTheFiscalization) {
  test::ConfigHarness h;
  h.Connect();
  test::AttachCrafted(h, {{0x80, {"", "0105"}}});  // not ready: every probe refused
  link::ProgramSerialNumber(h.driver, "731942", "SN00001");
  auto& d = h.Shown<service::FiscalizationDialog>();
  d.factoryNumber()->setText("SN00001");
  d.inspectorPassword()->setText("123456");
  d.repeatPassword()->setText("123456");
  d.bound() = {2, 1000, 10};
  h.prompt.messages.clear();
  d.fiscalize();
  EXPECT_TRUE(h.Reg().state.fiscalized);
  EXPECT_EQ(h.prompt.messages, QStringList{"Регистратор не готов: чек подтверждения "
                                           "фискализации не напечатан."});
  EXPECT_EQ(d.errorCode()->text(), "0000");
}

TEST(Restart, theLineIsSilentAWhileAfterF3hThenTheRegistrarAnswersAgain) {
  emu::RegistrarOptions o;
  o.restartSilenceMs = 1000;
  test::EmulatedRegistrar reg(o);
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  std::string error;
  auto port = link::SerialPort::Open(reg.Path().toStdString(), 9600, &error);
  ASSERT_TRUE(port) << error;
  auto recording = std::make_unique<test::RecordingLink>(std::move(port));
  test::RecordingLink& rec = *recording;
  driver.AttachSerialLink(std::move(recording));
  ASSERT_EQ(link::RestartRegistrar(driver, "731942").errorCode.View(), "0000");
  // The request right after the restart falls into the silence; its
  // resend, after the driver gave up waiting, is answered.
  EXPECT_EQ(link::Identify(driver, "731942").errorCode.View(), "0000");
  ASSERT_EQ(rec.requests.size(), 3u);
  EXPECT_EQ(rec.requests[2], rec.requests[1]);
  EXPECT_EQ(reg.registrar.Executed(0x80), 1);
  driver.CloseSerialLink();
}

TEST(Fiscalization, cancellingTheWaitStopsBeforeTheReceiptAndTheTriesShowInTheStatusBar) {
  test::ConfigHarness h;
  auto& rec = test::ConnectRecorded(h);
  link::ProgramSerialNumber(h.driver, "731942", "SN00001");
  rec.requests.clear();
  QStringList status;
  h.ctx.showStatus = [&status](const QString& t) { status << t; };
  auto& d = h.Shown<service::FiscalizationDialog>();
  d.factoryNumber()->setText("SN00001");
  d.inspectorPassword()->setText("123456");
  d.repeatPassword()->setText("123456");
  // The click lands while the wait lets window messages through.
  QTimer::singleShot(0, d.cancelButton(), &QPushButton::click);
  d.fiscalize();
  ASSERT_EQ(rec.requests.size(), 1u);  // 40h; the wait ended before its first 80h
  ASSERT_FALSE(status.isEmpty());
  EXPECT_TRUE(status[0].contains("попытка 1 из 30"));
  EXPECT_TRUE(h.prompt.messages.last().startsWith("Ожидание готовности регистратора прервано"));
  EXPECT_TRUE(d.cancelButton()->isHidden());
}
