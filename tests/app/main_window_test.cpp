#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "tests/app/app_harness.h"
#include "app/command_path.h"
#include "link/formatters.h"
#include "service/network_windows.h"
#include "reports/report_windows.h"
#include "app/status_bytes_dialog.h"

using namespace tesmar;
using app::Indicator;

// --- activation ------------------------------------------------------------------------

TEST(Activation, withoutTsinitOneMessageAndTheFourDefaults) {
  test::AppHarness h;
  h.window->activate();
  EXPECT_EQ(h.prompt.messages, QStringList{"Файл tsinit.ini отсутствует.\n Создание файла!"});
  EXPECT_EQ(h.Config(),
            "[CountryMode]\r\nCountry code=0\r\n\r\n[Fiscal Printer]\r\nExtendedTax=1\r\n\r\n"
            "[LogFile]\r\nLog=0\r\nLogName=Tesmar.log\r\n");
  EXPECT_FALSE(h.window->terminalGroup()->isVisibleTo(h.window.get()));
  EXPECT_EQ(h.window->speedList()->currentText(), "9600");
  EXPECT_EQ(h.window->portList()->currentText(), h.registrar->Path());
  EXPECT_TRUE(h.window->serialConnect()->isEnabled());
  EXPECT_TRUE(h.window->closeButton()->isEnabled());
  // One port probed (200 ms), one USB step (100 ms), then 1000 ms.
  EXPECT_EQ(h.sleeper.waits, (std::vector<int>{200, 100, 1000}));
  EXPECT_EQ(h.window->terminalSpeeds()->currentText(), "115200");
  // A second activation finds the file and says nothing.
  h.prompt.messages.clear();
  h.window->activate();
  EXPECT_TRUE(h.prompt.messages.isEmpty());
}

TEST(Activation, savedPortAndSpeedRules) {
  test::AppHarness h;
  const QString upper = h.registrar->Path().toUpper();
  h.WriteConfig("[Communication]\r\nPort=" + upper +
                "\r\nSpeed=115200\r\nTerminal=1\r\n"
                "[LogFile]\r\nComments=no\r\n");
  h.window->activate();
  EXPECT_EQ(h.window->portList()->currentText(), h.registrar->Path());  // compared without case
  EXPECT_EQ(h.window->speedList()->currentText(), "115200");
  EXPECT_TRUE(h.window->terminalGroup()->isVisibleTo(h.window.get()));
  EXPECT_FALSE(h.state.logCommentsOff);  // only "No" turns comments off

  h.WriteConfig("[Communication]\r\nPort=/dev/none\r\nSpeed=14400\r\n[LogFile]\r\nComments=No\r\n");
  h.window->activate();
  EXPECT_EQ(h.window->portList()->currentIndex(), 0);
  EXPECT_EQ(h.window->speedList()->currentText(), "9600");
  EXPECT_TRUE(h.state.logCommentsOff);
}

TEST(Activation, noSerialPortsLeavesTheListsEmptyAndConnectEnabled) {
  test::AppHarness h;
  h.window =
      std::make_unique<app::MainWindow>(h.ctx, app::PortSources{h.ports, h.usbPorts, {}, {}, {}});
  h.window->activate();
  EXPECT_EQ(h.window->portList()->count(), 0);
  EXPECT_EQ(h.window->terminalPorts()->count(), 0);
  EXPECT_TRUE(h.window->serialConnect()->isEnabled());
  EXPECT_EQ(h.sleeper.waits, (std::vector<int>{100, 1000}));  // no port to probe
}

TEST(Activation, menusWaitForAConnectionAndUnbuiltWindowsStayDisabled) {
  test::AppHarness h;
  h.window->activate();
  for (const char* m : {"Продажа", "Отчеты", "Утилиты", "Фискальные параметры"})
    EXPECT_FALSE(h.window->menu(m)->isEnabled()) << m;
  // "Команды" stays open for the exchange log; its registrar items wait.
  EXPECT_TRUE(h.window->menu("Команды")->isEnabled());
  EXPECT_FALSE(h.window->menuItem("Тест команд")->isEnabled());
  // A window no table has made has no item (the whole menu with its
  // captions, the trailing blank of "Печать периодического отчета " among
  // them, is checked by the program's menu test, tests/layout).
  EXPECT_EQ(h.window->menuItem("Фискальный чек"), nullptr);
  EXPECT_TRUE(h.window->menuItem("О программе...")->isEnabled());
  EXPECT_EQ(h.window->windowTitle(), "ПО Tesmar (вер. 5.89D3 12.04.2016)");
}

