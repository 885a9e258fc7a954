// Позиция десятичной точки ("гривны-копейки"): how many decimals money
// amounts have on the registrar.
#pragma once

#include "app/command_dialog.h"

class QComboBox;

namespace tesmar::service {

class DecimalPointDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  DecimalPointDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                     QWidget* parent = nullptr);

  void read();  // "Прочитать"
  void set();   // "Установить"

  QComboBox* position() const { return position_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QComboBox* position_;
};

}  // namespace tesmar::service
