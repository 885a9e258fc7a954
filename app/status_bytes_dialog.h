// "Байты состояния регистратора": every bit of the six status bytes of the
// last reply, and a refresh through command 80h.
#pragma once

#include <QDialog>
#include <array>

#include "app/app_context.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

namespace tesmar::app {

class StatusBytesDialog : public QDialog {
  Q_OBJECT
 public:
  explicit StatusBytesDialog(AppContext& ctx, QWidget* parent = nullptr);

  // Byte 5, bits 0x01 and 0x02: the modem models' captions, or "Резерв".
  void setModemCaptions(bool modem);
  // Fills the boxes from the last reply (also done on every show).
  void fill();
  // "Обновить".
  void refresh();

  QCheckBox* box(int byte, int bit) const { return boxes_[byte][bit]; }
  QComboBox* receiptState() const { return receiptState_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  AppContext& ctx_;
  std::array<std::array<QCheckBox*, 8>, 6> boxes_{};
  std::array<QGroupBox*, 6> groups_{};
  QComboBox* receiptState_;
};

}  // namespace tesmar::app
