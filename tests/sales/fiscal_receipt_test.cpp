// The fiscal receipt window against the software registrar (and its bank
// terminal): what each button sends, what the registrar keeps and prints,
// and every input that must send nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <fstream>
#include <tuple>

#include "sales/article_store.h"
#include "emulator/bank_terminal_device.h"
#include "emulator/bank_terminal_pty.h"
#include "sales/fiscal_receipt_dialog.h"
#include "emulator/printing.h"
#include "sales/sales_windows.h"
#include "emulator/tape_form.h"
#include "tests/app/wire_recorder.h"

using namespace tesmar;
using test::Req;
using Requests = std::vector<test::Request>;

namespace {

constexpr const char* kBreadLine = "101;Хліб;10.50;0;1;";

emu::RegistrarOptions Model(const std::string& model, const std::string& version = "3.01") {
  emu::RegistrarOptions o;
  o.model = model;
  o.version = version;
  return o;
}

struct ReceiptHarness : test::AppHarness {
  explicit ReceiptHarness(emu::RegistrarOptions o = {}) : AppHarness(std::move(o)) {
    const QString path = QDir(dir.path()).filePath("goods.art");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray::fromStdString(link::Utf8ToCp1251(
        std::string(kBreadLine) + "\r\n202;Молоко;30.00;1;2;\r\nabc;Сир;5.00;0;1;\r\n")));
    f.close();
    prompt.file = path;
    window->addWindows(sales::ReceiptWindows(std::make_shared<sales::ArticleStore>()));
  }
  sales::FiscalReceiptDialog& Dialog() {
    auto& d = *window->find<sales::FiscalReceiptDialog>();
    d.show();  // the activation: goods list and payment types
    return d;
  }
  emu::Registrar& Reg() { return registrar->registrar; }
  std::vector<std::string> TapeSince(size_t from) {
    std::vector<std::string> out;
    for (size_t i = from; i < Reg().Tape().size(); ++i)
      out.push_back(emu::TapeFileLine(Reg().Tape()[i]));
    return out;
  }
};

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

void Sell(sales::FiscalReceiptDialog& d, int row, const char* quantity, const char* price) {
  d.goods()->setCurrentRow(row);
  d.quantity()->setText(quantity);
  d.price()->setText(price);
  d.sell();
}

// The tape the README shows for the sale it walks through in the demo.
std::vector<std::string> ReadmeDemoTape() {
  std::ifstream readme(TESMAR_README);
  std::vector<std::string> shown;
  bool inSection = false, inBlock = false;
  for (std::string line; std::getline(readme, line);) {
    if (line.starts_with("### ")) inSection = line == "### A sale in the demo";
    if (!inSection) continue;
    if (line.starts_with("```")) {
      if (inBlock) break;
      inBlock = line == "```text";
      continue;
    }
    if (inBlock) shown.push_back(line);
  }
  return shown;
}

std::string W(const std::string& utf8) {
  return link::Utf8ToCp1251(utf8);
}

}  // namespace

TEST(FiscalReceiptWindow, activationAsksForTheArticleFileAndFillsItsLists) {
  ReceiptHarness h;
  h.state.paymentTypeCount = 4;
  auto& d = h.Dialog();
  EXPECT_EQ(d.goods()->count(), 3);
  EXPECT_EQ(d.goods()->item(0)->text(), kBreadLine);
  EXPECT_EQ(d.paymentType()->count(), 4);
  EXPECT_EQ(d.paymentType()->currentText(), "0");
  EXPECT_EQ(d.displayFunction()->currentText(), "Верхняя строка");
  EXPECT_EQ(d.quantity()->text(), "1.000");
  EXPECT_EQ(d.price()->text(), "1.00");
  EXPECT_EQ(d.percentValue()->text(), "-5.00");
  EXPECT_EQ(d.barcode()->maxLength(), 12);
  EXPECT_TRUE(d.displayFlag()->isChecked());
  EXPECT_FALSE(d.statusButton()->isEnabled());
  EXPECT_EQ(d.errorCode()->text(), "0000");
  d.goods()->setCurrentRow(1);
  EXPECT_EQ(d.goodsLine()->text(), "202;Молоко;30.00;1;2;");
}

