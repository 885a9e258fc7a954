// "Пароли": sets the passwords of the registrar's modes.
#pragma once

#include "app/command_dialog.h"

namespace tesmar::service {

class PasswordsDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  PasswordsDialog(app::AppContext& ctx, app::StatusBytesDialog& status, QWidget* parent = nullptr);

  void execute();  // "Выполнить"

  QLineEdit* adminPassword() const { return password_; }
  QLineEdit* programming() const { return programming_; }
  QLineEdit* reports() const { return reports_; }
  QLineEdit* newAdmin() const { return newAdmin_; }

 private:
  QLineEdit *programming_, *reports_, *newAdmin_;
};

}  // namespace tesmar::service
