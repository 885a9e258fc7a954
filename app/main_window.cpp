#include "main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "command_path.h"
#include "exchange_log.h"
#include "formatters.h"
#include "ini_profile.h"
#include "model_rules.h"
#include "program_confirm_dialog.h"
#include "status_bytes_dialog.h"
#include "translation.h"
#include "usb_link.h"
#include "variables_window.h"

namespace tesmar::app {

namespace {

constexpr int kPortScanWaitMs = 200;
constexpr int kUsbProbeWaitMs = 100;
constexpr int kAfterScanWaitMs = 1000;

// The menus with their items, captions exact; an empty item is the menu's
// own action (the About menu has no items).
const std::pair<const char*, std::vector<const char*>> kMenus[] = {
    {Tesmar::mark("Продажа"),
     {Tesmar::mark("Программировать товары"), Tesmar::mark("Фискальный чек"), Tesmar::mark("Печать нефискального чека"),
      Tesmar::mark("Служебное внесение и изъятие денег"), Tesmar::mark("Аннулирование и закрытие чека")}},
    {Tesmar::mark("Команды"), {Tesmar::mark("Тест команд"), Tesmar::mark("Запуск скрипта")}},
    {Tesmar::mark("Отчеты"),
     {Tesmar::mark("Информация о свободных ресурсах и статусе"), Tesmar::mark("Печать дневных отчетов FKP101"),
      Tesmar::mark("Печать дневных отчетов"), Tesmar::mark("Печать периодического отчета "), Tesmar::mark("Отчет по реализованным товарам"),
      Tesmar::mark("Печать дополнительных дневных отчетов"), Tesmar::mark("Копия фискальных чеков по сквозным номерам")}},
    {Tesmar::mark("Утилиты"),
     {Tesmar::mark("Заголовок чека и рекламный текст"), Tesmar::mark("Параметры операторов"), Tesmar::mark("Параметры оплаты"), Tesmar::mark("Пароли"),
      Tesmar::mark("Загрузка логотипа"), Tesmar::mark("Чтение внутреннего ПО"), Tesmar::mark("Фискальная память"), Tesmar::mark("Дата и время"),
      Tesmar::mark("Техническое обслуживание"), Tesmar::mark("Служебные счетчики"), Tesmar::mark("Тест денежного ящика")}},
    {Tesmar::mark("Фискальные параметры"),
     {Tesmar::mark("Установить заводской номер"), Tesmar::mark("Чтение и программирование"), Tesmar::mark("Параметры регистратора"),
      Tesmar::mark("Параметры удаленного доступа"), Tesmar::mark("Параметры настройки WiFi"), Tesmar::mark("Параметры связи с эквайером"),
      Tesmar::mark("Позиция десятичной точки"), Tesmar::mark("Фискализация"), Tesmar::mark("Установить и прочитать ID_DEV"),
      Tesmar::mark("Состояние модема"), Tesmar::mark("Последний сеанс связи с эквайером")}},
};

// The menus disabled until a connection. "Команды" stays open for the
// exchange log; its registrar items follow the connection one by one.
const QStringList kConnectedMenus = {Tesmar::mark("Продажа"), Tesmar::mark("Отчеты"), Tesmar::mark("Утилиты"), Tesmar::mark("Фискальные параметры")};
const QStringList kConnectedItems = {Tesmar::mark("Тест команд"), Tesmar::mark("Запуск скрипта")};
constexpr const char* kAbout = Tesmar::mark("О программе...");

}  // namespace

const QStringList& MainWindow::Speeds() {
  static const QStringList s = {"110",  "300",   "600",   "1200",  "2400",  "4800",
                                "9600", "19200", "38400", "57600", "115200"};
  return s;
}

MainWindow::MainWindow(AppContext& ctx, PortSources sources, const WindowTable& windows,
                       QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), sources_(std::move(sources)) {
  setWindowTitle(Tesmar::mark("ПО Tesmar (вер. 5.89D3 12.04.2016)"));
  ctx_.showStatus = [this](const QString& t) { setStatus(t); };
  // The driver keeps one reply record: the last reply is always that one.
  ctx_.state.lastReply = &ctx_.driver.Record();
  statusDialog_ = new StatusBytesDialog(ctx_, this);
  variables_ = new VariablesWindow(this);
  programConfirm_ = new ProgramConfirmDialog(this);
  operationResult_ = new OperationResultDialog(this);
  exchangeLog_ = new ExchangeLogModel(100000, this);
  observers_.Add(exchangeLog_);
  ctx_.driver.SetExchangeObserver(&observers_);
  services_.reset(new WindowServices{ctx_, *statusDialog_, *variables_, *programConfirm_,
                                     *operationResult_, *exchangeLog_,
                                     [this] { return currentPort(); },
                                     [this](int baud) { selectSpeed(baud); }, this});
  services_->closeSerialLink = [this] { disconnectSerial(); };
  buildConnectionGroups();
  buildMenus();
  addWindows(windows);
  statusLabel_ = new QLabel;
  statusLabel_->setObjectName("statusText");
  statusBar()->addWidget(statusLabel_, 1);
  setFixedSize(600, 335 + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());

  // The USB library: present (yellow), or missing (red, and said so).
  if (link::UsbDirectLink::LibraryAvailable()) {
    usbLamp_->setColor(Indicator::Color::Yellow);
  } else {
    usbLamp_->setColor(Indicator::Color::Red);
    usbLabel_->setText(Tesmar::mark("Библиотека USB ") + QString::fromStdString(link::UsbLibrary::FileName()) +
                       Tesmar::mark(" не установлена!"));
  }
}

MainWindow::~MainWindow() {
  ctx_.driver.SetExchangeObserver(nullptr);
}

void MainWindow::buildConnectionGroups() {
  auto* serial = new QGroupBox(Tesmar::mark("Подключение к последовательному порту (включая виртуальный)"));
  portList_ = new QComboBox;
  portList_->setEditable(true);
  portList_->setObjectName("portList");
  speedList_ = new QComboBox;
  speedList_->addItems(Speeds());
  serialLamp_ = new Indicator;
  serialConnect_ = new QPushButton(Tesmar::mark("Подключить"));
  serialConnect_->setObjectName("serialConnect");
  restoreUsb_ = new QPushButton(Tesmar::mark("Восстановить USB"));
  restoreUsb_->hide();
  auto* sg = new QGridLayout(serial);
  sg->addWidget(new QLabel(Tesmar::mark("Последовательный порт:")), 0, 0);
  sg->addWidget(portList_, 0, 1);
  sg->addWidget(new QLabel(Tesmar::mark("Скорость порта (бод):")), 1, 0);
  sg->addWidget(speedList_, 1, 1);
  sg->addWidget(serialLamp_, 0, 2);
  sg->addWidget(serialConnect_, 0, 3);
  sg->addWidget(restoreUsb_, 1, 3);

  auto* usb = new QGroupBox(Tesmar::mark("Подключение к USB"));
  usbLamp_ = new Indicator;
  usbLabel_ = new QLabel;
  usbLabel_->setWordWrap(true);
  rescan_ = new QPushButton(Tesmar::mark("Пересканировать"));
  rescan_->hide();
  usbConnect_ = new QPushButton(Tesmar::mark("Подключить"));
  usbConnect_->setObjectName("usbConnect");
  auto* ug = new QHBoxLayout(usb);
  ug->addWidget(usbLamp_);
  ug->addWidget(usbLabel_, 1);
  ug->addWidget(rescan_);
  ug->addWidget(usbConnect_);

  terminalGroup_ = new QGroupBox(Tesmar::mark("Банковский терминал"));
  terminalPorts_ = new QComboBox;
  terminalSpeeds_ = new QComboBox;
  terminalSpeeds_->addItems(Speeds());
  terminalLamp_ = new Indicator;
  terminalConnect_ = new QPushButton(Tesmar::mark("Подключить"));
  auto* tg = new QHBoxLayout(terminalGroup_);
  tg->addWidget(terminalPorts_);
  tg->addWidget(terminalSpeeds_);
  tg->addWidget(terminalLamp_);
  tg->addWidget(terminalConnect_);
  terminalGroup_->hide();

  statusButton_ = new QPushButton(Tesmar::mark("Состояние регистратора"));
  statusButton_->setEnabled(false);
  closeButton_ = new QPushButton(Tesmar::mark("Закрыть"));
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(statusButton_);
  bottom->addStretch();
  bottom->addWidget(closeButton_);

  auto* central = new QWidget;
  auto* root = new QVBoxLayout(central);
  root->addWidget(serial);
  root->addWidget(usb);
  root->addWidget(terminalGroup_);
  root->addStretch();
  root->addLayout(bottom);
  setCentralWidget(central);

  connect(serialConnect_, &QPushButton::clicked, this, &MainWindow::serialButton);
  connect(usbConnect_, &QPushButton::clicked, this, &MainWindow::usbButton);
  connect(terminalConnect_, &QPushButton::clicked, this, &MainWindow::terminalButton);
  connect(restoreUsb_, &QPushButton::clicked, this, &MainWindow::restoreUsb);
  connect(statusButton_, &QPushButton::clicked, this, &MainWindow::checkStatus);
  connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
}

void MainWindow::buildMenus() {
  for (const auto& [title, entries] : kMenus) {
    QMenu* m = menuBar()->addMenu(title);
    menus_[title] = m;
    for (const char* caption : entries) items_[caption] = m->addAction(caption);
  }
  QMenu* about = menuBar()->addMenu(kAbout);
  menus_[kAbout] = about;
  items_[kAbout] = about->addAction(kAbout);
  about->addMenu(LanguageMenu(ctx_.state.configPath, ctx_.prompt, about));
  setConnectedMenus(false);
}

void MainWindow::addWindows(const WindowTable& windows) {
  for (const WindowRow& row : windows) {
    // An item that the fixed menus do not have goes at the end of its menu.
    if (!items_.contains(row.caption) && menus_.contains(row.menu))
      items_[row.caption] = menus_[row.menu]->addAction(row.caption);
    windows_.push_back({row.caption, row.enabled, row.make(*services_), row.modeless});
    bindItem(row.caption);
  }
  refreshItems();
}

void MainWindow::registerDialog(const QString& caption, QDialog* dialog) {
  windows_.push_back({caption, {}, dialog});
  bindItem(caption);
  refreshItems();
}

void MainWindow::bindItem(const QString& caption) {
  QAction* a = items_.value(caption);
  if (!a || boundItems_.contains(caption)) return;
  boundItems_ << caption;
  connect(a, &QAction::triggered, this, [this, caption] { openItem(caption); });
}

QDialog* MainWindow::windowFor(const QString& caption) const {
  if (!MenuItemAllowed(caption, ctx_.state)) return nullptr;
  for (const Entry& e : windows_)
    if (e.caption == caption && (!e.enabled || e.enabled(ctx_.state))) return e.window;
  return nullptr;
}

QList<QDialog*> MainWindow::windows() const {
  QList<QDialog*> all;
  for (const Entry& e : windows_) all << e.window;
  return all;
}

void MainWindow::openItem(const QString& caption) {
  // Chosen at the moment of the click: the state may have changed since.
  QDialog* w = windowFor(caption);
  if (!w) return;
  for (const Entry& e : windows_)
    if (e.window == w && e.modeless) {
      w->show();
      w->raise();
      w->activateWindow();
      return;
    }
  openDialog(*w);
}

void MainWindow::refreshItems() {
  for (auto it = items_.begin(); it != items_.end(); ++it) {
    if (it.key() == kAbout) continue;  // activation owns it
    const bool follows = kConnectedItems.contains(it.key());
    it.value()->setEnabled(windowFor(it.key()) != nullptr && (!follows || menusEnabled_));
    it.value()->setVisible(MenuItemVisible(it.key(), ctx_.state));
  }
}

void MainWindow::setConnectedMenus(bool enabled) {
  menusEnabled_ = enabled;
  for (const QString& m : kConnectedMenus) menus_[m]->setEnabled(enabled);
  refreshItems();
}

QString MainWindow::currentPort() const {
  return portList_->currentText();
}

void MainWindow::selectSpeed(int baud) {
  const int i = Speeds().indexOf(QString::number(baud));
  if (i >= 0) speedList_->setCurrentIndex(i);
}

void MainWindow::openDialog(QDialog& dialog) {
  dialog.exec();
  activate();  // the main window is the active form again
}

QString MainWindow::statusText() const {
  return statusLabel_->text();
}

void MainWindow::setStatus(const QString& text) {
  statusLabel_->setText(Shown(text));
  statusLabel_->repaint();
}

// --- activation ------------------------------------------------------------------

void MainWindow::activate() {
  closeButton_->setEnabled(false);
  serialConnect_->setEnabled(false);
  usbConnect_->setEnabled(false);
  items_[Tesmar::mark("О программе...")]->setEnabled(false);
  QLocale::setDefault(QLocale::c());  // "." as the decimal separator

  scanPorts();
  setStatus("");
  findUsbVirtualPort();
  setStatus("");
  ctx_.sleeper.SleepMs(kAfterScanWaitMs);
  terminalPorts_->setCurrentIndex(0);
  if (!sources_.preferredTerminalPort.isEmpty())
    terminalPorts_->setCurrentText(sources_.preferredTerminalPort);
  readConfiguration();

  closeButton_->setEnabled(true);
  // One registrar link at a time: each stays unavailable while the other is open.
  serialConnect_->setEnabled(!ctx_.driver.UsbActive());
  usbConnect_->setEnabled(!ctx_.driver.SerialActive());
  terminalSpeeds_->setCurrentText("115200");
  items_[Tesmar::mark("О программе...")]->setEnabled(true);
}

void MainWindow::scanPorts() {
  if (ctx_.driver.SerialActive()) return;  // the lists are locked while connected
  portList_->clear();
  terminalPorts_->clear();
  QStringList names = sources_.extraPorts;
  if (sources_.ports.BeginEnumeratePorts() == 0) {
    for (std::string n = sources_.ports.EnumeratePorts(); !n.empty();
         n = sources_.ports.EnumeratePorts())
      names << QString::fromStdString(n);
    sources_.ports.EndEnumeratePorts();
  }
  for (const QString& name : names) {
    portList_->addItem(name);
    terminalPorts_->addItem(name);
    setStatus(Tesmar::mark("Проверка портов: ") + name);
    portList_->setEditText(name);
    ctx_.sleeper.SleepMs(kPortScanWaitMs);
    QApplication::processEvents();
  }
}

void MainWindow::findUsbVirtualPort() {
  ctx_.state.usbVirtualPort.clear();
  ctx_.state.usbVirtualPortFound = false;
  for (int index = 0;; ++index) {
    setStatus(Tesmar::mark("Тестирование USB устройств: Шаг ") + QString::number(index + 1));
    ctx_.sleeper.SleepMs(kUsbProbeWaitMs);
    QApplication::processEvents();
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

void MainWindow::readConfiguration() {
  link::IniProfile ini(ctx_.state.configPath.toStdString());
  if (!ini.Exists()) {
    ctx_.prompt.showMessage(Tesmar::mark("Файл tsinit.ini отсутствует.\n Создание файла!"));
    ini.WriteString("CountryMode", "Country code", "0");
    ini.WriteString("Fiscal Printer", "ExtendedTax", "1");
    ini.WriteString("LogFile", "Log", "0");
    ini.WriteString("LogFile", "LogName", "Tesmar.log");
  }
  terminalGroup_->setVisible(!ini.GetString("Communication", "Terminal", "", 10).empty());
  ctx_.state.headFootPar = ini.GetInt("Fiscal Printer", "HeadFootPar", 0);
  // A device path does not fit the 10 bytes a port name had: read it whole.
  const QString port = QString::fromStdString(ini.GetString("Communication", "Port", "", 300));
  ctx_.state.logCommentsOff = ini.GetString("LogFile", "Comments", "Yes", 10) == "No";
  const QString speed = QString::fromStdString(ini.GetString("Communication", "Speed", "", 10));

  if (ctx_.driver.SerialActive()) return;  // the lists keep the connected port
  int portIndex = -1;
  for (int i = 0; i < portList_->count() && !port.isEmpty(); ++i)
    if (portList_->itemText(i).compare(port, Qt::CaseInsensitive) == 0) {
      portIndex = i;
      break;
    }
  const int preferred = portList_->findText(sources_.preferredPort);
  if (!sources_.preferredPort.isEmpty() && preferred >= 0) portIndex = preferred;
  portList_->setCurrentIndex(portIndex >= 0 ? portIndex : 0);
  if (portList_->count() > 0)
    portList_->setEditText(portList_->itemText(portList_->currentIndex()));
  const int speedIndex = speed.isEmpty() ? -1 : speedList_->findText(speed);
  speedList_->setCurrentIndex(speedIndex >= 0 ? speedIndex : Speeds().indexOf("9600"));
}

// --- "Состояние регистратора" ---------------------------------------------------------

void MainWindow::checkStatus() {
  CommandPath path(ctx_);
  const Sent sent = path.decoded(
      Tesmar::mark("Проверка состояния регистратора"),
      [](link::Driver & d) -> auto& { return link::Identify(d, kDefaultPassword); });
  if (!sent.reply || sent.outcome.lineFailure()) return;
  ctx_.state.paymentTypeCount = PaymentTypesFrom(*sent.reply);
  setStatus(ModelStatusLine(*sent.reply));
  statusDialog_->exec();
  ctx_.state.connected = true;
  activate();
}

}  // namespace tesmar::app