TEST(FiscalReceiptSale, aWholeSaleIsKeptAndPrintedByTheRegistrar) {
  ReceiptHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Dialog();
  const size_t tape = h.Reg().Tape().size();
  d.openReceipt();
  Sell(d, 0, "2.000", "10.50");
  d.discount(0x68);
  d.printTotal();
  EXPECT_EQ(d.receiptSum()->text(), "19.95");
  d.sumClicked();
  EXPECT_EQ(d.amount()->text(), "19.95");
  d.amount()->setText("20.00");
  d.pay();
  d.closeReceipt();
  EXPECT_EQ(
      rec.requests,
      (Requests{Req(0x63, "731942;1;1;0;"), Req(0x24, "731942;101;Хліб;10.50;0;1;"),
                Req(0x64, "731942;101;2.000;10.50;"), Req(0x68, "731942;-5.00;"),
                Req(0x6D, "731942;1;"), Req(0x67, "731942;0;20.00;"), Req(0x65, "731942;1;")}));
  EXPECT_TRUE(h.prompt.messages.isEmpty()) << h.prompt.messages.join("|").toStdString();
  EXPECT_EQ(d.errorCode()->text(), "0000");
  EXPECT_TRUE(d.statusButton()->isEnabled());
  const auto printed = h.TapeSince(tape);
  EXPECT_EQ(printed, ReadmeDemoTape());  // the README walks through this sale
  EXPECT_TRUE(Has(printed, "Хліб")) << ::testing::PrintToString(printed);
  EXPECT_TRUE(Has(printed, link::Cp1251ToUtf8(emu::ReportRow(h.Reg(), "РЕШТА", "0.05"))));
  EXPECT_EQ(h.Reg().state.document, emu::Document::kClosed);
  EXPECT_EQ(h.Reg().state.shift.saleReceipts, 1);
  EXPECT_EQ(h.Reg().state.shift.byTaxGroup.at(0).sales, 1995);
  EXPECT_EQ(h.Reg().state.cash, 1995);
}

// With three decimals the registrar shows the total as 21.000: copied into
// the payment, it goes out with the program's two decimals and pays the
// receipt exactly.
TEST(FiscalReceiptSale, theTotalCopiedIntoThePaymentPaysItWhateverTheDecimalPoint) {
  ReceiptHarness h;
  auto& rec = test::ConnectRecorded(h);
  ASSERT_EQ(h.driver.ExecuteCommand(0x49, "731942;3;").errorCode.View(), "0000");
  auto& d = h.Dialog();
  d.openReceipt();
  Sell(d, 0, "2.000", "10.50");
  d.printTotal();
  EXPECT_EQ(d.receiptSum()->text(), "21.000");
  d.sumClicked();
  d.pay();
  d.closeReceipt();
  EXPECT_EQ(rec.requests.back(), Req(0x65, "731942;1;"));
  EXPECT_EQ(rec.requests[rec.requests.size() - 2], Req(0x67, "731942;0;21.00;"));
  EXPECT_TRUE(h.prompt.messages.isEmpty()) << h.prompt.messages.join("|").toStdString();
  EXPECT_EQ(h.Reg().state.document, emu::Document::kClosed);
  EXPECT_EQ(h.Reg().state.cash, 21000);
}

TEST(FiscalReceiptSale, aReturnReceiptOpensWithTheReturnFlagAndCountsAsARefund) {
  ReceiptHarness h;
  // Payment form 2 programmed to pay in sales and refunds.
  h.Reg().state.paymentForms[2] = {emu::kPayInSale | emu::kPayInRefund, W("ЧЕК")};
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Dialog();
  d.refund()->setChecked(true);
  d.operatorNumber()->setText("2");
  d.openReceipt();
  EXPECT_EQ(rec.requests.front(), Req(0x63, "731942;2;1;1;"));
  EXPECT_EQ(h.Reg().StatusBytes()[2] & 0x10, 0x10);
  Sell(d, 1, "1.000", "30.00");
  d.paymentType()->setCurrentIndex(2);
  d.amount()->setText("30.00");
  d.pay();
  d.closeReceipt();
  EXPECT_TRUE(h.prompt.messages.isEmpty()) << h.prompt.messages.join("|").toStdString();
  EXPECT_EQ(h.Reg().state.shift.refundReceipts, 1);
  EXPECT_EQ(h.Reg().state.shift.byPayment.at(2).refunds, 3000);
}

