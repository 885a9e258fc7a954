// "Параметры настройки WiFi": the network's name, authorisation, encryption
// and password as one command line (BAh writes it, BBh reads it back), and
// the router link (BCh).
#pragma once

#include "app/command_dialog.h"

class QComboBox;
class QLabel;

namespace tesmar::service {

class WifiDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  WifiDialog(app::AppContext& ctx, app::StatusBytesDialog& status, QWidget* parent = nullptr);

  void write();       // "Записать"
  void read();        // "Прочитать"
  void routerLink();  // "Связь с роутером"
  QLineEdit* ssid() const { return ssid_; }
  QComboBox* auth() const { return auth_; }
  QComboBox* encryption() const { return encryption_; }
  QLineEdit* networkPassword() const { return networkPassword_; }
  QLineEdit* commandLine() const { return commandLine_; }
  QLabel* routerStatus() const { return router_; }

 private:
  void rebuildCommandLine();
  // No answer, a bad checksum, then the decoder's text under `title`.
  bool judged(const app::Sent& s, const QString& title);

  QLineEdit* ssid_;
  QComboBox* auth_;
  QComboBox* encryption_;
  QLineEdit* networkPassword_;
  QLineEdit* commandLine_;
  QLabel* router_;
};

}  // namespace tesmar::service
