// A registrar in software on a pty, paced at a baud rate both ways, with
// the program's driver on the other end counting every byte that crosses;
// and the figures of a run against the wire time of those bytes.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "driver.h"
#include "pty_server.h"
#include "registrar.h"
#include "session.h"

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

// A registrar serving a pty at `baud` (0: at once) and a driver on it.
class PacedLine {
 public:
  explicit PacedLine(int baud, emu::RegistrarOptions options = {});
  ~PacedLine();
  PacedLine(const PacedLine&) = delete;
  PacedLine& operator=(const PacedLine&) = delete;

  link::Driver& Driver() { return driver_; }
  int Baud() const { return baud_; }
  size_t BytesCrossed() const { return link_->Crossed(); }

 private:
  int baud_;
  emu::Registrar registrar_;
  emu::Session session_;
  emu::PtyServer server_;
  link::Driver driver_;
  CountingLink* link_ = nullptr;  // owned by the driver
};

// A run's time beside the wire time of the bytes it moved both ways.
struct WireFigures {
  double seconds = 0;
  size_t bytes = 0;
  int baud = kLineBaud;
  bool ok = false;
  double WireSeconds() const;
  double Ratio() const { return seconds / WireSeconds(); }
};

// Times `run` (which says whether it succeeded) on `line`.
template <typename Run>
WireFigures Measure(PacedLine& line, Run run) {
  const size_t before = line.BytesCrossed();
  const auto start = std::chrono::steady_clock::now();
  WireFigures f;
  f.ok = run(line.Driver());
  f.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  f.bytes = line.BytesCrossed() - before;
  f.baud = line.Baud();
  return f;
}

// An article file of `lines` lines in the form of 24h (Windows-1251).
std::vector<std::string> ArticleFile(int lines);

// One line: what ran, its time, the wire time of its bytes, the ratio and
// the machine's load average at the end.
void PrintFigures(const std::string& what, const WireFigures& f);

}  // namespace tesmar::bench
