// The driver talking to an in-process registrar over the in-memory link,
// with the tape read back as UTF-8.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "link/driver.h"
#include "link/encoding.h"
#include "link/memory_transport.h"
#include "emulator/registrar.h"
#include "emulator/session.h"
#include "tests/support/test_support.h"

namespace tesmar::emu::test {

struct Bench {
  Registrar reg;
  Session session{reg};
  tesmar::test::RecordingSleeper sleeper;
  link::Driver driver{sleeper};
  explicit Bench(RegistrarOptions o = {}) : reg(std::move(o)) {
    driver.AttachSerialLink(std::make_unique<link::MemoryTransport>(
        [this](const std::vector<uint8_t>& f) { return session.Feed(f).bytes; }));
  }
  // Parameters in UTF-8, sent in Windows-1251.
  const link::ReplyRecord& Run(int code, const std::string& params) {
    return driver.ExecuteCommand(code, link::Utf8ToCp1251(params));
  }
  std::string Error(int code, const std::string& params) {
    return std::string(Run(code, params).errorCode.View());
  }
  // The value at the right of the last tape row whose label is `label`.
  std::string RowValue(const std::string& label) const {
    const auto tape = Tape();
    for (auto it = tape.rbegin(); it != tape.rend(); ++it)
      if (it->rfind(label + " ", 0) == 0) return it->substr(it->find_last_of(' ') + 1);
    return "(no row " + label + ")";
  }
  // Whether a line of the tape is exactly `line`.
  bool TapeHas(const std::string& line) const {
    const auto tape = Tape();
    return std::find(tape.begin(), tape.end(), line) != tape.end();
  }
  std::vector<std::string> Tape() const {
    std::vector<std::string> lines;
    for (const std::string& l : reg.Tape()) lines.push_back(link::Cp1251ToUtf8(l));
    return lines;
  }
};

}  // namespace tesmar::emu::test
