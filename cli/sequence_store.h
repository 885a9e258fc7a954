// tesmar-cli starts afresh for every command; its sequence counter lives on
// in the config folder (tesmar-cli.seq, one decimal number), replaced whole
// (not flushed to the disk each time: a transfer makes thousands of
// exchanges) before the first exchange and after every one, always one
// ahead of the last request sent, so that the runs of one folder count on
// as one program would. That alone cannot keep a registrar from taking a
// run's first command for a repeat of its last request (answered from
// memory, not run): runs from other folders and other programs talk to it
// too. The driver's sequence guard does that (see Driver::SetSequenceGuard).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "link/driver.h"
#include "link/exchange_observer.h"

namespace tesmar::cli {

inline constexpr const char* kSequenceFileName = "tesmar-cli.seq";

class SequenceStore : public link::ExchangeObserver {
 public:
  SequenceStore(std::string path, link::Driver& driver, std::FILE* err = stderr)
      : path_(std::move(path)), driver_(driver), err_(err) {}

  // Sets the driver's counter from the file (a random one when there is no
  // usable file), reserves the next one and starts following the exchanges.
  void Begin();
  void ExchangeFinished(const link::ExchangeReport& report) override;

  // The counter in the file; false when there is none or it is not a number
  // from 0 to 255.
  static bool Load(const std::string& path, uint8_t& counter);

 private:
  void SaveNext();

  std::string path_;
  link::Driver& driver_;
  std::FILE* err_;
  bool warned_ = false;
};

}  // namespace tesmar::cli
