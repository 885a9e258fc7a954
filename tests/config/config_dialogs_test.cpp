// The header text, operators, passwords and payment forms windows against
// the software registrar: what each sends and what it reads back.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <cstdlib>

#include "tests/config/config_harness.h"
#include "service/config_rules.h"
#include "service/header_text_dialog.h"
#include "service/operators_dialog.h"
#include "service/passwords_dialog.h"
#include "service/payment_types_dialog.h"

using namespace tesmar;
using service::HeaderTextDialog;
using test::Req;
using Requests = std::vector<test::Request>;

namespace {

void SetText(QTableWidget* grid, int row, const QString& text) {
  grid->item(row, 1)->setText(text);
}
QString Width(QTableWidget* grid, int row) {
  return grid->item(row, 2)->text();
}
void ClickWidth(QTableWidget* grid, int row) {
  emit grid->cellClicked(row, 2);
}
// A receipt with one sale by operator `number`.
void SellAs(link::Driver& d, int number) {
  const std::pair<int, std::string> steps[] = {{0x24, "731942;101;Хліб;12.50;1;1;"},
                                               {0x63, "731942;" + std::to_string(number) + ";1;0;"},
                                               {0x64, "731942;101;1.000;12.50;"},
                                               {0x67, "731942;0;12.50;"},
                                               {0x65, "731942;0;"}};
  for (const auto& [code, params] : steps)
    ASSERT_EQ(d.ExecuteCommand(code, link::Utf8ToCp1251(params)).errorCode.View(), "0000") << code;
}

void RunOperation(HeaderTextDialog& d, int op) {
  d.operation()->setCurrentIndex(op);
  d.execute();
}

}  // namespace

TEST(HeaderText, centredLinesGoOutWithTheirBlanksAndReadBackAsTheRegistrarKeepsThem) {
  test::ConfigHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Shown<HeaderTextDialog>();
  d.widthField()->setText("32");
  SetText(d.headerGrid(), 1, "Магазин");
  SetText(d.headerGrid(), 2, "Магазин");
  ClickWidth(d.headerGrid(), 1);  // не записывать -> одинарная
  ClickWidth(d.headerGrid(), 2);
  ClickWidth(d.headerGrid(), 2);  // -> двойная
  d.headerCentre(0)->setChecked(true);
  d.headerCentre(1)->setChecked(true);
  RunOperation(d, HeaderTextDialog::kProgramHeader);
  const std::string blanks13(13, ' '), blanks5(5, ' ');
  EXPECT_EQ(rec.requests, (Requests{Req(0x22, ("731942;0;" + blanks13 + "Магазин;0;").c_str()),
                                    Req(0x22, ("731942;1;" + blanks5 + "Магазин;1;").c_str())}));
  EXPECT_EQ(h.prompt.messages, QStringList{"Успешно!"});
  EXPECT_EQ(d.headerGrid()->item(1, 1)->text(), "Магазин");  // the grid keeps what was typed

  SetText(d.headerGrid(), 1, "");
  RunOperation(d, HeaderTextDialog::kReadHeader);
  EXPECT_EQ(d.headerGrid()->item(1, 1)->text(), QString(13, ' ') + "Магазин");
  EXPECT_EQ(Width(d.headerGrid(), 2), service::kDoubleWidth);
  EXPECT_EQ(Width(d.headerGrid(), 5), service::kSingleWidth);  // read lines get their width
  EXPECT_EQ(rec.requests.size(), 12u);                         // 2 written + 10 read
}

