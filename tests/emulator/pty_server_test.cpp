// tesmar-emu's line options over a real pty: SYN bytes while busy, and bytes
// paced at the chosen speed.
#include "emulator/pty_server.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "link/driver.h"
#include "tests/support/test_support.h"

using namespace tesmar;

namespace {

struct Served {
  emu::Registrar registrar;
  emu::Session session{registrar};
  emu::PtyServer server;
  explicit Served(emu::LineOptions o) : server(session, o) {
    std::string error;
    if (!server.Open(&error)) throw std::runtime_error(error);
    server.Start();
  }
};

}  // namespace

TEST(PtyServer, busyRegistrarSendsSynBytesBeforeItsReply) {
  emu::LineOptions o;
  o.busyMs = 300;
  Served s(o);
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  const std::string log = "/tmp/tesmar-busy-" + std::to_string(::getpid()) + ".log";
  driver.SetLogFileName(log);
  ASSERT_GE(driver.OpenSerialLink(s.server.Path(), 115200), 0);
  const link::ReplyRecord& r = driver.ExecuteCommand(0x21, "731942;");
  EXPECT_TRUE(r.Succeeded());
  EXPECT_EQ(r.rawReply.Bytes()[0], link::kSoh);  // the SYN bytes are not stored
  driver.CloseSerialLink();
  std::ifstream in(log);
  std::stringstream text;
  text << in.rdbuf();
  std::remove(log.c_str());
  const size_t at = text.str().find("SYN=");
  ASSERT_NE(at, std::string::npos);
  EXPECT_GE(std::stoi(text.str().substr(at + 4)), 10);  // one every 20 ms for 300 ms
}

TEST(PtyServer, bytesArePacedAtTheChosenSpeed) {
  emu::LineOptions o;
  o.baud = 2400;  // 4.2 ms a byte
  Served s(o);
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  ASSERT_GE(driver.OpenSerialLink(s.server.Path(), 2400), 0);
  const auto start = std::chrono::steady_clock::now();
  const link::ReplyRecord& r = driver.ExecuteCommand(0x80, "731942;");
  const auto elapsed = std::chrono::steady_clock::now() - start;
  ASSERT_TRUE(r.Succeeded());
  // At least the reply's own length at 10 bits a byte, and the request's:
  // a lower bound only, which load on the machine cannot break.
  EXPECT_GE(elapsed, emu::WireTime(r.sentFrame.Size() + r.rawReply.Size(), 2400));
  driver.CloseSerialLink();
}

namespace {

// A line clock that moves only when the server waits on it, each wait
// ending `lateNs` after the point asked for (a thread woken late).
class SteppedClock : public emu::LineClock {
 public:
  static constexpr TimePoint kStart{std::chrono::seconds(1000)};
  explicit SteppedClock(long long lateNs = 0) : lateNs_(lateNs) {}
  TimePoint Now() override { return TimePoint(std::chrono::nanoseconds(now_.load())); }
  void SleepUntil(TimePoint t) override {
    const long long at =
        std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count() +
        lateNs_;
    if (at > now_) now_ = at;
    ++waits;
  }
  std::chrono::nanoseconds Elapsed() { return Now() - kStart; }
  std::atomic<int> waits{0};

 private:
  const long long lateNs_;
  std::atomic<long long> now_{
      std::chrono::duration_cast<std::chrono::nanoseconds>(kStart.time_since_epoch()).count()};
};

struct ClockedExchange {
  std::chrono::nanoseconds executedAt{-1};  // when the registrar ran the command
  std::chrono::nanoseconds repliedBy{-1};   // when the program had the whole reply
  size_t requestBytes = 0, replyBytes = 0;
  int waits = 0;
};

// One 80h from the program at `baud` to a registrar paced at `baud` on a
// stepped clock.
ClockedExchange ExchangeOnSteppedClock(int baud, long long lateNs = 0) {
  SteppedClock clock(lateNs);
  emu::Registrar registrar;
  emu::Session session(registrar);
  ClockedExchange e;
  session.OnExecuted([&] {
    e.executedAt = clock.Elapsed();
    return true;
  });
  emu::LineOptions o;
  o.baud = baud;
  o.clock = &clock;
  emu::PtyServer server(session, o);
  std::string error;
  if (!server.Open(&error)) throw std::runtime_error(error);
  server.Start();
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  driver.OpenSerialLink(server.Path(), baud > 0 ? baud : 9600);
  const link::ReplyRecord& r = driver.ExecuteCommand(0x80, "731942;");
  e.repliedBy = clock.Elapsed();
  e.requestBytes = r.sentFrame.Size();
  e.replyBytes = r.Succeeded() ? r.rawReply.Size() : 0;
  driver.CloseSerialLink();
  server.Stop();
  e.waits = clock.waits;
  return e;
}

}  // namespace

