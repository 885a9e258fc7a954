// The report windows against the software registrar: what each sends, in
// which order, and what each failure says.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "reports/daily_reports_dialog.h"
#include "reports/extra_daily_reports_dialog.h"
#include "reports/fkp101_daily_reports_dialog.h"
#include "link/formatters.h"
#include "reports/goods_report_dialog.h"
#include "app/model_rules.h"
#include "reports/periodic_report_dialog.h"
#include "reports/report_windows.h"
#include "tests/app/wire_recorder.h"

using namespace tesmar;
using test::Req;
using Requests = std::vector<test::Request>;

namespace {

struct ReportsHarness : test::AppHarness {
  explicit ReportsHarness(emu::RegistrarOptions o = {}) : AppHarness(std::move(o)) {
    window->addWindows(reports::ReportWindows());
  }
  template <class T>
  T& Window() {
    return *window->find<T>();
  }
};

// The tape lines printed since `from`, as UTF-8.
std::string TapeSince(const emu::Registrar& r, size_t from) {
  std::string out;
  for (size_t i = from; i < r.Tape().size(); ++i) out += link::Cp1251ToUtf8(r.Tape()[i]) + "\n";
  return out;
}

void OpenReceipt(link::Driver& d) {
  link::OpenFiscalReceipt(d, "731942", 1, 1, 0);
}

}  // namespace

TEST(DailyReports, xAndZGoOutWithTheTypedPasswordAndSetTheErrorCode) {
  ReportsHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<reports::DailyReportsDialog>();
  d.xReport();
  d.zReport();
  EXPECT_EQ(rec.requests, (Requests{Req(0xA1, "731942;1;"), Req(0xA1, "731942;0;")}));
  EXPECT_EQ(d.errorCode()->text(), "0000");
  EXPECT_TRUE(d.statusButton()->isEnabled());
  EXPECT_TRUE(h.prompt.messages.isEmpty());
  EXPECT_TRUE(h.state.connected);
}

TEST(DailyReports, zIsRefusedWhileAReceiptIsOpen) {
  ReportsHarness h;
  test::ConnectRecorded(h);
  OpenReceipt(h.driver);
  auto& d = h.Window<reports::DailyReportsDialog>();
  const size_t tape = h.registrar->registrar.Tape().size();
  d.zReport();
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("Печать дневных отчетов:\n  "));
  EXPECT_NE(d.errorCode()->text(), "0000");
  EXPECT_EQ(TapeSince(h.registrar->registrar, tape).find("Z"), std::string::npos);
}

TEST(DailyReports, controlTapeIsPrintedInsideAServiceDocument) {
  ReportsHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<reports::DailyReportsDialog>();
  d.errorCode()->setText("keep");
  d.printTape();
  EXPECT_EQ(rec.requests,
            (Requests{Req(0x60, "731942;"), Req(0x61, "731942;%MHJc*** Контрольная лента ***;"),
                      Req(0xA6, "731942;2;;;"), Req(0x65, "731942;0;")}));
  EXPECT_EQ(d.errorCode()->text(), "keep");  // these steps leave the field alone
  EXPECT_TRUE(h.prompt.messages.isEmpty());
  EXPECT_EQ(h.driver.Record().status[2] & 0x0F, 0);  // the document is closed
  // A refused opening is said by the decoder's text alone, and nothing follows.
  d.password()->setText("111111");
  rec.requests.clear();
  d.printTape();
  EXPECT_EQ(rec.requests.size(), 1u);
  EXPECT_EQ(h.prompt.messages, QStringList{"Неверный пароль доступа!"});
}

TEST(DailyReports, controlTapePrintsWithTheReportsPasswordThatReplacedTheOldOne) {
  ReportsHarness h;
  test::ConnectRecorded(h);
  ASSERT_TRUE(link::SetModePasswords(h.driver, "731942", "731942", "222222", "731942").Succeeded());
  auto& d = h.Window<reports::DailyReportsDialog>();
  d.password()->setText("222222");
  const size_t tape = h.registrar->registrar.Tape().size();
  d.printTape();
  EXPECT_TRUE(h.prompt.messages.isEmpty()) << h.prompt.messages.join("|").toStdString();
  EXPECT_NE(TapeSince(h.registrar->registrar, tape).find("КОНТРОЛЬНА СТРІЧКА"), std::string::npos);
  EXPECT_EQ(h.driver.Record().status[2] & 0x0F, 0);
}

