// The sales document windows against the software registrar: what each
// sends, what the registrar printed, and what each failure says. After the
// connect the driver talks to the registrar through an in-memory link that
// keeps every request and can lose the answers to chosen ones.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "sales/article_store.h"
#include "sales/article_upload.h"
#include "sales/article_upload_dialog.h"
#include "sales/cash_drawer_dialog.h"
#include "sales/cash_in_out_dialog.h"
#include "link/document_formatters.h"
#include "link/memory_transport.h"
#include "app/model_rules.h"
#include "sales/non_fiscal_receipt_dialog.h"
#include "sales/receipt_copy_dialog.h"
#include "link/reply_decoder.h"
#include "sales/sales_windows.h"
#include "sales/tape_copy_dialog.h"
#include "sales/void_close_dialog.h"
#include "tests/app/wire_recorder.h"

using namespace tesmar;
using test::Req;
using Requests = std::vector<test::Request>;

namespace {

emu::RegistrarOptions Version(const std::string& v) {
  emu::RegistrarOptions o;
  o.version = v;
  return o;
}

struct DocumentsHarness : test::AppHarness {
  std::shared_ptr<sales::ArticleStore> articles = std::make_shared<sales::ArticleStore>();
  emu::Session direct{registrar->registrar};
  Requests requests;
  // Requests whose answer is lost (the registrar still executes nothing).
  std::function<bool(const test::Request&)> lose;
  // Called with each request before the registrar sees it.
  std::function<void(const test::Request&)> before;