TEST(FiscalReceiptSale, fkpModelsSendOnlyTheSaleAndOthersProgramTheArticleEachTime) {
  {
    ReceiptHarness h(Model("FKP-101"));
    auto& rec = test::ConnectRecorded(h);
    h.Reg().state.articles[101] = {W("Хліб"), 1050, 0, 1};  // programmed beforehand
    auto& d = h.Dialog();
    d.openReceipt();
    rec.requests.clear();
    Sell(d, 0, "1.000", "10.50");
    EXPECT_EQ(rec.requests, (Requests{Req(0x64, "731942;101;1.000;10.50;")}));
  }
  ReceiptHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Dialog();
  d.password()->setText("731942");
  d.openReceipt();
  rec.requests.clear();
  Sell(d, 0, "1.000", "10.50");
  Sell(d, 0, "1.000", "10.50");
  const test::Request program = Req(0x24, "731942;101;Хліб;10.50;0;1;");
  const test::Request sale = Req(0x64, "731942;101;1.000;10.50;");
  EXPECT_EQ(rec.requests, (Requests{program, sale, program, sale}));
  EXPECT_EQ(h.Reg().state.receipt.Total(), 2100);
}

TEST(FiscalReceiptSale, aRefusedStepShowsItsMessageAndTheRawCode) {
  ReceiptHarness h;
  test::ConnectRecorded(h);
  auto& d = h.Dialog();
  Sell(d, 0, "1.000", "10.50");  // no receipt open
  EXPECT_EQ(h.prompt.messages, QStringList{"Ошибка продажи"});
  EXPECT_EQ(d.errorCode()->text(), "000B");
  h.prompt.messages.clear();
  d.closeReceipt();
  d.printTotal();
  d.discount(0x74);
  EXPECT_EQ(h.prompt.messages,
            (QStringList{"Ошибка закрытия чека", "Ошибка печати итога", "Ошибка надбавки-скидки"}));
  EXPECT_TRUE(d.receiptSum()->text().isEmpty());
}

TEST(FiscalReceiptSale, aRefusedArticleProgrammingEndsTheSaleBeforeItIsSent) {
  ReceiptHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Dialog();
  d.openReceipt();
  Sell(d, 0, "1.000", "10.50");
  d.goodsLine()->setText("101;Хліб;11.00;0;1;");  // another price after a sale
  rec.requests.clear();
  h.prompt.messages.clear();
  d.sell();
  EXPECT_EQ(rec.requests, (Requests{Req(0x24, "731942;101;Хліб;11.00;0;1;")}));
  EXPECT_EQ(h.prompt.messages, QStringList{"Ошибка "});
  EXPECT_EQ(d.errorCode()->text(), "040A");
  EXPECT_EQ(h.Reg().state.receipt.Total(), 1050);
}

TEST(FiscalReceiptVoids, eachVoidKindGoesOutAndTheRegistrarFollowsIt) {
  ReceiptHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Dialog();
  d.openReceipt();
  Sell(d, 0, "1.000", "10.50");
  Sell(d, 1, "1.000", "30.00");
  rec.requests.clear();
  d.voidOperation(1);  // begin: the next sale voids
  Sell(d, 1, "1.000", "30.00");
  d.voidOperation(2);  // end
  EXPECT_EQ(h.Reg().state.receipt.Total(), 1050);
  d.voidOperation(1);
  Sell(d, 0, "1.000", "10.50");
  d.voidOperation(3);  // cancel: bread stays
  EXPECT_EQ(h.Reg().state.receipt.Total(), 1050);
  d.voidOperation(0);
  EXPECT_EQ(h.Reg().state.document, emu::Document::kClosed);
  Requests voids;
  for (const auto& r : rec.requests)
    if (r.code == 0x6B) voids.push_back(r);
  EXPECT_EQ(voids, (Requests{Req(0x6B, "731942;1;"), Req(0x6B, "731942;2;"), Req(0x6B, "731942;1;"),
                             Req(0x6B, "731942;3;"), Req(0x6B, "731942;0;")}));
  EXPECT_TRUE(h.prompt.messages.isEmpty()) << h.prompt.messages.join("|").toStdString();
  d.voidOperation(0);  // nothing left to void
  EXPECT_EQ(h.prompt.messages, QStringList{"Ошибка аннулирования"});
}