// --- serial connect -------------------------------------------------------------------------

TEST(Connect, cleanIdentificationFillsStateAndSavesThePort) {
  emu::RegistrarOptions o;
  o.model = "Tesmar EMU-01";
  o.version = "3.01";
  o.taxGroups = 6;
  o.paymentTypes = 0;
  test::AppHarness h(o);
  h.Connect();
  EXPECT_TRUE(h.prompt.messages.isEmpty()) << h.prompt.messages.join("|").toStdString();
  EXPECT_EQ(h.window->serialLamp()->color(), Indicator::Color::Green);
  EXPECT_EQ(h.window->serialConnect()->text(), "Отключить");
  EXPECT_FALSE(h.window->usbConnect()->isEnabled());
  EXPECT_FALSE(h.window->portList()->isEnabled());
  EXPECT_TRUE(h.window->statusButton()->isEnabled());
  EXPECT_TRUE(h.window->menu("Продажа")->isEnabled());
  EXPECT_TRUE(h.state.connected);
  EXPECT_EQ(h.state.model, "Tesmar EMU-01");
  EXPECT_EQ(h.state.firmwareVersion, "3.01");
  EXPECT_EQ(h.state.taxGroupCount, 6);
  EXPECT_EQ(h.state.paymentTypeCount, 10);  // field 11 reads 0
  EXPECT_EQ(h.window->statusText(), "   Модель:Tesmar EMU-01,    Версия:3.01,     08.12.2026.");
  EXPECT_TRUE(h.Config().contains("Port=" + h.registrar->Path()));
  EXPECT_TRUE(h.Config().contains("Speed=9600"));
  // Remote access was switched off (88h) before the identification, and the
  // registrar really got that request.
  EXPECT_EQ(h.sleeper.waits.back(), 200);
  EXPECT_EQ(h.registrar->registrar.Executed(0x88), 1);
  EXPECT_EQ(h.registrar->registrar.state.serviceParameters.at(20), 0);
}

// A tsinit.ini written on Windows: "КСЕФ" in Windows-1251 is the journal
// the receipt window looks for, and saving the port keeps the file so.
TEST(Connect, aWindows1251TsinitIsReadAsSuchAndKeepsItsEncoding) {
  test::AppHarness h;
  {
    QFile f(h.state.configPath);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Priority]\r\nElJournal=\xCA\xD1\xC5\xD4\r\nLevel=high\r\n");
  }
  h.Connect();
  EXPECT_EQ(h.state.electronicJournal, "КСЕФ");
  EXPECT_EQ(h.state.accessLevel, "high");
  QFile f(h.state.configPath);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  EXPECT_TRUE(bytes.contains("ElJournal=\xCA\xD1\xC5\xD4\r\n"));
  EXPECT_TRUE(bytes.contains("Speed=9600"));
}

