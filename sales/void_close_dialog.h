// "Аннулирование и закрытие чека": reads which receipt the registrar has
// open (status byte 2 of 80h) and voids it (6Bh) or closes it (65h), always
// with the default password.
#pragma once

#include <QString>
#include <cstdint>

#include "app/command_dialog.h"

class QLabel;

namespace tesmar::sales {

// What status byte 2 says of the open receipt, and which buttons serve it.
struct OpenReceiptView {
  QString text;
  bool closeEnabled = false;
  bool voidEnabled = false;
  bool operator==(const OpenReceiptView&) const = default;
};
OpenReceiptView ViewOfReceiptState(uint8_t statusByte2);

class VoidCloseDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  VoidCloseDialog(app::AppContext& ctx, app::StatusBytesDialog& status, QWidget* parent = nullptr);

  // What activation does: 80h, the model line and the open receipt.
  void readReceiptState();
  void voidReceipt();     // "Аннулировать чек"
  void closeReceipt();    // "Закрыть чек"
  void registrarState();  // "Состояние регистратора"

  QLabel* statusLine() const { return statusLine_; }
  QPushButton* closeButton() const { return close_; }
  QPushButton* voidButton() const { return void_; }
  QPushButton* stateButton() const { return state_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  const link::ReplyRecord* identify();
  void showClosed();

  QLabel* statusLine_;
  QPushButton *close_, *void_, *state_;
};

}  // namespace tesmar::sales
