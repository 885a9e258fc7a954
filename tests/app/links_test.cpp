// The direct USB link, the USB virtual COM port and the bank terminal port,
// from the main window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <cstdlib>

#include "tests/app/app_harness.h"

using namespace tesmar;
using app::Indicator;

namespace {

// The libusb stand-in, bridged to the emulator's pty.
struct FakeUsbEnvironment {
  explicit FakeUsbEnvironment(const QString& pty) {
    setenv("TESMAR_LIBUSB", FAKE_LIBUSB, 1);
    setenv("FAKE_USB_PTY", pty.toLocal8Bit().constData(), 1);
  }
  ~FakeUsbEnvironment() {
    setenv("TESMAR_LIBUSB", "/nonexistent/libusb.so", 1);
    unsetenv("FAKE_USB_PTY");
  }
};

}  // namespace

TEST(UsbConnect, identifiesOverTheDirectLinkAndDisconnects) {
  test::AppHarness h;
  FakeUsbEnvironment usb(h.registrar->Path());
  h.window = std::make_unique<app::MainWindow>(
      h.ctx, app::PortSources{h.ports, h.usbPorts, {h.registrar->Path()}, {}, {}});
  EXPECT_EQ(h.window->usbLamp()->color(), Indicator::Color::Yellow);  // library present
  h.window->activate();
  h.window->usbButton();
  EXPECT_EQ(h.window->usbLamp()->color(), Indicator::Color::Green);
  EXPECT_EQ(h.window->usbConnect()->text(), "Отключить");
  EXPECT_FALSE(h.window->serialConnect()->isEnabled());
  EXPECT_TRUE(h.state.connected);
  EXPECT_EQ(h.state.model, "Tesmar EMU-01");
  EXPECT_EQ(h.sleeper.waits.back(), 300);
  h.window->usbButton();
  EXPECT_EQ(h.window->usbLamp()->color(), Indicator::Color::Yellow);
  EXPECT_EQ(h.window->usbConnect()->text(), "Подключить");
  EXPECT_FALSE(h.window->menu("Утилиты")->isEnabled());
  EXPECT_TRUE(h.window->serialConnect()->isEnabled());
}

TEST(UsbConnect, forcedVersionAppliesToSerialConnectsOnly) {
  emu::RegistrarOptions o;
  o.version = "9.99";
  test::AppHarness h(o, {}, "[UkrVer]\r\nVersion=2\r\n");
  FakeUsbEnvironment usb(h.registrar->Path());
  h.window->activate();
  h.window->usbButton();
  EXPECT_EQ(h.state.firmwareVersion, "9.99");
}

TEST(UsbConnect, errorAnswerLeavesTheLampYellowAndSaysWhy) {
  emu::RegistrarOptions o;
  o.password = "000000";
  test::AppHarness h(o);
  FakeUsbEnvironment usb(h.registrar->Path());
  h.window->activate();
  h.window->usbButton();
  EXPECT_EQ(h.prompt.messages.last(),
            "Cостояния регистратора (ошибка выполнения команды):\n  Неверный пароль доступа!");
  EXPECT_EQ(h.window->usbLamp()->color(), Indicator::Color::Yellow);
  EXPECT_TRUE(h.window->menu("Утилиты")->isEnabled());
}

// A registrar that never answers over the direct link: the link closes
// again and the window does not look connected.
TEST(UsbConnect, aSilentRegistrarLeavesTheLinkClosed) {
  emu::FaultPlan silent;
  silent.silence = 1;
  test::AppHarness h({}, silent, "[Fiscal Printer]\r\nReply=0\r\nExchangeLimit=600\r\n");
  FakeUsbEnvironment usb(h.registrar->Path());
  h.window->activate();
  h.window->usbButton();
  EXPECT_EQ(h.prompt.messages.last(),
            "Cостояния регистратора (ошибка выполнения команды):\n  Таймаут устройства! Ошибка!");
  EXPECT_FALSE(h.driver.UsbActive());
  EXPECT_EQ(h.window->usbLamp()->color(), Indicator::Color::Yellow);  // library present, no link
  EXPECT_EQ(h.window->usbConnect()->text(), "Подключить");
  EXPECT_FALSE(h.window->menu("Утилиты")->isEnabled());
  EXPECT_FALSE(h.window->statusButton()->isEnabled());
  EXPECT_TRUE(h.window->serialConnect()->isEnabled());
  EXPECT_TRUE(h.window->portList()->isEnabled());
  EXPECT_FALSE(h.state.connected);
}

