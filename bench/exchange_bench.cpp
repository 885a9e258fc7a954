// Exchanges per second of 21h against a peer that answers at once over a
// pseudo-terminal, and the CPU time the driver's thread spends on each.
#include <benchmark/benchmark.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "driver.h"
#include "frame.h"
#include "memory_transport.h"

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
BENCHMARK(BM_ExchangeOverPty)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The driver alone, over the in-memory link: framing, parsing, completion.
void BM_ExchangeInMemory(benchmark::State& state) {
  Driver driver;
  driver.AttachSerialLink(std::make_unique<MemoryTransport>([](const std::vector<uint8_t>& req) {
    const uint8_t status[6] = {0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
    uint8_t reply[300];
    const size_t len = BuildReplyFrame(req[2], req[3], "0000", "081226;1530;", status, reply);
    return std::vector<uint8_t>(reply, reply + len);
  }));
  for (auto _ : state) benchmark::DoNotOptimize(driver.ExecuteCommand(0x21, "731942;").flags);
}
BENCHMARK(BM_ExchangeInMemory)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
