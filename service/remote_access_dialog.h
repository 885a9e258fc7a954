// "Параметры удаленного доступа": reads the modem's network settings (D1h)
// and sets the remote access server and port (D0h).
#pragma once

#include "app/command_dialog.h"
#include "service/network_fields.h"

namespace tesmar::service {

class RemoteAccessDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  RemoteAccessDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                     QWidget* parent = nullptr);

  void readSettings();  // "Прочитать настройки сети"
  void setSettings();   // "Установить настройки сети"
  NetworkFields& fields() { return fields_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  NetworkFields fields_;
};

}  // namespace tesmar::service
