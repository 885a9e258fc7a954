// A transfer host without windows: commands go straight to the driver; what
// the driver refused to send is kept in `refusal` (the caller says it).
#pragma once

#include <string>

#include "service/core/transfer.h"

namespace tesmar::service {

class DriverTransferHost : public TransferHost {
 public:
  explicit DriverTransferHost(link::Driver& driver) : driver_(driver) {}

  const link::ReplyRecord* Send(const Command& c) override {
    const link::ReplyRecord& r = c(driver_);
    if (!driver_.Message().empty()) {
      refusal = driver_.Message();
      return nullptr;
    }
    return &r;
  }
  const link::ReplyRecord* SendChecked(const CheckedCommand& c) override {
    int result = 0;
    const link::ReplyRecord& r = c(driver_, result);
    if (result != 0) {
      refusal = "the command was refused before sending (" + std::to_string(result) + ")";
      return nullptr;
    }
    if (!driver_.Message().empty()) {
      refusal = driver_.Message();
      return nullptr;
    }
    return &r;
  }
  int ErrorCount() const override { return driver_.GetErrorCount(); }

  std::string refusal;

 protected:
  link::Driver& driver_;
};

}  // namespace tesmar::service