  explicit DocumentsHarness(emu::RegistrarOptions o = Version("3.01")) : AppHarness(std::move(o)) {
    window->addWindows(sales::DocumentWindows(articles));
    Connect();
    driver.CloseSerialLink();
    driver.AttachSerialLink(std::make_unique<link::MemoryTransport>(
        [this](const std::vector<uint8_t>& f) { return Answer(f); }));
    prompt.messages.clear();
  }
  std::vector<uint8_t> Answer(const std::vector<uint8_t>& frame) {
    // SOH, LEN, SEQ, CMD, parameters, 05h, four checksum digits, ETX.
    const test::Request q{frame[3], std::string(frame.begin() + 4, frame.end() - 6)};
    requests.push_back(q);
    if (before) before(q);
    if (lose && lose(q)) return {};
    return direct.Feed(frame).bytes;
  }
  template <class T>
  T& Window() {
    return *window->find<T>();
  }
  emu::Registrar& Reg() { return registrar->registrar; }
  // The tape lines printed since `from`, as UTF-8.
  std::vector<std::string> TapeSince(size_t from) {
    std::vector<std::string> out;
    for (size_t i = from; i < Reg().Tape().size(); ++i)
      out.push_back(link::Cp1251ToUtf8(Reg().Tape()[i]));
    return out;
  }
  // A receipt of article 101 sold for 12.50 in cash, sent behind the
  // windows' backs.
  void SellOne() {
    int result = 0;
    link::AddArticleLine(driver, "731942", link::Utf8ToCp1251("101;Хліб;12.50;0;1;"));
    link::OpenFiscalReceipt(driver, "731942", 1, 1, 0);
    link::SellArticle(driver, "731942", 101, 1, 12.5, result);
    link::Payment(driver, "731942", 0, 12.5, result);
    ASSERT_TRUE(link::CloseFiscalReceipt(driver, "731942").Succeeded());
    requests.clear();
  }
};

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace

// --- non-fiscal receipt, and the void and close window after it ----------

TEST(NonFiscalReceipt, linesAreCutTo39CharactersWithTheirSemicolonsLeftOut) {
  DocumentsHarness h;
  auto& d = h.Window<sales::NonFiscalReceiptDialog>();
  const QString fifty = QString("0123456789").repeated(5);
  d.text()->setPlainText(fifty + "\nЦіна; 5 грн;;\n" + "abc;" + QString("x").repeated(40) + "\n");
  const size_t tape = h.Reg().Tape().size();
  d.printReceipt();
  EXPECT_EQ(h.requests,
            (Requests{Req(0x60, "731942;"), Req(0x61, ("731942;" + fifty.left(39) + ";").toUtf8()),
                      Req(0x61, "731942;Ціна 5 грн;"),
                      Req(0x61, ("731942;abc" + QString("x").repeated(35) + ";").toUtf8()),
                      Req(0x65, "731942;0;")}));
  EXPECT_TRUE(h.prompt.messages.isEmpty()) << h.prompt.messages.join("|").toStdString();
  EXPECT_TRUE(Has(h.TapeSince(tape), "Ціна 5 грн"));
  EXPECT_EQ(h.Reg().state.document, emu::Document::kClosed);
  EXPECT_EQ(d.errorCode()->text(), "0000");
}

TEST(NonFiscalReceipt, aRefusedThirdLineLeavesTheDocumentOpenAndOnlyCloseIsOffered) {
  DocumentsHarness h;
  auto& d = h.Window<sales::NonFiscalReceiptDialog>();
  d.text()->setPlainText("один\nдва\nтри\nчотири");
  int lines = 0;
  // The registrar refuses the third line (its password changed under it).
  h.before = [&](const test::Request& q) {
    if (q.code == 0x61 && ++lines == 3) h.Reg().options.password = "111111";
  };
  d.printReceipt();
  ASSERT_EQ(h.requests.size(), 4u);  // 60h and three 61h; no fourth line, no 65h
  EXPECT_EQ(h.requests.back(), Req(0x61, "731942;три;"));
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_FALSE(h.prompt.messages[0].contains(":\n  "));  // the decoder's text alone
  EXPECT_EQ(h.Reg().state.document, emu::Document::kNonFiscal);

  h.Reg().options.password = "731942";
  h.before = {};
  h.requests.clear();
  h.prompt.messages.clear();
  auto& v = h.Window<sales::VoidCloseDialog>();
  v.readReceiptState();
  EXPECT_EQ(v.statusLine()->text(), "Открыт нефискальный чек");
  EXPECT_TRUE(v.closeButton()->isEnabled());
  EXPECT_FALSE(v.voidButton()->isEnabled());
  v.closeReceipt();
  EXPECT_EQ(h.requests, (Requests{Req(0x80, "731942;"), Req(0x65, "731942;0;")}));
  EXPECT_EQ(v.statusLine()->text(), "Нет открытых чеков");
  EXPECT_FALSE(v.closeButton()->isEnabled());
  EXPECT_EQ(h.Reg().state.document, emu::Document::kClosed);
  EXPECT_TRUE(h.prompt.messages.isEmpty());
}

TEST(NonFiscalReceipt, aTypedSemicolonIsRefusedAndUnprintableTextSendsNothing) {
  DocumentsHarness h;
  auto& d = h.Window<sales::NonFiscalReceiptDialog>();
  d.text()->setPlainText("ab");
  d.text()->moveCursor(QTextCursor::End);
  QTest::keyClick(d.text(), ';');
  EXPECT_EQ(d.text()->toPlainText(), "ab");
  EXPECT_EQ(h.prompt.messages,
            QStringList{"; - недопустимый символ, \n   будет удален при печати чека!"});
  ASSERT_FALSE(h.prompt.titled.isEmpty());
  EXPECT_EQ(h.prompt.titled.back().second, "Ввод текста");
  QTest::keyClick(d.text(), 'c');
  EXPECT_EQ(d.text()->toPlainText(), "abc");

  h.prompt.messages.clear();
  d.text()->setPlainText("строка\nціна 日本");
  d.printReceipt();
  EXPECT_TRUE(h.requests.empty());
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].contains("日")) << h.prompt.messages[0].toStdString();
}

// --- void and close -------------------------------------------------------

TEST(VoidClose, statusByteTwoDecidesTheLineAndTheButtons) {
  using V = sales::OpenReceiptView;
  EXPECT_EQ(sales::ViewOfReceiptState(0x00), (V{"Нет открытых чеков", false, false}));
  EXPECT_EQ(sales::ViewOfReceiptState(0x05), (V{"Открыт нефискальный чек", true, false}));
  EXPECT_EQ(sales::ViewOfReceiptState(0x14), (V{"Открыт чек возврата", true, true}));
  EXPECT_EQ(sales::ViewOfReceiptState(0x12), (V{"Открыт чек возврата", false, true}));
  EXPECT_EQ(sales::ViewOfReceiptState(0x04), (V{"Открыт фискальный чек", true, true}));
  EXPECT_EQ(sales::ViewOfReceiptState(0x01), (V{"Открыт фискальный чек", false, true}));
  EXPECT_EQ(sales::ViewOfReceiptState(0x0C), (V{"Открыт фискальный чек", true, true}));
}

