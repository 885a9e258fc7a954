// The exchange log: every exchange of the program in order, whoever sent it,
// with the decoder's texts, resends, the filter, CSV and the row cap.
#include "app/exchange_log.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

#include "tests/app/app_harness.h"
#include "link/command_table.h"
#include "app/command_test_dialog.h"
#include "link/encoding.h"
#include "app/exchange_log_window.h"
#include "link/formatters.h"
#include "script/monitor_window.h"
#include "link/reply_decoder.h"
#include "app/resources_status_dialog.h"

using namespace tesmar;

namespace {

QStringList Column(const app::ExchangeLogModel& m, int column) {
  QStringList out;
  for (int r = 0; r < m.rowCount(); ++r) out << m.text(r, column);
  return out;
}

}  // namespace

TEST(ExchangeLog, exchangesOfTwoWindowsAndAScriptAppearInOrder) {
  test::AppHarness h;
  h.Connect();  // 88h, then 80h
  app::ExchangeLogModel& log = h.window->exchangeLog();
  EXPECT_TRUE(h.window->menuItem("Журнал обмена")->isEnabled());
  auto& console = *h.window->find<app::CommandTestDialog>();
  console.code()->setText("42");  // refused: no serial number is programmed yet
  console.execute();
  h.window->find<app::ResourcesStatusDialog>()->makeReport();

  script::MonitorWindow monitor(h.ctx, h.window->statusDialog(), h.window->variablesWindow(),
                                {[] { return QString(); }, [](int) {}});
  monitor.show();
  const QString path = QDir(h.dir.path()).filePath("two.txt");
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write("21731942;\n89731942;20;\n");
  f.close();
  h.prompt.file = path;
  monitor.openFile();
  monitor.run();
  log.flush();

  using M = app::ExchangeLogModel;
  EXPECT_EQ(Column(log, M::kCode), (QStringList{"88", "80", "42", "A0", "21", "89"}));
  EXPECT_EQ(log.text(4, M::kCaption), QString::fromUtf8(link::CommandCaption(0x21)));
  EXPECT_EQ(log.text(4, M::kError), "0000");
  EXPECT_EQ(log.text(4, M::kText), "");
  EXPECT_EQ(log.text(0, M::kText), "ответ не ожидается");  // 88h is sent blind
  // The refused 42h carries the decoder's words.
  EXPECT_NE(log.text(2, M::kError), "0000");
  EXPECT_FALSE(log.text(2, M::kText).isEmpty());
  EXPECT_TRUE(log.at(2).failed);
  EXPECT_EQ(log.text(5, M::kParameters), "731942;20;");
  QStringList seqs = Column(log, M::kSeq);
  for (int i = 1; i < seqs.size(); ++i) EXPECT_NE(seqs[i], seqs[i - 1]);
  EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d$")
                  .match(log.text(1, M::kTime))
                  .hasMatch());
  monitor.hide();
}

TEST(ExchangeLog, timeOutAndNakResendsShowAsSuch) {
  emu::FaultPlan nak;
  nak.nak = 1.0;
  test::AppHarness h({}, nak);
  ASSERT_GE(h.driver.OpenSerialLink(h.registrar->Path().toStdString(), 9600), 0);
  h.driver.SetRetryCount(2);
  link::ReadDateTime(h.driver, "731942");
  app::ExchangeLogModel& log = h.window->exchangeLog();
  EXPECT_EQ(log.rowCount(), 0);  // handed to the views in the next batch
  log.flush();
  ASSERT_EQ(log.rowCount(), 1);
  EXPECT_EQ(log.at(0).resends, 2);
  EXPECT_EQ(log.at(0).decoded, QString::fromUtf8(link::kNakText));
  EXPECT_TRUE(log.at(0).failed);
  EXPECT_FALSE(log.at(0).reply.isEmpty());

  emu::FaultPlan silent;
  silent.silence = 1.0;
  h.registrar->session.SetFaults(silent);
  h.driver.SetRetryCount(0);
  link::ReadDateTime(h.driver, "731942");
  log.flush();
  ASSERT_EQ(log.rowCount(), 2);
  EXPECT_EQ(log.at(1).decoded, QString::fromUtf8(link::kTimeoutText));
  EXPECT_TRUE(log.at(1).reply.isEmpty());

  app::ExchangeLogWindow w(h.ctx, log);
  w.show();
  w.table()->selectRow(1);
  EXPECT_TRUE(w.frames()->toPlainText().contains("(нет ответа)"));
  w.table()->selectRow(0);
  EXPECT_TRUE(w.frames()->toPlainText().contains("0000  01 "));  // the request's SOH
  w.hide();
}

