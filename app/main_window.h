// The main window: the three connection groups, the status bar, the menus.
#pragma once

#include <QMainWindow>
#include <QMap>

#include "app_context.h"
#include "indicator.h"
#include "port_control.h"
#include "usb_port.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace tesmar::app {

class CommandTestDialog;
class ResourcesStatusDialog;
class StatusBytesDialog;
class VariablesWindow;
class ProgramConfirmDialog;
class OperationResultDialog;

// Where the port lists come from.
struct PortSources {
  link::TPortControl& ports;
  link::UsbPortFinder& usbPorts;
  QStringList extraPorts;  // listed first (the demo's emulator)
  QString preferredPort;   // selected at every activation when listed
};

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(AppContext& ctx, PortSources sources, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Port scan, USB virtual port search, tsinit.ini: at start and whenever a
  // modal dialog of the program closes.
  void activate();

  // Connection buttons.
  void serialButton();
  void usbButton();
  void terminalButton();
  void restoreUsb();
  // "Состояние регистратора".
  void checkStatus();

  // A window built outside this library opens from its menu item.
  void registerDialog(const QString& caption, QDialog* dialog);
  // The port box's text, and selecting a rate in the speed list (if listed).
  QString currentPort() const;
  void selectSpeed(int baud);

  QAction* menuItem(const QString& caption) const { return items_.value(caption); }
  QMenu* menu(const QString& caption) const { return menus_.value(caption); }
  QString statusText() const;
  void setStatus(const QString& text);

  QComboBox* portList() const { return portList_; }
  QComboBox* speedList() const { return speedList_; }
  QPushButton* serialConnect() const { return serialConnect_; }
  QPushButton* usbConnect() const { return usbConnect_; }
  QPushButton* restoreUsbButton() const { return restoreUsb_; }
  QPushButton* statusButton() const { return statusButton_; }
  QPushButton* closeButton() const { return closeButton_; }
  Indicator* serialLamp() const { return serialLamp_; }
  Indicator* usbLamp() const { return usbLamp_; }
  QLabel* usbLabel() const { return usbLabel_; }
  QGroupBox* terminalGroup() const { return terminalGroup_; }
  QComboBox* terminalPorts() const { return terminalPorts_; }
  QComboBox* terminalSpeeds() const { return terminalSpeeds_; }
  QPushButton* terminalConnect() const { return terminalConnect_; }
  Indicator* terminalLamp() const { return terminalLamp_; }
  StatusBytesDialog& statusDialog() { return *statusDialog_; }
  CommandTestDialog& commandTest() { return *commandTest_; }
  ResourcesStatusDialog& resources() { return *resources_; }
  VariablesWindow& variablesWindow() { return *variables_; }

  static const QStringList& Speeds();

 private:
  void buildConnectionGroups();
  void buildMenus();
  void setConnectedMenus(bool enabled);
  void scanPorts();
  void findUsbVirtualPort();
  void readConfiguration();
  void readConnectSettings();
  void connectSerial();
  void disconnectSerial();
  void connectUsbDevice();
  void disconnectUsbDevice();
  void identify(const link::ReplyRecord& r, bool serial);
  void setSerialUp(bool up);
  void openDialog(QDialog& dialog);

  AppContext& ctx_;
  PortSources sources_;
  QMap<QString, QAction*> items_;
  QMap<QString, QMenu*> menus_;
  QList<QAction*> dialogItems_;  // items whose window exists
  QComboBox *portList_, *speedList_, *terminalPorts_, *terminalSpeeds_;
  QPushButton *serialConnect_, *usbConnect_, *restoreUsb_, *rescan_, *terminalConnect_;
  QPushButton *statusButton_, *closeButton_;
  Indicator *serialLamp_, *usbLamp_, *terminalLamp_;
  QLabel* usbLabel_;
  QGroupBox* terminalGroup_;
  QLabel* statusLabel_;
  StatusBytesDialog* statusDialog_;
  CommandTestDialog* commandTest_;
  ResourcesStatusDialog* resources_;
  VariablesWindow* variables_;
  ProgramConfirmDialog* programConfirm_;
  OperationResultDialog* operationResult_;
};

}  // namespace tesmar::app