TEST(VoidClose, anOpenFiscalReceiptIsVoidedWithTheDefaultPassword) {
  emu::RegistrarOptions o = Version("3.01");
  o.paymentTypes = 0;  // read as 10
  DocumentsHarness h(o);
  link::OpenFiscalReceipt(h.driver, "731942", 1, 1, 0);
  h.requests.clear();
  h.state.paymentTypeCount = 3;
  auto& v = h.Window<sales::VoidCloseDialog>();
  v.readReceiptState();
  EXPECT_EQ(h.state.paymentTypeCount, 10);
  EXPECT_EQ(v.statusLine()->text(), "Открыт фискальный чек");
  EXPECT_FALSE(v.closeButton()->isEnabled());
  EXPECT_TRUE(v.voidButton()->isEnabled());
  v.voidReceipt();
  EXPECT_EQ(h.requests, (Requests{Req(0x80, "731942;"), Req(0x6B, "731942;0;")}));
  EXPECT_EQ(v.errorCode()->text(), "0000");
  EXPECT_EQ(v.statusLine()->text(), "Нет открытых чеков");
  EXPECT_FALSE(v.voidButton()->isEnabled());
  EXPECT_EQ(h.Reg().state.document, emu::Document::kClosed);

  v.registrarState();
  EXPECT_TRUE(v.statusLine()->text().startsWith("   Модель:"));
}

TEST(VoidClose, refusalsAndTimeOutsShowTheirFixedTexts) {
  DocumentsHarness h;
  int result = 0;
  link::AddArticleLine(h.driver, "731942", link::Utf8ToCp1251("101;Хліб;12.50;0;1;"));
  link::OpenFiscalReceipt(h.driver, "731942", 1, 1, 0);
  link::SellArticle(h.driver, "731942", 101, 1, 12.5, result);
  auto& v = h.Window<sales::VoidCloseDialog>();
  v.readReceiptState();
  h.prompt.messages.clear();
  v.closeReceipt();  // unpaid: the registrar refuses
  EXPECT_EQ(h.prompt.messages, QStringList{"Ошибка закрытия чека"});
  h.driver.SetRetryCount(0);
  h.lose = [](const test::Request&) { return true; };
  h.prompt.messages.clear();
  v.voidReceipt();
  v.closeReceipt();
  // The registrar answered the exchange before the void: its silence may
  // hide an answer lost after the void ran. Then it is plainly silent.
  EXPECT_EQ(h.prompt.messages,
            (QStringList{link::kUnknownOutcomeText, "Таймаут устройства! Ошибка закрыиия чека!"}));
  v.readReceiptState();
  ASSERT_EQ(h.prompt.messages.size(), 3);
  EXPECT_TRUE(h.prompt.messages[2].startsWith("Проверка состояния регистратора:\n  "));
  EXPECT_FALSE(v.closeButton()->isEnabled());
  EXPECT_FALSE(v.voidButton()->isEnabled());
}

// --- cash in and out ------------------------------------------------------

TEST(CashInOut, theMethodFollowsTheVersionTheDirectionAndTheAccessLevel) {
  app::AppState s;
  auto old = [&s](const char* version, bool in, const char* level = "medium") {
    s.firmwareVersion = version;
    s.accessLevel = level;
    s.profile = app::ProfileOf(s);  // as identification computes it
    return sales::UsesOldCashMethod(s, in);
  };
  EXPECT_TRUE(old("2.01", true));
  EXPECT_TRUE(old("2.03", false));
  EXPECT_TRUE(old("2.04", true));
  EXPECT_FALSE(old("2.04", false));
  EXPECT_FALSE(old("2.01", true, "high"));
  EXPECT_FALSE(old("3.01", true));
  EXPECT_FALSE(old("2.01 ", true));  // exactly the version text
}

TEST(CashInOut, version204PutsCashInBy6EhAndTakesItOutByAServiceReceipt) {
  DocumentsHarness h(Version("2.04"));
  if (!h.Reg().Handles(0x77)) GTEST_SKIP() << "the emulator keeps no till yet";
  auto& d = h.Window<sales::CashInOutDialog>();
  d.amount()->setText("5.00");
  d.cashIn();
  EXPECT_EQ(h.requests, (Requests{Req(0x6E, "731942;1;5.00;")}));
  EXPECT_EQ(d.cashInTill()->text(), "5.00");
  EXPECT_EQ(h.prompt.messages, QStringList{"Служебный внос денег - Успешно!"});

  h.requests.clear();
  h.prompt.messages.clear();
  d.amount()->setText("2.5");
  d.cashOut();
  EXPECT_EQ(h.requests, (Requests{Req(0x63, "731942;1;0;2;"), Req(0x77, "731942;0;-2.50;"),
                                  Req(0x65, "731942;0;")}));
  EXPECT_EQ(d.cashInTill()->text(), "2.50");
  EXPECT_EQ(h.prompt.messages, QStringList{"Служебное изъятие денег - Успешно!"});
  EXPECT_EQ(h.Reg().state.document, emu::Document::kClosed);
}

