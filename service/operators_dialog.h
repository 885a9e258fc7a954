// "Параметры операторов": sets, reads and deletes cashier operators.
#pragma once

#include "app/command_dialog.h"

class QCheckBox;

namespace tesmar::service {

class OperatorsDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  OperatorsDialog(app::AppContext& ctx, app::StatusBytesDialog& status, QWidget* parent = nullptr);

  void setOperator();     // "Установить"
  void readOperator();    // "Прочитать"
  void deleteOperator();  // "Удалить оператора"

  QLineEdit* number() const { return number_; }
  QLineEdit* name() const { return name_; }
  QLineEdit* operatorPassword() const { return operatorPassword_; }
  QLineEdit* readName() const { return readName_; }
  QCheckBox* hasSold() const { return hasSold_; }

 private:
  // The password and the operator number, or false (said) when either
  // cannot be sent.
  bool typedCommon(std::string& pwd, int& number);
  void report(const app::Sent& sent, int number);

  QLineEdit *number_, *name_, *operatorPassword_, *readName_;
  QCheckBox* hasSold_;
};

}  // namespace tesmar::service
