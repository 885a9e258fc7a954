// The price of the sequence guard: the first command on a newly opened link
// (a run of tesmar-cli, a connect of the program) with and without the read
// of the date and time that comes before it, against the software registrar
// on a pseudo-terminal, answering at once or paced at 9600 and 115200 baud.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "link/driver.h"
#include "emulator/pty_server.h"
#include "emulator/registrar.h"
#include "emulator/session.h"

using namespace tesmar;

namespace {

// Args: the guard (0 off, 1 on), the line's speed (0: no pacing).
void BM_FirstCommandOnANewLink(benchmark::State& st) {
  const bool guard = st.range(0) != 0;
  const int baud = static_cast<int>(st.range(1));
  emu::Registrar registrar;
  emu::Session session(registrar);
  emu::LineOptions paced;
  paced.baud = baud;
  emu::PtyServer server(session, paced);
  std::string error;
  if (!server.Open(&error)) throw std::runtime_error(error);
  server.Start();
  for (auto _ : st) {
    link::Driver driver;
    driver.SetSequenceGuard(guard);
    if (driver.OpenSerialLink(server.Path(), baud ? baud : 115200) < 0) {
      st.SkipWithError("open failed");
      break;
    }
    if (!driver.ExecuteCommand(0x80, "731942;").Succeeded()) st.SkipWithError("80h failed");
    driver.CloseSerialLink();
  }
  server.Stop();
}
BENCHMARK(BM_FirstCommandOnANewLink)
    ->ArgsProduct({{0, 1}, {0, 115200, 9600}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
