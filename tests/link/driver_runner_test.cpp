// The driver's transactions through an exchange runner, and the user's
// request to stop waiting.
#include <gtest/gtest.h>

#include <thread>

#include "link/driver.h"
#include "link/frame.h"
#include "link/memory_transport.h"
#include "tests/support/test_support.h"

using namespace tesmar::link;
using namespace tesmar::test;

namespace {

using Frame = std::vector<uint8_t>;

// Runs each piece of work on a thread of its own, as the program's windows
// do, and keeps what passed through it.
struct ThreadRunner : ExchangeRunner {
  std::vector<int> codes;
  int delivered = 0;
  std::thread::id workThread;
  std::function<void()> beforeWork;  // e.g. the user's abort, as the work starts
  void Run(int code, ExchangeWork work) override {
    codes.push_back(code);
    std::thread t([&] {
      workThread = std::this_thread::get_id();
      if (beforeWork) beforeWork();
      work();
    });
    t.join();
  }
  void Deliver(ExchangeObserver& o, const ExchangeReport& r) override {
    ++delivered;
    o.ExchangeFinished(r);
  }
};

struct CountingObserver : ExchangeObserver {
  std::vector<int> codes;
  void ExchangeFinished(const ExchangeReport& r) override { codes.push_back(r.code); }
};

// A registrar that answers each request with `reply(request)`.
struct RunnerRig {
  RecordingSleeper sleeper;
  Driver driver{sleeper};
  ThreadRunner runner;
  MemoryTransport* link;
  explicit RunnerRig(MemoryTransport::Peer peer) : link(new MemoryTransport(std::move(peer))) {
    driver.AttachSerialLink(std::unique_ptr<Transport>(link));
    driver.SetExchangeRunner(&runner);
  }
};

Frame Answer(const Frame& req) {
  return Reply(SeqOf(req), req[3], "1;");
}

// A registrar that stays busy: SYN after SYN, and the user stops waiting
// after the tenth.
class EndlessSyn : public Transport {
 public:
  explicit EndlessSyn(Driver& d) : driver_(d) {}
  bool Write(const uint8_t*, size_t) override { return true; }
  ReadResult ReadByte(uint8_t& byte) override {
    if (++reads == 10) driver_.RequestAbort();
    byte = kSyn;
    return ReadResult::kByte;
  }
  void Flush() override {}
  void Purge() override {}
  int reads = 0;

 private:
  Driver& driver_;
};

// Records each step of a fixed wait; the user stops waiting at the third.
struct AbortingSleeper : Sleeper {
  Driver* driver = nullptr;
  std::vector<int> waits;
  void SleepMs(int ms) override {
    waits.push_back(ms);
    if (waits.size() == 3) driver->RequestAbort();
  }
};

}  // namespace

TEST(DriverRunner, everyTransactionAndItsReportPassThroughTheRunner) {
  RunnerRig rig(Answer);
  CountingObserver seen;
  rig.driver.SetExchangeObserver(&seen);
  EXPECT_TRUE(rig.driver.ExecuteCommand(0x21, "731942;").Succeeded());
  EXPECT_NE(rig.runner.workThread, std::this_thread::get_id());
  EXPECT_EQ(rig.driver.ExchangeFrame(0x80, "731942;"), 0);
  rig.driver.DisableRemoteAccess();
  ASSERT_NE(rig.driver.RepeatPreviousCommand(true), nullptr);
  EXPECT_EQ(rig.runner.codes, (std::vector<int>{0x21, 0x80, 0x88, 0x88}));
  // ExchangeFrame reports nothing; the others each once, through the runner.
  EXPECT_EQ(seen.codes, (std::vector<int>{0x21, 0x88, 0x88}));
  EXPECT_EQ(rig.runner.delivered, 3);
}

