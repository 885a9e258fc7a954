// The main window: the three connection groups, the status bar, the menus.
#pragma once

#include <QMainWindow>
#include <QMap>
#include <map>
#include <memory>
#include <vector>

#include "app/app_context.h"
#include "app/connection_controller.h"
#include "link/exchange_observer.h"
#include "app/indicator.h"
#include "app/window_table.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace tesmar::app {

class StatusBytesDialog;
class VariablesWindow;
class ProgramConfirmDialog;
class OperationResultDialog;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // Every window of `windows` is made here, once, and lives as long as the
  // main window, so its fields keep their values between openings.
  MainWindow(AppContext& ctx, PortSources sources, const WindowTable& windows = AppWindows(),
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // Port scan, USB virtual port search, tsinit.ini: at start and whenever a
  // modal dialog of the program closes.
  void activate();

  // Connection buttons, through the connection controller.
  void serialButton();
  void usbButton();
  void terminalButton();
  void restoreUsb();
  // "Состояние регистратора".
  void checkStatus();

  // More windows, from another subsystem's table.
  void addWindows(const WindowTable& windows);
  // The window behind `caption` that a click would open now (nullptr when
  // none may open), and the first window of type T.
  QDialog* windowFor(const QString& caption) const;
  // Every window made from the tables, whatever their rules say now.
  QList<QDialog*> windows() const;
  template <class T>
  T* find() const {
    for (const Entry& e : windows_)
      if (auto* w = qobject_cast<T*>(e.window)) return w;
    return nullptr;
  }
  // Menu items follow the connection, the windows that exist and their rules.
  void refreshItems();
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
  VariablesWindow& variablesWindow() { return *variables_; }
  WindowServices& services() { return *services_; }
  ExchangeLogModel& exchangeLog() { return *exchangeLog_; }
  // Further observers of the driver's exchanges (the main window's log is one).
  link::ExchangeObservers& exchangeObservers() { return observers_; }

  ConnectionController& connection() { return *connection_; }

  static const QStringList& Speeds() { return ConnectionController::Speeds(); }

 private:
  void buildConnectionGroups();
  void buildMenus();
  void setConnectedMenus(bool enabled);
  void bindConnection();
  void showConnection();
  void showSavedConnection();
  void openDialog(QDialog& dialog);
  void openItem(const QString& caption);
  void bindItem(const QString& caption);
  void placeItem(const WindowRow& row);

  struct Entry {
    QString caption;
    StateRule enabled;
    StateRule visible;
    bool whileConnected = false;
    QDialog* window;
    bool modeless = false;
  };
  AppContext& ctx_;
  ConnectionController* connection_;
  QMap<QString, QAction*> items_;
  QMap<QString, QMenu*> menus_;
  std::map<Menu, QMenu*> menuOf_;
  QList<QMenu*> connectedMenus_;
  QList<QAction*> barItems_;  // items of the bar itself (the about box)
  std::vector<Entry> windows_;
  QList<QString> boundItems_;
  bool menusEnabled_ = false;
  QComboBox *portList_, *speedList_, *terminalPorts_, *terminalSpeeds_;
  QPushButton *serialConnect_, *usbConnect_, *restoreUsb_, *rescan_, *terminalConnect_;
  QPushButton *statusButton_, *closeButton_;
  Indicator *serialLamp_, *usbLamp_, *terminalLamp_;
  QLabel* usbLabel_;
  QGroupBox* terminalGroup_;
  QLabel* statusLabel_;
  StatusBytesDialog* statusDialog_;
  VariablesWindow* variables_;
  ProgramConfirmDialog* programConfirm_;
  OperationResultDialog* operationResult_;
  ExchangeLogModel* exchangeLog_;
  link::ExchangeObservers observers_;
  std::unique_ptr<WindowServices> services_;
};

}  // namespace tesmar::app
