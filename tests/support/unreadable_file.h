// A file that opens but fails on every read, and the reason the system
// gives for that failure. The reason differs between kernels (EIO on some,
// EINVAL on others), so tests ask the system instead of spelling it out.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace tesmar::test {

inline const char* UnreadableFile() {
  return "/proc/self/mem";
}

inline std::string UnreadableFileReason() {
  const int fd = ::open(UnreadableFile(), O_RDONLY);
  if (fd < 0) return std::strerror(errno);
  char byte = 0;
  const ssize_t n = ::read(fd, &byte, 1);
  const int err = errno;
  ::close(fd);
  return n < 0 ? std::strerror(err) : std::string("read succeeded");
}

}  // namespace tesmar::test
