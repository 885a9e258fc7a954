// tesmar-emu's line options over a real pty: SYN bytes while busy, and bytes
// paced at the chosen speed.
#include "pty_server.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "driver.h"
#include "test_support.h"

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
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count();
  ASSERT_TRUE(r.Succeeded());
  // At least the reply's own length at 10 bits a byte.
  EXPECT_GE(ms, static_cast<long>(r.rawReply.Size() * 10 * 1000 / 2400) - 5);
  driver.CloseSerialLink();
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
