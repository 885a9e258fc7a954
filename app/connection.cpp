// Connecting to the registrar (serial, direct USB), identifying it,
// disconnecting, restoring the USB virtual port, and the bank terminal port.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "command_path.h"
#include "formatters.h"
#include "ini_profile.h"
#include "main_window.h"
#include "model_rules.h"
#include "reply_decoder.h"
#include "serial_port.h"
#include "status_bytes_dialog.h"
#include "wire_text.h"

namespace tesmar::app {

namespace {
constexpr int kUsbConnectWaitMs = 300;
constexpr const char* kConnect = Tesmar::mark("Подключить");
constexpr const char* kDisconnect = Tesmar::mark("Отключить");
}  // namespace

// Settings read at every connect, serial and USB alike.
void MainWindow::readConnectSettings() {
  link::IniProfile ini(ctx_.state.configPath.toStdString());
  ctx_.state.accessLevel = QString::fromStdString(ini.GetString("Priority", "Level", "medium", 20));
  ctx_.state.electronicJournal =
      QString::fromStdString(ini.GetString("Priority", "ElJournal", "", 20));
  ctx_.state.paymentTypeCount = 10;
  if (ini.GetInt("LogFile", "Log", 0) != 0)
    ctx_.driver.SetLogFileName(ini.GetString("LogFile", "LogName", "Tesmar.log", 300));
  ctx_.driver.Log().SetComments(!ctx_.state.logCommentsOff);
  ctx_.driver.SetRetryCount(ini.GetInt("Fiscal Printer", "Reply", 1));
  // How long one whole exchange may take, SYN waits included (0: the default).
  ctx_.driver.SetExchangeLimitMs(ini.GetInt("Fiscal Printer", "ExchangeLimit", 0));
}

void MainWindow::serialButton() {
  ctx_.state.connected = false;
  // "Отключить" also while a registrar that answered with an error keeps
  // the port open (lamp red): the way out of that half-connected state.
  if (serialConnect_->text() == kDisconnect)
    disconnectSerial();
  else
    connectSerial();
}

void MainWindow::setSerialUp(bool up) {
  serialLamp_->setColor(up ? Indicator::Color::Green : Indicator::Color::Red);
  serialConnect_->setText(up ? kDisconnect : kConnect);
  portList_->setEnabled(!up);
  speedList_->setEnabled(!up);
  usbConnect_->setEnabled(!up && !ctx_.driver.SerialActive());
}

void MainWindow::connectSerial() {
  readConnectSettings();
  const QString port = portList_->currentText();
  const int baud = speedList_->currentText().toInt();
  if (ctx_.driver.OpenSerialLink(port.toStdString(), baud) < 0) {
    ctx_.prompt.showMessage(Tesmar::mark("Невозможно подключить порт"));
    return;
  }
  const bool overUsb = ctx_.state.usbVirtualPortFound && port == ctx_.state.usbVirtualPort;
  ctx_.driver.SerialLink()->SetUsbVirtualCom(overUsb);
  restoreUsb_->setVisible(overUsb);

  setConnectedMenus(true);
  portList_->setEnabled(false);
  speedList_->setEnabled(false);
  statusButton_->setEnabled(true);
  serialLamp_->setColor(Indicator::Color::Green);
  serialConnect_->setText(kDisconnect);
  usbConnect_->setEnabled(false);
  ctx_.state.registrarParams.speedIndex = Speeds().indexOf(speedList_->currentText());
  link::IniProfile ini(ctx_.state.configPath.toStdString());
  ctx_.state.forcedVersion = ini.GetInt("UkrVer", "Version", -1);
  ctx_.state.registrarParams.smallFontReceiptVisible = false;
  ctx_.state.registrarParams.smallFontControlVisible = false;

  ctx_.driver.DisableRemoteAccess();
  CommandPath path(ctx_);
  const Sent sent =
      path.send([](link::Driver & d) -> auto& { return link::Identify(d, kDefaultPassword); });
  if (!sent.reply) return;
  const link::ReplyRecord& r = *sent.reply;
  const link::DecodedReply d = link::DecodeReplyError(r);
  if (sent.outcome.kind == link::OutcomeKind::kNoAnswer) {
    ctx_.prompt.showMessage(Tesmar::mark("Таймаут устройства! Ошибка!"));
    setStatus(Tesmar::mark("Таймаут устройства - регистратор не подключен!"));
    ctx_.driver.CloseSerialLink();
    setSerialUp(false);
    usbConnect_->setEnabled(true);
    return;
  }
  if (!d.ok) {
    // The port stays open and the menus enabled: commands can still be sent
    // to a registrar that answers with an error.
    // The lamp says the registrar is not identified; the button closes the
    // port that is still open.
    serialLamp_->setColor(Indicator::Color::Red);
    serialConnect_->setText(kDisconnect);
    ctx_.prompt.showMessage(TitledFailure(Tesmar::mark("Проверка состояния регистратора"), d.text));
    return;
  }
  identify(r, true);
}

void MainWindow::identify(const link::ReplyRecord& r, bool serial) {
  AppState& s = ctx_.state;
  if (serial) {
    serialLamp_->setColor(Indicator::Color::Green);
    serialConnect_->setText(kDisconnect);
    usbConnect_->setEnabled(false);
  } else {
    usbLamp_->setColor(Indicator::Color::Green);
    usbConnect_->setText(kDisconnect);
    serialConnect_->setEnabled(false);
  }
  s.taxGroupCount = FieldNumber(r, 10);
  s.paymentTypeCount = PaymentTypesFrom(r);
  s.model = ResultField(r, 1);
  s.tapeWidthChoice = TapeWidthFor(s.model);
  s.tapeWidth = s.tapeWidthChoice.width;
  s.modemModel = IsModemModel(s.model);
  statusDialog_->setModemCaptions(s.modemModel);
  s.registrarParams = RegistrarOptionsFor(s.model, s.registrarParams);
  s.fkpModel = IsFkpModel(s.model);
  QString line = ModelStatusLine(r);
  if (r.status[0] & 0x01) line += Tesmar::mark(" Сервис.реж.");
  setStatus(line);
  saveConnectedPort();
  s.connected = true;
  const QString reported = ResultField(r, 2);
  s.firmwareVersion =
      serial ? FirmwareVersionFor(s.forcedVersion, reported, s.firmwareVersion) : reported;
  refreshItems();  // the model rules of the menu items (WiFi, FKP, modem)
}

// The port and speed of a good connect go into tsinit.ini; a save that
// fails is said in the status bar, after the model line.
void MainWindow::saveConnectedPort() {
  link::IniProfile ini(ctx_.state.configPath.toStdString());
  const bool saved =
      ini.WriteString("Communication", "Port", portList_->currentText().toStdString()) &&
      ini.WriteString("Communication", "Speed", speedList_->currentText().toStdString());
  if (!saved)
    setStatus(statusText() + Tesmar::mark("   Порт и скорость не сохранены в ") + ctx_.state.configPath + "!");
}

void MainWindow::disconnectSerial() {
  ctx_.driver.CloseSerialLink();
  setConnectedMenus(false);
  setSerialUp(false);
  restoreUsb_->hide();
  usbConnect_->setEnabled(true);
  statusButton_->setEnabled(false);
  setStatus("");
}

// --- direct USB --------------------------------------------------------------------

void MainWindow::usbButton() {
  if (usbConnect_->text() == kDisconnect)
    disconnectUsbDevice();
  else
    connectUsbDevice();
}

void MainWindow::connectUsbDevice() {
  readConnectSettings();
  ctx_.driver.SetLinkReady(true);
  ctx_.sleeper.SleepMs(kUsbConnectWaitMs);
  if (ctx_.driver.ConnectUsb() == 0) {
    usbLamp_->setColor(Indicator::Color::Red);
    return;
  }
  setConnectedMenus(true);
  usbLamp_->setColor(Indicator::Color::Green);
  usbConnect_->setText(kDisconnect);
  serialConnect_->setEnabled(false);
  portList_->setEnabled(false);
  speedList_->setEnabled(false);
  statusButton_->setEnabled(true);
  ctx_.state.registrarParams.smallFontReceiptVisible = false;
  ctx_.state.registrarParams.smallFontControlVisible = false;
  CommandPath path(ctx_);
  const Sent sent =
      path.send([](link::Driver & d) -> auto& { return link::Identify(d, kDefaultPassword); });
  if (!sent.reply) return;
  const link::DecodedReply d = link::DecodeReplyError(*sent.reply);
  if (d.ok) {
    identify(*sent.reply, false);
    return;
  }
  usbLamp_->setColor(Indicator::Color::Yellow);
  usbConnect_->setText(kConnect);
  usbConnect_->setEnabled(true);
  ctx_.prompt.showMessage(
      TitledFailure(Tesmar::mark("Cостояния регистратора (ошибка выполнения команды)"), d.text));
}

void MainWindow::disconnectUsbDevice() {
  ctx_.driver.DisconnectUsb();
  setConnectedMenus(false);
  usbLamp_->setColor(Indicator::Color::Yellow);
  usbConnect_->setText(kConnect);
  serialConnect_->setEnabled(true);
  portList_->setEnabled(true);
  speedList_->setEnabled(true);
  statusButton_->setEnabled(false);
  setStatus("");
}

// --- "Восстановить USB" ---------------------------------------------------------------

void MainWindow::restoreUsb() {
  restoreUsb_->setEnabled(false);
  ctx_.state.usbVirtualPort.clear();
  ctx_.state.usbVirtualPortFound = false;
  for (int index = 0;; ++index) {
    const link::UsbPortRestore r = sources_.usbPorts.RestoreUSBPort(index, ctx_.driver);
    for (const std::string& m : r.messages) ctx_.prompt.showMessage(QString::fromStdString(m));
    if (r.result == 0) {
      // The device was restarted: only the lamp and the caption change; the
      // next "Подключить" opens the port afresh.
      serialLamp_->setColor(Indicator::Color::Red);
      serialConnect_->setText(kConnect);
      break;
    }
    if (r.result == -2) {
      ctx_.state.usbVirtualPort.clear();
      break;
    }
  }
  restoreUsb_->setEnabled(true);
}

// --- bank terminal -------------------------------------------------------------------

void MainWindow::terminalButton() {
  if (terminalLamp_->color() == Indicator::Color::Green) {
    terminalLamp_->setColor(Indicator::Color::Red);
    terminalConnect_->setText(kConnect);
    terminalPorts_->setEnabled(true);
    terminalSpeeds_->setEnabled(true);
    return;
  }
  std::string error;
  errno = 0;
  auto port = link::SerialPort::Open(terminalPorts_->currentText().toStdString(),
                                     terminalSpeeds_->currentText().toInt(), &error);
  if (!port) {
    ctx_.state.terminalError = errno != 0 ? errno : -1;  // kept for the receipt dialog
    return;
  }
  port.reset();  // the receipt dialog opens it when it needs it
  ctx_.state.terminalError = 0;
  ctx_.state.terminalPort = terminalPorts_->currentText();
  ctx_.state.terminalBaud = terminalSpeeds_->currentText().toInt();
  terminalLamp_->setColor(Indicator::Color::Green);
  terminalConnect_->setText(kDisconnect);
  terminalPorts_->setEnabled(false);
  terminalSpeeds_->setEnabled(false);
}

}  // namespace tesmar::app
