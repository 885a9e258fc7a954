// The transfer cores' host in a window: commands go through the window's
// command path, the reply fills its fields, the stop button is let through
// between chunks. And what the transfer windows share.
#pragma once

#include <functional>

#include "app/command_dialog.h"
#include "app/command_path.h"
#include "service/core/transfer.h"

namespace tesmar::service {

// A window that runs a transfer: while one runs, Escape and the title bar's
// close ask it to stop (the window stays until it has stopped, so the user
// sees how it ended); idle, the window closes as any other.
class TransferDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  using CommandDialog::CommandDialog;

  void stop() { stop_ = true; }
  bool transferring() const { return transferring_; }
  void reject() override;

 protected:
  // Called around a transfer; the start clears the stop flag.
  void setTransferring(bool on);

  bool stop_ = false;

 private:
  bool transferring_ = false;
};

class WindowTransferHost : public TransferHost {
 public:
  WindowTransferHost(app::CommandPath& path, const bool& stop) : path_(path), stop_(stop) {}

  const link::ReplyRecord* Send(const Command& c) override;
  const link::ReplyRecord* SendChecked(const CheckedCommand& c) override;
  int ErrorCount() const override;
  void ShowReply(const link::ReplyRecord& r) override {
    if (onReply) onReply(r);
  }
  void ShowRetries(int n) override {
    if (onRetries) onRetries(n);
  }
  void ShowAddress(uint64_t a) override {
    if (onAddress) onAddress(a);
  }
  void ShowProgress(int64_t p) override {
    if (onProgress) onProgress(p);
  }
  bool StopRequested() override;

  std::function<void(const link::ReplyRecord&)> onReply;
  std::function<void(int)> onRetries;
  std::function<void(uint64_t)> onAddress;
  std::function<void(int64_t)> onProgress;

 private:
  app::CommandPath& path_;
  const bool& stop_;
};

// The six status bytes from S5 down to S0, two hexadecimal digits each.
QString StatusBytesText(const link::ReplyRecord& r);

}  // namespace tesmar::service
