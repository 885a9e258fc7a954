// The monitor window against the emulator: single commands, saved lines,
// recent files, and script runs with Stop.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest/QTest>
#include <ctime>

#include "tests/app/app_harness.h"
#include "link/encoding.h"
#include "link/memory_transport.h"
#include "script/monitor_window.h"
#include "script/script_windows.h"
#include "app/variables_window.h"

using namespace tesmar;

namespace {

struct MonitorRig : test::AppHarness {
  std::unique_ptr<script::MonitorWindow> monitor;
  MonitorRig() {
    Connect();
    monitor = std::make_unique<script::MonitorWindow>(
        ctx, window->statusDialog(), window->variablesWindow(),
        script::MainWindowLink{[this] { return window->currentPort(); },
                               [this](int b) { window->selectSpeed(b); }});
    monitor->show();
    prompt.messages.clear();
  }
  QStringList LogLines() const {
    return monitor->log()->toPlainText().split('\n', Qt::SkipEmptyParts);
  }
  QString WriteScript(const QString& name, const std::string& utf8) {
    const QString path = QDir(dir.path()).filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray::fromStdString(link::Utf8ToCp1251(utf8)));
    return path;
  }
};

}  // namespace

TEST(Monitor, codeConversionNeedsSixPasswordCharacters) {
  MonitorRig m;
  m.monitor->passwordBox()->setText("73194");
  m.monitor->codeBox()->setText("A0");
  EXPECT_FALSE(m.monitor->executeButton()->isEnabled());
  EXPECT_EQ(m.monitor->commandCode(), 0);  // nothing converted
  m.monitor->passwordBox()->setText("731942");
  EXPECT_TRUE(m.monitor->executeButton()->isEnabled());
  m.monitor->codeBox()->setText("2");
  m.monitor->codeBox()->setText("21");
  EXPECT_EQ(m.monitor->commandCode(), 0x21);
  m.monitor->codeBox()->setText("4G");
  EXPECT_EQ(m.prompt.messages, QStringList{"Неверный код команды!"});
  EXPECT_EQ(m.monitor->commandCode(), 0x40);  // the first digit's value
  m.monitor->codeBox()->setText("X1");
  EXPECT_EQ(m.monitor->commandCode(), 0);
}

TEST(Monitor, singleCommandAndItsEnterVariant) {
  MonitorRig m;
  m.monitor->codeBox()->setText("21");
  m.monitor->executeSingle(false);
  QStringList log = m.LogLines();
  ASSERT_EQ(log.size(), 2);
  EXPECT_EQ(log[0], "PC: (21)731942;");
  EXPECT_TRUE(log[1].startsWith("FP: <"));  // LEN first
  EXPECT_TRUE(log[1].endsWith("0000;" + QString(log[1]).section(';', 1, 1) + ";" +
                              QString(log[1]).section(';', 2, 2) + ";"));
  EXPECT_EQ(m.monitor->errorBox()->text(), "0000");
  EXPECT_EQ(m.monitor->statusBox()->text(), "00 00 00 00 00 00 ");

  m.monitor->statusBox()->setText("kept");
  m.monitor->executeSingle(true);
  log = m.LogLines();
  EXPECT_TRUE(log[2].startsWith("PC: +"));  // the frame after SOH, LEN '+' for 11 bytes
  EXPECT_TRUE(log[2].endsWith("<03>"));
  EXPECT_EQ(m.monitor->statusBox()->text(), "kept");

  m.monitor->noOutput()->setChecked(true);
  m.monitor->executeSingle(false);
  EXPECT_EQ(m.LogLines().size(), 4);
}

TEST(Monitor, enterInTheDataBoxSendsOnce) {
  MonitorRig m;
  m.monitor->codeBox()->setText("21");
  QTest::keyClick(m.monitor->dataBox(), Qt::Key_Return);
  EXPECT_EQ(m.LogLines().size(), 2);
  EXPECT_EQ(m.registrar->registrar.Executed(0x21), 1);
  QTest::keyClick(m.monitor->codeBox(), Qt::Key_Return);  // moves to the data box only
  EXPECT_EQ(m.registrar->registrar.Executed(0x21), 1);
}

TEST(Monitor, repeatSendsThePreviousFrameAgain) {
  MonitorRig m;
  m.monitor->codeBox()->setText("21");
  m.monitor->executeSingle(false);
  const std::string first(m.driver.Record().sentFrame.View());
  m.monitor->repeat();
  EXPECT_EQ(std::string(m.driver.Record().sentFrame.View()), first);
  EXPECT_EQ(m.LogLines().size(), 4);
  EXPECT_EQ(m.registrar->session.Counters().repeated, 1);
}

