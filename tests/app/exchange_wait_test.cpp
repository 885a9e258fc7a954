// Exchanges off the window thread, against a registrar that keeps the line
// busy (SYN bytes) before each reply.
#include "app/exchange_wait.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest/QTest>

#include "tests/app/app_harness.h"
#include "app/command_test_dialog.h"

using namespace tesmar;

namespace {

// A registrar that sends SYN bytes for `busyMs` before each reply.
struct BusyRegistrar {
  emu::Registrar registrar;
  emu::Session session{registrar, {}};
  emu::PtyServer server;
  explicit BusyRegistrar(int busyMs) : server(session, Options(busyMs)) {
    std::string error;
    if (!server.Open(&error)) throw std::runtime_error(error);
    server.Start();
  }
  ~BusyRegistrar() { server.Stop(); }
  static emu::LineOptions Options(int busyMs) {
    emu::LineOptions o;
    o.busyMs = busyMs;
    return o;
  }
};

// The console window of a harness whose exchanges run through `wait`, on a
// line to `busy`.
struct BusyConsole {
  test::AppHarness h;
  BusyRegistrar busy;
  app::ExchangeWait wait;
  app::CommandTestDialog& dialog;
  explicit BusyConsole(int busyMs)
      : busy(busyMs), dialog(*h.window->find<app::CommandTestDialog>()) {
    wait.attach(h.driver);
    wait.setStatusBar(h.window->statusBar());
    if (h.driver.OpenSerialLink(busy.server.Path(), 9600) < 0)
      throw std::runtime_error("the registrar's pty does not open");
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.code()->setText("21");
  }
  ~BusyConsole() { h.driver.SetExchangeRunner(nullptr); }
};

// A button of a window of its own that counts its clicks.
struct CountingButton {
  QPushButton button{"Нажми"};
  int clicks = 0;
  CountingButton() {
    QObject::connect(&button, &QPushButton::clicked, [this] { ++clicks; });
    button.show();
  }
};

}  // namespace

TEST(ExchangeWait, windowsServeEventsAndHoldInputWhileTheRegistrarIsBusy) {
  BusyConsole c(3000);
  CountingButton other;
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(50);
  bool busy = false;
  QString status;
  bool busyCursor = false;
  QTimer::singleShot(600, [&] {
    busy = c.wait.busy();
    status = c.h.window->statusBar()->currentMessage();
    busyCursor = QApplication::overrideCursor() != nullptr;
    // The user clicks and types meanwhile: none of it may ever run.
    QTest::mouseClick(&other.button, Qt::LeftButton);
    QTest::keyClick(&other.button, Qt::Key_Space);
    QTest::keyClick(c.dialog.code(), Qt::Key_7);
  });
  QElapsedTimer clock;
  clock.start();
  c.dialog.execute();
  EXPECT_GE(clock.elapsed(), 2900);
  EXPECT_GE(ticks, 20);  // 60 when the machine is idle
  EXPECT_TRUE(busy);
  EXPECT_EQ(status, app::ExchangeStatusText(0x21));
  EXPECT_EQ(status, "Обмен с регистратором. Команда 21h: Чтение даты и времени");
  EXPECT_TRUE(busyCursor);
  EXPECT_EQ(c.dialog.errorCode()->text(), "0000");
  EXPECT_EQ(c.h.driver.Record().outcome, link::OutcomeKind::kOk);
  QCoreApplication::processEvents();
  EXPECT_EQ(other.clicks, 0);
  EXPECT_EQ(c.dialog.code()->text(), "21");
  EXPECT_FALSE(c.wait.busy());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(c.h.window->statusBar()->currentMessage().isEmpty());
  EXPECT_EQ(c.wait.abortButton(), nullptr);
  // Input after the wait goes where it always went.
  QTest::mouseClick(&other.button, Qt::LeftButton);
  EXPECT_EQ(other.clicks, 1);
}

