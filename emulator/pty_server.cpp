#include "emulator/pty_server.h"

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

#include "link/frame.h"
#include "emulator/raw_pty.h"

namespace tesmar::emu {

namespace {

constexpr int kPollMs = 50;
constexpr int kFrameGapMs = 500;  // a frame silent this long is abandoned
constexpr int kSynEveryMs = 20;
constexpr const char* kPtyDirectory = "/dev/pts/";

std::string ReadLink(const std::string& path) {
  char target[4096];
  const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
  return n < 0 ? std::string() : std::string(target, static_cast<size_t>(n));
}

// A path the server may take for its link: nothing there, or a symlink to a
// pseudo-terminal that is gone (an earlier run that died left it). A link to
// a live pty belongs to a running emulator.
bool MayReplace(const std::string& path, std::string* error) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return true;
    *error = path + ": " + std::strerror(errno);
    return false;
  }
  const std::string target = S_ISLNK(st.st_mode) ? ReadLink(path) : "";
  if (target.rfind(kPtyDirectory, 0) != 0) {
    *error = path + " exists and is not a link to a pseudo-terminal; not replacing it";
    return false;
  }
  if (stat(target.c_str(), &st) == 0) {
    *error = path + " links to " + target + ", which is in use (another emulator?)";
    return false;
  }
  return true;
}

// The baud rate of a termios speed constant; 0 for one not listed.
int Baud(speed_t s) {
  static constexpr std::pair<speed_t, int> kRates[] = {
      {B110, 110},     {B300, 300},     {B600, 600},      {B1200, 1200},
      {B2400, 2400},   {B4800, 4800},   {B9600, 9600},    {B19200, 19200},
      {B38400, 38400}, {B57600, 57600}, {B115200, 115200}};
  for (const auto& [constant, baud] : kRates)
    if (constant == s) return baud;
  return 0;
}

}  // namespace

PtyServer::PtyServer(Session& session, LineOptions options)
    : session_(session),
      options_(std::move(options)),
      clock_(options_.clock ? *options_.clock : RealLineClock()) {}

PtyServer::~PtyServer() {
  Stop();
  Close();
  RemoveOwnLink();
}

bool PtyServer::Open(std::string* error) {
  if (!options_.linkPath.empty() && !MayReplace(options_.linkPath, error)) return false;
  return OpenPty(error) && PointLinkAtPty(error);
}

bool PtyServer::OpenPty(std::string* error) {
  RawPty pty;
  const bool opened = OpenRawPty(pty, error);
  master_ = pty.master;
  slave_ = pty.slave;
  if (!opened) return false;
  std::lock_guard lock(pathMutex_);
  path_ = pty.path;
  return true;
}

// The link is made beside its place and renamed over it, so a program
// opening the link sees the old pty or the new one, never nothing.
bool PtyServer::PointLinkAtPty(std::string* error) {
  const std::string& link = options_.linkPath;
  if (link.empty()) return true;
  const std::string temporary = link + ".tmp" + std::to_string(getpid());
  unlink(temporary.c_str());
  if (symlink(path_.c_str(), temporary.c_str()) != 0 ||
      rename(temporary.c_str(), link.c_str()) != 0) {
    *error = link + ": " + std::strerror(errno);
    unlink(temporary.c_str());
    return false;
  }
  linkMade_ = true;
  return true;
}

// Removes the link only while it is still the one this server made.
void PtyServer::RemoveOwnLink() {
  if (!linkMade_) return;
  if (ReadLink(options_.linkPath) == CurrentPath()) unlink(options_.linkPath.c_str());
  linkMade_ = false;
}

std::string PtyServer::CurrentPath() const {
  std::lock_guard lock(pathMutex_);
  return path_;
}

void PtyServer::Close() {
  if (master_ >= 0) close(master_);
  if (slave_ >= 0) close(slave_);
  master_ = slave_ = -1;
}

bool PtyServer::Stopping() const {
  return stop_ || (externalStop_ && *externalStop_);
}

// Waits for room to write, a poll at a time, while not stopping.
bool PtyServer::WaitWritable() {
  while (!Stopping()) {
    pollfd p{master_, POLLOUT, 0};
    const int r = poll(&p, 1, kPollMs);
    if (r > 0) return (p.revents & POLLOUT) != 0;
    if (r < 0 && errno != EINTR) return false;
  }
  return false;
}

// Waits until `t` in slices short enough to notice a stop.
void PtyServer::PauseUntil(LineClock::TimePoint t) {
  while (!Stopping()) {
    const auto now = clock_.Now();
    if (now >= t) return;
    clock_.SleepUntil(std::min(t, now + std::chrono::milliseconds(kPollMs)));
  }
}

