#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "link/serial_port.h"

namespace tesmar::link {

namespace {

std::string Reason(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}

// Raw 8N1 with the handshake settings (RTS/CTS, XON/XOFF) left as they were.
bool Configure(int fd, speed_t speed, std::string* error) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) {
    *error = Reason("tcgetattr");
    return false;
  }
  const tcflag_t keepInput = tio.c_iflag & (IXON | IXOFF | IXANY);
  const tcflag_t keepControl = tio.c_cflag & CRTSCTS;
  cfmakeraw(&tio);
  tio.c_iflag = (tio.c_iflag & ~(IXON | IXOFF | IXANY)) | keepInput;
  tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
  tio.c_cflag |= CS8 | CREAD | CLOCAL | keepControl;
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 1;  // 100 ms, should anyone read without poll
  cfsetispeed(&tio, speed);
  cfsetospeed(&tio, speed);
  if (tcsetattr(fd, TCSANOW, &tio) != 0) {
    *error = Reason("tcsetattr");
    return false;
  }
  return true;
}

}  // namespace

unsigned SystemSpeed(int baud) {
  switch (baud) {
#define TESMAR_SPEED_CONSTANT(rate) \
  case rate:                        \
    return B##rate;
    TESMAR_BAUD_RATES(TESMAR_SPEED_CONSTANT)
#undef TESMAR_SPEED_CONSTANT
  }
  return B0;
}

std::unique_ptr<SerialPort> SerialPort::OpenDevice(const std::string& name, unsigned speed,
                                                   std::string* error) {
  const std::string path = name.find('/') == std::string::npos ? "/dev/" + name : name;
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    *error = errno == EISDIR ? path + ": " + kNotASerialDevice : Reason(path.c_str());
    return nullptr;
  }
  // Looked at before the locks, whose failure on a file would read as "busy".
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode) || !isatty(fd)) {
    *error = path + ": " + kNotASerialDevice;
    ::close(fd);
    return nullptr;
  }
  // Another program of ours holding the port keeps its lock; TIOCEXCL keeps
  // out everyone else who is not root.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ioctl(fd, TIOCEXCL) != 0) {
    *error = path + ": " + std::strerror(EBUSY);
    ::close(fd);
    return nullptr;
  }
  if (!Configure(fd, static_cast<speed_t>(speed), error)) {
    ::close(fd);
    return nullptr;
  }
  tcflush(fd, TCIOFLUSH);
  return std::unique_ptr<SerialPort>(new SerialPort(fd));
}

SerialPort::~SerialPort() {
  ioctl(fd_, TIOCNXCL);
  ::close(fd_);
}

bool SerialPort::Write(const uint8_t* data, size_t n) {
  size_t done = 0;
  while (done < n && !hungUp_) {
    const ssize_t w = ::write(fd_, data + done, n - done);
    if (w > 0) {
      done += static_cast<size_t>(w);
      continue;
    }
    if (w < 0 && errno == EINTR) continue;
    if (w < 0 && errno == EAGAIN) {
      // The output queue is full: wait for room, but never without bound.
      pollfd p{fd_, POLLOUT, 0};
      if (poll(&p, 1, 1000) <= 0) return false;
      continue;
    }
    if (w < 0 && errno == EIO) hungUp_ = true;
    return false;
  }
  return done == n;
}

ReadResult SerialPort::ReadByte(uint8_t& byte) {
  if (pendingPos_ < pendingLen_) {
    byte = pending_[pendingPos_++];
    return ReadResult::kByte;
  }
  if (hungUp_) return ReadResult::kHangUp;
  pollfd p{fd_, POLLIN, 0};
  int r;
  do {
    r = poll(&p, 1, kReadTimeoutMs);
  } while (r < 0 && errno == EINTR);
  if (r == 0) return ReadResult::kTimeout;
  if (r < 0) return ReadResult::kError;
  if (!(p.revents & POLLIN)) {
    if (p.revents & (POLLHUP | POLLNVAL)) hungUp_ = true;
    return hungUp_ ? ReadResult::kHangUp : ReadResult::kError;
  }
  const ssize_t n = ::read(fd_, pending_, sizeof pending_);
  if (n > 0) {
    pendingLen_ = static_cast<size_t>(n);
    pendingPos_ = 1;
    byte = pending_[0];
    return ReadResult::kByte;
  }
  if (n < 0 && errno == EAGAIN) return ReadResult::kTimeout;
  if (n == 0 || errno == EIO) {
    hungUp_ = true;
    return ReadResult::kHangUp;
  }
  return ReadResult::kError;
}

void SerialPort::Flush() {
  if (!hungUp_) tcdrain(fd_);
}

void SerialPort::Purge() {
  tcflush(fd_, TCIOFLUSH);
  pendingPos_ = pendingLen_ = 0;
}

void SerialPort::DiscardInput() {
  tcflush(fd_, TCIFLUSH);
  pendingPos_ = pendingLen_ = 0;
}

}  // namespace tesmar::link
