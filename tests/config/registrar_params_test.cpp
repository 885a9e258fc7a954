// The registrar parameters (the link speed the program then follows), the
// clock and the decimal point windows against the software registrar.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "tests/config/config_harness.h"
#include "tests/app/crafted_link.h"
#include "service/date_time_dialog.h"
#include "service/decimal_point_dialog.h"
#include "link/formatters.h"
#include "service/registrar_params_dialog.h"

using namespace tesmar;
using service::RegistrarParamsDialog;
using test::Req;
using Requests = std::vector<test::Request>;

namespace {

constexpr int k115200 = 10, kKeep = 11;

// Connected over the main window at 9600 to a registrar that works at 9600.
struct SpeedHarness : test::ConfigHarness {
  SpeedHarness() {
    Reg().state.lineSpeed = 9600;  // before any byte goes over the line
    Connect();
  }
  RegistrarParamsDialog& Params() {
    auto& d = Shown<RegistrarParamsDialog>();
    d.openPulse()->setText("0A");
    d.closePulse()->setText("1F");
    d.lineLength()->setText("5");
    return d;
  }
  std::string LastParameters() const { return std::string(state.lastReply->parameters.View()); }
  bool Answers() {
    const link::ReplyRecord& r = link::Identify(driver, "731942");
    return !(r.flags & link::kFlagNoAnswer) && r.errorCode.View() == "0000";
  }
};

}  // namespace

TEST(RegistrarParams, writingANewSpeedMovesTheMainWindowTsinitAndTheLinkToIt) {
  SpeedHarness h;
  ASSERT_TRUE(h.state.connected);
  auto& d = h.Params();
  EXPECT_EQ(d.speed()->currentText(), "9600");  // the connect speed
  d.speed()->setCurrentIndex(k115200);
  d.write();
  EXPECT_EQ(h.LastParameters(), "731942;115200;0;0000;00;0A;1F;05;");
  EXPECT_EQ(h.prompt.messages, QStringList{"Успешно!"});
  EXPECT_EQ(h.window->speedList()->currentText(), "115200");
  EXPECT_TRUE(h.Config().contains("Speed=115200"));
  EXPECT_TRUE(d.statusButton()->isEnabled());
  EXPECT_EQ(h.Reg().state.lineSpeed, 115200);
  // The reopened link runs at 115200: the registrar, now deaf to 9600, answers.
  EXPECT_TRUE(h.Answers());
}

TEST(RegistrarParams, keepSpeedSendsZeroAndTheLinkIsReopenedAtTheSameSpeed) {
  SpeedHarness h;
  auto& d = h.Params();
  d.speed()->setCurrentIndex(kKeep);
  d.documentBox(10)->setChecked(true);  // "Печатать код товара"
  d.printBox(5)->setChecked(true);  // "Использовать бумагу шириной 57 мм"
  d.write();
  EXPECT_EQ(h.LastParameters(), "731942;0;0;8000;40;0A;1F;05;");
  EXPECT_EQ(h.window->speedList()->currentText(), "9600");
  EXPECT_TRUE(h.Config().contains("Speed=9600"));
  EXPECT_NE(h.driver.SerialLink(), nullptr);  // closed and opened again
  EXPECT_EQ(h.Reg().state.lineSpeed, 9600);
  EXPECT_TRUE(h.Answers());
}

TEST(RegistrarParams, aRefusedWriteChangesNothingOnTheProgramsSide) {
  SpeedHarness h;
  ASSERT_EQ(link::OpenNonFiscalReceipt(h.driver, "731942").errorCode.View(), "0000");
  auto& d = h.Params();
  d.speed()->setCurrentIndex(k115200);
  link::Transport* before = h.driver.SerialLink();
  const QString config = h.Config();
  d.write();
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("Печать дневных отчетов:\n  "));
  EXPECT_NE(d.errorCode()->text(), "0000");
  EXPECT_EQ(h.window->speedList()->currentText(), "9600");
  EXPECT_EQ(h.Config(), config);
  EXPECT_EQ(h.driver.SerialLink(), before);
  EXPECT_EQ(h.Reg().state.lineSpeed, 9600);
  EXPECT_TRUE(h.Answers());
}

// "Установить все" of a group checks what the model shows, never the
// options it hides (here both small fonts and the 57 mm paper).
TEST(RegistrarParams, setAllChecksOnlyTheBoxesTheModelShows) {
  SpeedHarness h;
  auto& d = h.Params();
  ASSERT_TRUE(d.printBox(3)->isHidden() && d.printBox(4)->isHidden() && d.printBox(5)->isHidden());
  for (QGroupBox* g : d.findChildren<QGroupBox*>())
    for (QPushButton* b : g->findChildren<QPushButton*>())
      if (b->text() == "Установить все") b->click();
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(d.printBox(i)->isChecked()) << i;
  for (int i = 3; i < 6; ++i) EXPECT_FALSE(d.printBox(i)->isChecked()) << i;
  d.speed()->setCurrentIndex(kKeep);
  d.write();
  EXPECT_EQ(h.LastParameters(), "731942;0;0;FF0B;0B;0A;1F;05;");
}

