// The driver over a real pseudo-terminal: reads go through termios and poll
// with the 100 ms time-out, the far end is a scripted peer thread.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "link/driver.h"
#include "link/frame.h"
#include "link/serial_port.h"
#include "tests/support/test_support.h"

using namespace tesmar::link;
using tesmar::test::RecordingSleeper;

namespace {

class PtyPair {
 public:
  PtyPair() {
    char name[256];
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
      throw std::runtime_error("openpty");
    path_ = name;
  }
  ~PtyPair() {
    if (master_ >= 0) close(master_);
    if (slave_ >= 0) close(slave_);
  }
  const std::string& Path() const { return path_; }
  int Master() const { return master_; }
  void CloseMaster() {
    close(master_);
    master_ = -1;
  }

  // Reads one request frame (up to ETX) from the master side.
  std::vector<uint8_t> ReadRequest(int timeoutMs = 2000) {
    std::vector<uint8_t> req;
    while (true) {
      pollfd p{master_, POLLIN, 0};
      if (poll(&p, 1, timeoutMs) <= 0) return req;
      uint8_t b;
      if (read(master_, &b, 1) != 1) return req;
      req.push_back(b);
      if (b == kEtx) return req;
    }
  }
  void Send(const std::vector<uint8_t>& bytes) {
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

 private:
  int master_ = -1, slave_ = -1;
  std::string path_;
};

}  // namespace

TEST(SerialPty, exchangeOverTermiosParsesTheReply) {
  PtyPair pty;
  RecordingSleeper sleeper;
  Driver driver(sleeper);
  ASSERT_GE(driver.OpenSerialLink(pty.Path(), 115200), 0);
  std::thread peer([&] {
    auto req = pty.ReadRequest();
    ASSERT_FALSE(req.empty());
    std::vector<uint8_t> out(5, kSyn);
    auto reply = tesmar::test::Reply(req[2], req[3], "081226;1530;");
    out.insert(out.end(), reply.begin(), reply.end());
    pty.Send(out);
  });
  const ReplyRecord& r = driver.ExecuteCommand(0x21, "731942;");
  peer.join();
  EXPECT_TRUE(r.Succeeded());
  EXPECT_EQ(r.Field(1), "1530");
  driver.CloseSerialLink();
}

TEST(SerialPty, silentPeerEndsInTheNoAnswerBitAfterFiftyEmptyReads) {
  PtyPair pty;
  RecordingSleeper sleeper;
  Driver driver(sleeper);
  ASSERT_GE(driver.OpenSerialLink(pty.Path(), 9600), 0);
  driver.SetRetryCount(0);
  const auto start = std::chrono::steady_clock::now();
  const ReplyRecord& r = driver.ExecuteCommand(0x21, "731942;");
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count();
  EXPECT_EQ(r.flags, kFlagNoAnswer);
  // 50 reads of 100 ms each.
  EXPECT_GE(ms, 4900);
  EXPECT_LT(ms, 8000);
}

TEST(SerialPty, peerThatHangsUpEndsTheWaitAtOnce) {
  PtyPair pty;
  RecordingSleeper sleeper;
  Driver driver(sleeper);
  ASSERT_GE(driver.OpenSerialLink(pty.Path(), 9600), 0);
  driver.SetRetryCount(2);
  std::thread peer([&] {
    auto req = pty.ReadRequest();
    pty.Send({kSoh, 0x31});  // half a frame, then gone
    pty.CloseMaster();
  });
  const auto start = std::chrono::steady_clock::now();
  const ReplyRecord& r = driver.ExecuteCommand(0x21, "731942;");
  peer.join();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count();
  EXPECT_EQ(r.flags, kFlagNoAnswer);
  EXPECT_LT(ms, 1000);
  driver.CloseSerialLink();
}

TEST(SerialPty, openRefusesWhatIsNotThereOrBusy) {
  RecordingSleeper sleeper;
  Driver driver(sleeper);
  EXPECT_EQ(driver.OpenSerialLink("/dev/tesmar-no-such-port", 9600), -1);
  EXPECT_FALSE(driver.SerialActive());

  PtyPair pty;
  std::string error;
  auto first = SerialPort::Open(pty.Path(), 9600, &error);
  ASSERT_TRUE(first) << error;
  auto second = SerialPort::Open(pty.Path(), 9600, &error);
  EXPECT_FALSE(second);
  EXPECT_NE(error.find("busy"), std::string::npos) << error;
  EXPECT_FALSE(SerialPort::Open(pty.Path(), 12345, &error));
  EXPECT_NE(error.find("baud"), std::string::npos);
}

TEST(SerialPty, handshakeSettingsSurviveTheOpen) {
  PtyPair pty;
  {
    int fd = open(pty.Path().c_str(), O_RDWR | O_NOCTTY);
    termios t{};
    tcgetattr(fd, &t);
    t.c_cflag |= CRTSCTS;
    t.c_iflag |= IXON;
    tcsetattr(fd, TCSANOW, &t);
    close(fd);
  }
  auto port = SerialPort::Open(pty.Path(), 115200, nullptr);
  ASSERT_TRUE(port);
  termios t{};
  tcgetattr(port->Fd(), &t);
  EXPECT_TRUE(t.c_cflag & CRTSCTS);
  EXPECT_TRUE(t.c_iflag & IXON);
  EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_FALSE(t.c_cflag & PARENB);
  EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B115200));
}

TEST(SerialPty, notASerialDeviceIsNamedAsSuch) {
  char dir[] = "/tmp/tesmar-port-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  const std::string file = std::string(dir) + "/plain";
  close(open(file.c_str(), O_CREAT | O_WRONLY, 0644));
  for (const std::string& path : {file, std::string("/dev/null"), std::string(dir)}) {
    std::string error;
    EXPECT_FALSE(SerialPort::Open(path, 9600, &error)) << path;
    EXPECT_EQ(error, path + ": not a serial device");
  }
  unlink(file.c_str());
  rmdir(dir);
}

// The connect's 88h must reach the registrar although the driver clears the
// line right after it, and its answer, however late, is not the 80h's.
TEST(SerialPty, remoteAccessRequestReachesThePeerAndItsLateAnswerIsDropped) {
  PtyPair pty;
  RecordingSleeper sleeper;  // the 200 ms wait returns at once
  Driver driver(sleeper);
  ASSERT_GE(driver.OpenSerialLink(pty.Path(), 115200), 0);
  driver.SetRetryCount(0);
  driver.DisableRemoteAccess();
  std::vector<uint8_t> first, second;
  std::thread peer([&] {
    first = pty.ReadRequest();
    second = pty.ReadRequest();
    if (first.size() < 4 || second.size() < 4) {  // the 88h was lost: answer what came
      if (first.size() >= 4) pty.Send(tesmar::test::Reply(first[2], first[3], "lost;"));
      return;
    }
    auto out = tesmar::test::Reply(first.at(2), first.at(3), "");
    auto reply = tesmar::test::Reply(second.at(2), second.at(3), "Модель;1.0;");
    out.insert(out.end(), reply.begin(), reply.end());
    pty.Send(out);
  });
  const ReplyRecord& r = driver.ExecuteCommand(0x80, "731942;");
  peer.join();
  ASSERT_GE(first.size(), 4u);
  EXPECT_EQ(first[3], 0x88);
  EXPECT_TRUE(r.Succeeded());
  EXPECT_EQ(r.Field(0), "Модель");
  driver.CloseSerialLink();
}
