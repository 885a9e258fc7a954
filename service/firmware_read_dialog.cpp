#include "service/firmware_read_dialog.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "service/core/firmware_read.h"
#include "service/transfer_window_host.h"

namespace tesmar::service {

FirmwareReadDialog::FirmwareReadDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                       QWidget* parent)
    : TransferDialog(ctx, status, Tesmar::mark("Чтение ПО"), parent) {
  progress_ = new QProgressBar;
  progress_->setRange(0, 1);
  progress_->setValue(0);
  read_ = new QPushButton(Tesmar::mark("Чтение внутреннего ПО"));
  auto* stopButton = new QPushButton(Tesmar::mark("Стоп"));
  exit_ = new QPushButton(Tesmar::mark("Выход"));
  for (QPushButton* b : {read_, stopButton, exit_}) b->setAutoDefault(false);
  connect(read_, &QPushButton::clicked, this, &FirmwareReadDialog::readFirmware);
  connect(stopButton, &QPushButton::clicked, this, &FirmwareReadDialog::stop);
  connect(exit_, &QPushButton::clicked, this, &QDialog::accept);
  auto* form = new QFormLayout;
  addPasswordRows(form);
  form->addRow(progress_);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(app::ButtonRow({read_, stopButton}, exit_));
}

void FirmwareReadDialog::readFirmware() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  QString file = ctx_.prompt.saveFileName("", Tesmar::mark("HEX файлы (*.HEX *.hex);;Все файлы (*)"));
  if (file.isEmpty()) return;
  if (QFileInfo(file).suffix().isEmpty()) file += ".HEX";
  WindowTransferHost host(path_, stop_);
  host.onProgress = [this](int64_t bytes) {
    progress_->setValue(static_cast<int>(std::min<int64_t>(bytes, progress_->maximum())));
  };
  int64_t total = 0;
  read_->setEnabled(false);
  exit_->setEnabled(false);
  setTransferring(true);
  // The total arrives with the first reply; the bar is sized before the
  // first packet is counted.
  host.onReply = [&](const link::ReplyRecord&) {
    if (total > 0 && progress_->maximum() != total)
      progress_->setRange(0, static_cast<int>(std::min<int64_t>(total, INT32_MAX)));
  };
  const TransferOutcome out = ReadFirmwareToFile(host, pwd, file.toStdString(), &total);
  setTransferring(false);
  read_->setEnabled(true);
  exit_->setEnabled(true);
  const QString text = QString::fromStdString(out.message);
  if (!text.isEmpty()) out.ok ? ctx_.prompt.showSuccess(text) : ctx_.prompt.showMessage(text);
}

}  // namespace tesmar::service
