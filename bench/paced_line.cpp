#include "bench/paced_line.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "link/encoding.h"
#include "emulator/line_clock.h"
#include "link/serial_port.h"

namespace tesmar::bench {

bool CountingLink::Write(const uint8_t* data, size_t n) {
  written_ += n;
  return inner_->Write(data, n);
}

link::ReadResult CountingLink::ReadByte(uint8_t& b) {
  const link::ReadResult r = inner_->ReadByte(b);
  if (r == link::ReadResult::kByte) ++read_;
  return r;
}

void ExchangeTimes::ExchangeFinished(const link::ExchangeReport& r) {
  const size_t bytes =
      r.request.size() * static_cast<size_t>(1 + r.resends) + r.reply.size() + r.synCount;
  over_.push_back(r.duration - emu::WireTime(bytes, baud_ > 0 ? baud_ : kLineBaud));
  inExchanges_ += r.duration;
}

std::chrono::microseconds ExchangeTimes::OverAtMost(double q) const {
  if (over_.empty()) return {};
  std::vector<std::chrono::nanoseconds> sorted = over_;
  const size_t at = std::min(sorted.size() - 1, static_cast<size_t>(q * sorted.size()));
  std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(at), sorted.end());
  return std::chrono::duration_cast<std::chrono::microseconds>(sorted[at]);
}

namespace {
emu::LineOptions Paced(int baud) {
  emu::LineOptions o;
  o.baud = baud;
  return o;
}
}  // namespace

PacedLine::PacedLine(int baud, emu::RegistrarOptions options)
    : baud_(baud),
      registrar_(options),
      session_(registrar_),
      server_(session_, Paced(baud)),
      times_(baud) {
  observers_.Add(&times_);
  driver_.SetExchangeObserver(&observers_);
  std::string error;
  if (!server_.Open(&error)) throw std::runtime_error(error);
  server_.Start();
  auto port = link::SerialPort::Open(server_.Path(), baud > 0 ? baud : kLineBaud, &error);
  if (!port) throw std::runtime_error(error);
  auto counting = std::make_unique<CountingLink>(std::move(port));
  link_ = counting.get();
  driver_.AttachSerialLink(std::move(counting));
}

PacedLine::~PacedLine() {
  driver_.CloseSerialLink();
  server_.Stop();
}

double WireFigures::WireSeconds() const {
  return std::chrono::duration<double>(emu::WireTime(bytes, baud > 0 ? baud : kLineBaud)).count();
}

std::vector<std::string> ArticleFile(int count) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i)
    lines.push_back(link::Utf8ToCp1251(std::to_string(100000 + i) + ";Товар номер " +
                                       std::to_string(i) + ";" + std::to_string(i % 500 + 1) + "." +
                                       std::to_string(10 + i % 90) + ";" + std::to_string(i % 5) +
                                       ";1;"));
  return lines;
}

void PrintFigures(const std::string& what, const WireFigures& f) {
  double load[1] = {-1};
  getloadavg(load, 1);
  std::printf("%-34s %9.2f s  wire %9.2f s (%zu bytes at %d baud)  ratio %.3f  load %.2f%s\n",
              what.c_str(), f.seconds, f.WireSeconds(), f.bytes, f.baud > 0 ? f.baud : kLineBaud,
              f.Ratio(), load[0], f.ok ? "" : "  FAILED");
  if (f.baud > 0)  // nothing is over the wire when nothing is paced
    std::printf(
        "%-34s %zu exchanges, each over its wire time by %lld us (median), %lld us (99th "
        "hundredth); between exchanges %.2f s\n",
        "", f.exchanges, static_cast<long long>(f.overMedian.count()),
        static_cast<long long>(f.overP99.count()), f.seconds - f.inExchanges);
  std::fflush(stdout);
}

}  // namespace tesmar::bench