TEST(Connect, modelRulesReachTheOtherWindows) {
  struct Case {
    const char* model;
    int width;
    bool list, modem, fkp, paper57;
  };
  const Case cases[] = {
      {"ЕКР 3141", 38, false, true, false, false},      {"CMP-10M", 32, false, false, false, true},
      {"Datecs CMP-10", 32, false, true, false, false}, {"FKP 101", 32, false, false, true, false},
      {"Datecs FP-T88", 40, true, false, false, true},  {"FP-7179", 42, true, false, false, false},
  };
  for (const Case& c : cases) {
    emu::RegistrarOptions o;
    o.model = c.model;
    test::AppHarness h(o);
    // The rules are the rows' and hold for whatever window the rows make.
    app::WindowTable later = service::NetworkWindows();
    for (app::WindowRow& row : reports::ReportWindows()) later.push_back(std::move(row));
    for (app::WindowRow& row : later)
      row.make = [](app::WindowServices& w) { return new QDialog(w.parent); };
    h.window->addWindows(later);
    h.Connect();
    SCOPED_TRACE(c.model);
    EXPECT_EQ(h.state.tapeWidth, c.width);
    EXPECT_EQ(h.state.tapeWidthChoice.listShown, c.list);
    EXPECT_EQ(h.state.profile.modem, c.modem);
    EXPECT_EQ(h.state.profile.fkp, c.fkp);
    EXPECT_EQ(h.state.registrarParams.paper57Visible, c.paper57);
    EXPECT_EQ(h.window->menuItem("Параметры связи с эквайером")->isVisible(), !c.modem);
    EXPECT_EQ(h.window->menuItem("Установить и прочитать ID_DEV")->isVisible(), !c.modem);
    EXPECT_EQ(h.window->statusDialog().box(5, 0)->text(),
              c.modem ? "(1)Блокировка 72 часа, данные не переданы" : "(1) Резерв");
    EXPECT_EQ(h.window->menuItem("Параметры настройки WiFi")->isEnabled(),
              QString(c.model).contains("101"));
    EXPECT_EQ(h.window->menuItem("Печать дневных отчетов FKP101")->isEnabled(), c.fkp);
    EXPECT_EQ(h.window->menuItem("Печать дневных отчетов")->isEnabled(), !c.fkp);
  }
}

TEST(Connect, serviceModeAndForcedVersion) {
  emu::RegistrarOptions o;
  o.serviceMode = true;
  o.version = "9.99";
  test::AppHarness h(o, {}, "[UkrVer]\r\nVersion=2\r\n");
  h.Connect();
  EXPECT_TRUE(h.window->statusText().endsWith(". Сервис.реж."));
  EXPECT_EQ(h.state.firmwareVersion, "3.00");
}

TEST(Connect, silentRegistrarTimesOutAndThePortCloses) {
  emu::FaultPlan silent;
  silent.silence = 1;
  test::AppHarness h({}, silent, "[Fiscal Printer]\r\nReply=0\r\n");
  h.Connect();
  EXPECT_EQ(h.prompt.messages, QStringList{"Таймаут устройства! Ошибка!"});
  EXPECT_EQ(h.window->statusText(), "Таймаут устройства - регистратор не подключен!");
  EXPECT_EQ(h.window->serialLamp()->color(), Indicator::Color::Red);
  EXPECT_EQ(h.window->serialConnect()->text(), "Подключить");
  EXPECT_FALSE(h.driver.SerialActive());
  EXPECT_TRUE(h.window->usbConnect()->isEnabled());
  EXPECT_TRUE(h.window->portList()->isEnabled());
  EXPECT_FALSE(h.state.connected);
}

// The program's driver proves the sequence before the first command on a
// link (see main.cpp): a connect reads the clock before it identifies, and
// a silent or refusing registrar is reported as before.
TEST(Connect, withTheSequenceGuardTheConnectReadsTheClockFirst) {
  test::AppHarness h;
  h.driver.SetSequenceGuard(true);
  h.Connect();
  EXPECT_TRUE(h.prompt.messages.isEmpty()) << h.prompt.messages.join("|").toStdString();
  EXPECT_TRUE(h.state.connected);
  EXPECT_EQ(h.registrar->registrar.Executed(0x21), 1);
  EXPECT_EQ(h.registrar->registrar.Executed(0x80), 1);

  emu::FaultPlan silent;
  silent.silence = 1;
  test::AppHarness quiet({}, silent, "[Fiscal Printer]\r\nReply=0\r\n");
  quiet.driver.SetSequenceGuard(true);
  quiet.Connect();
  EXPECT_EQ(quiet.prompt.messages, QStringList{"Таймаут устройства! Ошибка!"});
  EXPECT_FALSE(quiet.driver.SerialActive());

  emu::RegistrarOptions o;
  o.password = "000000";  // 731942 is refused, the clock read too
  test::AppHarness refused(o);
  refused.driver.SetSequenceGuard(true);
  refused.Connect();
  EXPECT_EQ(refused.prompt.messages,
            QStringList{"Проверка состояния регистратора:\n  Неверный пароль доступа!"});
}

