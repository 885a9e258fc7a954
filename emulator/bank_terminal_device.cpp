#include "bank_terminal_device.h"

#include <cstdio>

namespace tesmar::emu {

namespace {

constexpr char kSep = '\x1C';
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kRequest = 0x12;
constexpr uint8_t kPaymentLead = 0x02;
constexpr size_t kOverLongLength = 1024;

void PutFrame(std::vector<uint8_t>& out, const std::string& payload) {
  out.push_back(static_cast<uint8_t>(payload.size() >> 8));
  out.push_back(static_cast<uint8_t>(payload.size() & 0xFF));
  out.insert(out.end(), payload.begin(), payload.end());
}

void PutAck(std::vector<uint8_t>& out) {
  PutFrame(out, std::string(1, static_cast<char>(kAck)));
}

bool IsAck(const std::string& payload) {
  return payload.size() == 1 && static_cast<uint8_t>(payload[0]) == kAck;
}

}  // namespace

std::string TerminalFieldValue(const std::string& message, const std::string& tag) {
  const std::string key = tag + "=";
  size_t start = 0;
  while (start < message.size()) {
    size_t end = message.find(kSep, start);
    if (end == std::string::npos) end = message.size();
    std::string field = message.substr(start, end - start);
    if (start == 0 && !field.empty() && static_cast<uint8_t>(field[0]) < 0x20) field.erase(0, 1);
    if (field.compare(0, key.size(), key) == 0) return field.substr(key.size());
    start = end + 1;
  }
  return {};
}

VirtualTerminal::VirtualTerminal(TerminalFaults faults) : faults_(faults), random_(faults.seed) {}

bool VirtualTerminal::Draw(double p) {
  return p > 0 && std::uniform_real_distribution<double>(0, 1)(random_) < p;
}

std::vector<uint8_t> VirtualTerminal::Feed(const uint8_t* data, size_t n) {
  std::vector<uint8_t> out;
  for (size_t i = 0; i < n; ++i) {
    frame_ += static_cast<char>(data[i]);
    if (frame_.size() < 2) continue;
    const size_t length = static_cast<uint8_t>(frame_[0]) << 8 | static_cast<uint8_t>(frame_[1]);
    if (frame_.size() < 2 + length) continue;
    const std::string payload = frame_.substr(2);
    frame_.clear();
    TakeFrame(payload, out);
  }
  return out;
}

// A new request starts a payment whatever state the last one was left in.
void VirtualTerminal::TakeFrame(const std::string& payload, std::vector<uint8_t>& out) {
  if (payload.size() == 1 && static_cast<uint8_t>(payload[0]) == kRequest) {
    AnswerRequest(out);
    return;
  }
  switch (wait_) {
    case Wait::kDetailsAck:
      if (IsAck(payload)) wait_ = Wait::kPayment;
      return;
    case Wait::kPayment:
      if (!payload.empty() && static_cast<uint8_t>(payload[0]) == kPaymentLead)
        AnswerPayment(payload, out);
      return;
    case Wait::kApprovalAck:
      if (IsAck(payload)) wait_ = Wait::kRequest;
      return;
    default:
      return;
  }
}

void VirtualTerminal::AnswerRequest(std::vector<uint8_t>& out) {
  if (Draw(faults_.noAck)) {
    wait_ = Wait::kDead;
    return;
  }
  PutAck(out);
  if (Draw(faults_.overLong)) {
    out.push_back(static_cast<uint8_t>(kOverLongLength >> 8));
    out.push_back(static_cast<uint8_t>(kOverLongLength & 0xFF));
    out.insert(out.end(), 16, '0');
    wait_ = Wait::kDead;
    return;
  }
  char session[16];
  std::snprintf(session, sizeof session, "%06d", ++session_);
  PutFrame(out, std::string("00=") + session + kSep + "01=" + kCardNumber + kSep +
                    "02=" + kAuthorisation + kSep + "04=" + kCardKind);
  wait_ = Wait::kDetailsAck;
}

void VirtualTerminal::AnswerPayment(const std::string& payload, std::vector<uint8_t>& out) {
  std::string transaction;
  {
    std::lock_guard lock(mutex_);
    lastAmount_ = TerminalFieldValue(payload, "05");
    char id[24];
    std::snprintf(id, sizeof id, "RRN%012d", payments_ + 1);
    transaction = id;
  }
  PutAck(out);
  std::vector<uint8_t> approval;
  PutFrame(approval, "00=" + TerminalFieldValue(payload, "00") + kSep +
                         "05=" + TerminalFieldValue(payload, "05") + kSep + "39=00" + kSep +
                         "58=" + transaction);
  if (Draw(faults_.cutShort)) {
    out.insert(out.end(), approval.begin(), approval.begin() + 2 + (approval.size() - 2) / 2);
    wait_ = Wait::kDead;
    return;
  }
  out.insert(out.end(), approval.begin(), approval.end());
  std::lock_guard lock(mutex_);
  ++payments_;
  lastTransaction_ = transaction;
  wait_ = Wait::kApprovalAck;
}

int VirtualTerminal::Payments() const {
  std::lock_guard lock(mutex_);
  return payments_;
}

std::string VirtualTerminal::LastAmount() const {
  std::lock_guard lock(mutex_);
  return lastAmount_;
}

std::string VirtualTerminal::LastTransaction() const {
  std::lock_guard lock(mutex_);
  return lastTransaction_;
}

}  // namespace tesmar::emu
