// Who wants to see every exchange the driver finishes: an exchange log, a
// "last reply" that follows the whole program, a counter kept on disk.
//
// The driver calls its one observer at the end of each transaction
// (ExecuteCommand with its resends, and the fire-and-forget 88h of
// DisableRemoteAccess). Without an observer the driver takes no time stamps
// and allocates nothing for it. The report and the texts it points to are
// valid only during the call.
#pragma once

#include <chrono>
#include <cstdint>
#include <string_view>
#include <vector>

#include "link/reply_record.h"

namespace tesmar::link {

struct ExchangeReport {
  int code = 0;
  std::string_view parameters;  // as the caller gave them (Windows-1251)
  std::string_view request;     // the frame as last written
  std::string_view reply;       // the bytes of the last reply received, SYN left out;
                                // empty when nothing came
  uint8_t seq = 0;              // SEQ byte of the request
  int resends = 0;
  uint32_t synCount = 0;     // SYN bytes over the whole transaction
  int staleReplies = 0;      // late replies to earlier requests, dropped
  uint32_t flags = 0;        // the record's flags word
  bool replyAwaited = true;  // false for DisableRemoteAccess, whose answer is thrown away
  std::chrono::system_clock::time_point started;
  std::chrono::steady_clock::duration duration{};
  const ReplyRecord* record = nullptr;  // the driver's record after the transaction
};

class ExchangeObserver {
 public:
  virtual ~ExchangeObserver() = default;
  virtual void ExchangeFinished(const ExchangeReport& report) = 0;
};

// Hands each report to several observers, in the order they were added.
class ExchangeObservers : public ExchangeObserver {
 public:
  void Add(ExchangeObserver* observer) { list_.push_back(observer); }
  void Remove(ExchangeObserver* observer) { std::erase(list_, observer); }
  bool Empty() const { return list_.empty(); }
  void ExchangeFinished(const ExchangeReport& report) override {
    for (ExchangeObserver* o : list_) o->ExchangeFinished(report);
  }

 private:
  std::vector<ExchangeObserver*> list_;
};

}  // namespace tesmar::link
