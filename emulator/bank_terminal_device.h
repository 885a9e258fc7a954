// A bank terminal in software, as the program meets one on its second
// serial line. Frames both ways are a two-byte length (high byte first) and
// that many bytes; a message is "tag=value" fields separated by 1Ch.
//
// A payment: the program sends the request 12h; the terminal acknowledges
// (00 01 06) and answers the card's details (fields 00, 01, 02, 04); the
// program acknowledges and sends the payment request (lead byte 02h, field
// 00 back, 05 the amount in kopecks, 52 and 53 the currency); the terminal
// acknowledges and answers the approval with the transaction identifier in
// field 58, which the program acknowledges.
//
// Faults, drawn per payment with a seed: no acknowledgement at all, the
// approval cut short (its length announced, half of it sent, then
// silence), or an announced length over the 1000 bytes a message may have.
#pragma once

#include <cstdint>
#include <mutex>
#include <random>
#include <string>
#include <vector>

namespace tesmar::emu {

struct TerminalFaults {
  double noAck = 0;     // answers the request with silence
  double cutShort = 0;  // the approval stops half-way
  double overLong = 0;  // the card's details announced as 1024 bytes
  unsigned seed = 1;
};

class VirtualTerminal {
 public:
  explicit VirtualTerminal(TerminalFaults faults = {});

  // Takes bytes from the program; returns the bytes the terminal sends back.
  std::vector<uint8_t> Feed(const uint8_t* data, size_t n);

  // What the terminal has seen, for tests and the log (safe from any thread).
  int Payments() const;            // approvals sent
  std::string LastAmount() const;  // field 05 of the last payment request
  std::string LastTransaction() const;

  // The card the terminal reports.
  static constexpr const char* kCardKind = "VISA";
  static constexpr const char* kCardNumber = "12345678";  // last eight digits
  static constexpr const char* kAuthorisation = "AUTH 482913";

 private:
  enum class Wait { kRequest, kDetailsAck, kPayment, kApprovalAck, kDead };
  void TakeFrame(const std::string& payload, std::vector<uint8_t>& out);
  void AnswerRequest(std::vector<uint8_t>& out);
  void AnswerPayment(const std::string& payload, std::vector<uint8_t>& out);
  bool Draw(double p);

  TerminalFaults faults_;
  std::mt19937 random_;
  Wait wait_ = Wait::kRequest;
  std::string frame_;  // bytes of the frame being read
  mutable std::mutex mutex_;
  int payments_ = 0;
  std::string lastAmount_, lastTransaction_;
  int session_ = 0;
};

// The value of field `tag` in a terminal message (empty when absent).
std::string TerminalFieldValue(const std::string& message, const std::string& tag);

}  // namespace tesmar::emu
