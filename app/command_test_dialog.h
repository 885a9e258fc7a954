// "Тест команд": any command code with a typed parameter line.
#pragma once

#include <QDialog>

#include "app/app_context.h"

class QLineEdit;
class QPushButton;

namespace tesmar::app {

class StatusBytesDialog;

class CommandTestDialog : public QDialog {
  Q_OBJECT
 public:
  CommandTestDialog(AppContext& ctx, StatusBytesDialog& status, QWidget* parent = nullptr);

  void execute();  // "Выполнить"

  QLineEdit* code() const { return code_; }
  QLineEdit* line() const { return line_; }
  QLineEdit* password() const { return password_; }
  QLineEdit* result() const { return result_; }
  QLineEdit* errorCode() const { return error_; }
  QLineEdit* statusBytes() const { return status_; }
  QPushButton* statusButton() const { return question_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  AppContext& ctx_;
  StatusBytesDialog& statusDialog_;
  QLineEdit *code_, *line_, *password_, *result_, *error_, *status_;
  QPushButton* question_;
};

// The first two characters of `text` as a command code; -1 when either is
// not a hexadecimal digit (or missing).
int ParseConsoleCode(const QString& text);

}  // namespace tesmar::app