TEST(Fkp101DailyReports, unloadSendsFiveThenTwoAndTheGoodsBaseOnlyWhenAsked) {
  emu::RegistrarOptions o;
  o.model = "Tesmar FKP-101";
  ReportsHarness h(o);
  auto& rec = test::ConnectRecorded(h);
  EXPECT_FALSE(h.window->menuItem("Печать дневных отчетов")->isEnabled());
  ASSERT_EQ(h.window->windowFor("Печать дневных отчетов FKP101"),
            &h.Window<reports::Fkp101DailyReportsDialog>());
  auto& d = h.Window<reports::Fkp101DailyReportsDialog>();
  d.unloadTape();
  EXPECT_EQ(rec.requests, (Requests{Req(0xA1, "731942;5;"), Req(0xA1, "731942;2;")}));
  rec.requests.clear();
  d.zeroGoodsBase()->setChecked(true);
  d.unloadTape();
  EXPECT_EQ(rec.requests,
            (Requests{Req(0xA1, "731942;5;"), Req(0xA1, "731942;2;"), Req(0x3B, "731942;")}));
  EXPECT_EQ(d.errorCode()->text(), "0000");
  EXPECT_TRUE(h.prompt.messages.isEmpty());
  // A refused step stops the unload with the window's prefix.
  d.password()->setText("111111");
  rec.requests.clear();
  d.unloadTape();
  EXPECT_EQ(rec.requests.size(), 1u);
  EXPECT_EQ(h.prompt.messages, QStringList{"Печать дневных отчетов:\n  Неверный пароль доступа!"});
}

TEST(Fkp101DailyReports, statusButtonShowsTheUnloadOnlyFor302OrHighAccess) {
  ReportsHarness h;
  auto& d = h.Window<reports::Fkp101DailyReportsDialog>();
  EXPECT_TRUE(d.unloadButton()->isVisibleTo(&d));  // before the first press
  h.state.firmwareVersion = "3.01";
  h.state.accessLevel = "medium";
  h.state.profile = app::ProfileOf(h.state);  // as identification computes it
  d.errorCode()->setText("0000");
  d.checkAccess();
  EXPECT_FALSE(d.unloadButton()->isVisibleTo(&d));
  EXPECT_FALSE(d.statusButton()->isEnabled());
  EXPECT_TRUE(d.errorCode()->text().isEmpty());
  h.state.accessLevel = "high";
  h.state.profile = app::ProfileOf(h.state);
  d.checkAccess();
  EXPECT_TRUE(d.unloadButton()->isVisibleTo(&d));
  h.state.accessLevel = "medium";
  h.state.firmwareVersion = "3.02";
  h.state.profile = app::ProfileOf(h.state);
  d.checkAccess();
  EXPECT_TRUE(d.unloadButton()->isVisibleTo(&d));
}

TEST(GoodsReport, defaultsFollowTheVersionAndTheReportIsBracketedByTheDocument) {
  emu::RegistrarOptions o;
  o.version = "2.02";
  ReportsHarness h(o);
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<reports::GoodsReportDialog>();
  d.show();
  EXPECT_EQ(d.firstCode()->text(), "0");
  EXPECT_EQ(d.lastCode()->text(), "99999999999999");
  EXPECT_EQ(d.firstCode()->maxLength(), 9);
  d.makeReport();
  EXPECT_EQ(rec.requests, (Requests{Req(0x60, "731942;"), Req(0xA4, "731942;0;99999999999999;"),
                                    Req(0x65, "731942;0;")}));
  EXPECT_TRUE(h.prompt.messages.isEmpty());
  d.hide();
  h.state.firmwareVersion = "3.01";
  h.state.profile = app::ProfileOf(h.state);
  d.show();
  EXPECT_EQ(d.lastCode()->text(), "999999999");
  d.hide();
}

TEST(GoodsReport, codeThatIsNotANumberIsRefusedBeforeTheDocumentOpens) {
  ReportsHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<reports::GoodsReportDialog>();
  d.firstCode()->setText("12a");
  d.lastCode()->setText("99");
  d.makeReport();
  EXPECT_TRUE(rec.requests.empty());
  EXPECT_EQ(h.prompt.messages,
            QStringList{app::NotANumberMessage("Код первого товара:", 0,
                                               std::numeric_limits<long long>::max())});
}

TEST(PeriodicReport, byDateSendsTheShownDatesWithoutDotsAndByNumberTheNumbers) {
  ReportsHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<reports::PeriodicReportDialog>();
  d.show();
  EXPECT_FALSE(d.statusButton()->isEnabled());
  EXPECT_EQ(d.firstDate()->date(), QDate::currentDate());
  EXPECT_TRUE(d.dateGroup()->isVisible());
  EXPECT_FALSE(d.numberGroup()->isVisible());
  d.firstDate()->setDate(QDate(2024, 3, 5));
  d.lastDate()->setDate(QDate(2024, 3, 31));
  EXPECT_EQ(d.firstDate()->text(), "05.03.24");
  d.makeReport();
  EXPECT_TRUE(d.statusButton()->isEnabled());
  ASSERT_EQ(rec.requests.size(), 3u);
  EXPECT_EQ(rec.requests[1], Req(0xA2, "731942;050324;310324;0;"));

  rec.requests.clear();
  d.rangeKind()->setCurrentIndex(1);
  EXPECT_FALSE(d.dateGroup()->isVisible());
  EXPECT_TRUE(d.numberGroup()->isVisible());
  d.fullness()->setCurrentIndex(1);
  d.firstNumber()->setText("1");
  d.lastNumber()->setText("10");
  d.makeReport();
  ASSERT_EQ(rec.requests.size(), 3u);
  EXPECT_EQ(rec.requests[0], Req(0x60, "731942;"));
  EXPECT_EQ(rec.requests[1], Req(0xA3, "731942;1;10;1;"));
  EXPECT_EQ(rec.requests[2], Req(0x65, "731942;0;"));

  // A number that does not convert: said, and no document is opened.
  rec.requests.clear();
  h.prompt.messages.clear();
  d.lastNumber()->setText("десять");
  d.makeReport();
  EXPECT_TRUE(rec.requests.empty());
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].contains("Номер последнего отчета:"));
  d.hide();
}

