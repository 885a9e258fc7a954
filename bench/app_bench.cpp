// The program's own time for start-up to a shown main window, and for a
// connect against an instant registrar. The fixed waits of the activation
// and the connect are counted, not slept, and reported apart.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include "app_context.h"
#include "instant_registrar.h"
#include "main_window.h"

using namespace tesmar;

namespace {

class CountingSleeper : public link::Sleeper {
 public:
  void SleepMs(int ms) override { total += ms; }
  long total = 0;
};

class SilentPrompt : public app::Prompt {
 public:
  void showMessage(const QString&) override { ++messages; }
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
    app::MainWindow w(rig.ctx, {rig.ports, rig.usb, {"/dev/pts/none"}, {}});
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
  app::MainWindow w(rig.ctx, {rig.ports, rig.usb, {QString::fromStdString(registrar.Path())}, {}});
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

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
