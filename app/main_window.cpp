#include "app/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/command_path.h"
#include "app/exchange_log.h"
#include "link/formatters.h"
#include "app/program_confirm_dialog.h"
#include "app/status_bytes_dialog.h"
#include "app/translation.h"
#include "app/variables_window.h"

namespace tesmar::app {

namespace {


}  // namespace

MainWindow::MainWindow(AppContext& ctx, PortSources sources, const WindowTable& windows,
                       QWidget* parent)
    : QMainWindow(parent),
      ctx_(ctx),
      connection_(new ConnectionController(ctx, std::move(sources), this)) {
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
  observers_.Add(connection_);  // the lamp follows every exchange
  ctx_.driver.SetExchangeObserver(&observers_);
  services_.reset(new WindowServices{ctx_, *statusDialog_, *variables_, *programConfirm_,
                                     *operationResult_, *exchangeLog_,
                                     [this] { return currentPort(); },
                                     [this](int baud) { selectSpeed(baud); }, this});
  services_->closeSerialLink = [this] { connection_->disconnectSerial(); };
  buildConnectionGroups();
  buildMenus();
  addWindows(windows);
  statusLabel_ = new QLabel;
  statusLabel_->setObjectName("statusText");
  statusBar()->addWidget(statusLabel_, 1);
  setFixedSize(600, 335 + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
  bindConnection();
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
  for (const MenuTitle& t : MenuTitles()) {
    QMenu* m = menuBar()->addMenu(t.title);
    menus_[t.title] = m;
    menuOf_[t.menu] = m;
    if (t.whileConnected) connectedMenus_ << m;
  }
  setConnectedMenus(false);
}

void MainWindow::addWindows(const WindowTable& windows) {
  for (const WindowRow& row : windows) {
    placeItem(row);
    windows_.push_back({row.caption, row.enabled, row.visible, row.whileConnected,
                        row.make(*services_), row.modeless});
    bindItem(row.caption);
  }
  refreshItems();
}

// The item goes before the first of its menu with a later place; rows that
// share a caption share the item.
void MainWindow::placeItem(const WindowRow& row) {
  if (items_.contains(row.caption)) return;
  if (row.menu == Menu::About) {
    // The about box first, then the interface language for the next start.
    QMenu* about = menuBar()->addMenu(row.caption);
    menus_[row.caption] = about;
    QAction* a = about->addAction(row.caption);
    about->addMenu(LanguageMenu(ctx_.state.configPath, ctx_.prompt, about));
    items_[row.caption] = a;
    barItems_ << a;
    return;
  }
  QMenu* m = menuOf_.at(row.menu);
  QAction* before = nullptr;
  for (QAction* a : m->actions())
    if (a->data().toInt() > row.order) {
      before = a;
      break;
    }
  auto* item = new QAction(row.caption, m);
  item->setData(row.order);
  m->insertAction(before, item);
  items_[row.caption] = item;
}

void MainWindow::bindItem(const QString& caption) {
  QAction* a = items_.value(caption);
  if (!a || boundItems_.contains(caption)) return;
  boundItems_ << caption;
  connect(a, &QAction::triggered, this, [this, caption] { openItem(caption); });
}

QDialog* MainWindow::windowFor(const QString& caption) const {
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
    if (barItems_.contains(it.value())) continue;  // activation owns them
    bool waits = false, shown = false;
    for (const Entry& e : windows_) {
      if (e.caption != it.key()) continue;
      waits = waits || e.whileConnected;
      shown = shown || !e.visible || e.visible(ctx_.state);
    }
    it.value()->setEnabled(windowFor(it.key()) != nullptr && (!waits || menusEnabled_));
    it.value()->setVisible(shown);
  }
}

void MainWindow::setConnectedMenus(bool enabled) {
  menusEnabled_ = enabled;
  for (QMenu* m : connectedMenus_) m->setEnabled(enabled);
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
