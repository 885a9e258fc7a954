// A script run against the emulator over the in-memory link, with a host
// that keeps every message, log line, box and variable.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "link/driver.h"
#include "link/encoding.h"
#include "link/memory_transport.h"
#include "script/script_runner.h"
#include "emulator/session.h"
#include "tests/support/test_support.h"

namespace tesmar::test {

class RecordingHost : public script::ScriptHost {
 public:
  void Message(const std::string& text) override { messages.push_back(text); }
  void Log(const std::string& bytes) override { log.push_back(link::Cp1251ToUtf8(bytes)); }
  void ShowCommand(const std::string& c, const std::string& p, const std::string& d) override {
    code = c;
    password = p;
    data = d;
  }
  void ShowReply(const std::string& e, const std::string& s) override {
    errorCode = e;
    status = s;
  }
  void ShowLineNumber(long n) override { lineNumber = n; }
  void VariableDeclared(int row, const std::string& name) override {
    rows.resize(std::max<size_t>(rows.size(), row + 1));
    rows[row] = {name, ""};
  }
  void VariableSet(int row, const std::string& value) override { rows[row].second = value; }
  void ProcessEvents() override {
    ++events;
    if (onEvents) onEvents();
  }
  bool SuppressOutput() override { return suppress; }
  bool ReopenSerial(int baud, std::string& port) override {
    port = "/dev/ttyS0";
    reopenedAt = baud;
    return reopenOk;
  }

  std::vector<std::string> messages, log;
  std::string code, password, data, errorCode, status;
  long lineNumber = -1;
  std::vector<std::pair<std::string, std::string>> rows;
  int events = 0;
  std::function<void()> onEvents;
  bool suppress = false;
  bool reopenOk = true;
  int reopenedAt = 0;
};

struct ScriptRig {
  emu::Registrar registrar;
  emu::Session session{registrar};
  RecordingSleeper sleeper;
  link::Driver driver{sleeper};
  RecordingHost host;
  script::ScriptRunner runner{driver, host, sleeper};
  std::filesystem::path file;

  ScriptRig() {
    file = std::filesystem::temp_directory_path() /
           ("tesmar-script-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt");
    driver.SetRetryCount(0);
    driver.AttachSerialLink(std::make_unique<link::MemoryTransport>(
        [this](const std::vector<uint8_t>& f) { return session.Feed(f).bytes; }));
  }
  ~ScriptRig() { std::filesystem::remove(file); }

  // Writes the script (UTF-8 in the test, Windows-1251 in the file).
  void Write(const std::string& utf8) {
    std::ofstream(file, std::ios::binary) << link::Utf8ToCp1251(utf8);
  }
  script::Outcome Run(const std::string& utf8) {
    Write(utf8);
    return runner.Run(file.string());
  }
  std::string LastMessage() const { return host.messages.empty() ? "" : host.messages.back(); }
  std::string Variable(const std::string& name) const {
    for (const auto& v : runner.Variables())
      if (v.name == name) return link::Cp1251ToUtf8(v.value);
    return "<undeclared>";
  }
};

}  // namespace tesmar::test
