// "Фискализация": binds the registrar to its factory number and a tax
// inspector password, then prints a confirmation receipt.
#pragma once

#include <functional>

#include "app/command_dialog.h"
#include "service/config_rules.h"

namespace tesmar::service {

class FiscalizationDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  FiscalizationDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                      QWidget* parent = nullptr);

  void fiscalize();   // "Фискализация"
  void cancelWait();  // "Прервать ожидание"

  QLineEdit* factoryNumber() const { return number_; }
  QLineEdit* inspectorPassword() const { return inspector_; }
  QLineEdit* repeatPassword() const { return repeat_; }
  QPushButton* cancelButton() const { return cancel_; }
  // The bound of the readiness wait (tests shorten it).
  ReadinessBound& bound() { return bound_; }

 private:
  bool waitUntilReady();
  bool step(const QString& title, const std::function<const link::ReplyRecord&(link::Driver&)>& f);
  void printReceipt();

  QLineEdit *number_, *inspector_, *repeat_;
  QPushButton *run_, *cancel_;
  ReadinessBound bound_;
  bool cancelled_ = false;
};

}  // namespace tesmar::service