TEST(PeriodicReport, failureOfTheReportIsSaidWithTheBlankBeforeTheColonAndTheDocumentCloses) {
  ReportsHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<reports::PeriodicReportDialog>();
  d.password()->setText("111111");  // the report step is refused, the document steps are not
  d.rangeKind()->setCurrentIndex(1);
  d.firstNumber()->setText("1");
  d.lastNumber()->setText("2");
  d.makeReport();
  EXPECT_EQ(rec.requests.size(), 3u);
  EXPECT_EQ(h.prompt.messages,
            QStringList{"Печать периодического отчета :\n  Неверный пароль доступа!"});
  EXPECT_EQ(h.driver.Record().status[2] & 0x0F, 0);
}

TEST(ExtraDailyReports, controlTapeTypeAndARefusedReportLeavesTheDocumentOpen) {
  ReportsHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<reports::ExtraDailyReportsDialog>();
  d.show();
  EXPECT_EQ(d.reportType()->currentText(), "Отчет по отделам");
  d.reportType()->setCurrentIndex(2);
  d.makeReport();
  EXPECT_EQ(rec.requests,
            (Requests{Req(0x60, "731942;"), Req(0xA6, "731942;2;;;"), Req(0x65, "731942;0;")}));
  EXPECT_TRUE(h.prompt.messages.isEmpty());

  rec.requests.clear();
  d.password()->setText("111111");
  d.makeReport();
  EXPECT_EQ(rec.requests.size(), 2u);  // no closing step
  EXPECT_EQ(h.prompt.messages,
            QStringList{"Печать дополнительных дневных отчетов:\n  Неверный пароль доступа!"});
  EXPECT_EQ(h.driver.Record().status[2] & 0x0F, 5);  // the service document stays open
  d.hide();
}

TEST(DailyReports, zPrintedFromTheWindowTotalsTheSalesAndThePeriodicReportReadsItBack) {
  ReportsHarness h;
  test::ConnectRecorded(h);
  int result = 0;
  link::Driver& drv = h.driver;
  ASSERT_EQ(
      drv.ExecuteCommand(0x24, link::Utf8ToCp1251("731942;101;Хліб;10.50;0;1;")).errorCode.View(),
      "0000");
  link::OpenFiscalReceipt(drv, "731942", 1, 1, 0);
  link::SellArticle(drv, "731942", 101, 2, 10.50, result);
  link::Payment(drv, "731942", 0, 21.00, result);
  ASSERT_EQ(link::CloseFiscalReceipt(drv, "731942").errorCode.View(), "0000");

  auto& daily = h.Window<reports::DailyReportsDialog>();
  const emu::Registrar& reg = h.registrar->registrar;
  size_t mark = reg.Tape().size();
  daily.xReport();
  const std::string x = TapeSince(reg, mark);
  EXPECT_NE(x.find("X-ЗВІТ"), std::string::npos) << x;
  EXPECT_NE(x.find("21.00"), std::string::npos) << x;
  mark = reg.Tape().size();
  daily.zReport();
  const std::string z = TapeSince(reg, mark);
  EXPECT_NE(z.find("Z-ЗВІТ № 1"), std::string::npos) << z;
  EXPECT_NE(z.find("21.00"), std::string::npos) << z;
  EXPECT_TRUE(h.prompt.messages.isEmpty());

  auto& periodic = h.Window<reports::PeriodicReportDialog>();
  periodic.rangeKind()->setCurrentIndex(1);
  periodic.firstNumber()->setText("1");
  periodic.lastNumber()->setText("1");
  mark = reg.Tape().size();
  periodic.makeReport();
  const std::string p = TapeSince(reg, mark);
  EXPECT_NE(p.find("Z-ЗВІТ № 1"), std::string::npos) << p;
  EXPECT_NE(p.find("21.00"), std::string::npos) << p;
  EXPECT_TRUE(h.prompt.messages.isEmpty()) << h.prompt.messages.join("|").toStdString();
}