TEST(CashInOut, version201TakesCashOutBy6EhAndATooSmallTillIsTitled) {
  DocumentsHarness h(Version("2.01"));
  if (!h.Reg().Handles(0x77)) GTEST_SKIP() << "the emulator keeps no till yet";
  auto& d = h.Window<sales::CashInOutDialog>();
  d.amount()->setText("7.00");
  d.cashOut();
  EXPECT_EQ(h.requests, (Requests{Req(0x6E, "731942;1;-7.00;")}));
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("Служебное изъятие денег:\n  "));
  EXPECT_TRUE(d.cashInTill()->text().isEmpty());
}

TEST(CashInOut, aRefusedServiceAmountStopsBeforeTheClose) {
  DocumentsHarness h(Version("3.01"));
  if (!h.Reg().Handles(0x77)) GTEST_SKIP() << "the emulator keeps no till yet";
  auto& d = h.Window<sales::CashInOutDialog>();
  d.amount()->setText("7.00");
  d.cashOut();  // the till is empty
  ASSERT_EQ(h.requests.size(), 2u);
  EXPECT_EQ(h.requests[1].code, 0x77);
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("Служебное изъятие денег:\n  "));
}

TEST(CashInOut, anAmountOrOperatorThatIsNoNumberSendsNothing) {
  DocumentsHarness h;
  auto& d = h.Window<sales::CashInOutDialog>();
  for (const char* bad : {"1,00", "abc", "0", "-1", "1.005", "", "1e3", "inf"}) {
    h.prompt.messages.clear();
    d.amount()->setText(bad);
    d.cashIn();
    EXPECT_EQ(h.prompt.messages.size(), 1) << bad;
  }
  d.amount()->setText("1.00");
  d.operatorNumber()->setText("x");
  h.prompt.messages.clear();
  d.cashOut();
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].contains("Номер оператора:"));
  EXPECT_TRUE(h.requests.empty());
}

// --- cash drawers ---------------------------------------------------------

TEST(CashDrawer, drawersOpenAndEmptyTimesAreToldButSentAllTheSame) {
  DocumentsHarness h;
  auto& d = h.Window<sales::CashDrawerDialog>();
  EXPECT_EQ(d.errorCode()->text(), "0000");
  d.openDrawer();
  d.openSecondDrawer();
  EXPECT_EQ(h.requests, (Requests{Req(0x83, "731942;"), Req(0x87, "731942;;;")}));
  ASSERT_EQ(h.prompt.messages.size(), 2);
  EXPECT_EQ(h.prompt.messages[0], "Не установлены параметры команды!");
  EXPECT_TRUE(h.prompt.messages[1].startsWith("Проверка состояния регистратора:\n  "));
  EXPECT_EQ(d.errorCode()->text(), "0000");  // never filled

  h.requests.clear();
  h.prompt.messages.clear();
  d.switchOnTime()->setText("200");
  d.delay()->setText("100");
  d.openSecondDrawer();
  EXPECT_EQ(h.requests, (Requests{Req(0x87, "731942;200;100;")}));
  EXPECT_TRUE(h.prompt.messages.isEmpty());
  EXPECT_EQ(h.Reg().state.drawerOpenings, 1);
  EXPECT_EQ(h.Reg().state.secondDrawerOpenings, 1);
}

TEST(CashDrawer, aTimeOutIsToldAndATimeTheRegistrarCannotTakeSendsNothing) {
  DocumentsHarness h;
  auto& d = h.Window<sales::CashDrawerDialog>();
  h.driver.SetRetryCount(0);
  h.lose = [](const test::Request&) { return true; };
  d.openDrawer();
  EXPECT_EQ(h.prompt.messages, QStringList{"Ошибка выполнения команды. Таймаут"});
  h.requests.clear();
  h.prompt.messages.clear();
  d.switchOnTime()->setText("2日0");
  d.delay()->setText("100");
  d.openSecondDrawer();
  d.switchOnTime()->setText("200");
  d.delay()->setText("100;5");  // would make a third field
  d.openSecondDrawer();
  EXPECT_TRUE(h.requests.empty());
  ASSERT_EQ(h.prompt.messages.size(), 2);
  EXPECT_TRUE(h.prompt.messages[1].contains("Задержка после выкл. соленоида:"));
}

