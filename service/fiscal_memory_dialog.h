// "Чтение/запись/обнуление фискальной памяти": reads a byte range of the
// registrar's flash memory into a file, writes a file back, clears it.
#pragma once

#include "service/transfer_window_host.h"

class QProgressBar;

namespace tesmar::service {

class FiscalMemoryDialog : public TransferDialog {
  Q_OBJECT
 public:
  FiscalMemoryDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                     QWidget* parent = nullptr);

  void clearFlash();  // "Обнулить флеш-память"
  void readFlash();   // "Читать флеш-память"
  void writeFlash();  // "Записать флеш-память"

  QLineEdit* statusBytes() const { return status_; }
  QLineEdit* start() const { return start_; }
  QLineEdit* count() const { return count_; }
  QLineEdit* currentAddress() const { return current_; }
  QLineEdit* retries() const { return retries_; }
  QLineEdit* retriesSoFar() const { return retriesSoFar_; }
  QProgressBar* gauge() const { return gauge_; }
  QPushButton* readButton() const { return read_; }
  QPushButton* writeButton() const { return write_; }

 protected:
  void showEvent(QShowEvent* e) override;
  // Escape is "Остановить" here, also when idle.
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void rangeEdited(QLineEdit* changed);
  bool typedRange(uint64_t& start, uint64_t& count);
  bool takeNamedRange(const QString& file);
  void wireHost(WindowTransferHost& host);
  void setBusy(bool busy);
  void say(const TransferOutcome& out);

  QLineEdit* status_;
  QLineEdit* start_;
  QLineEdit* count_;
  QLineEdit* current_;
  QLineEdit* retries_;
  QLineEdit* retriesSoFar_;
  QProgressBar* gauge_;
  QPushButton* clear_;
  QPushButton* read_;
  QPushButton* write_;
  QPushButton* stopButton_;
  QPushButton* close_;
  bool readWas_ = false, writeWas_ = false;
};

}  // namespace tesmar::service
