// Serves a session on a pseudo-terminal, as a registrar on a serial line.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "emulator/line_clock.h"
#include "emulator/session.h"

namespace tesmar::emu {

struct LineOptions {
  // Pace bytes as this speed would, both ways: a request is acted on once
  // its last byte has crossed the line, a reply's bytes go out one by one
  // as they would cross it. 0: everything at once. Once the registrar works
  // at a speed of its own (27h), pacing follows that speed.
  int baud = 0;
  int busyMs = 0;        // send SYN bytes this long before each reply
  std::string linkPath;  // a symlink made to the pty, if given
  // After a hang-up, serve again on a new pty (the link follows it), as a
  // registrar switched back on would.
  bool serveAgainAfterHangUp = false;
  LineClock* clock = nullptr;  // the line's clock; the system's when not given
};

class PtyServer {
 public:
  PtyServer(Session& session, LineOptions options);
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  // Creates the pty and the symlink. The link path may be absent or a
  // symlink to a pseudo-terminal that is gone (one an earlier run left);
  // anything else there is refused and left alone. False with the reason.
  bool Open(std::string* error);
  // The pty's device path, the path the program opens. It changes when the
  // server serves again after a hang-up; read CurrentPath() while serving.
  const std::string& Path() const { return path_; }
  std::string CurrentPath() const;

  // Serves until Stop(), `stop` becoming true, or a hang-up fault (unless
  // it serves again). A long busy spell or slow line ends within a poll.
  void Serve(const std::atomic<bool>& stop);
  // The same on a thread of its own.
  void Start();
  void Stop();
  bool HungUp() const { return hangUps_ > 0; }
  // Called on the serving thread with the new pty's path after a hang-up.
  void OnServingAgain(std::function<void(const std::string&)> f) { onServingAgain_ = std::move(f); }
  // Hang-ups so far; counted once the line is served again (when it is).
  int HangUps() const { return hangUps_; }

 private:
  bool OpenPty(std::string* error);
  bool PointLinkAtPty(std::string* error);
  void RemoveOwnLink();
  bool ServeAgain();
  bool Stopping() const;
  bool WaitWritable();
  void PauseUntil(LineClock::TimePoint t);
  int PacedBaud() const;
  LineClock::TimePoint TakeIn(size_t n);
  void Send(const std::vector<uint8_t>& bytes, LineClock::TimePoint from);
  void SendBusy();
  void Close();
  int PortSpeed() const;
  bool Deaf();
  void AfterReply();

  Session& session_;
  LineOptions options_;
  LineClock& clock_;
  int master_ = -1;
  int slave_ = -1;  // held open so the master never reads a hang-up between clients
  std::string path_;
  mutable std::mutex pathMutex_;
  bool linkMade_ = false;
  std::atomic<bool> stop_{false};
  const std::atomic<bool>* externalStop_ = nullptr;
  std::atomic<int> hangUps_{0};
  std::function<void(const std::string&)> onServingAgain_;
  std::thread thread_;
  LineClock::TimePoint silentUntil_{};
};

}  // namespace tesmar::emu
