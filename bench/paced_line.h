// A registrar in software on a pty, paced at a baud rate both ways, with
// the program's driver on the other end counting every byte that crosses;
// and the figures of a run against the wire time of those bytes.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "link/driver.h"
#include "link/exchange_observer.h"
#include "emulator/pty_server.h"
#include "emulator/registrar.h"
#include "emulator/session.h"

namespace tesmar::bench {

inline constexpr int kLineBaud = 115200;

// The program's end of the line: a serial port that counts the bytes
// written and read.
class CountingLink : public link::Transport {
 public:
  explicit CountingLink(std::unique_ptr<link::Transport> inner) : inner_(std::move(inner)) {}
  bool Write(const uint8_t* data, size_t n) override;
  link::ReadResult ReadByte(uint8_t& b) override;
  void Flush() override { inner_->Flush(); }
  void Purge() override { inner_->Purge(); }
  void DiscardInput() override { inner_->DiscardInput(); }
  void ClearError() override { inner_->ClearError(); }
  size_t Crossed() const { return written_ + read_; }

 private:
  std::unique_ptr<link::Transport> inner_;
  size_t written_ = 0, read_ = 0;
};

// How long each exchange took beyond the wire time of its own bytes (its
// requests, reply and SYN bytes), from the driver's reports.
class ExchangeTimes : public link::ExchangeObserver {
 public:
  explicit ExchangeTimes(int baud) : baud_(baud) {}
  void ExchangeFinished(const link::ExchangeReport& r) override;
  void Clear() { over_.clear(), inExchanges_ = {}; }
  size_t Count() const { return over_.size(); }
  std::chrono::duration<double> InExchanges() const { return inExchanges_; }
  // The share `q` (0..1) of the exchanges took at most this much over the wire.
  std::chrono::microseconds OverAtMost(double q) const;

 private:
  int baud_;
  std::vector<std::chrono::nanoseconds> over_;
  std::chrono::duration<double> inExchanges_{};
};

// A registrar serving a pty at `baud` (0: at once) and a driver on it.
class PacedLine {
 public:
  explicit PacedLine(int baud, emu::RegistrarOptions options = {});
  ~PacedLine();
  PacedLine(const PacedLine&) = delete;
  PacedLine& operator=(const PacedLine&) = delete;

  link::Driver& Driver() { return driver_; }
  // The driver's observers: the exchange times first; a run may add its own.
  link::ExchangeObservers& Observers() { return observers_; }
  ExchangeTimes& Times() { return times_; }
  // The program's end of the line itself, for a client without the driver.
  link::Transport& Port() { return *link_; }
  int Baud() const { return baud_; }
  size_t BytesCrossed() const { return link_->Crossed(); }

 private:
  int baud_;
  emu::Registrar registrar_;
  emu::Session session_;
  emu::PtyServer server_;
  link::Driver driver_;
  link::ExchangeObservers observers_;
  ExchangeTimes times_;
  CountingLink* link_ = nullptr;  // owned by the driver
};

// A run's time beside the wire time of the bytes it moved both ways.
// Where the time over the wire went: inside the exchanges (the median and
// the slowest hundredth of them), and between them, in the program's own
// work from one command to the next.
struct WireFigures {
  double seconds = 0;
  size_t bytes = 0;
  int baud = kLineBaud;
  bool ok = false;
  size_t exchanges = 0;
  double inExchanges = 0;  // seconds from each request written to its reply read
  std::chrono::microseconds overMedian{}, overP99{};
  double WireSeconds() const;
  double Ratio() const { return seconds / WireSeconds(); }
};

// Times `run` (which says whether it succeeded) on `line`.
template <typename Run>
WireFigures Measure(PacedLine& line, Run run) {
  line.Times().Clear();
  const size_t before = line.BytesCrossed();
  const auto start = std::chrono::steady_clock::now();
  WireFigures f;
  f.ok = run(line);
  f.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  f.bytes = line.BytesCrossed() - before;
  f.baud = line.Baud();
  f.exchanges = line.Times().Count();
  f.inExchanges = line.Times().InExchanges().count();
  f.overMedian = line.Times().OverAtMost(0.5);
  f.overP99 = line.Times().OverAtMost(0.99);
  return f;
}

// An article file of `lines` lines in the form of 24h (Windows-1251).
std::vector<std::string> ArticleFile(int lines);

// What ran, its time, the wire time of its bytes, the ratio and the
// machine's load average at the end; then where the time over the wire went.
void PrintFigures(const std::string& what, const WireFigures& f);

}  // namespace tesmar::bench