// --- article upload -------------------------------------------------------

namespace {
QString WriteRawArticleFile(const QString& dir, const std::string& bytes) {
  const QString path = dir + "/goods.art";
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(QByteArray::fromStdString(bytes));
  return path;
}
QString WriteArticleFile(const QString& dir, const QByteArray& utf8) {
  return WriteRawArticleFile(dir, link::Utf8ToCp1251(utf8.toStdString()));
}
}  // namespace

TEST(ArticleUpload, everyLineGoesOutAndATimeOutStaysInTheStatusLine) {
  DocumentsHarness h;
  auto& d = h.Window<sales::ArticleUploadDialog>();
  h.prompt.file = WriteArticleFile(
      h.dir.path(), "101;Хліб;12.50;0;1;\r\n102;Молоко;30.00;1;2;\r\n\r\n103;Сир;99.90;0;1;\r\n");
  d.loadFile();
  EXPECT_EQ(d.fileName()->text(), h.prompt.file);
  EXPECT_EQ(h.articles->lines().size(), 4);
  EXPECT_EQ(d.list()->toPlainText().split('\n').size(), 4);

  h.lose = [](const test::Request& q) { return q.params.find(";102;") != std::string::npos; };
  d.upload();
  Requests distinct;
  for (const auto& q : h.requests)
    if (distinct.empty() || !(distinct.back() == q)) distinct.push_back(q);
  EXPECT_EQ(
      distinct,
      (Requests{Req(0x24, "731942;101;Хліб;12.50;0;1;"), Req(0x24, "731942;102;Молоко;30.00;1;2;"),
                Req(0x24, "731942;103;Сир;99.90;0;1;")}));  // the blank line is passed over
  EXPECT_EQ(d.statusLine()->text(), "Ошибка! Таймаут устройства! ");  // later lines leave it
  EXPECT_EQ(d.progress()->value(), 4);
  EXPECT_EQ(d.progress()->maximum(), 4);
  // Not "Завершено": line 2 was not confirmed.
  EXPECT_EQ(h.prompt.messages, QStringList{"Не все артикулы записаны в регистратор.\n"
                                           "Нет ответа регистратора на строки: 2 (1 из 4)."});
  EXPECT_EQ(h.Reg().state.articles.count(101), 1u);
  EXPECT_EQ(h.Reg().state.articles.count(102), 0u);
  EXPECT_EQ(h.Reg().state.articles.count(103), 1u);
  EXPECT_TRUE(d.uploadButton()->isEnabled());
}

TEST(ArticleUpload, anEmptyListSendsNothingAndStillSaysDone) {
  DocumentsHarness h;
  auto& d = h.Window<sales::ArticleUploadDialog>();
  d.list()->setPlainText("101;Хліб;12.50;0;1;");
  d.clearList();
  d.upload();
  EXPECT_TRUE(h.requests.empty());
  EXPECT_EQ(h.prompt.messages, QStringList{"Завершено"});
  EXPECT_TRUE(h.articles->lines().isEmpty());
}

TEST(ArticleUpload, linesEditedByHandAreSentAsEditedAndTheFileStaysAsItWas) {
  DocumentsHarness h;
  auto& d = h.Window<sales::ArticleUploadDialog>();
  const QString path = WriteArticleFile(h.dir.path(), "101;Хліб;12.50;0;1;\n");
  h.prompt.file = path;
  d.loadFile();
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  const QByteArray before = f.readAll();
  f.close();
  d.list()->setPlainText("101;Хліб житній;13.00;0;1;\n202;Кава;80.00;1;1;");
  EXPECT_EQ(h.articles->lines(),
            (QStringList{"101;Хліб житній;13.00;0;1;", "202;Кава;80.00;1;1;"}));  // the goods list
  // Typing goes on undisturbed: a line end typed last stays in the list.
  d.list()->moveCursor(QTextCursor::End);
  QTest::keyClick(d.list(), Qt::Key_Return);
  EXPECT_EQ(d.list()->toPlainText(), "101;Хліб житній;13.00;0;1;\n202;Кава;80.00;1;1;\n");
  QTest::keyClicks(d.list(), "3");
  EXPECT_EQ(d.list()->toPlainText().split('\n').last(), "3");
  EXPECT_EQ(h.articles->lines().last(), "3");
  QTest::keyClick(d.list(), Qt::Key_Backspace);
  QTest::keyClick(d.list(), Qt::Key_Backspace);
  d.upload();
  EXPECT_EQ(h.requests, (Requests{Req(0x24, "731942;101;Хліб житній;13.00;0;1;"),
                                  Req(0x24, "731942;202;Кава;80.00;1;1;")}));
  EXPECT_EQ(h.Reg().state.articles.at(101).price, 1300);
  f.open(QIODevice::ReadOnly);
  EXPECT_EQ(f.readAll(), before);
  EXPECT_EQ(d.fileName()->text(), path);
}

