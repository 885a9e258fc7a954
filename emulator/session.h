// One registrar's side of the line: request bytes in, reply bytes out.
//
// The session parses requests, NAKs a bad checksum, answers a resent request
// (same SEQ, code and parameters as the last one executed) with the previous
// reply without executing it again, and applies the seeded faults.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "emulator/registrar.h"
#include "emulator/request_parser.h"

namespace tesmar::emu {

// Probabilities (0..1) of each fault per request answered.
struct FaultPlan {
  double nak = 0;      // answer NAK instead of executing
  double corrupt = 0;  // one checksum character of the reply altered
  double stray = 0;    // 1 to 3 stray bytes before the reply
  double silence = 0;  // executed, but the reply is lost
  double cut = 0;      // the reply stops part-way
  double hangUp = 0;   // the device goes away
  unsigned seed = 1;
};

struct SessionCounters {
  long requests = 0;      // frames received
  long executed = 0;      // commands run
  long repeated = 0;      // resends answered from the previous reply
  long badChecksums = 0;  // requests NAKed for their checksum
  long naks = 0, corrupted = 0, strays = 0, silences = 0, cuts = 0, hangUps = 0;
};

struct SessionOutput {
  std::vector<uint8_t> bytes;
  bool hangUp = false;
  bool replied = false;  // a reply (not NAK, not silence) is among the bytes
};

class Session {
 public:
  Session(Registrar& registrar, FaultPlan faults = {});

  SessionOutput Feed(const uint8_t* data, size_t n);
  SessionOutput Feed(const std::vector<uint8_t>& data) { return Feed(data.data(), data.size()); }
  // Drops a partially received frame (the line went quiet).
  void ResetParser() { parser_.Reset(); }
  bool InFrame() const { return parser_.InFrame(); }

  // Replaces the fault plan (the generator keeps its course). Not while a
  // server thread is feeding the session.
  void SetFaults(const FaultPlan& faults) { faults_ = faults; }
  const SessionCounters& Counters() const { return counters_; }
  // The data area of the last reply built, before any fault touched it.
  const std::string& LastIntendedData() const { return lastData_; }
  const Registrar& Device() const { return registrar_; }
  // The speed the registrar's line runs at (0: any), and whether a restart
  // was asked for since the last look (the line then stays silent a while).
  int LineSpeed() const { return registrar_.state.lineSpeed; }
  bool TakeRestart() { return std::exchange(registrar_.state.restartRequested, false); }
  // Called after every command that ran (the state file is saved there);
  // false when the registrar could not keep what it did: the command is
  // then answered with the flash memory error, never with success.
  void OnExecuted(std::function<bool()> f) { onExecuted_ = std::move(f); }

 private:
  void Answer(const Request& req, SessionOutput& out);
  std::vector<uint8_t> BuildReply(const Request& req, const emu::Answer& answer);
  void ApplyFaults(std::vector<uint8_t> reply, SessionOutput& out);
  bool Roll(double p);

  Registrar& registrar_;
  FaultPlan faults_;
  std::mt19937 rng_;
  RequestParser parser_;
  SessionCounters counters_;

  bool haveLast_ = false;
  uint8_t lastSeq_ = 0, lastCode_ = 0;
  std::string lastParams_;
  std::vector<uint8_t> lastReply_;
  std::string lastData_;
  std::function<bool()> onExecuted_;
};

}  // namespace tesmar::emu