TEST(PtyServer, pacedRegistrarTakesTheRequestsWireTimeBeforeItActsAndSendsAtTheLinesSpeed) {
  const ClockedExchange e = ExchangeOnSteppedClock(9600);
  ASSERT_GT(e.replyBytes, 0u);
  ASSERT_GT(e.requestBytes, 0u);
  // 10 bits a byte at 9600 baud: 1.0417 ms a byte. Within a microsecond, as
  // the request may reach the registrar in more than one piece.
  const auto request = emu::WireTime(e.requestBytes, 9600);
  EXPECT_NEAR(e.executedAt.count(), request.count(), 1000);
  EXPECT_NEAR(e.repliedBy.count(), (request + emu::WireTime(e.replyBytes, 9600)).count(), 1000);
}

// Every wait of the server ends 300 us late: the request is acted on late,
// but neither that nor the lateness of each byte's wait adds up; the reply's
// last byte is only as late as one wait.
TEST(PtyServer, lateWakeUpsOfThePacedLineDoNotAddUp) {
  const ClockedExchange e = ExchangeOnSteppedClock(9600, 300'000);
  ASSERT_GT(e.replyBytes, 10u);
  const auto request = emu::WireTime(e.requestBytes, 9600);
  EXPECT_NEAR(e.executedAt.count(), request.count() + 300'000, 1000);
  EXPECT_NEAR(e.repliedBy.count(), (request + emu::WireTime(e.replyBytes, 9600)).count() + 300'000,
              1000);
}

TEST(PtyServer, unpacedRegistrarAnswersAtOnce) {
  const ClockedExchange e = ExchangeOnSteppedClock(0);
  ASSERT_GT(e.replyBytes, 0u);
  EXPECT_EQ(e.executedAt.count(), 0);
  EXPECT_EQ(e.repliedBy.count(), 0);
  EXPECT_EQ(e.waits, 0);
}

TEST(PtyServer, wireTimeIsTenBitsAByte) {
  EXPECT_EQ(emu::WireTime(96, 9600), std::chrono::milliseconds(100));
  EXPECT_EQ(emu::WireTime(11520, 115200), std::chrono::seconds(1));
  EXPECT_EQ(emu::WireTime(1, 115200), std::chrono::nanoseconds(86805));
  EXPECT_EQ(emu::WireTime(1000, 0), std::chrono::nanoseconds(0));
}

TEST(PtyServer, linkPathPointsAtThePtyAndGoesAway) {
  const std::string link = "/tmp/tesmar-emu-link-test-" + std::to_string(::getpid());
  {
    emu::LineOptions o;
    o.linkPath = link;
    Served s(o);
    char target[256] = {};
    ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(std::string(target), s.server.Path());
  }
  EXPECT_NE(access(link.c_str(), F_OK), 0);
}

TEST(PtyServer, hangUpFaultClosesTheLineAndTheDriverSeesIt) {
  emu::FaultPlan plan;
  plan.hangUp = 1;
  emu::Registrar registrar;
  emu::Session session(registrar, plan);
  emu::PtyServer server(session, {});
  std::string error;
  ASSERT_TRUE(server.Open(&error));
  server.Start();
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  ASSERT_GE(driver.OpenSerialLink(server.Path(), 9600), 0);
  driver.SetRetryCount(0);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(driver.ExecuteCommand(0x21, "731942;").flags, link::kFlagNoAnswer);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  server.Stop();
  EXPECT_TRUE(server.HungUp());
}

namespace {

std::string TempPath(const std::string& name) {
  return "/tmp/tesmar-emu-" + name + "-" + std::to_string(::getpid());
}

std::string LinkTarget(const std::string& path) {
  char target[256] = {};
  return readlink(path.c_str(), target, sizeof target - 1) > 0 ? target : "";
}

// Opens the pty as a program would and sends one request frame.
int SendRequest(const std::string& path, uint8_t code) {
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY);
  uint8_t frame[link::kMaxRequestFrame];
  const size_t n = link::BuildRequestFrame(0x21, code, "731942;", frame);
  EXPECT_EQ(::write(fd, frame, n), static_cast<ssize_t>(n));
  return fd;
}

bool ByteArrives(int fd) {
  pollfd p{fd, POLLIN, 0};
  uint8_t b;
  return ::poll(&p, 1, 3000) == 1 && ::read(fd, &b, 1) == 1;
}

template <typename F>
long MillisecondsOf(F f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now() - start)
                               .count());
}

}  // namespace

