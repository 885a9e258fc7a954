// What one command came to, judged in one place.
//
// Every caller that sends a command (windows, transfers, the script runner,
// the CLI, the exchange log) reads this value; nobody reads the flag bits or
// compares the error code by hand. Only `kOk` is a success.
#pragma once

#include <cstdint>
#include <string_view>

namespace tesmar::link {

enum class OutcomeKind : uint8_t {
  kOk,                // answered with the error code "0000"
  kFormatterRefused,  // a formatter's check failed: nothing was sent
  kNotSent,           // the driver could not send it (no link, link busy, too long)
  kNoAnswer,          // nothing usable came back and nothing says the command ran
  kNak,               // the registrar refused the frame (NAK): the command did not run
  kChecksum,          // the reply came with a wrong checksum: it may have run
  kRefused,           // answered with an error code other than "0000"
  kUnknown,           // an answer was lost and no later attempt brought one: it may have run
};

struct Outcome {
  OutcomeKind kind = OutcomeKind::kNotSent;
  int formatterResult = 0;  // the formatter's negative value for kFormatterRefused

  bool ok() const { return kind == OutcomeKind::kOk; }
  explicit operator bool() const { return ok(); }
  // The registrar answered this request: the record's error code, fields and
  // status bytes are its own.
  bool answered() const { return kind == OutcomeKind::kOk || kind == OutcomeKind::kRefused; }
  // Something went out: a reply record of this request exists.
  bool sent() const {
    return kind != OutcomeKind::kFormatterRefused && kind != OutcomeKind::kNotSent;
  }
  // The line failed (no answer, NAK, checksum, unknown).
  bool lineFailure() const { return sent() && !answered(); }
  // The registrar may have carried the command out although no readable
  // answer says so: repeating it blindly could do it twice.
  bool mayHaveRun() const { return kind == OutcomeKind::kUnknown || kind == OutcomeKind::kChecksum; }
};

// One exchange as the receiver finished it: the flags word's transport bits
// decide first, then the error code, of which exactly "0000" is success.
OutcomeKind ClassifyReply(uint32_t flags, std::string_view errorCode);

// A transaction's final outcome from its last attempt and what the earlier
// attempts saw. `earlierAnswerLost`: an earlier attempt ended in silence or
// in a damaged or cut reply, so the request may have run then. `heard`: the
// registrar is listening: some attempt received part of a reply frame, or
// it answered the exchange just before this one.
// - a damaged reply (checksum) stays itself: the registrar's answer that
//   cannot be read, so it may have run (see mayHaveRun);
// - a NAK after a lost answer refuses only the resend, not the first request;
// - a silence after part of a reply was heard hides what the registrar did.
OutcomeKind FinalOutcome(OutcomeKind last, bool earlierAnswerLost, bool heard);

// The outcome of a formatter call: its refusal, or the record's outcome.
struct ReplyRecord;
Outcome OutcomeOf(const ReplyRecord& record, int formatterResult = 0);

// A short English name, for logs, JSON and test messages.
std::string_view OutcomeName(OutcomeKind kind);

}  // namespace tesmar::link
