// The connection controller without a window, against the emulator on a
// pty: what a failed connect leaves, the lamp following the exchanges, and
// the demo's port kept out of tsinit.ini.
#include "app/connection_controller.h"

#include <gtest/gtest.h>

#include <QFile>

#include "tests/app/app_harness.h"
#include "app/command_path.h"
#include "link/formatters.h"

using namespace tesmar;
using app::Lamp;
using app::LinkState;

namespace {

// Short exchanges: no resend, and a silence ends after 600 ms.
constexpr const char* kQuickLine = "[Fiscal Printer]\r\nReply=0\r\nExchangeLimit=600\r\n";

// A prompt that also keeps what the controller showed while each message was up.
class ViewRecordingPrompt : public test::RecordingPrompt {
 public:
  void showMessage(const QString& text, const QString& title = QString()) override {
    if (controller) views.push_back(controller->view());
    RecordingPrompt::showMessage(text, title);
  }
  const app::ConnectionController* controller = nullptr;
  std::vector<app::ConnectionView> views;
};

struct ControllerHarness {
  QTemporaryDir dir;
  app::AppState state;
  test::RecordingSleeper sleeper;
  link::Driver driver{sleeper};
  ViewRecordingPrompt prompt;
  app::AppContext ctx{state, driver, prompt, sleeper};
  link::TPortControl ports{QDir(QDir::tempPath()).filePath("tesmar-no-sysfs").toStdString()};
  link::UsbPortFinder usbPorts{QDir(QDir::tempPath()).filePath("tesmar-no-sysfs").toStdString()};
  test::EmulatedRegistrar registrar;
  std::unique_ptr<app::ConnectionController> controller;
  QStringList statuses;

  explicit ControllerHarness(const QByteArray& tsinit, emu::FaultPlan faults = {},
                             bool demo = false)
      : registrar({}, faults) {
    state.configPath = QDir(dir.path()).filePath("tsinit.ini");
    QFile f(state.configPath);
    f.open(QIODevice::WriteOnly);
    f.write(tsinit);
    f.close();
    const QString port = registrar.Path();
    controller = std::make_unique<app::ConnectionController>(
        ctx, app::PortSources{ports, usbPorts, {port}, demo ? port : QString(), {}});
    prompt.controller = controller.get();
    QObject::connect(controller.get(), &app::ConnectionController::statusChanged,
                     [this](const QString& s) { statuses << s; });
    driver.SetExchangeObserver(controller.get());
  }
  ~ControllerHarness() {
    driver.SetExchangeObserver(nullptr);
    driver.CloseSerialLink();
  }
  QByteArray Config() const {
    QFile f(state.configPath);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }
  void Connect() {
    controller->activate();
    controller->serialButton(registrar.Path(), "9600");
  }
  // The registrar stops answering, or answers again.
  void SetSilent(bool silent) {
    registrar.server.Stop();
    emu::FaultPlan f;
    f.silence = silent ? 1 : 0;
    registrar.session.SetFaults(f);
    registrar.server.Start();
  }
  // One command of a window, through the one command path.
  link::Outcome SendFromAWindow() {
    app::CommandPath path(ctx);
    return path
        .send([](link::Driver & d) -> auto& { return link::Identify(d, app::kDefaultPassword); })
        .outcome;
  }
};

}  // namespace

TEST(ConnectionController, aFailedConnectNeverLooksConnected) {
  emu::FaultPlan silent;
  silent.silence = 1;
  ControllerHarness h(kQuickLine, silent);
  h.Connect();
  // While "Таймаут устройства! Ошибка!" is up the link is already down.
  ASSERT_EQ(h.prompt.messages, QStringList{"Таймаут устройства! Ошибка!"});
  ASSERT_EQ(h.prompt.views.size(), 1u);
  for (const app::ConnectionView& v : {h.prompt.views[0], h.controller->view()}) {
    EXPECT_EQ(v.serial.lamp, Lamp::kRed);
    EXPECT_FALSE(v.serial.up);  // "Подключить"
    EXPECT_TRUE(v.serial.enabled);
    EXPECT_FALSE(v.menusOpen);
    EXPECT_TRUE(v.portListsEnabled);
    EXPECT_TRUE(v.usb.enabled);
  }
  EXPECT_EQ(h.controller->serial(), LinkState::kClosed);
  EXPECT_FALSE(h.driver.SerialActive());
  EXPECT_FALSE(h.state.connected);
  EXPECT_EQ(h.controller->statusText(), "Таймаут устройства - регистратор не подключен!");
  // Nothing of a failed connect goes into tsinit.ini.
  EXPECT_EQ(h.Config(), kQuickLine);
}