// The width the identification gives the model is the width the registrar
// prints: a centred line stands in the middle of its tape.
TEST(HeaderText, centredLinesStandInTheMiddleOfTheTapeTheRegistrarPrints) {
  test::ConfigHarness h;
  test::ConnectRecorded(h);
  auto& d = h.Shown<HeaderTextDialog>();
  ASSERT_EQ(d.widthField()->text(), "40");
  const QString thirty = "Магазин на розі вулиці Садової";
  ASSERT_EQ(thirty.size(), 30);
  for (int row : {1, 2, 3}) ClickWidth(d.headerGrid(), row);  // не записывать -> одинарная
  ClickWidth(d.headerGrid(), 2);                              // -> двойная
  SetText(d.headerGrid(), 1, "Магазин");
  SetText(d.headerGrid(), 2, "Магазин");
  SetText(d.headerGrid(), 3, thirty);
  for (int k : {0, 1, 2}) d.headerCentre(k)->setChecked(true);
  RunOperation(d, HeaderTextDialog::kProgramHeader);
  ASSERT_EQ(h.prompt.messages, QStringList{"Успешно!"});

  const size_t from = h.Reg().Tape().size();
  SellAs(h.driver, 1);
  const auto printed = h.TapeSince(from);
  ASSERT_GE(printed.size(), 3u);
  const size_t width = QString::fromStdString(printed.back()).size();  // the closing ruler
  EXPECT_EQ(width, 40u);
  for (size_t i = 0; i < 3; ++i) {
    const QString line = QString::fromStdString(printed[i]);
    const qsizetype left = line.size() - QString(line).remove(QRegularExpression("^ +")).size();
    const qsizetype right = static_cast<qsizetype>(width) - line.size();
    EXPECT_LE(std::abs(left - right), 1) << printed[i];
  }
  EXPECT_EQ(printed[1].substr(printed[1].find_first_not_of(' ')), "М а г а з и н");
}

TEST(HeaderText, aLineMarkedNotToBeWrittenIsNeverSentAndEmptyLinesFollowTheOnlyNonEmptyBox) {
  test::ConfigHarness h(emu::RegistrarOptions{}, "[Fiscal Printer]\r\nHeadFootPar=1\r\n");
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Shown<HeaderTextDialog>();
  EXPECT_EQ(Width(d.advertisingGrid(), 1), service::kSingleWidth);  // from HeadFootPar
  for (int row = 1; row <= 4; ++row) SetText(d.advertisingGrid(), row, "Реклама");
  SetText(d.advertisingGrid(), 3, "");
  ClickWidth(d.advertisingGrid(), 2);
  ClickWidth(d.advertisingGrid(), 2);  // одинарная -> двойная -> не записывать
  ASSERT_EQ(Width(d.advertisingGrid(), 2), service::kNoWrite);
  d.operation()->setCurrentIndex(HeaderTextDialog::kProgramAdvertising);
  ASSERT_TRUE(d.onlyNonEmpty()->isEnabled());
  d.onlyNonEmpty()->setChecked(true);
  d.execute();
  EXPECT_EQ(rec.requests,
            (Requests{Req(0x22, "731942;10;Реклама;0;"), Req(0x22, "731942;13;Реклама;0;")}));
  rec.requests.clear();
  RunOperation(d, HeaderTextDialog::kResetAdvertising);
  EXPECT_EQ(rec.requests, (Requests{Req(0x22, "731942;10;;0;"), Req(0x22, "731942;12;;0;"),
                                    Req(0x22, "731942;13;;0;")}));
  EXPECT_FALSE(d.onlyNonEmpty()->isEnabled());
}

TEST(HeaderText, aWidthThatIsNoNumberSendsNothingAndAFailureNamesItsLine) {
  test::ConfigHarness h(emu::RegistrarOptions{}, "[Fiscal Printer]\r\nHeadFootPar=2\r\n");
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Shown<HeaderTextDialog>();
  for (const char* bad : {"", "abc"}) {
    d.widthField()->setText(bad);
    RunOperation(d, HeaderTextDialog::kProgramAll);
  }
  EXPECT_TRUE(rec.requests.empty());
  ASSERT_EQ(h.prompt.messages.size(), 2);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("Ширина ленты"));

  h.prompt.messages.clear();
  d.widthField()->setText("32");
  SetText(d.headerGrid(), 4, QString(33, 'x'));  // longer than the registrar takes
  RunOperation(d, HeaderTextDialog::kProgramAll);
  EXPECT_EQ(rec.requests.size(), 4u);  // lines 0-3 went, line 3 was refused, the run ended
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("Заголовок.\n  Строка 3 :\n  "));
}

