// What most windows of the program share: a "Пароль:" field that starts as
// "731942", a read-only "Код ошибки:" field, a "Состояние регистратора"
// button that opens the status dialog, and the command path wired to them.
#pragma once

#include <QDialog>
#include <initializer_list>
#include <limits>
#include <string>

#include "app/command_path.h"

class QFormLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace tesmar::app {

class StatusBytesDialog;

class CommandDialog : public QDialog {
  Q_OBJECT
 public:
  CommandDialog(AppContext& ctx, StatusBytesDialog& status, const QString& title,
                QWidget* parent = nullptr);
  // Deletes the shared fields a window left out of its layout.
  ~CommandDialog() override;

  QLineEdit* password() const { return password_; }
  QLineEdit* errorCode() const { return error_; }
  QPushButton* statusButton() const { return statusButton_; }

 protected:
  // The password field in Windows-1251; false (said to the user) when it
  // cannot be sent.
  bool typedPassword(std::string& out);
  // A whole number from `min` to `max` typed into `field` (captioned
  // `caption`); false, with a message, when it is empty, not a number or
  // out of that range.
  bool typedNumber(const QString& caption, QLineEdit* field, long long& out, long long min = 0,
                   long long max = std::numeric_limits<long long>::max());
  bool typedNumber(const QString& caption, QLineEdit* field, int& out, int min = 0,
                   int max = std::numeric_limits<int>::max());

  void clearError();
  void setConnected() { ctx_.state.connected = true; }

  // The password and error rows, for the window's own form.
  void addPasswordRows(QFormLayout* form);

  AppContext& ctx_;
  StatusBytesDialog& statusDialog_;
  CommandPath path_;
  QLineEdit* password_;
  QLineEdit* error_;
  QPushButton* statusButton_;
};

// A row of buttons: `left` from the left edge, `right` at the right edge.
QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> left, QWidget* right);

// The refusal of a number field that does not hold a whole number in range.
QString NotANumberMessage(const QString& caption, long long min, long long max);

}  // namespace tesmar::app
