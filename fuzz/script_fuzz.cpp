// Runs arbitrary script files against the emulator over the in-memory link:
// no crash, no leak, and every run ends (a line budget presses Stop).
#include <unistd.h>

#include <cstdio>
#include <string>

#include "driver.h"
#include "memory_transport.h"
#include "script_runner.h"
#include "session.h"

using namespace tesmar;

namespace {

class NoSleep : public link::Sleeper {
 public:
  void SleepMs(int) override {}
};

class BudgetHost : public script::ScriptHost {
 public:
  explicit BudgetHost(script::ScriptRunner*& runner) : runner_(runner) {}
  void Message(const std::string&) override {}
  void Log(const std::string&) override {}
  void ProcessEvents() override {
    if (++events_ > 5000 && runner_) runner_->Stop();
  }
  bool ReopenSerial(int, std::string& port) override {
    port = "none";
    return false;
  }

 private:
  script::ScriptRunner*& runner_;
  long events_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/tesmar-script-fuzz-" + std::to_string(getpid()) + ".txt";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);

  emu::Registrar registrar;
  emu::Session session(registrar);
  NoSleep sleeper;
  link::Driver driver(sleeper);
  driver.SetRetryCount(1);
  driver.AttachSerialLink(std::make_unique<link::MemoryTransport>(
      [&](const std::vector<uint8_t>& frame) { return session.Feed(frame).bytes; }));
  script::ScriptRunner* runnerRef = nullptr;
  BudgetHost host(runnerRef);
  script::ScriptRunner runner(driver, host, sleeper);
  runnerRef = &runner;
  runner.Run(path);
  long line = static_cast<long>(size % 7);
  runner.Step(path, line);
  return 0;
}