TEST(PtyServer, linkPathThatIsAFileAnotherLinkOrALiveOneIsRefusedAndLeftAlone) {
  const std::string file = TempPath("file"), other = TempPath("other");
  std::ofstream(file) << "keep me\n";
  ASSERT_EQ(symlink(file.c_str(), other.c_str()), 0);
  for (const std::string& path : {file, other}) {
    emu::Registrar registrar;
    emu::Session session(registrar);
    emu::LineOptions o;
    o.linkPath = path;
    std::string error;
    {
      emu::PtyServer server(session, o);
      EXPECT_FALSE(server.Open(&error));
    }
    EXPECT_NE(error.find("not replacing it"), std::string::npos) << error;
  }
  {
    const std::string live = TempPath("live");
    emu::LineOptions o;
    o.linkPath = live;
    Served first(o);  // a running emulator's link is not taken over
    emu::Registrar registrar;
    emu::Session session(registrar);
    emu::PtyServer second(session, o);
    std::string error;
    EXPECT_FALSE(second.Open(&error));
    EXPECT_NE(error.find("in use"), std::string::npos) << error;
    EXPECT_EQ(LinkTarget(live), first.server.Path());
  }
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "keep me");
  EXPECT_EQ(LinkTarget(other), file);
  std::remove(other.c_str());
  std::remove(file.c_str());
}

TEST(PtyServer, linkLeftByAnEarlierRunIsTakenAndOnlyItsOwnLinkIsRemoved) {
  const std::string link = TempPath("stale");
  ASSERT_EQ(symlink("/dev/pts/9999", link.c_str()), 0);  // an emulator that died
  {
    emu::LineOptions o;
    o.linkPath = link;
    Served s(o);
    EXPECT_EQ(LinkTarget(link), s.server.Path());
    // Another emulator takes the link over meanwhile; it is not ours to remove.
    std::remove(link.c_str());
    ASSERT_EQ(symlink("/dev/pts/9998", link.c_str()), 0);
  }
  EXPECT_EQ(LinkTarget(link), "/dev/pts/9998");
  std::remove(link.c_str());
}

TEST(PtyServer, afterAHangUpItServesAgainAtTheSameLink) {
  const std::string link = TempPath("again");
  emu::FaultPlan plan;
  plan.hangUp = 1;
  emu::Registrar registrar;
  emu::Session session(registrar, plan);
  emu::LineOptions o;
  o.linkPath = link;
  o.serveAgainAfterHangUp = true;
  emu::PtyServer server(session, o);
  std::string error;
  ASSERT_TRUE(server.Open(&error)) << error;
  server.Start();
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  driver.SetRetryCount(0);
  ASSERT_GE(driver.OpenSerialLink(link, 9600), 0);
  EXPECT_EQ(driver.ExecuteCommand(0x21, "731942;").flags, link::kFlagNoAnswer);
  for (int i = 0; i < 300 && server.HangUps() == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_EQ(server.HangUps(), 1);
  session.SetFaults({});  // switched back on, and well this time
  EXPECT_EQ(LinkTarget(link), server.CurrentPath());
  driver.CloseSerialLink();
  ASSERT_GE(driver.OpenSerialLink(link, 9600), 0);
  EXPECT_TRUE(driver.ExecuteCommand(0x21, "731942;").Succeeded());
  driver.CloseSerialLink();
  server.Stop();
}

TEST(PtyServer, stopEndsALongBusySpellAndASlowLineAtOnce) {
  for (const bool slow : {false, true}) {
    emu::LineOptions o;
    if (slow)
      o.baud = 200;  // 50 ms a byte: the request is in within a second, the reply takes seconds
    else
      o.busyMs = 60000;
    Served s(o);
    const int fd = SendRequest(s.server.Path(), 0x21);
    ASSERT_TRUE(ByteArrives(fd));  // the first SYN, or the reply's first byte
    EXPECT_LT(MillisecondsOf([&] { s.server.Stop(); }), 2000) << (slow ? "baud 200" : "busy");
    ::close(fd);
  }
}

TEST(PtyServer, stopEndsARequestStillCrossingASlowLine) {
  emu::LineOptions o;
  o.baud = 1;  // ten seconds a byte
  Served s(o);
  const int fd = SendRequest(s.server.Path(), 0x21);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_LT(MillisecondsOf([&] { s.server.Stop(); }), 2000);
  ::close(fd);
}
