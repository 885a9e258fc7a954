// Where the driver's exchanges run.
//
// The driver hands each transaction (ExecuteCommand, ExchangeFrame,
// DisableRemoteAccess) to its runner as one piece of work and returns when
// the runner has run it; the reports of its observer go through the runner
// as well. Without a runner everything runs at once on the caller's thread.
// A program with windows runs the work on a worker thread while its window
// thread goes on serving events, and lets the user stop waiting
// (Driver::RequestAbort). Only one piece of work runs at a time: the driver
// is used by one thread at any moment.
#pragma once

#include "link/exchange_observer.h"

namespace tesmar::link {

// A reference to a callable without arguments, valid during the call that
// receives it (nothing is allocated).
class ExchangeWork {
 public:
  template <class F>
  explicit ExchangeWork(F& f) : object_(&f), call_([](void* o) { (*static_cast<F*>(o))(); }) {}
  void operator()() const { call_(object_); }

 private:
  void* object_;
  void (*call_)(void*);
};

class ExchangeRunner {
 public:
  virtual ~ExchangeRunner() = default;
  // Runs `work`, one exchange of command `code`, and returns when it ended.
  virtual void Run(int code, ExchangeWork work) = 0;
  // Hands a finished exchange to the driver's observer, on the thread the
  // observer belongs to. Called from inside `work`.
  virtual void Deliver(ExchangeObserver& observer, const ExchangeReport& report) {
    observer.ExchangeFinished(report);
  }
};

}  // namespace tesmar::link
