#include "service/transfer_window_host.h"

#include <QCoreApplication>

namespace tesmar::service {

// QDialog's Escape and its close event both come here.
void TransferDialog::reject() {
  if (transferring_) {
    stop();
    return;
  }
  CommandDialog::reject();
}

void TransferDialog::setTransferring(bool on) {
  transferring_ = on;
  if (on) stop_ = false;
}

const link::ReplyRecord* WindowTransferHost::Send(const Command& c) {
  return path_.send([&](link::Driver & d) -> auto& { return c(d); }).reply;
}

const link::ReplyRecord* WindowTransferHost::SendChecked(const CheckedCommand& c) {
  return path_.send([&](link::Driver & d, int& result) -> auto& { return c(d, result); }).reply;
}

int WindowTransferHost::ErrorCount() const {
  return path_.context().driver.GetErrorCount();
}

bool WindowTransferHost::StopRequested() {
  QCoreApplication::processEvents();
  return stop_;
}

QString StatusBytesText(const link::ReplyRecord& r) {
  QStringList bytes;
  for (int i = 5; i >= 0; --i) bytes << QString("%1").arg(r.status[i], 2, 16, QChar('0')).toUpper();
  return bytes.join(' ');
}

}  // namespace tesmar::service
