// The fiscal memory read-out timed over a pty: against a registrar paced at
// 115200 baud both ways, compared with the wire time of the bytes that
// crossed, and against a registrar that answers at once.
//
//   flash_bench [BYTES]   (default 1048576)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "service/core/driver_transfer_host.h"
#include "service/core/flash_transfer.h"
#include "bench/paced_line.h"
#include "emulator/pty_server.h"
#include "emulator/registrar.h"
#include "link/serial_port.h"
#include "emulator/session.h"

using namespace tesmar;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kBaud = bench::kLineBaud;

struct Run {
  double seconds = 0;
  size_t bytesCrossed = 0;
  bool ok = false;
};

Run ReadOnce(size_t count, int baud) {
  emu::RegistrarOptions o;
  o.flashSize = count;
  emu::Registrar registrar(o);
  emu::Session session(registrar);
  emu::LineOptions line;
  line.baud = baud;
  emu::PtyServer server(session, line);
  std::string error;
  if (!server.Open(&error)) throw std::runtime_error(error);
  server.Start();
  link::Driver driver;
  auto port = link::SerialPort::Open(server.Path(), baud > 0 ? baud : kBaud, &error);
  if (!port) throw std::runtime_error(error);
  auto counting = std::make_unique<bench::CountingLink>(std::move(port));
  bench::CountingLink& c = *counting;
  driver.AttachSerialLink(std::move(counting));
  service::DriverTransferHost host(driver);
  const auto file = std::filesystem::temp_directory_path() / "tesmar-flash-bench.bin";
  const auto start = Clock::now();
  const auto out = service::ReadFlashToFile(host, "731942", {0, count}, 2, file.string());
  Run r;
  r.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  r.bytesCrossed = c.Crossed();
  r.ok = out.ok && std::filesystem::file_size(file) == count;
  std::filesystem::remove(file);
  driver.CloseSerialLink();
  server.Stop();
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  const size_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : size_t{1} << 20;
  const Run instant = ReadOnce(count, 0);
  std::printf("instant registrar: %zu bytes read in %.2f s (%s), %zu bytes crossed\n", count,
              instant.seconds, instant.ok ? "ok" : "FAILED", instant.bytesCrossed);
  const Run paced = ReadOnce(count, kBaud);
  const double wire = static_cast<double>(paced.bytesCrossed) * 10 / kBaud;
  std::printf(
      "paced at %d baud: %.2f s (%s); wire time of the %zu bytes that crossed %.2f s; "
      "read / wire = %.3f\n",
      kBaud, paced.seconds, paced.ok ? "ok" : "FAILED", paced.bytesCrossed, wire,
      paced.seconds / wire);
  return instant.ok && paced.ok ? 0 : 1;
}
