#include "app/connection_controller.h"

#include <QCoreApplication>
#include <cerrno>

#include "app/command_path.h"
#include "link/formatters.h"
#include "link/ini_profile.h"
#include "app/model_rules.h"
#include "link/reply_decoder.h"
#include "link/serial_port.h"
#include "link/usb_link.h"

namespace tesmar::app {

namespace {

constexpr int kPortScanWaitMs = 200;
constexpr int kUsbProbeWaitMs = 100;
constexpr int kAfterScanWaitMs = 1000;
constexpr int kUsbConnectWaitMs = 300;

// Identified, whatever the last exchange brought.
bool Identified(LinkState s) {
  return s == LinkState::kConnected || s == LinkState::kSilent;
}

// A link through which the registrar's windows may send.
bool Usable(LinkState s) {
  return Identified(s) || s == LinkState::kRefused || s == LinkState::kRestarted;
}

Lamp IdentifiedLamp(LinkState s, Lamp otherwise) {
  if (s == LinkState::kConnected) return Lamp::kGreen;
  if (s == LinkState::kSilent) return Lamp::kYellow;
  return otherwise;
}

}  // namespace

ConnectionController::ConnectionController(AppContext& ctx, PortSources sources, QObject* parent)
    : QObject(parent), ctx_(ctx), sources_(std::move(sources)) {
  usbLibrary_ = link::UsbDirectLink::LibraryAvailable();
  usbClosedLamp_ = usbLibrary_ ? Lamp::kYellow : Lamp::kRed;
}

const QStringList& ConnectionController::Speeds() {
  static const QStringList s = {"110",  "300",   "600",   "1200",  "2400",  "4800",
                                "9600", "19200", "38400", "57600", "115200"};
  return s;
}

ConnectionView ConnectionController::view() const {
  ConnectionView v;
  const bool serialOpen = ctx_.driver.SerialActive();
  const bool usbOpen = ctx_.driver.UsbActive();
  v.serial.lamp = IdentifiedLamp(serial_, Lamp::kRed);
  v.serial.up = Usable(serial_) && serial_ != LinkState::kRestarted;
  v.serial.enabled = !scanning_ && !usbOpen && serial_ != LinkState::kConnecting;
  // A registrar that refused the identification over USB leaves the link
  // open under "Подключить", as the lamp's yellow says.
  v.usb.lamp = usb_ == LinkState::kRefused ? Lamp::kYellow : IdentifiedLamp(usb_, usbClosedLamp_);
  v.usb.up = Identified(usb_);
  v.usb.enabled =
      !scanning_ && !serialOpen && serial_ == LinkState::kClosed && usb_ != LinkState::kConnecting;
  v.terminal.lamp = terminalUp_ ? Lamp::kGreen : Lamp::kRed;
  v.terminal.up = terminalUp_;
  v.terminalListsEnabled = !terminalUp_;
  v.portListsEnabled = serial_ == LinkState::kClosed && usb_ == LinkState::kClosed;
  v.menusOpen = Usable(serial_) || Usable(usb_);
  v.restoreVisible = restoreOffered_;
  v.restoreEnabled = !restoring_;
  return v;
}

void ConnectionController::setStatus(const QString& text) {
  status_ = text;
  emit statusChanged(text);
}

void ConnectionController::setSerial(LinkState s) {
  serial_ = s;
  emit changed();
}

void ConnectionController::setUsb(LinkState s) {
  usb_ = s;
  emit changed();
}

// --- activation ------------------------------------------------------------------

void ConnectionController::activate() {
  scanning_ = true;
  emit changed();
  listPorts();
  setStatus("");
  findUsbVirtualPort();
  setStatus("");
  ctx_.sleeper.SleepMs(kAfterScanWaitMs);
  readConfiguration();
  scanning_ = false;
  emit changed();
}

void ConnectionController::listPorts() {
  if (ctx_.driver.SerialActive()) return;  // the lists are locked while connected
  emit portListCleared();
  QStringList names = sources_.extraPorts;
  if (sources_.ports.BeginEnumeratePorts() == 0) {
    for (std::string n = sources_.ports.EnumeratePorts(); !n.empty();
         n = sources_.ports.EnumeratePorts())
      names << QString::fromStdString(n);
    sources_.ports.EndEnumeratePorts();
  }
  for (const QString& name : names) {
    emit portListed(name);
    setStatus(Tesmar::mark("Проверка портов: ") + name);
    ctx_.sleeper.SleepMs(kPortScanWaitMs);
    QCoreApplication::processEvents();
  }
}

void ConnectionController::findUsbVirtualPort() {
  ctx_.state.usbVirtualPort.clear();
  ctx_.state.usbVirtualPortFound = false;
  for (int index = 0;; ++index) {
    setStatus(Tesmar::mark("Тестирование USB устройств: Шаг ") + QString::number(index + 1));
    ctx_.sleeper.SleepMs(kUsbProbeWaitMs);
    QCoreApplication::processEvents();
    std::string port;
    const int r = sources_.usbPorts.GetUSBPort(index, port);
    if (r == -2) return;
    if (r == 0) {
      ctx_.state.usbVirtualPort = QString::fromStdString(port);
      ctx_.state.usbVirtualPortFound = true;
      return;
    }
  }
}

void ConnectionController::readConfiguration() {
  link::IniProfile ini(ctx_.state.configPath.toStdString());
  if (!ini.Exists()) {
    ctx_.prompt.showMessage(Tesmar::mark("Файл tsinit.ini отсутствует.\n Создание файла!"));
    ini.WriteString("CountryMode", "Country code", "0");
    ini.WriteString("Fiscal Printer", "ExtendedTax", "1");
    ini.WriteString("LogFile", "Log", "0");
    ini.WriteString("LogFile", "LogName", "Tesmar.log");
  }
  saved_.terminalShown = !ini.GetString("Communication", "Terminal", "", 10).empty();
  ctx_.state.headFootPar = ini.GetInt("Fiscal Printer", "HeadFootPar", 0);
  // A device path does not fit the 10 bytes a port name had: read it whole.
  saved_.port = QString::fromStdString(ini.GetString("Communication", "Port", "", 300));
  ctx_.state.logCommentsOff = ini.GetString("LogFile", "Comments", "Yes", 10) == "No";
  saved_.speed = QString::fromStdString(ini.GetString("Communication", "Speed", "", 10));
}

int ConnectionController::portIndex(const QStringList& ports) const {
  if (!sources_.preferredPort.isEmpty() && ports.contains(sources_.preferredPort))
    return static_cast<int>(ports.indexOf(sources_.preferredPort));
  for (int i = 0; i < ports.size() && !saved_.port.isEmpty(); ++i)
    if (ports[i].compare(saved_.port, Qt::CaseInsensitive) == 0) return i;
  return 0;
}

int ConnectionController::speedIndex() const {
  const int i = saved_.speed.isEmpty() ? -1 : static_cast<int>(Speeds().indexOf(saved_.speed));
  return i >= 0 ? i : static_cast<int>(Speeds().indexOf("9600"));
}

// --- serial link -----------------------------------------------------------------

// Settings read at every connect, serial and USB alike.
void ConnectionController::readConnectSettings() {
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

void ConnectionController::serialButton(const QString& port, const QString& speed) {
  ctx_.state.connected = false;
  // "Отключить" also while a registrar that answered with an error keeps
  // the port open: the way out of that half-connected state.
  if (Usable(serial_) && serial_ != LinkState::kRestarted)
    disconnectSerial();
  else
    connectSerial(port, speed);
}

void ConnectionController::connectSerial(const QString& port, const QString& speed) {
  readConnectSettings();
  if (ctx_.driver.OpenSerialLink(port.toStdString(), speed.toInt()) < 0) {
    ctx_.prompt.showMessage(Tesmar::mark("Невозможно подключить порт"));
    return;
  }
  const bool overUsb = ctx_.state.usbVirtualPortFound && port == ctx_.state.usbVirtualPort;
  ctx_.driver.SerialLink()->SetUsbVirtualCom(overUsb);
  restoreOffered_ = overUsb;
  setSerial(LinkState::kConnecting);
  ctx_.state.registrarParams.speedIndex = static_cast<int>(Speeds().indexOf(speed));
  link::IniProfile ini(ctx_.state.configPath.toStdString());
  ctx_.state.forcedVersion = ini.GetInt("UkrVer", "Version", -1);
  ctx_.state.registrarParams.smallFontReceiptVisible = false;
  ctx_.state.registrarParams.smallFontControlVisible = false;

  ctx_.driver.DisableRemoteAccess();
  CommandPath path(ctx_);
  const Sent sent =
      path.send([](link::Driver & d) -> auto& { return link::Identify(d, kDefaultPassword); });
  if (!sent.reply || sent.outcome.kind == link::OutcomeKind::kNoAnswer) {
    // Nothing answers on this port: it closes before the message is shown,
    // so the window never looks connected meanwhile.
    ctx_.driver.CloseSerialLink();
    setSerial(LinkState::kClosed);
    setStatus(Tesmar::mark("Таймаут устройства - регистратор не подключен!"));
    ctx_.prompt.showMessage(Tesmar::mark("Таймаут устройства! Ошибка!"));
    return;
  }
  const link::DecodedReply d = link::DecodeReplyError(*sent.reply);
  if (!d.ok) {
    // The port stays open and the menus enabled: commands can still be sent
    // to a registrar that answers with an error.
    setSerial(LinkState::kRefused);
    ctx_.prompt.showMessage(TitledFailure(Tesmar::mark("Проверка состояния регистратора"), d.text));
    return;
  }
  identify(*sent.reply, true, port, speed);
}

void ConnectionController::disconnectSerial() {
  ctx_.driver.CloseSerialLink();
  restoreOffered_ = false;
  setSerial(LinkState::kClosed);
  setStatus("");
}

// --- identification --------------------------------------------------------------

void ConnectionController::identify(const link::ReplyRecord& r, bool serial, const QString& port,
                                    const QString& speed) {
  AppState& s = ctx_.state;
  s.taxGroupCount = FieldNumber(r, 10);
  s.paymentTypeCount = PaymentTypesFrom(r);
  s.model = ResultField(r, 1);
  modelLine_ = ModelStatusLine(r);
  if (r.status[0] & 0x01) modelLine_ += Tesmar::mark(" Сервис.реж.");
  setStatus(modelLine_);
  savePort(port, speed);
  s.connected = true;
  const QString reported = ResultField(r, 2);
  s.firmwareVersion =
      serial ? FirmwareVersionFor(s.forcedVersion, reported, s.firmwareVersion) : reported;
  TakeProfile(s);
  if (serial)
    serial_ = LinkState::kConnected;
  else
    usb_ = LinkState::kConnected;
  emit identified();
  emit changed();
}

// The port and speed of a good connect go into tsinit.ini, except the
// program's own port (the demo's, which is gone after the run); a save that
// fails is said in the status bar, after the model line.
void ConnectionController::savePort(const QString& port, const QString& speed) {
  if (!sources_.preferredPort.isEmpty() && port == sources_.preferredPort) return;
  link::IniProfile ini(ctx_.state.configPath.toStdString());
  const bool saved = ini.WriteString("Communication", "Port", port.toStdString()) &&
                     ini.WriteString("Communication", "Speed", speed.toStdString());
  if (!saved)
    setStatus(status_ + Tesmar::mark("   Порт и скорость не сохранены в ") + ctx_.state.configPath + "!");
}

// --- the last exchange -------------------------------------------------------------

void ConnectionController::ExchangeFinished(const link::ExchangeReport& report) {
  if (!report.replyAwaited || !report.record) return;
  const link::OutcomeKind kind = link::OutcomeOf(*report.record).kind;
  const int code = report.code;
  // The driver may report from another thread: the state changes on ours.
  QMetaObject::invokeMethod(
      this, [this, kind, code] { exchangeJudged(kind, code); }, Qt::AutoConnection);
}

void ConnectionController::exchangeJudged(link::OutcomeKind kind, int code) {
  const bool silent = kind == link::OutcomeKind::kNoAnswer || kind == link::OutcomeKind::kUnknown;
  LinkState& link = Identified(serial_) ? serial_ : usb_;
  if (!Identified(link)) return;  // nothing identified: the lamps say so already
  const LinkState next = silent ? LinkState::kSilent : LinkState::kConnected;
  if (next == link) return;
  link = next;
  if (silent)
    setStatus(QString(Tesmar::mark("Регистратор не ответил на команду %1h!"))
                  .arg(QString::number(code, 16).toUpper().rightJustified(2, '0')));
  else
    setStatus(modelLine_);
  emit changed();
}

// --- direct USB --------------------------------------------------------------------

void ConnectionController::usbButton() {
  if (Identified(usb_))
    disconnectUsb();
  else
    connectUsb();
}

void ConnectionController::connectUsb() {
  readConnectSettings();
  ctx_.driver.SetLinkReady(true);
  ctx_.sleeper.SleepMs(kUsbConnectWaitMs);
  if (ctx_.driver.ConnectUsb() == 0) {
    usbClosedLamp_ = Lamp::kRed;
    setUsb(LinkState::kClosed);
    return;
  }
  setUsb(LinkState::kConnecting);
  ctx_.state.registrarParams.smallFontReceiptVisible = false;
  ctx_.state.registrarParams.smallFontControlVisible = false;
  CommandPath path(ctx_);
  const Sent sent =
      path.send([](link::Driver & d) -> auto& { return link::Identify(d, kDefaultPassword); });
  const bool silent = !sent.reply || sent.outcome.kind == link::OutcomeKind::kNoAnswer;
  if (silent) {
    // Nothing answers on this link: it closes, so the window does not look
    // connected.
    ctx_.driver.DisconnectUsb();
    usbClosedLamp_ = Lamp::kYellow;
    setUsb(LinkState::kClosed);
    if (!sent.reply) return;
  }
  const link::DecodedReply d = link::DecodeReplyError(*sent.reply);
  if (d.ok) {
    identify(*sent.reply, false, {}, {});
    return;
  }
  if (!silent) setUsb(LinkState::kRefused);
  ctx_.prompt.showMessage(
      TitledFailure(Tesmar::mark("Cостояния регистратора (ошибка выполнения команды)"), d.text));
}

void ConnectionController::disconnectUsb() {
  ctx_.driver.DisconnectUsb();
  usbClosedLamp_ = Lamp::kYellow;
  setUsb(LinkState::kClosed);
  setStatus("");
}

// --- "Восстановить USB" ---------------------------------------------------------------

void ConnectionController::restoreUsb() {
  if (!ConfirmIrreversible(ctx_.prompt,
                           Tesmar::mark("Виртуальный порт USB регистратора будет отключен и включен снова.")))
    return;
  restoring_ = true;
  emit changed();
  ctx_.state.usbVirtualPort.clear();
  ctx_.state.usbVirtualPortFound = false;
  for (int index = 0;; ++index) {
    const link::UsbPortRestore r = sources_.usbPorts.RestoreUSBPort(index, ctx_.driver);
    for (const std::string& m : r.messages) ctx_.prompt.showMessage(QString::fromStdString(m));
    if (r.result == 0) {
      // The device was restarted: only the lamp and the caption change; the
      // next "Подключить" opens the port afresh.
      if (Usable(serial_)) serial_ = LinkState::kRestarted;
      break;
    }
    if (r.result == -2) {
      ctx_.state.usbVirtualPort.clear();
      break;
    }
  }
  restoring_ = false;
  emit changed();
}

// --- bank terminal -------------------------------------------------------------------

void ConnectionController::terminalButton(const QString& port, const QString& speed) {
  if (terminalUp_) {
    terminalUp_ = false;
    emit changed();
    return;
  }
  std::string error;
  errno = 0;
  auto opened = link::SerialPort::Open(port.toStdString(), speed.toInt(), &error);
  if (!opened) {
    ctx_.state.terminalError = errno != 0 ? errno : -1;  // kept for the receipt dialog
    return;
  }
  opened.reset();  // the receipt dialog opens it when it needs it
  ctx_.state.terminalError = 0;
  ctx_.state.terminalPort = port;
  ctx_.state.terminalBaud = speed.toInt();
  terminalUp_ = true;
  emit changed();
}

}  // namespace tesmar::app