TEST(FiscalReceiptExtras, commentBarcodeAndDisplayGoOutAsTheyShould) {
  ReceiptHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Dialog();
  d.password()->setText("000000");  // the bar code and the display keep 731942
  d.openReceipt();
  h.prompt.messages.clear();
  d.password()->setText("731942");
  d.openReceipt();
  rec.requests.clear();
  const size_t tape = h.Reg().Tape().size();
  d.printComment();
  d.printBarcode();
  d.displayFunction()->setCurrentIndex(2);
  d.showOnDisplay();
  ASSERT_EQ(rec.requests.size(), 3u);
  EXPECT_EQ(rec.requests[0], Req(0x61, "731942;Comment for printing;"));
  EXPECT_EQ(rec.requests[1].code, 0x6F);
  EXPECT_EQ(rec.requests[1].params.rfind("731942;50;", 0), 0u);
  EXPECT_EQ(rec.requests[2], Req(0x81, "731942;2;0;Comment for printing;"));
  EXPECT_EQ(h.Reg().state.display[1], "Comment for printing");
  const auto printed = h.TapeSince(tape);
  EXPECT_EQ(std::count_if(printed.begin(), printed.end(),
                          [](const std::string& l) { return l.rfind("▌", 0) == 0; }),
            50);
  EXPECT_TRUE(h.prompt.messages.isEmpty()) << h.prompt.messages.join("|").toStdString();
}

TEST(FiscalReceiptInput, badInputSaysWhyAndSendsNothing) {
  ReceiptHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Dialog();
  struct Case {
    const char* what;
    std::function<void()> act;
    QString message;  // empty: any clear message
  };
  const Case cases[] = {
      {"no article",
       [&] {
         d.goodsLine()->clear();
         d.sell();
       },
       "Не выбран товар!"},
      {"code not a number", [&] { Sell(d, 2, "1.000", "5.00"); }, ""},
      {"quantity zero", [&] { Sell(d, 0, "0.000", "10.50"); }, ""},
      {"quantity not a number", [&] { Sell(d, 0, "много", "10.50"); }, ""},
      {"price negative", [&] { Sell(d, 0, "1.000", "-1.00"); }, ""},
      {"amount not a number",
       [&] {
         d.amount()->setText("12,50");
         d.pay();
       },
       "Ошибочный тип оплаты"},
      {"type not a number",
       [&] {
         d.amount()->setText("1.00");
         d.paymentType()->addItem("x");
         d.paymentType()->setCurrentText("x");
         d.pay();
       },
       "Ошибочный тип оплаты"},
      {"bar code of 11",
       [&] {
         d.barcode()->setText("01234567890");
         d.printBarcode();
       },
       "Длина штрих-кода не равна 12 символов! Ошибка!"},
      {"bar code not digits",
       [&] {
         d.barcode()->setText("01234567890A");
         d.printBarcode();
       },
       ""},
      {"discount not a number",
       [&] {
         d.percentValue()->setText("-5%");
         d.discount(0x68);
       },
       ""},
  };
  for (const Case& c : cases) {
    h.prompt.messages.clear();
    c.act();
    EXPECT_TRUE(rec.requests.empty()) << c.what;
    ASSERT_EQ(h.prompt.messages.size(), 1) << c.what;
    if (!c.message.isEmpty()) {
      EXPECT_EQ(h.prompt.messages[0], c.message) << c.what;
    }
  }
}

namespace {

// A registrar whose firmware pays by card through the terminal, and a
// terminal on a pty of its own at the main window's terminal port.
struct CardHarness : ReceiptHarness {
  emu::VirtualTerminal terminal;
  emu::TerminalPty pty{terminal};
  explicit CardHarness(emu::TerminalFaults faults = {})
      : ReceiptHarness(Model("Tesmar EMU-01", "4.00")), terminal(faults) {
    std::string error;
    if (!pty.Open(&error)) throw std::runtime_error(error);
    pty.Start();
  }
  ~CardHarness() { pty.Stop(); }
  sales::FiscalReceiptDialog& ReadyToPay(test::RecordingLink& rec) {
    state.terminalPort = QString::fromStdString(pty.Path());
    auto& d = Dialog();
    d.setTerminalWaitMs(500);
    d.openReceipt();
    Sell(d, 0, "1.000", "12.50");
    d.paymentType()->setCurrentIndex(1);
    d.amount()->setText("12.50");
    rec.requests.clear();
    prompt.messages.clear();
    return d;
  }
};

}  // namespace

