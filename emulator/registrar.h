// The registrar in software: its state, and one handler per command code.
//
// The handlers and the state are organised by domain (identification and
// clock, documents, reports, configuration, memory and firmware, network):
// each domain file has its handler rows, its part of the state and its keys
// of the state file (domain.h). Texts in the state are Windows-1251, as on
// the wire.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "emulator/arg_reader.h"
#include "emulator/configuration.h"
#include "emulator/copies_drawers.h"
#include "emulator/documents.h"
#include "link/error_codes.h"
#include "emulator/identity_clock.h"
#include "emulator/logo.h"
#include "emulator/maintenance.h"
#include "emulator/memory_firmware.h"
#include "emulator/network.h"
#include "emulator/reports.h"

namespace tesmar::emu {

// The model decides the width of the tape (link/registrar_models.h).
struct RegistrarOptions {
  std::string model = "Tesmar EMU-01";  // UTF-8; converted for the wire
  std::string version = "3.01";
  std::string firmwareDate = "08.12.2026";
  int taxGroups = 5;
  int paymentTypes = 10;
  std::string password = "731942";
  bool serviceMode = false;
  size_t flashSize = kDefaultFlashSize;  // the fiscal memory image, bytes
  size_t firmwareSize = kFirmwareSize;   // the firmware E7h serves; 0: none
  // How long the line stays silent after a restart (F3h) was asked for.
  int restartSilenceMs = 2000;
};

// The options a command line gave, so that a model of the table brings the
// rest: its firmware and counts (link/registrar_models.h).
struct GivenOptions {
  bool firmware = false;
  bool taxGroups = false;
  bool paymentTypes = false;
};
void TakeModelDefaults(RegistrarOptions& o, const GivenOptions& given);

// What a handler answers: the error code ("0000" or item + group in hex)
// and the data area.
struct Answer {
  std::string error = "0000";
  std::string data;
};

Answer Refused(link::err::Code code);

// The whole memory of the registrar: each domain's part, and the state-file
// lines no domain knows, kept so that saving writes them back.
struct RegistrarState : IdentityClockState,
                        DocumentState,
                        ReportState,
                        ConfigurationState,
                        MemoryFirmwareState,
                        NetworkState,
                        CopiesDrawersState,
                        MaintenanceState,
                        LogoState {
  std::vector<std::pair<std::string, std::string>> unknownKeys;
};

class Registrar {
 public:
  using Fields = std::vector<std::string>;  // parameter fields, password first
  using Handler = std::function<Answer(Registrar&, ArgReader&)>;
  using Clock = std::function<std::time_t()>;

  // Registers every domain's handlers.
  explicit Registrar(RegistrarOptions options = {});

  // False, and the handler already there kept, when `code` has one.
  [[nodiscard]] bool Register(int code, Handler handler);
  bool Handles(int code) const { return handlers_.count(code) != 0; }
  // Codes that two domain rows claimed (empty unless a table is wrong).
  const std::vector<int>& RegistrationConflicts() const { return conflicts_; }

  // Runs a command: checks the password, then calls the handler.
  Answer Execute(int code, const std::string& params);

  std::array<uint8_t, 6> StatusBytes() const;

  // A printed line (Windows-1251) goes to the tape sink, and to the tail of
  // the tape kept in memory: its last kTapeTailLines lines.
  static constexpr size_t kTapeTailLines = 20000;
  void Print(const std::string& line);
  const std::deque<std::string>& Tape() const { return tape_; }
  void SetTapeSink(std::function<void(const std::string&)> sink) { tapeSink_ = std::move(sink); }

  std::time_t Now() const { return clock_() + state.clockOffsetSeconds; }
  void SetClock(Clock clock) { clock_ = std::move(clock); }

  // Counts of executed commands by code, for tests and the soak.
  long Executed(int code) const;

  RegistrarOptions options;
  RegistrarState state;

 private:
  std::map<int, Handler> handlers_;
  std::vector<int> conflicts_;
  std::map<int, long> executed_;
  std::deque<std::string> tape_;
  std::function<void(const std::string&)> tapeSink_;
  Clock clock_;
};

}  // namespace tesmar::emu
