// The registrar's connection without widgets: the port listing, the
// connection keys of tsinit.ini, connecting, identifying and disconnecting
// over the serial and the direct USB link, the USB virtual port's restart
// and the bank terminal's port. The main window shows what it says
// (`view()`, the signals); tests drive it against the emulator directly.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "app/app_context.h"
#include "link/exchange_observer.h"
#include "link/outcome.h"
#include "link/port_control.h"
#include "link/usb_port.h"

namespace tesmar::app {

// Where the port lists come from.
struct PortSources {
  link::TPortControl& ports;
  link::UsbPortFinder& usbPorts;
  QStringList extraPorts;  // listed first (the demo's emulator)
  // The program's own registrar (the demo's): selected at every activation
  // when listed, and never written into tsinit.ini, so that a demo run
  // leaves the saved real port as it was.
  QString preferredPort;
  QString preferredTerminalPort;  // the bank terminal's, likewise (the demo's)
};

// One registrar link as the window shows it.
enum class LinkState {
  kClosed,      // no link
  kConnecting,  // the link is open, the identification runs
  kConnected,   // identified, the last exchange answered
  kSilent,      // identified, but the last exchange got no answer
  kRefused,     // the registrar answered the identification with an error: the
                // link stays open so that commands can still be sent
  kRestarted,   // the USB virtual port was restarted under an open connection
};

enum class Lamp { kRed, kYellow, kGreen };

struct LinkView {
  Lamp lamp = Lamp::kRed;
  bool up = false;  // the button says "Отключить"
  bool enabled = true;
};

// Everything the connection decides about the main window.
struct ConnectionView {
  LinkView serial, usb, terminal;
  bool portListsEnabled = true;  // port and speed of the serial link
  bool terminalListsEnabled = true;
  bool menusOpen = false;  // the registrar's menus and "Состояние регистратора"
  bool restoreVisible = false;
  bool restoreEnabled = true;
};

// What tsinit.ini says about the connection at an activation.
struct SavedConnection {
  QString port;
  QString speed;
  bool terminalShown = false;
};

class ConnectionController : public QObject, public link::ExchangeObserver {
  Q_OBJECT
 public:
  ConnectionController(AppContext& ctx, PortSources sources, QObject* parent = nullptr);

  static const QStringList& Speeds();

  // The activation's part: lists the ports (portListCleared, portListed),
  // looks for the USB virtual port, reads tsinit.ini (creating it when it
  // is missing). The lists are left alone while a serial link is open.
  void activate();
  const SavedConnection& saved() const { return saved_; }
  // Which entry of `ports` an activation selects: the program's own port,
  // else the saved one (compared without case), else the first.
  int portIndex(const QStringList& ports) const;
  // Which entry of Speeds(): the saved speed, else "9600".
  int speedIndex() const;

  // "Подключить"/"Отключить" of the serial link with the chosen port and speed.
  void serialButton(const QString& port, const QString& speed);
  void usbButton();
  void terminalButton(const QString& port, const QString& speed);
  void restoreUsb();
  void disconnectSerial();

  LinkState serial() const { return serial_; }
  LinkState usb() const { return usb_; }
  bool terminalUp() const { return terminalUp_; }
  bool usbLibraryAvailable() const { return usbLibrary_; }
  const PortSources& sources() const { return sources_; }
  ConnectionView view() const;
  QString statusText() const { return status_; }

  // Each finished exchange: an identified link turns silent when one gets
  // no answer and answered again when one does. Safe from any thread.
  void ExchangeFinished(const link::ExchangeReport& report) override;

 signals:
  void changed();                      // view() changed
  void statusChanged(const QString&);  // the status bar's text
  void portListCleared();
  void portListed(const QString& name);
  void identified();  // the model rules changed (menu items, status captions)

 private:
  void setStatus(const QString& text);
  void setSerial(LinkState s);
  void setUsb(LinkState s);
  void listPorts();
  void findUsbVirtualPort();
  void readConfiguration();
  void readConnectSettings();
  void connectSerial(const QString& port, const QString& speed);
  void connectUsb();
  void disconnectUsb();
  void identify(const link::ReplyRecord& r, bool serial, const QString& port, const QString& speed);
  void savePort(const QString& port, const QString& speed);
  void exchangeJudged(link::OutcomeKind kind, int code);

  AppContext& ctx_;
  PortSources sources_;
  SavedConnection saved_;
  LinkState serial_ = LinkState::kClosed;
  LinkState usb_ = LinkState::kClosed;
  bool usbLibrary_ = false;
  Lamp usbClosedLamp_ = Lamp::kRed;  // yellow: the library is there
  bool terminalUp_ = false;
  bool scanning_ = false;
  bool restoreOffered_ = false;
  bool restoring_ = false;
  QString status_;
  QString modelLine_;  // the status line of the identification
};

}  // namespace tesmar::app
