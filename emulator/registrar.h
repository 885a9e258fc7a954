// The registrar in software: its state, and one handler per command code.
//
// Handlers are registered by code, so each part of the program that sends
// new commands teaches the emulator in a file of its own without touching
// the core. Texts in the state are Windows-1251, as on the wire.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tesmar::emu {

struct RegistrarOptions {
  std::string model = "Tesmar EMU-01";  // UTF-8; converted for the wire
  std::string version = "3.01";
  std::string firmwareDate = "08.12.2026";
  int taxGroups = 5;
  int paymentTypes = 10;
  std::string password = "731942";
  bool serviceMode = false;
};

// What a handler answers: the error code ("0000" or item + group in hex)
// and the data area.
struct Answer {
  std::string error = "0000";
  std::string data;
};

Answer Refused(int group, int item);

// Receipt states of status byte 2 (low four bits).
enum class Document : uint8_t { kClosed = 0, kNonFiscal = 5 };

struct RegistrarState {
  // Clock: the registrar's time is the PC's plus this offset.
  long long clockOffsetSeconds = 0;
  std::string serialNumber;  // empty: not programmed
  bool fiscalized = false;
  bool shiftOpen = false;
  Document document = Document::kClosed;
  std::map<int, long long> serviceParameters;
  int emergencyResets = 0;
  int freeFiscalReports = 1825;
  int freeArticles = 10000;
  int freeReceipts = 5000;
};

class Registrar {
 public:
  using Fields = std::vector<std::string>;  // parameter fields, password first
  using Handler = std::function<Answer(Registrar&, const Fields&)>;
  using Clock = std::function<std::time_t()>;

  explicit Registrar(RegistrarOptions options = {});

  void Register(int code, Handler handler) { handlers_[code] = std::move(handler); }
  bool Handles(int code) const { return handlers_.count(code) != 0; }

  // Runs a command: checks the password, then calls the handler.
  Answer Execute(int code, const std::string& params);

  std::array<uint8_t, 6> StatusBytes() const;

  // A printed line (Windows-1251) goes to the tape.
  void Print(const std::string& line);
  const std::vector<std::string>& Tape() const { return tape_; }
  void SetTapeSink(std::function<void(const std::string&)> sink) { tapeSink_ = std::move(sink); }

  std::time_t Now() const { return clock_() + state.clockOffsetSeconds; }
  void SetClock(Clock clock) { clock_ = std::move(clock); }

  // Counts of executed commands by code, for tests and the soak.
  long Executed(int code) const;

  RegistrarOptions options;
  RegistrarState state;

 private:
  std::map<int, Handler> handlers_;
  std::map<int, long> executed_;
  std::vector<std::string> tape_;
  std::function<void(const std::string&)> tapeSink_;
  Clock clock_;
};

// Splits a parameter string at ';' (a trailing ';' ends the last field).
Registrar::Fields SplitFields(const std::string& params);

// The handlers every registrar has: identification, resources, clock,
// service parameters, serial number, non-fiscal receipts.
void RegisterBasicCommands(Registrar& r);

}  // namespace tesmar::emu
