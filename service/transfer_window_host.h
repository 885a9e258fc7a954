// The transfer cores' host in a window: commands go through the window's
// command path, the reply fills its fields, the stop button is let through
// between chunks.
#pragma once

#include <functional>

#include "command_path.h"
#include "transfer.h"

namespace tesmar::service {

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