TEST(ArticleUpload, aLineTheRegistrarCannotTakeOrAMissingFileSendsNothing) {
  DocumentsHarness h;
  auto& d = h.Window<sales::ArticleUploadDialog>();
  d.list()->setPlainText("101;Хліб;12.50;0;1;\n102;日本;1.00;0;1;");
  d.upload();
  EXPECT_TRUE(h.requests.empty());
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].contains("日"));

  h.prompt.messages.clear();
  h.prompt.file = h.dir.path() + "/missing.art";
  d.loadFile();
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].contains("missing.art"));
  EXPECT_EQ(d.list()->toPlainText(), "101;Хліб;12.50;0;1;\n102;日本;1.00;0;1;");
}

TEST(ArticleUpload, refusedAndUnansweredLinesAreCountedAndNamedInsteadOfDone) {
  DocumentsHarness h;
  auto& d = h.Window<sales::ArticleUploadDialog>();
  h.prompt.file = WriteArticleFile(h.dir.path(),
                                   "101;Хліб;12.50;0;1;\n"    // 1
                                   "0;Нуль;1.00;0;1;\n"       // 2: no article 0
                                   "102;Молоко;30.00;1;2;\n"  // 3
                                   "103;Сир;abc;0;1;\n"       // 4: no price
                                   "104;Кава;80.00;0;1;\n"    // 5: its answer lost
                                   "\n"                       // 6: passed over
                                   "105;Чай;20.00;9;1;\n"     // 7: no tax group 9
                                   "106;Цукор;25.00;0;1;\n"   // 8
                                   "107;Сіль;-1.00;0;1;\n");  // 9: a negative price
  d.loadFile();
  h.lose = [](const test::Request& q) { return q.params.find(";104;") != std::string::npos; };
  d.upload();
  EXPECT_EQ(h.prompt.messages, QStringList{"Не все артикулы записаны в регистратор.\n"
                                           "Регистратор отклонил строки: 2, 4, 7, 9 (4 из 9).\n"
                                           "Нет ответа регистратора на строки: 5 (1 из 9)."});
  // The line without an answer keeps its written status text.
  EXPECT_EQ(d.statusLine()->text(), "Ошибка! Таймаут устройства! ");
  EXPECT_EQ(h.Reg().state.articles.size(), 3u);

  // Every line stored: the written "Завершено".
  h.lose = nullptr;
  h.prompt.messages.clear();
  d.list()->setPlainText("101;Хліб;12.50;0;1;\n104;Кава;80.00;0;1;");
  d.upload();
  EXPECT_EQ(h.prompt.messages, QStringList{"Завершено"});
  EXPECT_EQ(h.Reg().state.articles.count(104), 1u);
}

TEST(ArticleUpload, theFilesBytesGoToTheWireAsTheyStandEditedListOrNot) {
  DocumentsHarness h;
  auto& d = h.Window<sales::ArticleUploadDialog>();
  // 98h has no Windows-1251 character, A0h is a non-breaking space, and a
  // CR inside a line is a byte of that line.
  const std::string odd =
      "201;A\x98"
      "B\xA0"
      "C\x88\x01\x7F\rD;1.00;0;1;";
  const std::string nbsp = "202;\xCF\xE8\xE2\xA0\xEE;2.00;0;1;";
  h.prompt.file = WriteRawArticleFile(h.dir.path(), odd + "\r\n" + nbsp + "\r\n");
  d.loadFile();
  d.upload();
  ASSERT_EQ(h.requests.size(), 2u);
  EXPECT_EQ(h.requests[0].params, "731942;" + odd);
  EXPECT_EQ(h.requests[1].params, "731942;" + nbsp);
  EXPECT_EQ(h.prompt.messages.last(), "Завершено");

  // Typing a line at the end leaves the other lines' bytes as they were.
  const std::string aChar = "203;\x98;3.00;0;1;";
  h.prompt.file = WriteRawArticleFile(h.dir.path(), aChar + "\n" + nbsp + "\n");
  d.loadFile();
  d.list()->moveCursor(QTextCursor::End);
  d.list()->insertPlainText("\n204;Хліб;4.00;0;1;");
  h.requests.clear();
  d.upload();
  EXPECT_EQ(h.requests, (Requests{{0x24, "731942;" + aChar},
                                  {0x24, "731942;" + nbsp},
                                  Req(0x24, "731942;204;Хліб;4.00;0;1;")}));
  EXPECT_EQ(h.Reg().state.articles.at(203).name, "\x98");
}

