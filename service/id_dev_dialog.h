// "Установить и прочитать ID_DEV": sets the modem's device number (4Bh) and
// reads it from the fiscal memory (4Ch) or from the card (4Dh).
#pragma once

#include "app/command_dialog.h"

class QLabel;
class QRadioButton;

namespace tesmar::service {

inline constexpr const char* kIdDevLabel = Tesmar::mark("Значение ID_DEV (Hex): ");

class IdDevDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  IdDevDialog(app::AppContext& ctx, app::StatusBytesDialog& status, QWidget* parent = nullptr);

  void setIdDev();   // "Установить ID_DEV"
  void readIdDev();  // "Прочитать ID_DEV"
  QLineEdit* idDev() const { return idDev_; }
  QLabel* hexLabel() const { return hex_; }
  QRadioButton* fromFiscalMemory() const { return fromMemory_; }
  QRadioButton* fromCard() const { return fromCard_; }

 private:
  QLineEdit* idDev_;
  QLabel* hex_;
  QRadioButton* fromMemory_;
  QRadioButton* fromCard_;
};

}  // namespace tesmar::service
