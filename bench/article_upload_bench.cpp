// An article file of 10,000 lines programmed through the upload window's
// own loop (one 24h a line) against a registrar on a pty that answers at
// once, and against one that paces its bytes at 115200 baud both ways.
// Reports the bytes that crossed the line each way and the time the wire
// alone needs for them at 115200 baud, 10 bits a byte.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "sales/article_upload.h"
#include "link/document_formatters.h"
#include "link/exchange_observer.h"
#include "bench/paced_line.h"
#include "emulator/pty_server.h"
#include "emulator/registrar.h"
#include "link/serial_port.h"
#include "emulator/session.h"

using namespace tesmar;

namespace {

constexpr int kLines = 10000;
constexpr int kBaud = 115200;

// Counts the bytes of every frame that crossed, each way.
struct ByteCounter : link::ExchangeObserver {
  long long sent = 0, received = 0;
  void ExchangeFinished(const link::ExchangeReport& r) override {
    sent += static_cast<long long>(r.request.size()) * (1 + r.resends);
    received += static_cast<long long>(r.reply.size() + r.synCount);
  }
};

void BM_UploadArticles(benchmark::State& state) {
  const int baud = static_cast<int>(state.range(0));
  const std::vector<std::string> lines = bench::ArticleFile(kLines);
  long long sent = 0, received = 0;
  size_t refused = 0, timedOut = 0;
  for (auto _ : state) {
    state.PauseTiming();
    emu::Registrar registrar;
    emu::Session session(registrar);
    emu::LineOptions line;
    line.baud = baud;
    emu::PtyServer server(session, line);
    std::string error;
    if (!server.Open(&error)) {
      state.SkipWithError(error.c_str());
      return;
    }
    server.Start();
    link::Driver driver;
    ByteCounter counter;
    driver.SetExchangeObserver(&counter);
    driver.AttachSerialLink(link::SerialPort::Open(server.Path(), kBaud, &error));
    state.ResumeTiming();
    refused = 0;
    const sales::UploadOutcome out = sales::UploadArticles(lines, [&](std::string_view l) {
      const link::ReplyRecord& r = link::AddArticleLine(driver, "731942", l);
      if (r.Answered() && !r.Succeeded()) ++refused;
      return &r;
    });
    state.PauseTiming();
    sent = counter.sent;
    received = counter.received;
    timedOut = out.timedOut;
    driver.CloseSerialLink();
    server.Stop();
    state.ResumeTiming();
  }
  state.counters["lines"] = kLines;
  state.counters["sent_bytes"] = static_cast<double>(sent);
  state.counters["reply_bytes"] = static_cast<double>(received);
  state.counters["wire_s"] = static_cast<double>(sent + received) * 10.0 / kBaud;
  state.counters["refused"] = static_cast<double>(refused);
  state.counters["timed_out"] = static_cast<double>(timedOut);
}
// Arg: the registrar's pacing, 0 for none.
BENCHMARK(BM_UploadArticles)
    ->Arg(0)
    ->Arg(kBaud)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
