// "Чтение ПО": saves the registrar's internal software to a file.
#pragma once

#include "service/transfer_window_host.h"

class QProgressBar;

namespace tesmar::service {

class FirmwareReadDialog : public TransferDialog {
  Q_OBJECT
 public:
  FirmwareReadDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                     QWidget* parent = nullptr);

  void readFirmware();  // "Чтение внутреннего ПО"

  QProgressBar* progress() const { return progress_; }

 private:
  QProgressBar* progress_;
  QPushButton* read_;
  QPushButton* exit_;
};

}  // namespace tesmar::service
