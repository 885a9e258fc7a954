// "Параметры оплаты": reads the registrar's payment forms and adds one.
#pragma once

#include "app/command_dialog.h"

class QCheckBox;
class QTableWidget;

namespace tesmar::service {

class PaymentTypesDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  PaymentTypesDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                     QWidget* parent = nullptr);

  void add();   // "Добавить"
  void read();  // "Прочитать"

  QTableWidget* grid() const { return grid_; }
  QLineEdit* name() const { return name_; }
  QLineEdit* number() const { return number_; }
  QCheckBox* sale() const { return sale_; }
  QCheckBox* refund() const { return refund_; }
  QCheckBox* change() const { return change_; }
  QCheckBox* terminal() const { return terminal_; }
  QPushButton* addButton() const { return add_; }
  QPushButton* readButton() const { return read_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  bool terminalModel() const;
  void rebuild();
  void updateAdd();
  bool readForm(int i);

  QTableWidget* grid_;
  QLineEdit *name_, *number_;
  QCheckBox *sale_, *refund_, *change_, *terminal_;
  QPushButton *add_, *read_;
  bool readOnce_ = false;
};

}  // namespace tesmar::service
