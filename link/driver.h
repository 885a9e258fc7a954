// The protocol driver: one request, one reply, resends, over the active link.
//
// The program keeps one Driver for the whole run (its sequence counter must
// live that long); tests make as many as they need. Nothing here shows a
// message: what the caller should tell the user is left in Message().
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "link/exchange_observer.h"
#include "link/exchange_runner.h"
#include "link/frame.h"
#include "link/receiver.h"
#include "link/reply_record.h"
#include "link/session_log.h"
#include "link/transport.h"
#include "link/usb_link.h"
#include "link/usb_transport.h"

namespace tesmar::link {

inline constexpr const char* kNoLinkMessage = Tesmar::mark("Ошибка выбора устройства подключения!");
inline constexpr const char* kParametersTooLongMessage =
    Tesmar::mark("Строка параметров длиннее 219 байт: команда не отправлена!");
// The protocol's command codes run from 20h to FFh: a code below that would
// be read as a control byte of the frame.
inline constexpr const char* kCodeOutOfRangeMessage =
    Tesmar::mark("Код команды должен быть от 20h до FFh: команда не отправлена!");
// The registrar did not answer the read of its date and time that proves the
// sequence number (see SetSequenceGuard): the command was not sent.
inline constexpr const char* kSequenceProofMessage =
    Tesmar::mark("Регистратор не ответил на проверочный запрос (21h): команда не отправлена!");
// A registrar busy (SYN) or babbling for longer than this ends the exchange
// without an answer. One hour is longer than the longest report takes to
// print (a full periodic report over the whole fiscal memory); tsinit.ini
// "Fiscal Printer" / "ExchangeLimit" (ms) changes it.
inline constexpr int kDefaultExchangeLimitMs = 60 * 60 * 1000;
// The text after a reply entry's "%X SYN=%ld" in the session log when the
// reply was a late answer to an earlier request and was dropped (UTF-8; the
// log gets it in Windows-1251).
inline constexpr const char* kStaleReplyLogText = Tesmar::mark(" устаревший ответ отброшен");
// The user stopped waiting for the registrar (RequestAbort).
inline constexpr const char* kAbortedMessage =
    Tesmar::mark("Ожидание прервано пользователем: ответ регистратора не получен!");

class Driver {
 public:
  explicit Driver(Sleeper& sleeper = RealSleeper());
  Driver(Sleeper& sleeper, TimeSource& time);
  ~Driver();
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;

  // --- links -------------------------------------------------------------
  // Opens a serial port (a device path, or a name under /dev) at `baud`, 8N1.
  // Returns the port's descriptor, or -1 when it could not be opened; the
  // session-start entry is written either way.
  int OpenSerialLink(const std::string& port, int baud);
  // Uses an already open byte link as the serial link (pty peers, tests).
  void AttachSerialLink(std::unique_ptr<Transport> transport);
  void CloseSerialLink();
  Transport* SerialLink() { return serial_.get(); }
  bool SerialActive() const { return serial_ != nullptr; }

  // The direct USB link to the registrar: 1 when the device was opened and
  // claimed (the link is then active and ready), 0 otherwise.
  int ConnectUsb();
  // Resets and closes the device; returns 1.
  int DisconnectUsb();
  // Uses another bulk link (tests); nullptr detaches it.
  void AttachUsbLink(UsbBulkLink* usb);
  bool UsbActive() const { return usb_ != nullptr; }

  // --- commands ----------------------------------------------------------
  // The transaction: send, receive, resend as needed. Never fails by its
  // return value; failures are in the record's flags.
  const ReplyRecord& ExecuteCommand(int code, std::string_view params);
  // One request and one reply without resend: 0 when the exchange ran, -1
  // when it could not (no link, link busy, parameters too long).
  int ExchangeFrame(int code, std::string_view params);
  // Runs the last command again: with the same SEQ, or the next one.
  // nullptr while an exchange is in progress.
  const ReplyRecord* RepeatPreviousCommand(bool newSequence);
  // Sends 88h "731942;20;0;" and throws any answer away (serial link only).
  void DisableRemoteAccess();

  // Bounds a whole transaction, resends and waits included; a value of 0
  // or less restores the default.
  void SetExchangeLimitMs(int ms) { exchangeLimitMs_ = ms > 0 ? ms : kDefaultExchangeLimitMs; }
  int ExchangeLimitMs() const { return exchangeLimitMs_; }
  // Whether the last transaction was ended by that bound.
  bool ExchangeLimitReached() const { return limitReached_; }

  // The one observer of finished exchanges (nullptr: none). Several are
  // served through an ExchangeObservers.
  void SetExchangeObserver(ExchangeObserver* observer) { observer_ = observer; }

  // Where each transaction runs (nullptr: on the caller's thread).
  void SetExchangeRunner(ExchangeRunner* runner) { runner_ = runner; }
  // Stops waiting: the running transaction ends unanswered (kNoAnswer, with
  // kAbortedMessage) within one bounded read or wait, at most 100 ms, and
  // sends nothing more. Any thread may call it while a runner runs the
  // transaction; each new transaction starts with the request cleared.
  void RequestAbort() { abort_.store(true, std::memory_order_relaxed); }
  // Whether the last transaction was ended that way.
  bool Aborted() const { return aborted_; }