TEST(Operators, setReadAndDeleteWithTheTypedNumberAndANumberThatIsNoneSendsNothing) {
  test::ConfigHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Shown<service::OperatorsDialog>();
  for (const char* bad : {"abc", ""}) {
    d.number()->setText(bad);
    d.setOperator();
    d.readOperator();
    d.deleteOperator();
  }
  EXPECT_TRUE(rec.requests.empty());
  EXPECT_EQ(h.prompt.messages, QStringList(6, "Ошибка! Номер оператора неверный."));
  h.prompt.messages.clear();

  d.number()->setText("3");
  d.name()->setText("Іваненко");
  d.setOperator();
  d.readOperator();
  EXPECT_EQ(d.readName()->text(), "Іваненко");
  EXPECT_FALSE(d.hasSold()->isChecked());
  const size_t sent = rec.requests.size();
  SellAs(h.driver, 3);
  rec.requests.resize(sent);
  d.readOperator();
  EXPECT_TRUE(d.hasSold()->isChecked());
  d.number()->setText("-1");
  d.deleteOperator();
  EXPECT_EQ(rec.requests, (Requests{Req(0x2F, "731942;3;731942;Іваненко;"), Req(0x30, "731942;3;"),
                                    Req(0x30, "731942;3;"), Req(0x2C, "731942;-1;")}));
  EXPECT_EQ(h.prompt.messages, QStringList(4, "Успешно!"));
  d.number()->setText("0");
  d.readOperator();
  ASSERT_EQ(h.prompt.messages.size(), 5);
  EXPECT_TRUE(h.prompt.messages[4].startsWith("Оператор 0 \n  "));
}

TEST(Passwords, newModePasswordsGoOutInOrderAndTheRegistrarThenWantsThem) {
  test::ConfigHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Shown<service::PasswordsDialog>();
  d.programming()->setText("111111");
  d.reports()->setText("222222");
  d.newAdmin()->setText("333333");
  d.execute();
  EXPECT_EQ(rec.requests, (Requests{Req(0x2B, "731942;111111;222222;333333;")}));
  EXPECT_EQ(h.prompt.messages, QStringList{"Успешно!"});
  d.execute();  // the old administrator password no longer holds
  ASSERT_EQ(h.prompt.messages.size(), 2);
  EXPECT_TRUE(h.prompt.messages[1].startsWith("Ошибка установки паролей: \n  "));
}

TEST(PaymentTypes, aFreshRegistrarReadsCashAndItsCardAllowedUnderTheirNames) {
  test::ConfigHarness h;
  test::ConnectRecorded(h);
  auto& d = h.Shown<service::PaymentTypesDialog>();
  d.read();
  const QStringList cash = {"ГОТІВКА", "Разрешено", "Разрешено", "Разрешено"};
  const QStringList card = {"КАРТКА", "Разрешено", "Разрешено", "Запрещено"};
  const QStringList none = {"", "Запрещено", "Запрещено", "Запрещено"};
  for (const auto& [row, expected] : {std::pair{1, cash}, {2, card}, {3, none}})
    for (int column = 1; column <= 4; ++column)
      EXPECT_EQ(d.grid()->item(row, column)->text(), expected[column - 1]) << row << column;
  EXPECT_TRUE(h.prompt.messages.isEmpty());
}

TEST(PaymentTypes, masks83And93GoOutAndReadBackIntoTheGrid) {
  emu::RegistrarOptions o;
  o.model = "Datecs FP-320";
  o.paymentTypes = 4;
  test::ConfigHarness h(o);
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Shown<service::PaymentTypesDialog>();
  EXPECT_EQ(d.grid()->rowCount(), 5);
  EXPECT_TRUE(d.terminal()->isEnabled());
  EXPECT_FALSE(d.addButton()->isEnabled());
  for (QCheckBox* b : {d.sale(), d.refund(), d.change(), d.terminal()}) b->setChecked(true);
  d.name()->setText("Готівка");
  d.number()->setText("0");
  EXPECT_TRUE(d.addButton()->isEnabled());
  d.add();
  d.name()->setText("Картка");
  d.number()->setText("2");
  d.add();
  EXPECT_EQ(rec.requests,
            (Requests{Req(0x2D, "731942;0;83;Готівка;"), Req(0x2D, "731942;2;93;Картка;")}));
  d.read();
  EXPECT_EQ(d.grid()->item(3, 1)->text(), "Картка");
  EXPECT_EQ(d.grid()->item(3, 5)->text(), "Разрешено");
  EXPECT_EQ(d.grid()->item(1, 5)->text(), "Запрещено");
  EXPECT_EQ(d.grid()->item(1, 4)->text(), "Разрешено");
  EXPECT_EQ(rec.requests.size(), 6u);

  // However the button came to be enabled, the number is checked before
  // anything goes out.
  d.number()->clear();
  h.prompt.messages.clear();
  d.add();
  EXPECT_EQ(rec.requests.size(), 6u);
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].contains("Номер:"));
}