TEST(RegistrarParams, fieldsThatAreNoNumbersOrNoSpeedSendNothing) {
  SpeedHarness h;
  auto& d = h.Params();
  const long before = h.Reg().Executed(0x27);
  for (const auto& [open, close, length] :
       std::vector<std::tuple<const char*, const char*, const char*>>{
           {"", "0A", "5"}, {"0A", "ZZ", "5"}, {"0A", "0A", ""}, {"0A", "0A", "x"}}) {
    d.openPulse()->setText(open);
    d.closePulse()->setText(close);
    d.lineLength()->setText(length);
    d.write();
  }
  EXPECT_EQ(h.prompt.messages.size(), 4);
  EXPECT_TRUE(h.prompt.messages[1].contains("Импульс закрытия денежного ящика (Hex) :"));
  EXPECT_EQ(h.Reg().Executed(0x27), before);
}

TEST(RegistrarParams, readFillsEveryControlAndAnUnlistedSpeedLeavesTheList) {
  SpeedHarness h;
  auto& d = h.Params();
  ASSERT_EQ(link::ProgramRegistrarParameters(h.driver, "731942", 0, 3, 0x8001, 0x41, 0x0B, 0x0C, 20)
                .errorCode.View(),
            "0000");
  d.speed()->setCurrentIndex(2);
  d.read();
  EXPECT_EQ(d.speed()->currentText(), "9600");
  EXPECT_EQ(d.contrast()->currentIndex(), 3);
  EXPECT_TRUE(d.documentBox(0)->isChecked());
  EXPECT_TRUE(d.documentBox(10)->isChecked());
  EXPECT_FALSE(d.documentBox(1)->isChecked());
  EXPECT_TRUE(d.printBox(0)->isChecked());
  EXPECT_TRUE(d.printBox(5)->isChecked());
  EXPECT_EQ(d.openPulse()->text(), "0B");
  EXPECT_EQ(d.lineLength()->text(), "20");
  EXPECT_EQ(h.prompt.messages, QStringList{"Успешно!"});
  // Activation resets the contrast only.
  d.hide();
  d.show();
  EXPECT_EQ(d.contrast()->currentIndex(), 0);
  EXPECT_FALSE(d.statusButton()->isEnabled());
  EXPECT_TRUE(d.documentBox(0)->isChecked());
}

TEST(DateTime, theShownDateGoesOutWithoutDotsAndTheReadDateGetsThem) {
  test::ConfigHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Shown<service::DateTimeDialog>();
  EXPECT_FALSE(d.statusButton()->isEnabled());
  d.date()->setDate(QDate(2024, 3, 5));
  d.time()->setText("0930");
  d.setClock();
  d.date()->setDate(QDate(2030, 1, 1));
  d.time()->clear();
  d.readClock();
  EXPECT_EQ(rec.requests, (Requests{Req(0x20, "731942;050324;0930;"), Req(0x21, "731942;")}));
  EXPECT_EQ(d.date()->text(), "05.03.24");
  EXPECT_EQ(d.time()->text(), "0930");
  EXPECT_TRUE(d.statusButton()->isEnabled());
  EXPECT_EQ(h.prompt.messages, (QStringList{"Успешно!", "Успешно!"}));
  d.time()->setText("2575");
  d.setClock();
  EXPECT_EQ(h.prompt.messages.last(), "Ошибка установки времени!");
}

// A clock read whose date cannot be shown says so: the date field keeps
// the computer's date, which must not pass for the registrar's.
TEST(DateTime, aDateThatCannotBeShownOrTooFewFieldsAreSaidNotSucceeded) {
  SpeedHarness h;
  auto& d = h.Shown<service::DateTimeDialog>();
  const QDate today = d.date()->date();
  d.time()->setText("0000");
  for (const char* data : {"000000;1234;", "321399;1234;", "05032;1234;"}) {
    test::AttachCrafted(h, {{0x21, {data}}});
    h.prompt.messages.clear();
    d.readClock();
    ASSERT_EQ(h.prompt.messages.size(), 1) << data;
    EXPECT_TRUE(h.prompt.messages[0].startsWith("Дата регистратора \"")) << data;
    EXPECT_EQ(d.date()->date(), today) << data;
    EXPECT_EQ(d.time()->text(), "0000") << data;
  }
  test::AttachCrafted(h, {{0x21, {"050324;"}}});
  h.prompt.messages.clear();
  d.readClock();
  EXPECT_EQ(h.prompt.messages, QStringList{app::kWrongReplyData});
  EXPECT_EQ(d.time()->text(), "0000");
}

TEST(RegistrarParams, aReadWithTooFewFieldsSaysTheDataAreWrong) {
  SpeedHarness h;
  auto& d = h.Params();
  test::AttachCrafted(h, {{0x28, {"9600;3;8001;41;0B;0C;"}}});
  h.prompt.messages.clear();
  d.read();
  EXPECT_EQ(h.prompt.messages, QStringList{app::kWrongReplyData});
  EXPECT_EQ(d.openPulse()->text(), "0A");
}

TEST(DecimalPoint, activationShowsTwoUntilReadAndSetGoesOutAsChosen) {
  test::ConfigHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Shown<service::DecimalPointDialog>();
  d.position()->setCurrentIndex(3);
  d.set();
  d.hide();
  d.show();
  EXPECT_EQ(d.position()->currentText(), "2");
  d.read();
  EXPECT_EQ(d.position()->currentText(), "3");
  EXPECT_EQ(rec.requests, (Requests{Req(0x49, "731942;3;"), Req(0x4A, "731942;")}));
  EXPECT_TRUE(h.prompt.messages.isEmpty());
  EXPECT_EQ(d.errorCode()->text(), "0000");
  link::OpenNonFiscalReceipt(h.driver, "731942");
  d.set();
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("Позиция десятичной точки:\n  "));
}