// The speed bytes are paced at; 0 for none.
int PtyServer::PacedBaud() const {
  return options_.baud > 0 && session_.LineSpeed() > 0 ? session_.LineSpeed() : options_.baud;
}

// The program writes a request at once and the pty hands it over at once,
// but on a line its bytes arrive at the line's speed: the registrar has the
// request only when the last of them has crossed. Returns that moment.
LineClock::TimePoint PtyServer::TakeIn(size_t n) {
  const auto in = clock_.Now() + WireTime(n, PacedBaud());
  PauseUntil(in);
  return in;
}

// The speed the program set on its end of the pty. Both ends share one
// termios: Linux answers a tcgetattr on either with the settings the
// program made on its descriptor of the slave.
int PtyServer::PortSpeed() const {
  termios t{};
  const int fd = slave_ >= 0 ? slave_ : master_;
  if (tcgetattr(fd, &t) != 0) return 0;
  return Baud(cfgetospeed(&t));
}

// Bytes that the registrar cannot take in: while it restarts, and when the
// program's port runs at another speed than the registrar's (a real line
// gives framing errors, so nothing the registrar reads forms a frame).
bool PtyServer::Deaf() {
  if (clock_.Now() < silentUntil_) return true;
  const int speed = session_.LineSpeed();
  return speed != 0 && PortSpeed() != speed;
}

void PtyServer::AfterReply() {
  if (!session_.TakeRestart()) return;
  silentUntil_ =
      clock_.Now() + std::chrono::milliseconds(session_.Device().options.restartSilenceMs);
}

// Paced, each byte goes out when its last bit has crossed the line, byte k
// at `from` plus k bytes' wire time: one schedule, so the waits' own
// lateness does not add up and slow the line below its speed. A reply's
// schedule starts when its request was in, so the server's own wake-up
// after the request does not lengthen the line either: the registrar
// answers at once, and bytes due while the thread was late go out together.
void PtyServer::Send(const std::vector<uint8_t>& bytes, LineClock::TimePoint from) {
  const int baud = PacedBaud();
  size_t done = 0;
  while (done < bytes.size() && !Stopping()) {
    size_t take = bytes.size() - done;
    if (baud > 0) {
      PauseUntil(from + WireTime(done + 1, baud));
      take = 1;
    }
    const ssize_t w = write(master_, bytes.data() + done, take);
    if (w > 0) {
      done += static_cast<size_t>(w);
    } else if (w < 0 && errno == EAGAIN) {
      if (!WaitWritable()) return;
    } else if (w < 0 && errno != EINTR) {
      return;
    }
  }
}

void PtyServer::SendBusy() {
  const std::vector<uint8_t> syn{link::kSyn};
  for (int t = 0; t < options_.busyMs && !Stopping(); t += kSynEveryMs) {
    Send(syn, clock_.Now());
    PauseUntil(clock_.Now() + std::chrono::milliseconds(kSynEveryMs));
  }
}

void PtyServer::Serve(const std::atomic<bool>& stop) {
  externalStop_ = &stop;
  if (options_.baud > 0) KeepWaitsTight();
  auto lastByte = clock_.Now();
  uint8_t buf[512];
  while (!Stopping() && master_ >= 0) {
    pollfd p{master_, POLLIN, 0};
    const int r = poll(&p, 1, kPollMs);
    if (r < 0 && errno != EINTR) break;
    if (r <= 0) {
      const auto idle = clock_.Now() - lastByte;
      if (session_.InFrame() && idle > std::chrono::milliseconds(kFrameGapMs))
        session_.ResetParser();
      continue;
    }
    const ssize_t n = read(master_, buf, sizeof buf);
    if (n <= 0) {
      if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
      break;
    }
    if (Deaf()) {
      lastByte = clock_.Now();
      session_.ResetParser();
      continue;
    }
    auto in = TakeIn(static_cast<size_t>(n));
    lastByte = clock_.Now();
    SessionOutput out = session_.Feed(buf, static_cast<size_t>(n));
    if (out.hangUp) {
      if (!ServeAgain()) break;
      continue;
    }
    if (out.replied && options_.busyMs > 0) {
      SendBusy();
      in = clock_.Now();
    }
    if (!out.bytes.empty()) Send(out.bytes, in);
    AfterReply();
  }
  externalStop_ = nullptr;
}

// Closes the line; with serving again, opens a new pty and points the link
// at it before the hang-up is counted, so whoever sees the count finds the
// new line in place.
bool PtyServer::ServeAgain() {
  Close();
  session_.ResetParser();
  std::string error;
  const bool again = options_.serveAgainAfterHangUp && OpenPty(&error) && PointLinkAtPty(&error);
  ++hangUps_;
  if (again && onServingAgain_) onServingAgain_(path_);
  return again;
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
