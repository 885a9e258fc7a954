#include "link/driver.h"

#include <algorithm>
#include <cstdio>

#include "link/command_codes.h"
#include "link/command_table.h"
#include "link/encoding.h"
#include "link/frame.h"
#include "link/platform.h"
#include "link/serial_port.h"

namespace tesmar::link {

namespace {

constexpr int kIdleReadsBeforeTimeout = 50;
constexpr int kMalformedReplyWaitMs = 2000;
constexpr int kUsbVirtualComWaitMs = 3000;
constexpr int kRemoteAccessWaitMs = 200;
constexpr const char* kDisableRemoteAccessParams = "731942;20;0;";
// The request that proves the sequence: a read with no effect.
constexpr const char* kSequenceProofParams = "731942;";
// Reads of it while the registrar answers, but not readably; a read that
// hears nothing at all ends the proof at once.
constexpr int kSequenceProofTries = 3;
constexpr int kFirstCommandCode = 0x20;
constexpr int kLastCommandCode = 0xFF;
// How many bytes may come between two looks at the clock: a registrar that
// never stops sending is noticed within this many bytes of the bound.
constexpr int kBytesPerClockCheck = 64;
// The longest step of a fixed wait under a runner: an abort request ends
// the wait within it, as it ends a read within the link's 100 ms time-out.
constexpr int kAbortCheckMs = 100;

class ThreadSleeper : public Sleeper {
 public:
  void SleepMs(int ms) override { platform::SleepMs(ms); }
};

class SystemTime : public TimeSource {
 public:
  std::chrono::steady_clock::time_point Steady() override {
    return std::chrono::steady_clock::now();
  }
  std::chrono::system_clock::time_point Wall() override { return std::chrono::system_clock::now(); }
};

std::string LimitMessage(int ms) {
  return Tesmar::mark("Обмен прерван: регистратор не ответил за ") + std::to_string(ms) +
         Tesmar::mark(" мс (tsinit.ini, [Fiscal Printer] ExchangeLimit)!");
}

}  // namespace

Sleeper& RealSleeper() {
  static ThreadSleeper sleeper;  // stateless, shared by every driver
  return sleeper;
}

TimeSource& RealTimeSource() {
  static SystemTime time;  // stateless, shared by every driver
  return time;
}

Driver::Driver(Sleeper& sleeper) : Driver(sleeper, RealTimeSource()) {}

Driver::Driver(Sleeper& sleeper, TimeSource& time) : sleeper_(sleeper), time_(time) {}

Driver::~Driver() = default;

// --- links -------------------------------------------------------------------

int Driver::OpenSerialLink(const std::string& port, int baud) {
  errorCount_ = 0;
  linkReady_ = true;
  sequenceKnown_ = listening_ = false;
  serial_.reset();
  std::string error;
  auto opened = SerialPort::Open(port, baud, &error);
  const int fd = opened ? opened->Fd() : -1;
  serial_ = std::move(opened);
  log_.WriteLogEntry("", "");
  return fd;
}

void Driver::AttachSerialLink(std::unique_ptr<Transport> transport) {
  errorCount_ = 0;
  linkReady_ = true;
  sequenceKnown_ = listening_ = false;
  serial_ = std::move(transport);
  log_.WriteLogEntry("", "");
}

void Driver::CloseSerialLink() {
  if (serial_) serial_->Purge();
  log_.WriteLogEntry("END", "");
  errorCount_ = 0;
  sequenceKnown_ = listening_ = false;
  serial_.reset();
}

int Driver::ConnectUsb() {
  if (usbDevice_.OpenDevice()) {
    usb_ = std::make_unique<UsbTransport>(usbDevice_, pauser_, &abort_);
    linkReady_ = true;
    sequenceKnown_ = listening_ = false;
    return 1;
  }
  usbDevice_.CloseDevice();
  return 0;
}

int Driver::DisconnectUsb() {
  usbDevice_.ResetAndClose();
  if (usb_ && &usb_->Bulk() == &usbDevice_) usb_.reset();
  sequenceKnown_ = listening_ = false;
  return 1;
}

void Driver::AttachUsbLink(UsbBulkLink* usb) {
  usb_ = usb ? std::make_unique<UsbTransport>(*usb, pauser_, &abort_) : nullptr;
  sequenceKnown_ = listening_ = false;
}

// --- one exchange ------------------------------------------------------------

void Driver::LogRequest(uint8_t seq, int code, std::string_view params) {
  char seqText[8];
  std::snprintf(seqText, sizeof seqText, "%02X", seq);
  char request[kMaxParameterLength + 8];
  const int head = std::snprintf(request, sizeof request, "%02X", code & 0xFF);
  std::copy_n(params.data(), params.size(), request + head);
  log_.WriteLogEntry(seqText, std::string_view(request, head + params.size()));
}

int Driver::BuildAndLog(int code, std::string_view params) {
  // The caller's text may live in our own buffers (resends): copy it first.
  char copy[kMaxParameterLength + 1];
  std::copy_n(params.data(), params.size(), copy);
  params = std::string_view(copy, params.size());

  lastParams_.Assign(params);
  lastCode_ = code;
  record_.commandCode = code;
  record_.parameters.Assign(params);

  savedCounter_ = counter_;
  ++counter_;

  record_.flags = 0;
  record_.fieldCount = 0;
  record_.status.fill(0);

  const uint8_t seq = SeqByte(counter_);
  if (log_.Enabled()) LogRequest(seq, code, params);

  receiver_.BeginExchange();
  linkReady_ = false;

  frameLength_ = BuildRequestFrame(seq, static_cast<uint8_t>(code), params, frame_);
  record_.sentFrame.Assign(frame_, frameLength_);
  return 0;
}

// --- where exchanges run ------------------------------------------------------

template <class Work>
void Driver::RunExchange(int code, Work& work) {
  abort_.store(false, std::memory_order_relaxed);
  aborted_ = false;
  if (runner_)
    runner_->Run(code, ExchangeWork(work));
  else
    work();
}

void Driver::Pause(int ms) {
  if (!runner_) {
    sleeper_.SleepMs(ms);
    return;
  }
  for (int left = ms; left > 0 && !AbortRequested(); left -= kAbortCheckMs)
    sleeper_.SleepMs(std::min(left, kAbortCheckMs));
}

// --- time and observers --------------------------------------------------------

Driver::Transaction Driver::BeginTransaction() {
  Transaction t;
  t.observer = observer_;
  deadlineSet_ = false;
  limitReached_ = false;
  transactionSyn_ = 0;
  staleReplies_ = 0;
  lastReceived_ = 0;
  heard_ = false;
  if (t.observer) {
    // Only an observer needs the start; the bound starts at its first check.
    t.steadyStart = time_.Steady();
    t.wallStart = time_.Wall();
    deadline_ = t.steadyStart + std::chrono::milliseconds(exchangeLimitMs_);
    deadlineSet_ = true;
  }
  return t;
}

bool Driver::DeadlinePassed() {
  const auto now = time_.Steady();
  if (!deadlineSet_) {
    deadline_ = now + std::chrono::milliseconds(exchangeLimitMs_);
    deadlineSet_ = true;
  }
  if (now < deadline_) return false;
  limitReached_ = true;
  return true;
}

void Driver::Report(const Transaction& t, bool replyAwaited) {
  ExchangeReport r;
  r.code = lastCode_;
  r.parameters = lastParams_.View();
  r.request = record_.sentFrame.View();
  if (lastReceived_ > 0) r.reply = record_.rawReply.View();
  r.seq = SeqByte(counter_);
  r.resends = t.resends;
  r.synCount = transactionSyn_;
  r.staleReplies = staleReplies_;
  r.flags = record_.flags;
  r.replyAwaited = replyAwaited;
  r.started = t.wallStart;
  r.duration = time_.Steady() - t.steadyStart;
  r.record = &record_;
  if (runner_)
    runner_->Deliver(*t.observer, r);
  else
    t.observer->ExchangeFinished(r);
}

// --- one exchange ------------------------------------------------------------

int Driver::ExchangeFrame(int code, std::string_view params) {
  int result = -1;
  auto work = [&] {
    BeginTransaction();
    result = SendAndReceive(code, params);
  };
  RunExchange(code, work);
  return result;
}

void Driver::MarkNotSent(int code, std::string_view params, uint32_t flags, OutcomeKind kind) {
  record_.commandCode = code;
  record_.caption = CommandCaption(code);
  record_.parameters.Assign(params);
  record_.flags = flags;
  record_.fieldCount = 0;
  record_.outcome = kind;
}

bool Driver::Sendable(int code, std::string_view params) {
  // A code below 20h would be read as a control byte of the frame; a string
  // longer than 219 bytes does not fit the LEN byte. Refused before
  // anything is sent or logged.
  const char* why = code < kFirstCommandCode || code > kLastCommandCode ? kCodeOutOfRangeMessage
                    : params.size() > kMaxParameterLength               ? kParametersTooLongMessage
                                                                        : nullptr;
  if (!why) return true;
  message_ = why;
  MarkNotSent(code, params, kFlagNoAnswer, OutcomeKind::kNotSent);
  return false;
}

int Driver::SendAndReceive(int code, std::string_view params) {
  if (!linkReady_) return -1;
  if (!Sendable(code, params)) return -1;
  BuildAndLog(code, params);

  if (Transport* link = ActiveLink()) {
    if (!link->SendRequest(frame_, frameLength_)) {
      // The request could not go out (the direct USB link gave up).
      record_.flags = kFlagNoAnswer;
      record_.fieldCount = 0;
      record_.outcome = OutcomeKind::kNoAnswer;
      linkReady_ = true;
      return -1;
    }
    Receive(*link);
    return 0;
  }

  message_ = kNoLinkMessage;
  record_.flags = kFlagNoAnswer;  // nothing was sent: never read as success
  record_.outcome = OutcomeKind::kNotSent;
  linkReady_ = true;
  return -1;
}

void Driver::Receive(Transport& link) {
  int idle = 0;
  int sinceCheck = 0;
  bool hungUp = false;
  for (;;) {
    while (!receiver_.FrameComplete()) {
      uint8_t byte;
      const ReadResult r = link.ReadByte(byte);
      if (r == ReadResult::kByte) {
        idle = 0;
        receiver_.Feed(byte);
        if (AbortRequested()) break;
        if (++sinceCheck < kBytesPerClockCheck) continue;
        sinceCheck = 0;
        if (DeadlinePassed()) break;
        continue;
      }
      if (r == ReadResult::kError) {
        link.ClearError();
        receiver_.Abandon();
      }
      if (r == ReadResult::kHangUp) hungUp = true;
      break;
    }
    if (limitReached_) break;
    if (receiver_.AnswerComplete()) {
      if (DroppedAsStale()) continue;
      break;
    }
    // A line that is gone answers nothing: end the wait at once.
    if (hungUp || AbortRequested() || ++idle >= kIdleReadsBeforeTimeout || DeadlinePassed()) break;
  }
  FinishReceive();
}

// A complete frame that does not answer this request (another SEQ or CMD,
// or the tail of a frame whose start was thrown away) is a late reply to an
// earlier one: it is logged and forgotten, and the wait goes on. A frame with
// a wrong checksum is not judged by its SEQ, which may be the damaged byte.
bool Driver::DroppedAsStale() {
  if (receiver_.Nak()) return false;
  if (receiver_.FrameHasHeader()) {
    if (!receiver_.ChecksumMatches()) return false;
    if (receiver_.ReplySeqByte() == SeqByte(counter_) &&
        receiver_.ReplyCommand() == static_cast<uint8_t>(lastCode_))
      return false;
  }
  static const std::string mark = Utf8ToCp1251(kStaleReplyLogText);
  char first[64];
  std::snprintf(first, sizeof first, "%X SYN=%ld%s", receiver_.ReplySeqByte(),
                static_cast<long>(receiver_.SynCount()), mark.c_str());
  log_.WriteReplyEntry(first, receiver_.ReceivedNow());
  receiver_.DropFrame();
  ++staleReplies_;
  return true;
}

void Driver::FinishReceive() {
  char first[32] = {};
  if (log_.Enabled())
    std::snprintf(first, sizeof first, "%X SYN=%ld", receiver_.ReplySeqByte(),
                  static_cast<long>(receiver_.SynCount()));
  // Only what this exchange received goes to the log, even when nothing
  // came and the record still shows the previous reply. Completing the
  // receive leaves those bytes where they are.
  const std::string_view received = receiver_.ReceivedNow();
  lastReceived_ = received.size();
  transactionSyn_ += receiver_.SynCount();
  heard_ = heard_ || (receiver_.FrameHasHeader() && !receiver_.Nak());
  receiver_.Complete(record_, lastCode_);
  linkReady_ = true;
  if (log_.Enabled()) log_.WriteReplyEntry(first, received);
}

// --- the transaction ---------------------------------------------------------

void Driver::Resend() {
  if (!linkReady_) return;
  counter_ = savedCounter_;
  SendAndReceive(lastCode_, lastParams_.View());
}

const ReplyRecord& Driver::ExecuteCommand(int code, std::string_view params) {
  auto work = [&] { Execute(code, params); };
  RunExchange(code, work);
  return record_;
}

const ReplyRecord& Driver::Execute(int code, std::string_view params) {
  message_.clear();
  if (!sequenceGuard_ || sequenceKnown_) return Transact(code, params);
  if (!Sendable(code, params)) return record_;
  // The proof overwrites the last parameters, which the caller's text may be.
  char copy[kMaxParameterLength];
  std::copy_n(params.data(), params.size(), copy);
  params = std::string_view(copy, params.size());
  if (!ProveSequence(code, params)) return record_;
  return Transact(code, params);
}

bool Driver::ProveSequence(int code, std::string_view params) {
  OutcomeKind last = OutcomeKind::kNoAnswer;
  for (int i = 0; i < kSequenceProofTries; ++i) {
    last = Transact(cmd::kReadDateTime, kSequenceProofParams).outcome;
    if (sequenceKnown_) return true;
    if (limitReached_ || aborted_ || !heard_) break;
  }
  // The command itself did not go out: a registrar that NAKed the proof
  // refused it, one that gave no readable answer did not answer it.
  if (message_.empty()) message_ = kSequenceProofMessage;
  const OutcomeKind kind =
      last == OutcomeKind::kNak || last == OutcomeKind::kNotSent ? last : OutcomeKind::kNoAnswer;
  MarkNotSent(code, params, kind == OutcomeKind::kNak ? kFlagNak : kFlagNoAnswer, kind);
  return false;
}

// Every failed attempt is asked again with the same SEQ while the retry
// count lasts: the registrar answers a repeat from its memory without
// running it again, so a lost, cut or damaged answer is recovered as it was.
const ReplyRecord& Driver::Transact(int code, std::string_view params) {
  linkReady_ = true;
  Transaction t = BeginTransaction();
  const bool listening = listening_;
  if (SendAndReceive(code, params) < 0) return record_;

  bool answerLost = false;
  for (int attempt = 1; attempt <= retryCount_ && !limitReached_ && !AbortRequested(); ++attempt) {
    const bool shapeOk = ReplyShapeIsValid(record_.rawReply.Bytes(), record_.rawReply.Size());
    const OutcomeKind kind = record_.outcome;
    if (shapeOk && Outcome{kind}.answered()) break;
    if (shapeOk && kind == OutcomeKind::kNoAnswer && serial_ && serial_->IsUsbVirtualCom()) {
      // A silence after an earlier good reply (whose bytes the shape test
      // still sees) over the USB virtual COM port, which drops replies while
      // it re-enumerates: the port's own wait.
      Pause(kUsbVirtualComWaitMs);
    } else {
      Pause(kMalformedReplyWaitMs);
      ++errorCount_;
    }
    if (DeadlinePassed() || AbortRequested()) break;
    // Any attempt but a NAK may have reached the registrar and run.
    if (kind != OutcomeKind::kNak) answerLost = true;
    Resend();
    ++t.resends;
  }
  record_.outcome = FinalOutcome(record_.outcome, answerLost, heard_ || listening);
  listening_ = heard_;
  if (record_.Answered()) sequenceKnown_ = true;
  if (AbortRequested() && !record_.Answered()) {
    // The user stopped waiting: whatever the last attempt came to, the
    // command is reported as not answered.
    aborted_ = true;
    record_.flags = kFlagNoAnswer;
    record_.fieldCount = 0;
    record_.outcome = OutcomeKind::kNoAnswer;
    message_ = kAbortedMessage;
  } else if (limitReached_) {
    message_ = LimitMessage(exchangeLimitMs_);
  }
  if (t.observer) Report(t, true);
  return record_;
}

const ReplyRecord* Driver::RepeatPreviousCommand(bool newSequence) {
  if (!linkReady_) return nullptr;
  if (!newSequence) counter_ = savedCounter_;
  return &ExecuteCommand(lastCode_, lastParams_.View());  // BuildAndLog copies it first
}

// The registrar must have read the whole request before the answer is
// thrown away: after the wait only the input is cleared (see DiscardInput),
// so a late answer is left for the next command to recognise and drop.
void Driver::DisableRemoteAccess() {
  if (usb_) return;
  auto work = [&] { SendRemoteAccessOff(); };
  RunExchange(cmd::kSetServiceParameter, work);
}

void Driver::SendRemoteAccessOff() {
  Transaction t = BeginTransaction();
  BuildAndLog(cmd::kSetServiceParameter, kDisableRemoteAccessParams);
  if (serial_) {
    serial_->SendRequest(frame_, frameLength_);
    Pause(kRemoteAccessWaitMs);
    serial_->Flush();
    serial_->DiscardInput();
  }
  linkReady_ = true;
  if (t.observer) Report(t, false);
}

}  // namespace tesmar::link
