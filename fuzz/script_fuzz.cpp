// Runs arbitrary script files against the emulator over the in-memory link:
// no crash, no leak, and every run ends (a line budget presses Stop).
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "link/driver.h"
#include "link/memory_transport.h"
#include "script/script_runner.h"
#include "emulator/session.h"

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

// The input as a script file in the temporary folder, removed again when the
// run is over, so that no run leaves a file behind.
class TemporaryScript {
 public:
  TemporaryScript(const uint8_t* data, size_t size)
      : path_((std::filesystem::temp_directory_path() /
               ("tesmar-script-fuzz-" + std::to_string(getpid()) + ".txt"))
                  .string()) {
    std::FILE* f = std::fopen(path_.c_str(), "wb");
    if (!f) return;
    written_ = std::fwrite(data, 1, size, f) == size;
    written_ = std::fclose(f) == 0 && written_;
  }
  ~TemporaryScript() { std::remove(path_.c_str()); }
  TemporaryScript(const TemporaryScript&) = delete;
  TemporaryScript& operator=(const TemporaryScript&) = delete;

  bool Written() const { return written_; }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  bool written_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TemporaryScript script(data, size);
  if (!script.Written()) return 0;
  const std::string& path = script.Path();

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
