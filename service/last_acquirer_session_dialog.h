// "Последний успешный сеанс связи с эквайером": the date and time of the
// modem's last successful session with the acquirer (FCh).
#pragma once

#include "app/command_dialog.h"

namespace tesmar::service {

class LastAcquirerSessionDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  LastAcquirerSessionDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                            QWidget* parent = nullptr);

  void run();  // "Выполнить"
  QLineEdit* date() const { return date_; }
  QLineEdit* time() const { return time_; }

 private:
  QLineEdit* date_;
  QLineEdit* time_;
};

}  // namespace tesmar::service
