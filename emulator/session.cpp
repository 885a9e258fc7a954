#include "emulator/session.h"

#include "link/frame.h"

namespace tesmar::emu {

using namespace tesmar::link;

Session::Session(Registrar& registrar, FaultPlan faults)
    : registrar_(registrar), faults_(faults), rng_(faults.seed) {}

bool Session::Roll(double p) {
  if (p <= 0) return false;
  return std::uniform_real_distribution<double>(0, 1)(rng_) < p;
}

SessionOutput Session::Feed(const uint8_t* data, size_t n) {
  SessionOutput out;
  for (size_t i = 0; i < n && !out.hangUp; ++i)
    if (auto req = parser_.Feed(data[i])) Answer(*req, out);
  return out;
}

std::vector<uint8_t> Session::BuildReply(const Request& req, const emu::Answer& answer) {
  uint8_t buf[kMaxReplyFrame + 32];
  const auto status = registrar_.StatusBytes();
  const size_t n =
      BuildReplyFrame(req.seqByte, req.code, answer.error, answer.data, status.data(), buf);
  return {buf, buf + n};
}

void Session::Answer(const Request& req, SessionOutput& out) {
  ++counters_.requests;
  if (!req.checksumOk) {
    ++counters_.badChecksums;
    out.bytes.push_back(kNak);
    return;
  }
  // A registrar turned into a USB storage device no longer talks on the line.
  if (registrar_.state.usbStorageMode) return;
  if (Roll(faults_.hangUp)) {
    ++counters_.hangUps;
    out.hangUp = true;
    return;
  }
  if (Roll(faults_.nak)) {  // as if the frame arrived damaged: nothing runs
    ++counters_.naks;
    out.bytes.push_back(kNak);
    return;
  }
  const bool resend =
      haveLast_ && req.seqByte == lastSeq_ && req.code == lastCode_ && req.params == lastParams_;
  std::vector<uint8_t> reply;
  if (resend) {
    ++counters_.repeated;
    reply = lastReply_;
  } else {
    ++counters_.executed;
    emu::Answer answer = registrar_.Execute(req.code, req.params);
    if (onExecuted_ && !onExecuted_()) answer = Refused(link::err::kFlashError);
    reply = BuildReply(req, answer);
    haveLast_ = true;
    lastSeq_ = req.seqByte;
    lastCode_ = req.code;
    lastParams_ = req.params;
    lastReply_ = reply;
    lastData_ = answer.data.substr(0, kMaxReplyData);
  }
  ApplyFaults(std::move(reply), out);
}

void Session::ApplyFaults(std::vector<uint8_t> reply, SessionOutput& out) {
  if (Roll(faults_.silence)) {
    ++counters_.silences;
    return;
  }
  if (Roll(faults_.corrupt)) {
    ++counters_.corrupted;
    // Another character in the '0'..'?' range keeps the frame's shape.
    uint8_t& digit = reply[reply.size() - 2 - rng_() % 4];
    digit = static_cast<uint8_t>(0x30 + ((digit - 0x30 + 1 + rng_() % 15) & 0x0F));
  }
  if (Roll(faults_.stray)) {
    ++counters_.strays;
    const int count = 1 + static_cast<int>(rng_() % 3);
    for (int i = 0; i < count; ++i) {
      uint8_t b;
      do b = static_cast<uint8_t>(rng_());
      while (b == kSyn);
      out.bytes.push_back(b);
    }
  }
  if (Roll(faults_.cut)) {
    ++counters_.cuts;
    reply.resize(1 + rng_() % (reply.size() - 1));
  }
  out.bytes.insert(out.bytes.end(), reply.begin(), reply.end());
  out.replied = true;
}

}  // namespace tesmar::emu