TEST(Connect, errorAnswerKeepsThePortOpenAndTheMenusEnabled) {
  emu::RegistrarOptions o;
  o.password = "000000";  // 731942 is refused
  test::AppHarness h(o);
  h.Connect();
  EXPECT_EQ(h.prompt.messages,
            QStringList{"Проверка состояния регистратора:\n  Неверный пароль доступа!"});
  EXPECT_EQ(h.window->serialLamp()->color(), Indicator::Color::Red);
  EXPECT_TRUE(h.driver.SerialActive());
  EXPECT_TRUE(h.window->menu("Отчеты")->isEnabled());
  EXPECT_TRUE(h.window->serialConnect()->isEnabled());
  EXPECT_FALSE(h.window->usbConnect()->isEnabled());  // one link at a time
}

TEST(Connect, halfConnectedPortCanBeClosedAndTheOtherLinkComesBack) {
  emu::RegistrarOptions o;
  o.password = "000000";
  test::AppHarness h(o);
  h.Connect();
  // The button offers the way out of the open port.
  EXPECT_EQ(h.window->serialConnect()->text(), "Отключить");
  EXPECT_EQ(h.window->serialLamp()->color(), Indicator::Color::Red);
  h.prompt.messages.clear();
  h.window->serialButton();
  EXPECT_TRUE(h.prompt.messages.isEmpty());
  EXPECT_FALSE(h.driver.SerialActive());
  EXPECT_EQ(h.window->serialConnect()->text(), "Подключить");
  EXPECT_TRUE(h.window->usbConnect()->isEnabled());
  EXPECT_FALSE(h.window->menu("Отчеты")->isEnabled());
  EXPECT_FALSE(h.window->menuItem("Тест команд")->isEnabled());
  // And a new "Подключить" tries again.
  h.window->serialButton();
  EXPECT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.driver.SerialActive());
}

TEST(Connect, portThatCannotBeOpenedChangesNothing) {
  test::AppHarness h;
  h.window->activate();
  h.window->portList()->setEditText("/dev/tesmar-none");
  h.prompt.messages.clear();
  h.window->serialButton();
  EXPECT_EQ(h.prompt.messages, QStringList{"Невозможно подключить порт"});
  EXPECT_FALSE(h.window->menu("Продажа")->isEnabled());
  EXPECT_EQ(h.window->serialLamp()->color(), Indicator::Color::Red);
}

TEST(Connect, disconnectClosesThePortAndDisablesTheMenus) {
  test::AppHarness h;
  h.Connect();
  h.window->serialButton();
  EXPECT_FALSE(h.driver.SerialActive());
  EXPECT_EQ(h.window->serialLamp()->color(), Indicator::Color::Red);
  EXPECT_EQ(h.window->serialConnect()->text(), "Подключить");
  EXPECT_FALSE(h.window->menu("Продажа")->isEnabled());
  EXPECT_FALSE(h.window->statusButton()->isEnabled());
  EXPECT_TRUE(h.window->usbConnect()->isEnabled());
  EXPECT_TRUE(h.window->statusText().isEmpty());
}

TEST(Connect, sessionLogFollowsTsinit) {
  test::AppHarness h({}, {}, "[LogFile]\r\nLog=1\r\nLogName=session.log\r\n");
  const QString cwd = QDir::currentPath();
  QDir::setCurrent(h.dir.path());
  h.Connect();
  h.window->serialButton();
  QDir::setCurrent(cwd);
  QFile log(QDir(h.dir.path()).filePath("session.log"));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QByteArray text = log.readAll();
  EXPECT_TRUE(text.contains("88731942;20;0;\r\n"));
  EXPECT_TRUE(text.contains("80731942;\r\n"));
}

// --- the connection's true state --------------------------------------------------------