TEST(FiscalReceiptCard, aCardPaymentTalksToTheTerminalAndPrintsItsLines) {
  CardHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.ReadyToPay(rec);
  const size_t tape = h.Reg().Tape().size();
  d.pay();
  EXPECT_EQ(h.prompt.messages, QStringList{"Внимание! Банковский терминал!"});
  EXPECT_EQ(h.terminal.LastAmount(), "1250");
  EXPECT_EQ(rec.requests,
            (Requests{Req(0x80, "731942;"), Req(0x6D, "731942;1;"), Req(0x61, "731942;VISA CARD;"),
                      Req(0x61, "731942;**** **** 1234 5678;"), Req(0x61, "731942;AUTH 482913;"),
                      Req(0x78, "731942;1;12.50;RRN000000000001;"), Req(0x61, "731942;ПІДПИС;"),
                      Req(0x61, "731942;КАСИРА . . . . . . . . ;"), Req(0x61, "731942;ПІДПИС;"),
                      Req(0x61, "731942;КЛІЄНТА. . . . . . . . ;")}));
  EXPECT_EQ(h.Reg().state.lastCardTransaction, "RRN000000000001");
  EXPECT_EQ(h.Reg().state.document, emu::Document::kCompleted);
  const auto printed = h.TapeSince(tape);
  for (const char* line : {"VISA CARD", "**** **** 1234 5678", "AUTH 482913", "ПІДПИС",
                           "КАСИРА . . . . . . . . ", "КЛІЄНТА. . . . . . . . "})
    EXPECT_TRUE(Has(printed, line)) << line;
  d.closeReceipt();
  EXPECT_EQ(h.Reg().state.document, emu::Document::kClosed);
}

TEST(FiscalReceiptCard, withoutTheExtraLinesOnlyThePaymentGoesOut) {
  CardHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.ReadyToPay(rec);
  d.noCardLines()->setChecked(true);
  d.pay();
  EXPECT_EQ(rec.requests, (Requests{Req(0x80, "731942;"), Req(0x6D, "731942;1;"),
                                    Req(0x78, "731942;1;12.50;RRN000000000001;")}));
}

TEST(FiscalReceiptCard, aGivenTransactionIsCutToTwentyAndSkipsTheTerminal) {
  CardHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.ReadyToPay(rec);
  d.useTransaction()->setChecked(true);
  d.transaction()->setMaxLength(32767);  // as if typed past the box's limit
  d.transaction()->setText("ABCDEFGHIJKLMNOPQRSTUVWXY");
  d.pay();
  EXPECT_EQ(rec.requests, (Requests{Req(0x78, "731942;1;12.50;ABCDEFGHIJKLMNOPQRST;")}));
  EXPECT_EQ(h.terminal.Payments(), 0);
  EXPECT_EQ(h.terminal.LastAmount(), "");
}

TEST(FiscalReceiptCard, aTerminalThatFailsEndsThePaymentAndTheRegistrarHearsNothing) {
  for (auto fault : {&emu::TerminalFaults::cutShort, &emu::TerminalFaults::noAck,
                     &emu::TerminalFaults::overLong}) {
    emu::TerminalFaults f;
    f.*fault = 1;
    CardHarness h(f);
    auto& rec = test::ConnectRecorded(h);
    auto& d = h.ReadyToPay(rec);
    d.pay();
    EXPECT_EQ(h.prompt.messages,
              (QStringList{"Внимание! Банковский терминал!", "Ошибка оплаты банковской картой!"}));
    // Only the questions asked before the terminal: no card line, no payment.
    EXPECT_EQ(rec.requests, (Requests{Req(0x80, "731942;"), Req(0x6D, "731942;1;")}));
    EXPECT_EQ(h.Reg().state.document, emu::Document::kSaleDone);
  }
}

