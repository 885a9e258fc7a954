// The interpreter alone (a loop of statements) and a script of command lines
// against a registrar that answers at once over a pseudo-terminal.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "link/driver.h"
#include "bench/instant_registrar.h"
#include "script/script_runner.h"

using namespace tesmar;

namespace {

class NullHost : public script::ScriptHost {
 public:
  void Message(const std::string&) override {}
  void Log(const std::string&) override {}
  bool ReopenSerial(int, std::string&) override { return false; }
};

std::string WriteFile(const std::string& name, const std::string& text) {
  const auto path = std::filesystem::temp_directory_path() / name;
  std::ofstream(path, std::ios::binary) << text;
  return path.string();
}

void BM_StatementLoop100k(benchmark::State& st) {
  const std::string file = WriteFile("tesmar-bench-loop.txt",
                                     "%DeclareBeg\r\n%New i\r\n%DeclareEnd\r\n%Set i = \"0\"\r\n"
                                     "%While (i<100000)\r\n%Oper (i, 1, 0, i)\r\n%EndWhile\r\n");
  link::Driver driver;
  NullHost host;
  script::ScriptRunner runner(driver, host, link::RealSleeper());
  for (auto _ : st)
    if (runner.Run(file) != script::Outcome::kEndOfFile) st.SkipWithError("loop failed");
  st.counters["passes/s"] = benchmark::Counter(1e5 * st.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StatementLoop100k)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ThousandCommandLinesOverPty(benchmark::State& st) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "21731942;\r\n";
  const std::string file = WriteFile("tesmar-bench-commands.txt", text);
  bench::InstantRegistrar registrar;
  link::Driver driver;
  driver.OpenSerialLink(registrar.Path(), 115200);
  NullHost host;
  script::ScriptRunner runner(driver, host, link::RealSleeper());
  for (auto _ : st)
    if (runner.Run(file) != script::Outcome::kEndOfFile) st.SkipWithError("run failed");
  st.counters["commands/s"] =
      benchmark::Counter(1000.0 * st.iterations(), benchmark::Counter::kIsRate);
  driver.CloseSerialLink();
}
BENCHMARK(BM_ThousandCommandLinesOverPty)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same exchanges without the interpreter, for comparison.
void BM_ThousandExchangesOverPty(benchmark::State& st) {
  bench::InstantRegistrar registrar;
  link::Driver driver;
  driver.OpenSerialLink(registrar.Path(), 115200);
  for (auto _ : st)
    for (int i = 0; i < 1000; ++i) benchmark::DoNotOptimize(driver.ExecuteCommand(0x21, "731942;"));
  st.counters["commands/s"] =
      benchmark::Counter(1000.0 * st.iterations(), benchmark::Counter::kIsRate);
  driver.CloseSerialLink();
}
BENCHMARK(BM_ThousandExchangesOverPty)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