TEST(Monitor, failuresLeaveTheLogAndTheBoxes) {
  MonitorRig m;
  m.driver.SetRetryCount(0);
  m.monitor->codeBox()->setText("21");
  m.monitor->executeSingle(false);
  ASSERT_TRUE(m.prompt.messages.isEmpty());
  m.driver.AttachSerialLink(std::make_unique<link::MemoryTransport>());  // a silent line
  m.monitor->executeSingle(false);
  m.monitor->repeat();
  m.driver.CloseSerialLink();
  m.monitor->executeSingle(false);
  m.monitor->repeat();
  EXPECT_EQ(m.prompt.messages,
            QStringList({"Ошибка выполнения команды. Таймаут", "Ошибка выполнения команды. Таймаут",
                         "Ошибка выбора устройства подключения!",
                         "Ошибка выбора устройства подключения!"}));
  EXPECT_EQ(m.LogLines().size(), 2);
  EXPECT_EQ(m.monitor->errorBox()->text(), "0000");
}

TEST(Monitor, savedLines) {
  MonitorRig m;
  m.monitor->codeBox()->setText("61");
  m.monitor->dataBox()->setText("текст;");
  m.monitor->addToList();
  ASSERT_EQ(m.monitor->savedLines()->count(), 1);
  EXPECT_EQ(m.monitor->savedLines()->item(0)->text(), "61->текст;");
  m.monitor->codeBox()->clear();
  m.monitor->dataBox()->clear();
  m.monitor->useSavedLine("61->текст;");
  EXPECT_EQ(m.monitor->codeBox()->text(), "61");
  EXPECT_EQ(m.monitor->dataBox()->text(), "текст;");
}

TEST(Monitor, recentScriptFiles) {
  MonitorRig m;
  m.WriteConfig("[Files]\r\nNumFiles=3\r\n");
  m.monitor->hide();
  m.monitor->show();
  for (int i = 1; i <= 6; ++i) {
    m.prompt.file = m.WriteScript(QString("s%1.txt").arg(i), "21731942;\n");
    m.monitor->openFile();
  }
  EXPECT_EQ(m.monitor->recentScripts().size(), 5);  // 3 is used as 5
  EXPECT_EQ(m.monitor->recentScripts().first(), m.prompt.file);
  EXPECT_FALSE(m.Config().contains("s1.txt"));  // the oldest dropped
  m.monitor->openFile();                        // the same file again changes nothing
  EXPECT_EQ(m.monitor->recentScripts().size(), 5);
  EXPECT_TRUE(m.Config().contains("File1=" + m.prompt.file));
  m.WriteConfig("[Files]\r\nNumFiles=50\r\nFile1=/x/a.txt\r\nFile3=/x/c.txt\r\n");
  m.monitor->hide();
  m.monitor->show();
  EXPECT_EQ(m.monitor->recentScripts().size(), 20);
  EXPECT_EQ(m.monitor->fileList()->count(), 2);  // the non-empty entries
  EXPECT_EQ(m.monitor->fileList()->currentIndex(), -1);
  m.monitor->run();
  EXPECT_EQ(m.prompt.messages, QStringList{"Внимание! Файл не выбран!"});
}

TEST(Monitor, scriptRunFillsLogBoxesAndVariables) {
  MonitorRig m;
  m.prompt.file = m.WriteScript("run.txt",
                                "%DeclareBeg V_\n%New n\n%DeclareEnd\n%Set V_n = \"2\"\n"
                                "+ start\n21731942;\n%Print V_n\n");
  m.monitor->openFile();
  m.monitor->run();
  EXPECT_EQ(m.prompt.messages, QStringList{"Конец файла!"});
  const QStringList log = m.LogLines();
  ASSERT_EQ(log.size(), 4);
  EXPECT_EQ(log[0], "Комментарий::  start!!!");
  EXPECT_TRUE(log[1].startsWith("PC: "));
  EXPECT_EQ(log[3], ";V_n=2");
  EXPECT_EQ(m.monitor->codeBox()->text(), "21");
  EXPECT_EQ(m.monitor->errorBox()->text(), "0000");
  EXPECT_EQ(m.monitor->lineBox()->text(), "0");
  QTableWidget* grid = m.window->variablesWindow().grid();
  EXPECT_EQ(grid->item(1, 1)->text(), "V_n");
  EXPECT_EQ(grid->item(1, 2)->text(), "2");
}