TEST(ConnectionController, theLampFollowsWhetherTheLastExchangeWasAnswered) {
  ControllerHarness h(kQuickLine);
  h.Connect();
  ASSERT_EQ(h.controller->serial(), LinkState::kConnected);
  const QString modelLine = h.controller->statusText();
  ASSERT_TRUE(modelLine.startsWith("   Модель:"));

  h.SetSilent(true);
  EXPECT_FALSE(h.SendFromAWindow().answered());  // silent (or unknown: it spoke just before)
  EXPECT_EQ(h.controller->serial(), LinkState::kSilent);
  app::ConnectionView v = h.controller->view();
  EXPECT_EQ(v.serial.lamp, Lamp::kYellow);
  EXPECT_TRUE(v.serial.up);  // still "Отключить": the port is open
  EXPECT_TRUE(v.menusOpen);  // the next command may be answered
  EXPECT_EQ(h.controller->statusText(), "Регистратор не ответил на команду 80h!");
  EXPECT_TRUE(h.state.connected);

  // A second silence changes nothing and says nothing new.
  const qsizetype said = h.statuses.size();
  h.SendFromAWindow();
  EXPECT_EQ(h.statuses.size(), said);

  h.SetSilent(false);
  EXPECT_TRUE(h.SendFromAWindow().ok());
  EXPECT_EQ(h.controller->serial(), LinkState::kConnected);
  EXPECT_EQ(h.controller->view().serial.lamp, Lamp::kGreen);
  EXPECT_EQ(h.controller->statusText(), modelLine);

  // Disconnected, a silence is no business of the lamp.
  h.controller->serialButton(h.registrar.Path(), "9600");
  EXPECT_EQ(h.controller->serial(), LinkState::kClosed);
  EXPECT_EQ(h.controller->view().serial.lamp, Lamp::kRed);
}

TEST(ConnectionController, theDemosPortIsNeverWrittenIntoTsinit) {
  const QByteArray saved = "[Communication]\r\nPort=/dev/ttyUSB0\r\nSpeed=115200\r\n";
  ControllerHarness h(saved, {}, /*demo=*/true);
  h.controller->activate();
  // The demo's port is offered first whatever tsinit.ini saved.
  EXPECT_EQ(h.controller->portIndex({"/dev/ttyUSB0", h.registrar.Path()}), 1);
  EXPECT_EQ(h.controller->saved().port, "/dev/ttyUSB0");
  h.controller->serialButton(h.registrar.Path(), "9600");
  ASSERT_EQ(h.controller->serial(), LinkState::kConnected);
  h.controller->serialButton(h.registrar.Path(), "9600");
  EXPECT_EQ(h.Config(), saved);

  // Another port of the same run is saved as before.
  ControllerHarness real(saved);
  real.Connect();
  ASSERT_EQ(real.controller->serial(), LinkState::kConnected);
  EXPECT_TRUE(real.Config().contains(("Port=" + real.registrar.Path()).toUtf8()));
  EXPECT_TRUE(real.Config().contains("Speed=9600"));
}

TEST(ConnectionController, anErrorAnswerKeepsThePortOpenUnderARedLamp) {
  emu::RegistrarOptions o;
  o.password = "000000";  // 731942 is refused
  test::EmulatedRegistrar refusing(o);
  ControllerHarness h(kQuickLine);
  h.controller->activate();
  h.controller->serialButton(refusing.Path(), "9600");
  EXPECT_EQ(h.controller->serial(), LinkState::kRefused);
  const app::ConnectionView v = h.controller->view();
  EXPECT_EQ(v.serial.lamp, Lamp::kRed);
  EXPECT_TRUE(v.serial.up);  // "Отключить" closes the open port
  EXPECT_TRUE(v.menusOpen);
  EXPECT_FALSE(v.usb.enabled);
  // An answered exchange does not make it an identified registrar.
  h.SendFromAWindow();
  EXPECT_EQ(h.controller->view().serial.lamp, Lamp::kRed);
  h.controller->serialButton(refusing.Path(), "9600");
  EXPECT_EQ(h.controller->serial(), LinkState::kClosed);
  EXPECT_FALSE(h.driver.SerialActive());
}
