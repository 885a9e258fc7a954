#include "pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include "frame.h"

namespace tesmar::emu {

namespace {

constexpr int kPollMs = 50;
constexpr int kFrameGapMs = 500;  // a frame silent this long is abandoned
constexpr int kSynEveryMs = 20;

void SleepMicros(long us) {
  if (us > 0) usleep(static_cast<useconds_t>(us));
}

}  // namespace

PtyServer::PtyServer(Session& session, LineOptions options)
    : session_(session), options_(std::move(options)) {}

PtyServer::~PtyServer() {
  Stop();
  Close();
  if (!options_.linkPath.empty()) unlink(options_.linkPath.c_str());
}

bool PtyServer::Open(std::string* error) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    *error = std::string("posix_openpt: ") + std::strerror(errno);
    return false;
  }
  char name[128];
  if (ptsname_r(master_, name, sizeof name) != 0) {
    *error = std::string("ptsname: ") + std::strerror(errno);
    return false;
  }
  path_ = name;
  slave_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave_ >= 0) {
    termios t{};
    tcgetattr(slave_, &t);
    cfmakeraw(&t);
    tcsetattr(slave_, TCSANOW, &t);
  }
  if (!options_.linkPath.empty()) {
    unlink(options_.linkPath.c_str());
    if (symlink(name, options_.linkPath.c_str()) != 0) {
      *error = options_.linkPath + ": " + std::strerror(errno);
      return false;
    }
  }
  return true;
}

void PtyServer::Close() {
  if (master_ >= 0) close(master_);
  if (slave_ >= 0) close(slave_);
  master_ = slave_ = -1;
}

void PtyServer::Send(const std::vector<uint8_t>& bytes) {
  if (options_.baud <= 0) {
    size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t w = write(master_, bytes.data() + done, bytes.size() - done);
      if (w <= 0 && errno != EINTR && errno != EAGAIN) return;
      if (w > 0) done += static_cast<size_t>(w);
    }
    return;
  }
  // Ten bits a byte on the wire (start, 8 data, stop).
  const long perByteUs = 10L * 1000000L / options_.baud;
  for (uint8_t b : bytes) {
    if (write(master_, &b, 1) != 1) return;
    SleepMicros(perByteUs);
  }
}

void PtyServer::SendBusy() {
  const uint8_t syn = link::kSyn;
  for (int t = 0; t < options_.busyMs && !stop_; t += kSynEveryMs) {
    if (write(master_, &syn, 1) != 1) return;
    SleepMicros(kSynEveryMs * 1000L);
  }
}

void PtyServer::Serve(const std::atomic<bool>& stop) {
  auto lastByte = std::chrono::steady_clock::now();
  uint8_t buf[512];
  while (!stop && !stop_ && master_ >= 0) {
    pollfd p{master_, POLLIN, 0};
    const int r = poll(&p, 1, kPollMs);
    if (r < 0 && errno != EINTR) break;
    if (r <= 0) {
      const auto idle = std::chrono::steady_clock::now() - lastByte;
      if (session_.InFrame() && idle > std::chrono::milliseconds(kFrameGapMs))
        session_.ResetParser();
      continue;
    }
    const ssize_t n = read(master_, buf, sizeof buf);
    if (n <= 0) {
      if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
      break;
    }
    lastByte = std::chrono::steady_clock::now();
    SessionOutput out = session_.Feed(buf, static_cast<size_t>(n));
    if (out.hangUp) {
      hungUp_ = true;
      Close();
      break;
    }
    if (out.replied && options_.busyMs > 0) SendBusy();
    if (!out.bytes.empty()) Send(out.bytes);
  }
}

void PtyServer::Start() {
  stop_ = false;
  thread_ = std::thread([this] {
    static const std::atomic<bool> never{false};
    Serve(never);
  });
}

void PtyServer::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

}  // namespace tesmar::emu
