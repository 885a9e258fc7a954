// Serves a session on a pseudo-terminal, as a registrar on a serial line.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "session.h"

namespace tesmar::emu {

struct LineOptions {
  int baud = 0;          // pace bytes as this speed would; 0 sends at once
  int busyMs = 0;        // send SYN bytes this long before each reply
  std::string linkPath;  // a symlink made to the pty, if given
};

class PtyServer {
 public:
  PtyServer(Session& session, LineOptions options);
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  // Creates the pty (and the symlink). False with the reason on failure.
  bool Open(std::string* error);
  // The path the program opens: the pty's device path.
  const std::string& Path() const { return path_; }

  // Serves until Stop(), a hang-up fault, or `stop` becomes true.
  void Serve(const std::atomic<bool>& stop);
  // The same on a thread of its own.
  void Start();
  void Stop();
  bool HungUp() const { return hungUp_; }

 private:
  void Send(const std::vector<uint8_t>& bytes);
  void SendBusy();
  void Close();

  Session& session_;
  LineOptions options_;
  int master_ = -1;
  int slave_ = -1;  // held open so the master never reads a hang-up between clients
  std::string path_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> hungUp_{false};
  std::thread thread_;
};

}  // namespace tesmar::emu
