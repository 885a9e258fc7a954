// The program's own time for start-up to a shown main window, and for a
// connect against an instant registrar. The fixed waits of the activation
// and the connect are counted, not slept, and reported apart.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/app_context.h"
#include "app/command_path.h"
#include "app/exchange_log.h"
#include "app/exchange_log_window.h"
#include "app/exchange_wait.h"
#include "link/formatters.h"
#include "link/frame.h"
#include "bench/instant_registrar.h"
#include "app/main_window.h"
#include "link/memory_transport.h"

using namespace tesmar;

namespace {

class CountingSleeper : public link::Sleeper {
 public:
  void SleepMs(int ms) override { total += ms; }
  long total = 0;
};

class SilentPrompt : public app::Prompt {
 public:
  void showMessage(const QString&, const QString& = QString()) override { ++messages; }
  void showSuccess(const QString&, const QString& = QString()) override { ++messages; }
  void showRefusal(const QString&, const QString&, const QString& = QString()) override {
    ++messages;
  }
  bool askYesNo(const QString&, const QString&) override { return true; }
  bool askOkCancel(const QString&, const QString&) override { return true; }
  QString openFileName(const QString&, const QString&) override { return {}; }
  QString saveFileName(const QString&, const QString&) override { return {}; }
  int messages = 0;
};

struct Rig {
  QTemporaryDir dir;
  app::AppState state;
  CountingSleeper sleeper;
  link::Driver driver{sleeper};
  SilentPrompt prompt;
  app::AppContext ctx{state, driver, prompt, sleeper};
  link::TPortControl ports{"/nonexistent"};
  link::UsbPortFinder usb{"/nonexistent"};
  Rig() { state.configPath = QDir(dir.path()).filePath("tsinit.ini"); }
};

void BM_StartupToShownMainWindow(benchmark::State& st) {
  Rig rig;
  long waits = 0;
  for (auto _ : st) {
    app::MainWindow w(rig.ctx, {rig.ports, rig.usb, {"/dev/pts/none"}, {}, {}});
    w.show();
    w.activate();
    QApplication::processEvents();
    waits = rig.sleeper.total;
    rig.sleeper.total = 0;
  }
  st.counters["fixed_waits_ms"] = static_cast<double>(waits);
}
BENCHMARK(BM_StartupToShownMainWindow)->Unit(benchmark::kMillisecond);

void BM_ConnectAgainstAnInstantRegistrar(benchmark::State& st) {
  bench::InstantRegistrar registrar;
  Rig rig;
  app::MainWindow w(rig.ctx,
                    {rig.ports, rig.usb, {QString::fromStdString(registrar.Path())}, {}, {}});
  w.activate();
  long waits = 0;
  for (auto _ : st) {
    rig.sleeper.total = 0;
    w.serialButton();  // connect and identify
    waits = rig.sleeper.total;
    st.PauseTiming();
    if (!rig.state.connected) st.SkipWithError("not connected");
    w.serialButton();  // disconnect
    st.ResumeTiming();
  }
  st.counters["fixed_waits_ms"] = static_cast<double>(waits);
}
BENCHMARK(BM_ConnectAgainstAnInstantRegistrar)->Unit(benchmark::kMillisecond);

// One in-memory exchange of 21h: the bare driver (0), through a window's
// command path (1), with the exchange log keeping every row (2), and with
// the log's window open on those rows (3); and kinds 1 and 2 again with the
// exchange on the worker thread while the caller waits in an event loop
// (4 and 5).
void BM_ExchangeWithTheLogAndTheCommandPath(benchmark::State& st) {
  Rig rig;
  rig.driver.AttachSerialLink(
      std::make_unique<link::MemoryTransport>([](const std::vector<uint8_t>& req) {
        const uint8_t status[6] = {0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
        uint8_t reply[300];
        const size_t len =
            link::BuildReplyFrame(req[2], req[3], "0000", "081226;1530;", status, reply);
        return std::vector<uint8_t>(reply, reply + len);
      }));
  const int offThread = st.range(0) >= 4;
  const int kind = static_cast<int>(st.range(0)) - 3 * offThread;
  app::ExchangeWait wait;
  if (offThread) wait.attach(rig.driver);
  app::ExchangeLogModel log(100000);
  std::unique_ptr<app::ExchangeLogWindow> window;
  if (kind >= 2) rig.driver.SetExchangeObserver(&log);
  if (kind == 3) {
    window = std::make_unique<app::ExchangeLogWindow>(rig.ctx, log);
    window->show();
  }
  app::CommandPath path(rig.ctx);
  for (auto _ : st) {
    if (kind == 0) {
      benchmark::DoNotOptimize(link::ReadDateTime(rig.driver, "731942").flags);
    } else {
      benchmark::DoNotOptimize(
          path.send([](link::Driver & d) -> auto& { return link::ReadDateTime(d, "731942"); }));
    }
    if (kind == 3) QCoreApplication::processEvents();
  }
  rig.driver.SetExchangeObserver(nullptr);
  st.counters["rows"] = log.rowCount();
}
BENCHMARK(BM_ExchangeWithTheLogAndTheCommandPath)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Arg(4)
    ->Arg(5)
    ->Iterations(50000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
