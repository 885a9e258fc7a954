#include "emulator/bank_terminal_pty.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include "emulator/raw_pty.h"

namespace tesmar::emu {

namespace {

constexpr int kPollMs = 50;

std::string Reason(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}

// Writes all of `bytes`, waiting while the pty's buffer is full, until stop.
void WriteAll(int fd, const std::vector<uint8_t>& bytes, const std::atomic<bool>& stop) {
  size_t done = 0;
  while (done < bytes.size() && !stop) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) return;
    pollfd p{fd, POLLOUT, 0};
    poll(&p, 1, kPollMs);
  }
}

// Waits `ms`, in steps, so that a stop is not held up by a long pause.
void Pause(int ms, const std::atomic<bool>& stop) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!stop) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        until - std::chrono::steady_clock::now());
    if (left.count() <= 0) return;
    std::this_thread::sleep_for(std::min(left, std::chrono::milliseconds(kPollMs)));
  }
}

}  // namespace

TerminalPty::TerminalPty(VirtualTerminal& terminal, std::string linkPath)
    : terminal_(terminal), linkPath_(std::move(linkPath)) {}

TerminalPty::~TerminalPty() {
  Stop();
  if (linkMade_) unlink(linkPath_.c_str());
  if (slave_ >= 0) close(slave_);
  if (master_ >= 0) close(master_);
}

bool TerminalPty::Open(std::string* error) {
  RawPty pty;
  const bool opened = OpenRawPty(pty, error);
  master_ = pty.master;
  slave_ = pty.slave;
  path_ = pty.path;
  if (!opened) return false;
  if (linkPath_.empty()) return true;
  struct stat st {};
  if (lstat(linkPath_.c_str(), &st) == 0) {
    if (!S_ISLNK(st.st_mode)) {
      *error = linkPath_ + " exists and is not a link; not replacing it";
      return false;
    }
    unlink(linkPath_.c_str());
  }
  if (symlink(path_.c_str(), linkPath_.c_str()) != 0) {
    *error = Reason(linkPath_.c_str());
    return false;
  }
  linkMade_ = true;
  return true;
}

void TerminalPty::Start() {
  stop_ = false;
  thread_ = std::thread([this] { Serve(); });
}

void TerminalPty::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void TerminalPty::Serve() {
  uint8_t buf[256];
  while (!stop_) {
    pollfd p{master_, POLLIN, 0};
    if (poll(&p, 1, kPollMs) <= 0 || !(p.revents & POLLIN)) continue;
    const ssize_t n = read(master_, buf, sizeof buf);
    if (n <= 0) continue;
    for (const TerminalOutput& part : terminal_.Feed(buf, static_cast<size_t>(n))) {
      Pause(part.delayMs, stop_);
      WriteAll(master_, part.bytes, stop_);
    }
  }
}

}  // namespace tesmar::emu