TEST(DriverRunner, abortEndsTheWaitUnansweredAndSendsNothingMore) {
  bool silent = false;
  RunnerRig rig([&](const Frame& req) { return silent ? Frame{} : Answer(req); });
  ASSERT_TRUE(rig.driver.ExecuteCommand(0x21, "731942;").Succeeded());
  silent = true;
  rig.runner.beforeWork = [&] { rig.driver.RequestAbort(); };
  const long readsBefore = rig.link->Reads();
  const ReplyRecord& r = rig.driver.ExecuteCommand(0x61, "731942;");
  // Silence right after an answer would be "may have run"; the user's
  // stop is reported as no answer, without a resend or its wait.
  EXPECT_EQ(r.outcome, OutcomeKind::kNoAnswer);
  EXPECT_EQ(r.flags, kFlagNoAnswer);
  EXPECT_TRUE(rig.driver.Aborted());
  EXPECT_EQ(rig.driver.Message(), kAbortedMessage);
  EXPECT_EQ(rig.link->Writes().size(), 2u);
  EXPECT_EQ(rig.link->Reads() - readsBefore, 1);  // one bounded read, not fifty
  EXPECT_TRUE(rig.sleeper.waits.empty());
  // The next transaction starts with the request cleared.
  silent = false;
  rig.runner.beforeWork = nullptr;
  EXPECT_TRUE(rig.driver.ExecuteCommand(0x21, "731942;").Succeeded());
  EXPECT_FALSE(rig.driver.Aborted());
  EXPECT_TRUE(rig.driver.Message().empty());
}

TEST(DriverRunner, abortEndsABusyRegistrarsSynStreamAtOnce) {
  RecordingSleeper sleeper;
  Driver driver(sleeper);
  ThreadRunner runner;
  driver.SetExchangeRunner(&runner);
  auto* line = new EndlessSyn(driver);
  driver.AttachSerialLink(std::unique_ptr<Transport>(line));
  const ReplyRecord& r = driver.ExecuteCommand(0x21, "731942;");
  EXPECT_EQ(r.outcome, OutcomeKind::kNoAnswer);
  EXPECT_EQ(line->reads, 10);
  EXPECT_TRUE(sleeper.waits.empty());
}

TEST(DriverRunner, fixedWaitsGoInStepsThatAnAbortEnds) {
  AbortingSleeper sleeper;
  Driver driver(sleeper);
  sleeper.driver = &driver;
  auto* link = new MemoryTransport([](const Frame&) { return Frame{kNak}; });
  driver.AttachSerialLink(std::unique_ptr<Transport>(link));
  ThreadRunner runner;
  driver.SetExchangeRunner(&runner);
  const ReplyRecord& r = driver.ExecuteCommand(0x21, "731942;");
  // A NAK is resent after 2000 ms; the abort at the third 100 ms step ends
  // the wait and the resend never goes out.
  EXPECT_EQ(sleeper.waits, (std::vector<int>{100, 100, 100}));
  EXPECT_EQ(link->Writes().size(), 1u);
  EXPECT_EQ(r.outcome, OutcomeKind::kNoAnswer);
  EXPECT_EQ(driver.Message(), kAbortedMessage);
}

TEST(DriverRunner, abortedSequenceProofKeepsTheCommandBack) {
  bool silent = true;
  RunnerRig rig([&](const Frame& req) { return silent ? Frame{} : Answer(req); });
  rig.driver.SetSequenceGuard(true);
  rig.runner.beforeWork = [&] { rig.driver.RequestAbort(); };
  const ReplyRecord& r = rig.driver.ExecuteCommand(0x61, "731942;");
  EXPECT_EQ(r.outcome, OutcomeKind::kNoAnswer);
  EXPECT_EQ(r.commandCode, 0x61);
  EXPECT_EQ(rig.driver.Message(), kAbortedMessage);
  ASSERT_EQ(rig.link->Writes().size(), 1u);  // the one proof read, not the command
  EXPECT_EQ(rig.link->Writes()[0][3], 0x21);
}
