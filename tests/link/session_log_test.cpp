#include "link/session_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "link/driver.h"
#include "link/encoding.h"
#include "link/memory_transport.h"
#include "tests/support/test_support.h"

using namespace tesmar::link;
namespace fs = std::filesystem;

namespace {

class SessionLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tesmar-log-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    log_.SetCurrentDirectory([this] { return dir_.string(); });
    log_.SetClock([] {
      std::tm t{};
      t.tm_mday = 8;
      t.tm_mon = 11;
      t.tm_year = 2026 - 1900;
      t.tm_hour = 2;
      t.tm_min = 1;
      t.tm_sec = 5;
      return t;
    });
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Contents(const std::string& name = "Tesmar.log") {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

  fs::path dir_;
  SessionLog log_;
};

}  // namespace

TEST_F(SessionLogTest, sessionStartAndEndLinesInWindows1251WithCrLf) {
  log_.SetLogFileName("Tesmar.log");
  log_.WriteLogEntry("", "");
  log_.WriteLogEntry("END", "");
  const std::string expected = Utf8ToCp1251(
      ";Начало сеанса    8-12-2026  2:01:05 \r\n;Конец Сеанса    8-12-2026  2:01:05 \r\n");
  EXPECT_EQ(Contents(), expected);
}

TEST_F(SessionLogTest, requestAndReplyLinesAsTheDriverWritesThem) {
  tesmar::test::RecordingSleeper sleeper;
  Driver driver(sleeper);
  driver.Log().SetCurrentDirectory([this] { return dir_.string(); });
  driver.Log().SetClock([] {
    std::tm t{};
    t.tm_mday = 18;
    t.tm_mon = 0;
    t.tm_year = 2027 - 1900;
    t.tm_hour = 14;
    t.tm_min = 30;
    t.tm_sec = 0;
    return t;
  });
  driver.SetLogFileName("s.log");
  std::vector<uint8_t> reply;
  auto* link = new MemoryTransport([&](const std::vector<uint8_t>& req) {
    std::vector<uint8_t> f(3, kSyn);
    reply = tesmar::test::Reply(req[2], req[3], "a\nb;");
    f.insert(f.end(), reply.begin(), reply.end());
    return f;
  });
  driver.AttachSerialLink(std::unique_ptr<Transport>(link));
  driver.ExecuteCommand(0x21, "731942;");

  const std::string expected =
      Utf8ToCp1251(";Начало сеанса   18-01-2027 14:30:00 \r\n") +
      ";18-01-2027 14:30:00  21\r\n21731942;\r\n" + ";18-01-2027 14:30:00  21 SYN=3\r\n" +
      std::string(reply.begin(), reply.end()) + "\r\n";  // the reply's LF stays a lone LF
  EXPECT_EQ(Contents("s.log"), expected);
}

TEST_F(SessionLogTest, commentsOffKeepsRequestDataAndDropsReplies) {
  log_.SetLogFileName("Tesmar.log");
  log_.SetComments(false);
  log_.WriteLogEntry("21", "21731942;");
  log_.WriteReplyEntry("21 SYN=0", "raw");
  log_.WriteLogEntry("", "");
  EXPECT_EQ(Contents(),
            "21731942;\r\n" + Utf8ToCp1251(";Начало сеанса    8-12-2026  2:01:05 \r\n"));
}

TEST_F(SessionLogTest, emptyNameWritesNothingEvenAtSessionStart) {
  log_.WriteLogEntry("", "");
  log_.WriteLogEntry("21", "21731942;");
  EXPECT_TRUE(fs::is_empty(dir_));
  EXPECT_TRUE(log_.Path().empty());
}

TEST_F(SessionLogTest, pathIsFixedAtTheFirstEntry) {
  log_.SetLogFileName("first.log");
  log_.WriteLogEntry("", "");
  const fs::path elsewhere = dir_ / "elsewhere";
  fs::create_directories(elsewhere);
  log_.SetCurrentDirectory([elsewhere] { return elsewhere.string(); });
  log_.SetLogFileName("second.log");
  log_.WriteLogEntry("END", "");
  EXPECT_EQ(log_.Path(), (dir_ / "first.log").string());
  EXPECT_TRUE(fs::is_empty(elsewhere));
  EXPECT_FALSE(fs::exists(dir_ / "second.log"));
}

TEST_F(SessionLogTest, unwritableFileSkipsTheEntrySilently) {
  log_.SetLogFileName("no/such/dir/x.log");
  log_.WriteLogEntry("", "");  // must not throw or crash
  EXPECT_FALSE(fs::exists(dir_ / "no"));
}