  // The registrar answers a request with the same SEQ, code and parameters
  // as its last one from memory, without running it. With the guard on,
  // before the first command on a link (and after every reopening: someone
  // else may have talked to the registrar meanwhile) the driver reads the
  // registrar's date and time (21h) until an answer says that the
  // registrar's last request is one of ours; the command itself then goes
  // out with the next SEQ and can never be taken for a repeat. When that
  // read gets no answer the command is not sent (kNoAnswer, or kNak when the
  // registrar refused the frames, with kSequenceProofMessage).
  // DisableRemoteAccess is left alone: it waits for no answer, and its one
  // request sets the same value again if it is taken for a repeat.
  void SetSequenceGuard(bool on) { sequenceGuard_ = on; }
  bool SequenceGuard() const { return sequenceGuard_; }
  // Whether this link's registrar has answered one of this driver's requests.
  bool SequenceKnown() const { return sequenceKnown_; }

  void SetRetryCount(int count) { retryCount_ = count; }
  int RetryCount() const { return retryCount_; }
  int GetErrorCount() const { return errorCount_; }
  void SetLinkReady(bool ready) { linkReady_ = ready; }
  bool LinkReady() const { return linkReady_; }

  const ReplyRecord& Record() const { return record_; }
  // What the caller should show for the last command, or empty.
  const std::string& Message() const { return message_; }

  // --- session log ---------------------------------------------------------
  void SetLogFileName(std::string_view name) { log_.SetLogFileName(name); }
  SessionLog& Log() { return log_; }

  uint8_t SequenceCounter() const { return counter_; }
  // A program that starts afresh for every command (the CLI) carries its
  // counter over from the last run.
  void SetSequenceCounter(uint8_t counter) { counter_ = counter; }
  uint8_t LastCommandCode() const { return static_cast<uint8_t>(lastCode_); }
  std::string_view LastParameters() const { return lastParams_.View(); }

 private:
  struct Transaction {
    ExchangeObserver* observer = nullptr;
    std::chrono::steady_clock::time_point steadyStart;
    std::chrono::system_clock::time_point wallStart;
    int resends = 0;
  };
  Transaction BeginTransaction();
  // Runs `work` through the runner, or at once without one.
  template <class Work>
  void RunExchange(int code, Work& work);
  bool AbortRequested() const { return abort_.load(std::memory_order_relaxed); }
  // A fixed wait; under a runner in steps that an abort request ends.
  void Pause(int ms);
  // The driver's pauses as a Sleeper, for the USB link's recovery waits.
  class Pauser : public Sleeper {
   public:
    explicit Pauser(Driver& driver) : driver_(driver) {}
    void SleepMs(int ms) override { driver_.Pause(ms); }

   private:
    Driver& driver_;
  };
  const ReplyRecord& Execute(int code, std::string_view params);
  void SendRemoteAccessOff();
  // ExecuteCommand without the sequence guard.
  const ReplyRecord& Transact(int code, std::string_view params);
  bool ProveSequence(int code, std::string_view params);
  // False (the record and message saying why) when the command cannot go out.
  bool Sendable(int code, std::string_view params);
  void MarkNotSent(int code, std::string_view params, uint32_t flags, OutcomeKind kind);
  void Report(const Transaction& t, bool replyAwaited);
  bool DeadlinePassed();
  int SendAndReceive(int code, std::string_view params);
  void LogRequest(uint8_t seq, int code, std::string_view params);
  int BuildAndLog(int code, std::string_view params);
  // The link an exchange goes over: the serial link while one is open.
  Transport* ActiveLink() { return serial_ ? serial_.get() : usb_.get(); }
  void Receive(Transport& link);
  bool DroppedAsStale();
  void FinishReceive();
  void Resend();

  Sleeper& sleeper_;
  TimeSource& time_;
  UsbDirectLink usbDevice_;
  std::unique_ptr<Transport> serial_;
  std::unique_ptr<UsbTransport> usb_;
  SessionLog log_;
  Receiver receiver_;
  ReplyRecord record_;
  std::string message_;

  uint8_t counter_ = 0;
  uint8_t savedCounter_ = 0;
  int lastCode_ = 0;
  FixedBuffer<300> lastParams_;
  bool linkReady_ = true;
  bool sequenceGuard_ = false;
  bool sequenceKnown_ = false;
  int retryCount_ = 4;
  int errorCount_ = 0;
  int exchangeLimitMs_ = kDefaultExchangeLimitMs;

  // The bound of the running transaction, set at its first look at the clock.
  bool deadlineSet_ = false;
  bool limitReached_ = false;
  std::chrono::steady_clock::time_point deadline_;

  ExchangeObserver* observer_ = nullptr;
  ExchangeRunner* runner_ = nullptr;
  std::atomic<bool> abort_{false};
  Pauser pauser_{*this};
  bool aborted_ = false;
  uint32_t transactionSyn_ = 0;
  int staleReplies_ = 0;
  size_t lastReceived_ = 0;
  bool heard_ = false;  // some attempt of this transaction received part of a reply frame
  // The last transaction on this link heard the registrar: it was listening
  // a moment ago, so a silence now may be an answer lost after it ran.
  bool listening_ = false;

  uint8_t frame_[kMaxRequestFrame + 1] = {};
  size_t frameLength_ = 0;
};

}  // namespace tesmar::link
