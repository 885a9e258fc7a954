// Exchanges per second of 21h against a peer that answers at once over a
// pseudo-terminal, and the CPU time the driver's thread spends on each;
// the same in memory, without an observer of the exchanges, with one that
// only counts them, and with one that keeps a copy of each as a log would.
#include <benchmark/benchmark.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <string>
#include <thread>

#include "link/driver.h"
#include "link/exchange_observer.h"
#include "link/frame.h"
#include "link/memory_transport.h"

using namespace tesmar::link;

namespace {

// Answers every request frame read from `fd` with a good 21h reply.
void InstantPeer(int fd, std::atomic<bool>& stop) {
  uint8_t buf[512];
  size_t have = 0;
  while (!stop) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 50) <= 0) continue;
    const ssize_t n = read(fd, buf + have, sizeof buf - have);
    if (n <= 0) return;
    have += static_cast<size_t>(n);
    for (size_t i = 0; i < have; ++i) {
      if (buf[i] != kEtx) continue;
      const uint8_t status[6] = {0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
      uint8_t reply[300];
      const size_t len = BuildReplyFrame(buf[2], buf[3], "0000", "081226;1530;", status, reply);
      if (write(fd, reply, len) != static_cast<ssize_t>(len)) return;
      have = 0;
      break;
    }
  }
}

// Sees each exchange and does nothing but count it: the driver's own cost.
struct CountingObserver : ExchangeObserver {
  long seen = 0;
  void ExchangeFinished(const ExchangeReport&) override { ++seen; }
};

// Keeps the last rows as an exchange log window would (copies of the texts).
struct LogObserver : ExchangeObserver {
  struct Row {
    std::string request, reply;
    uint8_t seq = 0;
    uint32_t flags = 0;
    std::chrono::system_clock::time_point started;
    std::chrono::steady_clock::duration duration{};
  };
  std::array<Row, 1024> rows;
  size_t next = 0;
  void ExchangeFinished(const ExchangeReport& r) override {
    Row& row = rows[next++ % rows.size()];
    row.request.assign(r.request);
    row.reply.assign(r.reply);
    row.seq = r.seq;
    row.flags = r.flags;
    row.started = r.started;
    row.duration = r.duration;
  }
};

// 0: no observer, 1: counting, 2: log rows.
ExchangeObserver* ObserverFor(int kind, CountingObserver& counting, LogObserver& log) {
  if (kind == 1) return &counting;
  if (kind == 2) return &log;
  return nullptr;
}

void BM_ExchangeOverPty(benchmark::State& state) {
  int master, slave;
  char name[256];
  if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
    state.SkipWithError("openpty failed");
    return;
  }
  std::atomic<bool> stop{false};
  std::thread peer(InstantPeer, master, std::ref(stop));
  Driver driver;
  CountingObserver counting;
  LogObserver log;
  driver.SetExchangeObserver(ObserverFor(static_cast<int>(state.range(0)), counting, log));
  if (driver.OpenSerialLink(name, 115200) < 0) {
    state.SkipWithError("open failed");
  } else {
    for (auto _ : state) {
      const ReplyRecord& r = driver.ExecuteCommand(0x21, "731942;");
      if (!r.Succeeded()) state.SkipWithError("exchange failed");
    }
    state.counters["exchanges/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  }
  driver.CloseSerialLink();
  stop = true;
  peer.join();
  close(master);
  close(slave);
}
BENCHMARK(BM_ExchangeOverPty)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The driver alone, over the in-memory link: framing, parsing, completion.
void BM_ExchangeInMemory(benchmark::State& state) {
  Driver driver;
  driver.AttachSerialLink(std::make_unique<MemoryTransport>([](const std::vector<uint8_t>& req) {
    const uint8_t status[6] = {0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
    uint8_t reply[300];
    const size_t len = BuildReplyFrame(req[2], req[3], "0000", "081226;1530;", status, reply);
    return std::vector<uint8_t>(reply, reply + len);
  }));
  CountingObserver counting;
  LogObserver log;
  driver.SetExchangeObserver(ObserverFor(static_cast<int>(state.range(0)), counting, log));
  for (auto _ : state) benchmark::DoNotOptimize(driver.ExecuteCommand(0x21, "731942;").flags);
}
// Arg: 0 no observer, 1 a counting observer, 2 an observer keeping log rows.
BENCHMARK(BM_ExchangeInMemory)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