TEST(ExchangeWait, abortEndsTheWaitWithinItsReadBoundAsNotAnswered) {
  BusyConsole c(3000);
  QPushButton* shownEarly = reinterpret_cast<QPushButton*>(1);
  QTimer::singleShot(500, [&] { shownEarly = c.wait.abortButton(); });
  QPushButton* button = nullptr;
  QElapsedTimer sinceClick;
  QTimer::singleShot(1300, [&] {
    button = c.wait.abortButton();
    if (!button) return;
    EXPECT_EQ(button->text(), "Прервать");
    EXPECT_TRUE(button->isVisible());
    EXPECT_EQ(button->window(), &c.dialog);
    EXPECT_FALSE(button->autoDefault());
    sinceClick.start();
    QTest::mouseClick(button, Qt::LeftButton);
  });
  QElapsedTimer clock;
  clock.start();
  c.dialog.execute();
  const qint64 afterClick = sinceClick.isValid() ? sinceClick.elapsed() : -1;
  EXPECT_EQ(shownEarly, nullptr);
  ASSERT_NE(button, nullptr);
  EXPECT_GE(afterClick, 0);
  EXPECT_LT(afterClick, 300);
  EXPECT_LT(clock.elapsed(), 2500);
  EXPECT_EQ(c.h.driver.Record().outcome, link::OutcomeKind::kNoAnswer);
  EXPECT_TRUE(c.h.driver.Aborted());
  EXPECT_EQ(c.wait.abortButton(), nullptr);
  // The line is usable again at once: the late answer is recognised as
  // stale and the next command gets its own.
  QTimer::singleShot(1300, [&] {
    if (QPushButton* b = c.wait.abortButton()) b->setProperty("seen", true);
  });
  c.dialog.execute();
  EXPECT_EQ(c.h.driver.Record().outcome, link::OutcomeKind::kOk);
  EXPECT_EQ(c.dialog.errorCode()->text(), "0000");
}

TEST(ExchangeWait, fixedWaitsTakeTheSamePathAndEndOnAbort) {
  test::AppHarness h;
  app::ExchangeWait wait;
  wait.setStatusBar(h.window->statusBar());
  QApplication::setActiveWindow(h.window.get());
  CountingButton other;
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(50);
  QString status;
  QTimer::singleShot(400, [&] {
    status = h.window->statusBar()->currentMessage();
    QTest::mouseClick(&other.button, Qt::LeftButton);
  });
  QElapsedTimer clock;
  clock.start();
  wait.windowSleeper().SleepMs(600);
  EXPECT_GE(clock.elapsed(), 600);
  EXPECT_GE(ticks, 5);
  EXPECT_EQ(status, "Ожидание 600 мс");
  QCoreApplication::processEvents();
  EXPECT_EQ(other.clicks, 0);

  QTimer::singleShot(1200, [&] {
    if (QPushButton* b = wait.abortButton()) QTest::mouseClick(b, Qt::LeftButton);
  });
  clock.restart();
  wait.windowSleeper().SleepMs(3000);
  EXPECT_LT(clock.elapsed(), 1500);
}

TEST(ExchangeWait, anExchangeStartedDuringAWaitRunsAfterTheFirstNeverBeside) {
  BusyConsole c(800);
  std::string inner;
  qint64 innerEnded = 0;
  QElapsedTimer clock;
  QTimer::singleShot(200, [&] {
    const link::ReplyRecord& r = c.h.driver.ExecuteCommand(0x80, "731942;");
    inner = std::string(r.errorCode.View());
    innerEnded = clock.elapsed();
  });
  clock.start();
  c.dialog.execute();
  // The console's 21h ran first and alone; the 80h followed it.
  EXPECT_EQ(inner, "0000");
  EXPECT_GE(innerEnded, 1500);
  EXPECT_EQ(c.h.driver.Record().commandCode, 0x80);
  EXPECT_EQ(c.dialog.errorCode()->text(), "0000");
}
