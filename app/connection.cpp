// The main window's side of the connection: its buttons and lists hand the
// user's choices to the connection controller, and its lamps, captions,
// lists and menus show what the controller says.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "app/main_window.h"
#include "app/status_bytes_dialog.h"
#include "link/usb_link.h"

namespace tesmar::app {

namespace {

Indicator::Color ColorOf(Lamp lamp) {
  switch (lamp) {
    case Lamp::kGreen:
      return Indicator::Color::Green;
    case Lamp::kYellow:
      return Indicator::Color::Yellow;
    case Lamp::kRed:
      break;
  }
  return Indicator::Color::Red;
}

void ShowLink(const LinkView& v, Indicator* lamp, QPushButton* button) {
  lamp->setColor(ColorOf(v.lamp));
  button->setText(v.up ? Tesmar::mark("Отключить") : Tesmar::mark("Подключить"));
  button->setEnabled(v.enabled);
}

}  // namespace

void MainWindow::bindConnection() {
  ConnectionController* c = connection_;
  connect(c, &ConnectionController::changed, this, &MainWindow::showConnection);
  connect(c, &ConnectionController::statusChanged, this, &MainWindow::setStatus);
  connect(c, &ConnectionController::portListCleared, this, [this] {
    portList_->clear();
    terminalPorts_->clear();
  });
  connect(c, &ConnectionController::portListed, this, [this](const QString& name) {
    portList_->addItem(name);
    terminalPorts_->addItem(name);
    portList_->setEditText(name);
  });
  connect(c, &ConnectionController::identified, this, [this] {
    statusDialog_->setModemCaptions(ctx_.state.profile.modem);
    refreshItems();  // the rules of the menu items (WiFi, FKP, modem)
  });
  // The USB library: present (yellow), or missing (red, and said so).
  if (!c->usbLibraryAvailable())
    usbLabel_->setText(Tesmar::mark("Библиотека USB ") + QString::fromStdString(link::UsbLibrary::FileName()) +
                       Tesmar::mark(" не установлена!"));
  showConnection();
}

void MainWindow::showConnection() {
  const ConnectionView v = connection_->view();
  ShowLink(v.serial, serialLamp_, serialConnect_);
  ShowLink(v.usb, usbLamp_, usbConnect_);
  ShowLink(v.terminal, terminalLamp_, terminalConnect_);
  portList_->setEnabled(v.portListsEnabled);
  speedList_->setEnabled(v.portListsEnabled);
  terminalPorts_->setEnabled(v.terminalListsEnabled);
  terminalSpeeds_->setEnabled(v.terminalListsEnabled);
  restoreUsb_->setVisible(v.restoreVisible);
  restoreUsb_->setEnabled(v.restoreEnabled);
  statusButton_->setEnabled(v.menusOpen);
  if (v.menusOpen != menusEnabled_) setConnectedMenus(v.menusOpen);
}

// Runs each time the main window becomes the program's active window again.
void MainWindow::activate() {
  closeButton_->setEnabled(false);
  for (QAction* a : barItems_) a->setEnabled(false);
  QLocale::setDefault(QLocale::c());  // "." as the decimal separator
  connection_->activate();
  terminalPorts_->setCurrentIndex(0);
  const QString terminal = connection_->sources().preferredTerminalPort;
  if (!terminal.isEmpty()) terminalPorts_->setCurrentText(terminal);
  showSavedConnection();
  closeButton_->setEnabled(true);
  terminalSpeeds_->setCurrentText("115200");
  for (QAction* a : barItems_) a->setEnabled(true);
}

void MainWindow::showSavedConnection() {
  terminalGroup_->setVisible(connection_->saved().terminalShown);
  if (ctx_.driver.SerialActive()) return;  // the lists keep the connected port
  QStringList ports;
  for (int i = 0; i < portList_->count(); ++i) ports << portList_->itemText(i);
  portList_->setCurrentIndex(connection_->portIndex(ports));
  if (portList_->count() > 0)
    portList_->setEditText(portList_->itemText(portList_->currentIndex()));
  speedList_->setCurrentIndex(connection_->speedIndex());
}

void MainWindow::serialButton() {
  connection_->serialButton(portList_->currentText(), speedList_->currentText());
}

void MainWindow::usbButton() {
  connection_->usbButton();
}

void MainWindow::terminalButton() {
  connection_->terminalButton(terminalPorts_->currentText(), terminalSpeeds_->currentText());
}

void MainWindow::restoreUsb() {
  connection_->restoreUsb();
}

}  // namespace tesmar::app
