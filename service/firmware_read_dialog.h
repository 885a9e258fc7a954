// "Чтение ПО": saves the registrar's internal software to a file.
#pragma once

#include "command_dialog.h"

class QProgressBar;

namespace tesmar::service {

class FirmwareReadDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  FirmwareReadDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                     QWidget* parent = nullptr);

  void readFirmware();           // "Чтение внутреннего ПО"
  void stop() { stop_ = true; }  // "Стоп"

  QProgressBar* progress() const { return progress_; }

 private:
  QProgressBar* progress_;
  QPushButton* read_;
  QPushButton* exit_;
  bool stop_ = false;
};

}  // namespace tesmar::service