TEST(ArticleUpload, theFileReaderKeepsEveryByteAndTheLineNumbersAreRanges) {
  using V = std::vector<std::string>;
  EXPECT_EQ(sales::ArticleFileLines(""), V{});
  EXPECT_EQ(sales::ArticleFileLines("a\r\n\nb"), (V{"a", "", "b"}));
  EXPECT_EQ(sales::ArticleFileLines("a\n"), V{"a"});
  EXPECT_EQ(sales::ArticleFileLines("a\r\r\n\r"), (V{"a\r", ""}));
  EXPECT_EQ(sales::ArticleFileLines(std::string("\0\x98\r;", 4)), V{std::string("\0\x98\r;", 4)});
  EXPECT_EQ(sales::LineRanges({}), "");
  EXPECT_EQ(sales::LineRanges({2, 3, 4, 7, 9, 10}), "2-4, 7, 9-10");
  EXPECT_EQ(sales::LineRanges({1, 3, 5, 7}, 2), "1, 3, ...");
}

// --- receipt copies -------------------------------------------------------

TEST(ReceiptCopy, theMenuPicksTheTapeWindowByFirmwareVersion) {
  DocumentsHarness h;
  const QString copies = "Копия фискальных чеков по сквозным номерам";
  for (const char* v : {"5.00", "4.00", "4.01", "4.02", "MP-01 1.00"}) {
    h.state.firmwareVersion = v;
    h.state.profile = app::ProfileOf(h.state);
    EXPECT_NE(qobject_cast<sales::TapeCopyDialog*>(h.window->windowFor(copies)), nullptr) << v;
  }
  h.state.firmwareVersion = "3.01";
  h.state.profile = app::ProfileOf(h.state);
  EXPECT_NE(qobject_cast<sales::ReceiptCopyDialog*>(h.window->windowFor(copies)), nullptr);
  EXPECT_TRUE(h.window->menuItem(copies)->isEnabled());
}

TEST(ReceiptCopy, copiesArePrintedInsideANonFiscalReceipt) {
  DocumentsHarness h;
  h.SellOne();
  h.SellOne();
  auto& d = h.Window<sales::ReceiptCopyDialog>();
  d.lastNumber()->setText("2");
  const size_t tape = h.Reg().Tape().size();
  d.printCopies();
  EXPECT_EQ(h.requests,
            (Requests{Req(0x60, "731942;"), Req(0xA5, "731942;1;2;"), Req(0x65, "731942;0;")}));
  EXPECT_TRUE(h.prompt.messages.isEmpty());
  EXPECT_EQ(d.errorCode()->text(), "0000");
  const auto printed = h.TapeSince(tape);
  EXPECT_TRUE(Has(printed, "КОПІЯ ЧЕКА № 1"));
  EXPECT_TRUE(Has(printed, "КОПІЯ ЧЕКА № 2"));
  EXPECT_EQ(h.Reg().state.document, emu::Document::kClosed);
}

TEST(ReceiptCopy, aRefusedCopyIsTitledAndLeavesTheDocumentOpen) {
  DocumentsHarness h;
  auto& d = h.Window<sales::ReceiptCopyDialog>();
  d.firstNumber()->setText("5");
  d.lastNumber()->setText("9");
  d.printCopies();
  EXPECT_EQ(h.requests, (Requests{Req(0x60, "731942;"), Req(0xA5, "731942;5;9;")}));
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("Печать копии чека:\n  "));
  EXPECT_EQ(h.Reg().state.document, emu::Document::kNonFiscal);

  // The document left open refuses the next opening: titled with the blank.
  h.prompt.messages.clear();
  d.printCopies();
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("Печать копии чека :\n  "));

  h.requests.clear();
  h.prompt.messages.clear();
  d.firstNumber()->setText("первый");
  d.printCopies();
  EXPECT_TRUE(h.requests.empty());
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].contains("Первый сквозной номер чека:"));
}

// --- the electronic tape --------------------------------------------------