TEST(UsbConnect, missingLibraryIsShownBesideTheButton) {
  test::AppHarness h;
  EXPECT_EQ(h.window->usbLamp()->color(), Indicator::Color::Red);
  EXPECT_EQ(h.window->usbLabel()->text(), "Библиотека USB /nonexistent/libusb.so не установлена!");
  h.window->activate();
  h.window->usbButton();
  EXPECT_EQ(h.window->usbLamp()->color(), Indicator::Color::Red);
  EXPECT_FALSE(h.window->menu("Продажа")->isEnabled());
}

TEST(UsbVirtualPort, connectOverItShowsRestoreAndRestoreCyclesTheDevice) {
  test::AppHarness h;
  // A fake sysfs in which the emulator's pty is the registrar's ACM port.
  const QString pts = QFileInfo(h.registrar->Path()).fileName();
  QDir root(h.dir.path());
  root.mkpath("sys/devices/usb1/1-1/1-1:1.0");
  root.mkpath("sys/class/tty/" + pts);
  for (auto [file, text] :
       {std::pair{"idVendor", "0483"}, {"idProduct", "5740"}, {"authorized", "1"}}) {
    QFile f(root.filePath(QString("sys/devices/usb1/1-1/") + file));
    f.open(QIODevice::WriteOnly);
    f.write(text);
  }
  QFile::link(root.filePath("sys/devices/usb1/1-1/1-1:1.0"),
              root.filePath("sys/class/tty/" + pts + "/device"));
  link::TPortControl ports(root.filePath("sys").toStdString(), "/dev/pts");
  link::UsbPortFinder finder(root.filePath("sys").toStdString(), "/dev/pts");
  h.window = std::make_unique<app::MainWindow>(h.ctx, app::PortSources{ports, finder, {}, {}, {}});
  h.window->activate();
  EXPECT_TRUE(h.state.usbVirtualPortFound);
  EXPECT_EQ(h.state.usbVirtualPort, h.registrar->Path());
  EXPECT_EQ(h.window->portList()->currentText(), h.registrar->Path());
  h.window->serialButton();
  EXPECT_TRUE(h.state.connected);
  EXPECT_TRUE(h.window->restoreUsbButton()->isVisibleTo(h.window.get()));
  EXPECT_TRUE(h.driver.SerialLink()->IsUsbVirtualCom());

  h.prompt.messages.clear();
  h.window->restoreUsb();
  EXPECT_TRUE(h.prompt.messages.isEmpty());
  EXPECT_FALSE(h.driver.SerialActive());
  EXPECT_EQ(h.window->serialLamp()->color(), Indicator::Color::Red);
  EXPECT_EQ(h.window->serialConnect()->text(), "Подключить");
  EXPECT_TRUE(h.window->restoreUsbButton()->isEnabled());
  // Only the lamp and the caption change: the lists stay as the connect left them.
  EXPECT_FALSE(h.window->portList()->isEnabled());
  EXPECT_FALSE(h.window->usbConnect()->isEnabled());
  EXPECT_TRUE(h.window->menu("Отчеты")->isEnabled());
}

TEST(BankTerminal, portIsPreparedAndReleasedOrStaysRed) {
  test::AppHarness h({}, {}, "[Communication]\r\nTerminal=1\r\n");
  h.window->activate();
  ASSERT_EQ(h.window->terminalPorts()->currentText(), h.registrar->Path());
  h.window->terminalButton();
  EXPECT_EQ(h.window->terminalLamp()->color(), Indicator::Color::Green);
  EXPECT_EQ(h.window->terminalConnect()->text(), "Отключить");
  EXPECT_FALSE(h.window->terminalPorts()->isEnabled());
  h.window->terminalButton();
  EXPECT_EQ(h.window->terminalLamp()->color(), Indicator::Color::Red);
  EXPECT_TRUE(h.window->terminalPorts()->isEnabled());

  h.window->terminalPorts()->addItem("/dev/tesmar-none");
  h.window->terminalPorts()->setCurrentText("/dev/tesmar-none");
  h.window->terminalButton();
  EXPECT_EQ(h.window->terminalLamp()->color(), Indicator::Color::Red);
  EXPECT_NE(h.state.terminalError, 0);
}
