// A bank terminal in software, as the program meets one on its second
// serial line. Frames and messages are those of link/terminal_codec.h.
//
// A payment: the program sends the request 12h; the terminal acknowledges
// (00 01 06) and answers the card's details (fields 00, 01, 02, 04); the
// program acknowledges and sends the payment request (lead byte 02h, field
// 00 back, 03 "S", 05 the amount in kopecks, 52 "980", 53 "UAH", 61 "1");
// the terminal acknowledges and answers with its response code in field 39
// and, when it approved, the transaction identifier in field 58; the
// program acknowledges that.
//
// The terminal checks what it is sent: a frame of length 0 or over 1000
// bytes is refused (00 01 15); a payment request that is not the one above
// (a field malformed or missing, another session, an amount that is not
// whole kopecks above zero) is acknowledged and answered with the response
// code 30 and no transaction.
//
// Faults, drawn per payment with a seed: no acknowledgement at all, the
// approval cut short (its length announced, half of it sent, then
// silence), an announced length over the 1000 bytes a message may have, a
// declined card (response code 05). A delay holds each of its two messages
// back (the acknowledgements go at once), as a slow customer would.
#pragma once

#include <cstdint>
#include <mutex>
#include <random>
#include <string>
#include <vector>

#include "link/terminal_codec.h"

namespace tesmar::emu {

struct TerminalFaults {
  double noAck = 0;     // answers the request with silence
  double cutShort = 0;  // the approval stops half-way
  double overLong = 0;  // the card's details announced as 1024 bytes
  double decline = 0;   // the card is declined
  int delayMs = 0;      // before each of the terminal's two messages
  unsigned seed = 1;
};

// Bytes the terminal sends, after a pause.
struct TerminalOutput {
  int delayMs = 0;
  std::vector<uint8_t> bytes;
};

class VirtualTerminal {
 public:
  explicit VirtualTerminal(TerminalFaults faults = {});

  // Takes bytes from the program; returns what the terminal sends back, in
  // order, each part after its pause.
  std::vector<TerminalOutput> Feed(const uint8_t* data, size_t n);

  // What the terminal has seen, for tests and the log (safe from any thread).
  int Payments() const;            // approvals sent
  int Refusals() const;            // payments declined or refused as malformed
  std::string LastAmount() const;  // field 05 of the last payment request
  std::string LastResponse() const;
  std::string LastTransaction() const;

  // The card the terminal reports.
  static constexpr const char* kCardKind = "VISA";
  static constexpr const char* kCardNumber = "12345678";  // last eight digits
  static constexpr const char* kAuthorisation = "AUTH 482913";

 private:
  enum class Wait { kRequest, kDetailsAck, kPayment, kApprovalAck, kDead };
  void TakeFrame(const std::string& payload, std::vector<TerminalOutput>& out);
  void AnswerRequest(std::vector<TerminalOutput>& out);
  void AnswerPayment(const std::string& payload, std::vector<TerminalOutput>& out);
  bool RequestIsSound(const link::terminal::Message& m) const;
  void Answer(const std::string& amount, const char* response, std::vector<TerminalOutput>& out);
  bool Draw(double p);

  TerminalFaults faults_;
  std::mt19937 random_;
  Wait wait_ = Wait::kRequest;
  link::terminal::FrameReader reader_;
  std::string session_;  // field 00 of the card details last sent
  mutable std::mutex mutex_;
  int payments_ = 0;
  int refusals_ = 0;
  std::string lastAmount_, lastResponse_, lastTransaction_;
  int sessions_ = 0;
};

}  // namespace tesmar::emu