TEST(TapeCopy, aSearchByDatesFillsTheLabelsThatHandTheirNumbersOn) {
  DocumentsHarness h(Version("4.01"));
  h.SellOne();
  h.SellOne();
  auto& d = h.Window<sales::TapeCopyDialog>();
  EXPECT_EQ(d.windowTitle(), "Копия чека (\"КСЕФ\")");
  d.show();
  EXPECT_EQ(d.startDate()->date(), QDate::currentDate());
  d.startNumber()->setText("7");
  QTest::mouseClick(d.firstFound(), Qt::LeftButton);  // no number yet: nothing
  EXPECT_EQ(d.startNumber()->text(), "7");

  d.startTime()->setText("0000");
  d.endTime()->setText("2359");
  const size_t tape = h.Reg().Tape().size();
  d.searchByDates();
  const std::string today = QDate::currentDate().toString("ddMMyy").toStdString();
  EXPECT_EQ(h.requests,
            (Requests{Req(0xEE, ("731942;" + today + ";0000;" + today + ";2359;0;").c_str())}));
  EXPECT_EQ(h.Reg().Tape().size(), tape);  // not asked to print
  EXPECT_EQ(d.firstFound()->text(), "1");
  EXPECT_EQ(d.lastFound()->text(), "2");

  QTest::mouseClick(d.firstFound(), Qt::LeftButton);
  EXPECT_EQ(d.startNumber()->text(), "1");
  QTest::mouseClick(d.lastFound(), Qt::LeftButton);
  EXPECT_EQ(d.endNumber()->text(), "2");
  // A double click begins as a click; what it adds is the other field.
  QTest::mouseDClick(d.firstFound(), Qt::LeftButton);
  EXPECT_EQ(d.endNumber()->text(), "1");
  QTest::mouseDClick(d.lastFound(), Qt::LeftButton);
  EXPECT_EQ(d.startNumber()->text(), "2");
  d.hide();
}

TEST(TapeCopy, printingByDatesAndByNumbersGoesToTheTape) {
  DocumentsHarness h(Version("5.00"));
  h.SellOne();
  h.SellOne();
  auto& d = h.Window<sales::TapeCopyDialog>();
  d.startDate()->setDate(QDate::currentDate());
  d.endDate()->setDate(QDate::currentDate());
  d.startTime()->setText("0000");
  d.endTime()->setText("2359");
  d.printDocuments()->setChecked(true);
  size_t tape = h.Reg().Tape().size();
  d.searchByDates();
  EXPECT_EQ(h.requests.back().params.substr(h.requests.back().params.size() - 3), ";1;");
  EXPECT_TRUE(Has(h.TapeSince(tape), "КОПІЯ ЧЕКА № 2"));

  h.requests.clear();
  d.startNumber()->setText("2");
  d.endNumber()->setText("2");
  tape = h.Reg().Tape().size();
  d.printByNumbers();
  EXPECT_EQ(h.requests, (Requests{Req(0xEB, "731942;2;2;")}));
  EXPECT_TRUE(Has(h.TapeSince(tape), "КОПІЯ ЧЕКА № 2"));
  EXPECT_FALSE(Has(h.TapeSince(tape), "КОПІЯ ЧЕКА № 1"));
  EXPECT_TRUE(h.prompt.messages.isEmpty());
}

TEST(TapeCopy, refusalsTimeOutsAndBadFieldsEachSayTheirText) {
  DocumentsHarness h(Version("4.01"));
  auto& d = h.Window<sales::TapeCopyDialog>();
  d.startNumber()->setText("3");
  d.endNumber()->setText("9");
  d.printByNumbers();  // no such documents
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("Печать копии чека :\n  "));
  EXPECT_EQ(d.errorCode()->text(), "070B");

  h.driver.SetRetryCount(0);
  h.lose = [](const test::Request&) { return true; };
  h.prompt.messages.clear();
  d.printByNumbers();
  // Silent right after an answer: the copy may have been printed.
  EXPECT_EQ(h.prompt.messages, QStringList{link::kUnknownOutcomeText});

  h.requests.clear();
  h.prompt.messages.clear();
  d.startTime()->setText("12:00");
  d.searchByDates();
  d.startTime()->setText("1200");
  d.endNumber()->setText("");
  d.printByNumbers();
  EXPECT_TRUE(h.requests.empty());
  ASSERT_EQ(h.prompt.messages.size(), 2);
  EXPECT_TRUE(h.prompt.messages[0].contains("Время:"));
  EXPECT_TRUE(h.prompt.messages[1].contains("Конечный номер:"));
}