TEST(FiscalReceiptCard, cashAndOrdinaryFirmwareNeverUseTheTerminal) {
  CardHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.ReadyToPay(rec);
  d.paymentType()->setCurrentIndex(0);
  d.pay();
  EXPECT_EQ(rec.requests, (Requests{Req(0x67, "731942;0;12.50;")}));
  EXPECT_TRUE(h.prompt.messages.isEmpty());
  EXPECT_EQ(h.terminal.LastAmount(), "");
}

namespace {

const test::Request kAskState = Req(0x80, "731942;");
const test::Request kAskTotal = Req(0x6D, "731942;1;");

std::vector<int> Codes(const Requests& rs) {
  std::vector<int> out;
  for (const auto& r : rs) out.push_back(r.code);
  return out;
}

}  // namespace

TEST(FiscalReceiptCard, theTypedAmountIsReadAsMoneyAndTheTerminalGetsKopecks) {
  for (auto [typed, kopecks, sent] :
       {std::tuple{"12", "1200", "12.00"}, std::tuple{"12.5", "1250", "12.50"},
        std::tuple{" 0.07 ", "7", "0.07"}}) {
    CardHarness h;
    auto& rec = test::ConnectRecorded(h);
    auto& d = h.ReadyToPay(rec);
    d.noCardLines()->setChecked(true);
    d.amount()->setText(typed);
    d.pay();
    EXPECT_EQ(h.terminal.LastAmount(), kopecks) << typed;
    ASSERT_FALSE(rec.requests.empty()) << typed;
    EXPECT_EQ(rec.requests.back(),
              Req(0x78, ("731942;1;" + std::string(sent) + ";RRN000000000001;").c_str()))
        << typed;
  }
  CardHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.ReadyToPay(rec);
  for (const char* typed : {"-5", "+5", "1e3", "12.505", "12.", ".5", "0", "0.00", "1 2"}) {
    h.prompt.messages.clear();
    d.amount()->setText(typed);
    d.pay();
    ASSERT_EQ(h.prompt.messages.size(), 1) << typed;
    if (std::string(typed) != "1 2")  // not a number at all: the written message
      EXPECT_TRUE(h.prompt.messages[0].startsWith("Сумма оплаты")) << typed;
    else
      EXPECT_EQ(h.prompt.messages[0], "Ошибочный тип оплаты");
    EXPECT_TRUE(rec.requests.empty()) << typed;
  }
  EXPECT_EQ(h.terminal.LastAmount(), "");
}

TEST(FiscalReceiptCard, noOpenReceiptOrAnAmountOverItsTotalChargesNoCard) {
  {
    CardHarness h;
    auto& rec = test::ConnectRecorded(h);
    h.state.terminalPort = QString::fromStdString(h.pty.Path());
    auto& d = h.Dialog();
    d.paymentType()->setCurrentIndex(1);
    d.amount()->setText("12.50");
    d.pay();
    EXPECT_EQ(rec.requests, Requests{kAskState});
    EXPECT_EQ(
        h.prompt.messages,
        QStringList{"Нет открытого фискального чека. Оплата банковской картой не выполнена."});
    EXPECT_EQ(h.terminal.LastAmount(), "");
  }
  CardHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.ReadyToPay(rec);
  d.amount()->setText("12.51");
  d.pay();
  EXPECT_EQ(rec.requests, (Requests{kAskState, kAskTotal}));
  EXPECT_EQ(h.prompt.messages, QStringList{"Сумма оплаты 12.51 больше суммы по чеку 12.50. "
                                           "Оплата банковской картой не выполнена."});
  EXPECT_EQ(h.terminal.LastAmount(), "");
  EXPECT_EQ(d.receiptSum()->text(), "12.50");
  // Paid in full already (cash): nothing left for a card.
  d.paymentType()->setCurrentIndex(0);
  d.pay();
  d.paymentType()->setCurrentIndex(1);
  d.amount()->setText("1.00");
  rec.requests.clear();
  h.prompt.messages.clear();
  d.pay();
  EXPECT_EQ(rec.requests, Requests{kAskState});
  EXPECT_EQ(h.prompt.messages,
            QStringList{"Чек уже оплачен. Оплата банковской картой не выполнена."});
  EXPECT_EQ(h.terminal.LastAmount(), "");
}