namespace {

// What the main window showed while each message was up.
struct WindowAtMessage {
  Indicator::Color lamp;
  QString caption;
  bool salesMenu;
};

class WindowWatchingPrompt : public test::RecordingPrompt {
 public:
  void showMessage(const QString& text, const QString& title = QString()) override {
    if (window)
      seen.push_back({window->serialLamp()->color(), window->serialConnect()->text(),
                      window->menu("Продажа")->isEnabled()});
    RecordingPrompt::showMessage(text, title);
  }
  app::MainWindow* window = nullptr;
  std::vector<WindowAtMessage> seen;
};

}  // namespace

TEST(ConnectionState, aSilentRegistrarLeavesTheWindowDisconnectedEvenWhileTheMessageShows) {
  emu::FaultPlan silent;
  silent.silence = 1;
  test::AppHarness h({}, silent, "[Fiscal Printer]\r\nReply=0\r\nExchangeLimit=600\r\n");
  WindowWatchingPrompt prompt;
  app::AppContext ctx{h.state, h.driver, prompt, h.sleeper};
  h.window = std::make_unique<app::MainWindow>(
      ctx, app::PortSources{h.ports, h.usbPorts, {h.registrar->Path()}, {}, {}});
  prompt.window = h.window.get();
  h.window->activate();
  h.window->serialButton();
  ASSERT_EQ(prompt.messages, QStringList{"Таймаут устройства! Ошибка!"});
  ASSERT_EQ(prompt.seen.size(), 1u);
  EXPECT_EQ(prompt.seen[0].lamp, Indicator::Color::Red);
  EXPECT_EQ(prompt.seen[0].caption, "Подключить");
  EXPECT_FALSE(prompt.seen[0].salesMenu);
  // And after it: closed menus, nothing to ask the registrar about.
  for (const char* m : {"Продажа", "Отчеты", "Утилиты", "Фискальные параметры"})
    EXPECT_FALSE(h.window->menu(m)->isEnabled()) << m;
  EXPECT_FALSE(h.window->menuItem("Тест команд")->isEnabled());
  EXPECT_FALSE(h.window->statusButton()->isEnabled());
  EXPECT_TRUE(h.window->serialConnect()->isEnabled());
  EXPECT_FALSE(h.window->restoreUsbButton()->isVisibleTo(h.window.get()));
  h.window.reset();  // before the context it was given
}

TEST(ConnectionState, anUnansweredExchangeOfAnyWindowTurnsTheLampYellowAndAnAnsweredOneGreen) {
  test::AppHarness h({}, {}, "[Fiscal Printer]\r\nReply=0\r\nExchangeLimit=600\r\n");
  h.Connect();
  ASSERT_EQ(h.window->serialLamp()->color(), Indicator::Color::Green);
  const QString modelLine = h.window->statusText();
  auto silent = [&](bool on) {
    h.registrar->server.Stop();
    emu::FaultPlan f;
    f.silence = on ? 1 : 0;
    h.registrar->session.SetFaults(f);
    h.registrar->server.Start();
  };
  // A window's command, judged as windows judge them.
  auto send = [&] {
    app::CommandPath path(h.ctx);
    return path.decoded(
        "Проверка",
        [](link::Driver & d) -> auto& { return link::ReadDateTime(d, app::kDefaultPassword); });
  };
  silent(true);
  h.prompt.messages.clear();
  EXPECT_FALSE(send());
  EXPECT_EQ(h.window->serialLamp()->color(), Indicator::Color::Yellow);
  EXPECT_EQ(h.window->statusText(), "Регистратор не ответил на команду 21h!");
  EXPECT_EQ(h.window->serialConnect()->text(), "Отключить");
  EXPECT_TRUE(h.window->menu("Продажа")->isEnabled());
  EXPECT_EQ(h.prompt.messages.size(), 1);  // the window's own message, nothing more

  silent(false);
  EXPECT_TRUE(send());
  EXPECT_EQ(h.window->serialLamp()->color(), Indicator::Color::Green);
  EXPECT_EQ(h.window->statusText(), modelLine);
}