TEST(Monitor, afterAScriptRunTheShownCodeIsTheCodeSent) {
  MonitorRig m;
  m.monitor->codeBox()->setText("80");  // typed by hand and converted
  m.prompt.file = m.WriteScript("last.txt", "21731942;\n");
  m.monitor->openFile();
  m.monitor->run();
  ASSERT_EQ(m.monitor->codeBox()->text(), "21");
  const long identifications = m.registrar->registrar.Executed(0x80);
  m.monitor->executeSingle(false);
  QTest::keyClick(m.monitor->dataBox(), Qt::Key_Return);
  EXPECT_EQ(m.registrar->registrar.Executed(0x21), 3);
  EXPECT_EQ(m.registrar->registrar.Executed(0x80), identifications);
  EXPECT_EQ(m.LogLines()[2], "PC: (21)731942;");
}

TEST(Monitor, afterAScriptRunExecuteIsEnabledAndEnterSendsTheScriptsCode) {
  MonitorRig m;
  m.monitor->codeBox()->setText("2");  // one digit: "Выполнить" disabled, nothing converted
  ASSERT_FALSE(m.monitor->executeButton()->isEnabled());
  m.prompt.file = m.WriteScript("last.txt", "21731942;\n");
  m.monitor->openFile();
  m.monitor->run();
  EXPECT_TRUE(m.monitor->executeButton()->isEnabled());
  QTest::keyClick(m.monitor->dataBox(), Qt::Key_Return);
  EXPECT_EQ(m.registrar->registrar.Executed(0x00), 0);
  EXPECT_EQ(m.registrar->registrar.Executed(0x21), 2);
}

TEST(Monitor, activationEnablesExecuteClearsStopAndSeedsTheGenerator) {
  MonitorRig m;
  m.monitor->codeBox()->setText("2");
  m.monitor->stop();  // pressed while nothing runs
  m.monitor->hide();
  const std::time_t before = std::time(nullptr);
  m.monitor->show();
  const std::time_t after = std::time(nullptr);
  EXPECT_TRUE(m.monitor->executeButton()->isEnabled());
  EXPECT_FALSE(m.monitor->runner().StopRequested());
  EXPECT_GE(m.monitor->runner().LastSeed(), static_cast<unsigned>(before));
  EXPECT_LE(m.monitor->runner().LastSeed(), static_cast<unsigned>(after));
}

TEST(Monitor, variablesWindowIsUsableUnderTheModalMonitorAndGoesWithIt) {
  MonitorRig m;
  app::VariablesWindow& variables = m.window->variablesWindow();
  m.monitor->hide();
  m.monitor->setWindowModality(Qt::ApplicationModal);  // as the main menu shows it
  m.monitor->show();
  m.monitor->showVariables();
  ASSERT_TRUE(variables.isVisible());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&variables));
  // "Закрыть" answers a click that comes through the window system.
  QPushButton* close = variables.findChild<QPushButton*>();
  QTest::mouseClick(variables.windowHandle(), Qt::LeftButton, {},
                    close->mapTo(&variables, close->rect().center()));
  EXPECT_FALSE(variables.isVisible());
  // Shown again, it closes with the monitor ("Выход") and returns to its owner.
  m.monitor->showVariables();
  ASSERT_TRUE(variables.isVisible());
  m.monitor->accept();
  EXPECT_FALSE(variables.isVisible());
  EXPECT_EQ(variables.parentWidget(), m.window.get());
}

TEST(Monitor, stopEndsALongRunAndTheWindowStaysResponsive) {
  MonitorRig m;
  std::string lines;
  for (int i = 0; i < 2000; ++i) lines += "21731942;\n";
  m.prompt.file = m.WriteScript("long.txt", lines);
  m.monitor->openFile();
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (++ticks == 5) m.monitor->stop();
  });
  timer.start(1);
  m.monitor->run();
  timer.stop();
  EXPECT_GE(ticks, 5);
  const long executed = m.registrar->registrar.Executed(0x21);
  EXPECT_GT(executed, 0);
  EXPECT_LT(executed, 2000);
  EXPECT_TRUE(m.prompt.messages.isEmpty());  // stopped, not at the end of the file
  // Continue picks up after the last line counted.
  const long line = m.monitor->lineBox()->text().toLong();
  EXPECT_EQ(line, executed);
}

TEST(Monitor, opensFromTheMainMenuOnceConnected) {
  MonitorRig m;
  // The script's row, with the monitor the rig made.
  app::WindowRow row = script::ScriptWindows().front();
  row.make = [&m](app::WindowServices&) { return m.monitor.get(); };
  m.window->addWindows({row});
  EXPECT_TRUE(m.window->menuItem("Запуск скрипта")->isEnabled());
  m.window->serialButton();  // disconnect
  EXPECT_FALSE(m.window->menuItem("Запуск скрипта")->isEnabled());
}