TEST(FiscalReceiptCard, aRefusedCardPaymentIsReportedLastAndKeepsTheTransactionToFinishWith) {
  CardHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.ReadyToPay(rec);
  d.paymentType()->setCurrentIndex(0);
  d.amount()->setText("5.00");
  d.pay();  // cash first: 7.50 left, less than the card's 12.50
  d.paymentType()->setCurrentIndex(1);
  d.amount()->setText("12.50");
  rec.requests.clear();
  h.prompt.messages.clear();
  d.pay();
  EXPECT_EQ(h.terminal.Payments(), 1);
  EXPECT_EQ(Codes(rec.requests),
            (std::vector<int>{0x80, 0x6D, 0x61, 0x61, 0x61, 0x78, 0x61, 0x61, 0x61, 0x61}));
  EXPECT_EQ(d.errorCode()->text(), "0A0B");
  ASSERT_NE(h.state.lastReply, nullptr);
  EXPECT_EQ(h.state.lastReply->commandCode, 0x78);
  EXPECT_EQ(std::string(h.state.lastReply->errorCode.View()), "0A0B");
  EXPECT_TRUE(d.statusButton()->isEnabled());
  EXPECT_EQ(d.transaction()->text(), "RRN000000000001");
  ASSERT_EQ(h.prompt.messages.size(), 3) << h.prompt.messages.join("|").toStdString();
  EXPECT_EQ(h.prompt.messages[1], "Ошибка оплаты чека банковской картой");
  EXPECT_TRUE(h.prompt.messages[2].contains("RRN000000000001"));
  EXPECT_TRUE(h.prompt.messages[2].contains("Использовать указанный идентификатор транзакций"));
  // The engineer finishes it with the terminal's identifier, for what is left.
  d.useTransaction()->setChecked(true);
  d.amount()->setText("7.5");
  rec.requests.clear();
  h.prompt.messages.clear();
  d.pay();
  EXPECT_EQ(rec.requests, (Requests{Req(0x78, "731942;1;7.50;RRN000000000001;")}));
  EXPECT_EQ(h.prompt.messages, QStringList{"Внимание! Банковский терминал!"});
  EXPECT_EQ(h.terminal.Payments(), 1);
  EXPECT_EQ(h.Reg().state.document, emu::Document::kCompleted);
}

TEST(FiscalReceiptWindow, tabbingIntoTheGoodsListKeepsTheGoodsLine) {
  ReceiptHarness h;
  auto& d = h.Dialog();
  QApplication::setActiveWindow(&d);
  d.goodsLine()->setText("101;Хліб;11.00;0;1;");  // edited by hand
  d.goods()->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  EXPECT_EQ(d.goodsLine()->text(), "101;Хліб;11.00;0;1;");
  d.goods()->setCurrentRow(1);  // moving in the list still picks
  EXPECT_EQ(d.goodsLine()->text(), "202;Молоко;30.00;1;2;");
}

TEST(FiscalReceiptCard, aDeclinedCardSendsNothingMoreToTheRegistrarAndSaysSo) {
  emu::TerminalFaults f;
  f.decline = 1;
  CardHarness h(f);
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.ReadyToPay(rec);
  d.pay();
  EXPECT_EQ(rec.requests, (Requests{kAskState, kAskTotal}));
  EXPECT_EQ(h.prompt.messages, (QStringList{"Внимание! Банковский терминал!",
                                            "Ошибка оплаты банковской картой!\n"
                                            "Терминал отклонил оплату, код ответа 05."}));
  EXPECT_EQ(h.terminal.LastAmount(), "1250");
  EXPECT_EQ(h.terminal.Payments(), 0);
  EXPECT_TRUE(d.transaction()->text().isEmpty());
  EXPECT_EQ(h.Reg().state.document, emu::Document::kSaleDone);
}

TEST(FiscalReceiptCard, aSlowTerminalIsWaitedForMessageByMessage) {
  emu::TerminalFaults f;
  f.delayMs = 300;  // each message within the 500 ms wait, both together not
  CardHarness h(f);
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.ReadyToPay(rec);
  d.noCardLines()->setChecked(true);
  d.pay();
  EXPECT_EQ(h.prompt.messages, QStringList{"Внимание! Банковский терминал!"});
  ASSERT_FALSE(rec.requests.empty());
  EXPECT_EQ(rec.requests.back(), Req(0x78, "731942;1;12.50;RRN000000000001;"));
  EXPECT_EQ(h.Reg().state.document, emu::Document::kCompleted);
}