TEST(ExchangeLog, filterByCodeAndFailuresThenTheShownRowsSavedAsCsv) {
  test::AppHarness h;
  h.Connect();
  link::ReadDateTime(h.driver, "731942");
  link::ReadSerialNumber(h.driver, "731942");  // refused: no serial number yet
  link::ReadDateTime(h.driver, "731942");
  h.window->exchangeLog().flush();
  app::ExchangeLogWindow w(h.ctx, h.window->exchangeLog());
  EXPECT_EQ(w.filter().rowCount(), 5);
  w.codeFilter()->setText("21");
  EXPECT_EQ(w.filter().rowCount(), 2);
  w.codeFilter()->setText("");
  w.failuresOnly()->setChecked(true);
  ASSERT_EQ(w.filter().rowCount(), 1);  // the refused 42h

  h.prompt.file = QDir(h.dir.path()).filePath("log.csv");
  w.save();
  QFile f(h.prompt.file);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString csv = QString::fromUtf8(f.readAll());
  EXPECT_EQ(csv, w.csv());
  EXPECT_TRUE(csv.startsWith("Время,SEQ,Код,Команда,Параметры,Ошибка"));
  EXPECT_EQ(csv.count(",42,"), 1);
  EXPECT_EQ(csv.count(",21,"), 0);
  EXPECT_TRUE(csv.contains(",\"731942;\","));  // a field with ";" is quoted
  // The decoder's two-line text stays one quoted field.
  EXPECT_TRUE(csv.contains(QRegularExpression(",\"[^\"]*\n[^\"]*\",")));

  h.prompt.file = QDir(h.dir.path()).filePath("no/such/log.csv");
  w.save();
  EXPECT_EQ(h.prompt.messages.back(), "Журнал обмена не сохранен в " + h.prompt.file + "!");
}

TEST(ExchangeLog, waitingExchangesReachTheViewsInOneBatchAndKeepTheCap) {
  test::AppHarness h;
  h.Connect();
  app::ExchangeLogModel log(4);
  h.window->exchangeObservers().Add(&log);
  for (int i = 0; i < 6; ++i) link::ReadDateTime(h.driver, "731942");
  EXPECT_EQ(log.rowCount(), 0);
  QElapsedTimer t;
  t.start();
  while (log.rowCount() == 0 && t.elapsed() < 2000) QCoreApplication::processEvents();
  EXPECT_EQ(log.rowCount(), 4);  // one batch, the newest four
  h.window->exchangeObservers().Remove(&log);
}

TEST(ExchangeLog, rowsBeyondTheCapDropTheOldest) {
  app::ExchangeLogModel log(3);
  for (int i = 0; i < 5; ++i) {
    app::LoggedExchange e;
    e.code = 0x20 + i;
    log.add(e);
  }
  EXPECT_EQ(Column(log, app::ExchangeLogModel::kCode), (QStringList{"22", "23", "24"}));
  EXPECT_EQ(app::CsvLine({"a", "b,c", "d\"e"}), "a,\"b,c\",\"d\"\"e\"");
  EXPECT_EQ(app::HexDump("AB\x01"), "0000  41 42 01" + QString(41, ' ') + "|AB.|\n");
}
