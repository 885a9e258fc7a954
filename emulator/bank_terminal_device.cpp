#include "emulator/bank_terminal_device.h"

#include <cstdio>
#include <set>

namespace tesmar::emu {

namespace t = link::terminal;

namespace {

constexpr size_t kOverLongLength = 1024;
constexpr size_t kMaxAmountDigits = 12;

void Send(std::vector<TerminalOutput>& out, const std::vector<uint8_t>& bytes, int delayMs = 0) {
  out.push_back({delayMs, bytes});
}

// Whole kopecks above zero: digits, no leading zero, no point.
bool IsKopecks(const std::string& amount) {
  if (amount.empty() || amount.size() > kMaxAmountDigits || amount[0] == '0') return false;
  return amount.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

VirtualTerminal::VirtualTerminal(TerminalFaults faults) : faults_(faults), random_(faults.seed) {}

bool VirtualTerminal::Draw(double p) {
  return p > 0 && std::uniform_real_distribution<double>(0, 1)(random_) < p;
}

std::vector<TerminalOutput> VirtualTerminal::Feed(const uint8_t* data, size_t n) {
  std::vector<TerminalOutput> out;
  for (size_t i = 0; i < n; ++i) {
    switch (reader_.Take(data[i])) {
      case t::FrameReader::Result::kMore:
        break;
      case t::FrameReader::Result::kFrame:
        TakeFrame(reader_.payload(), out);
        break;
      case t::FrameReader::Result::kBadLength:
        // The rest of what came with it cannot be framed either.
        Send(out, t::NakFrame());
        wait_ = Wait::kRequest;
        return out;
    }
  }
  return out;
}

// A new request starts a payment whatever state the last one was left in.
void VirtualTerminal::TakeFrame(const std::string& payload, std::vector<TerminalOutput>& out) {
  if (payload.size() == 1 && static_cast<uint8_t>(payload[0]) == t::kRequest) {
    AnswerRequest(out);
    return;
  }
  switch (wait_) {
    case Wait::kDetailsAck:
      if (t::IsAck(payload)) wait_ = Wait::kPayment;
      return;
    case Wait::kPayment:
      AnswerPayment(payload, out);
      return;
    case Wait::kApprovalAck:
      if (t::IsAck(payload)) wait_ = Wait::kRequest;
      return;
    default:
      return;
  }
}

void VirtualTerminal::AnswerRequest(std::vector<TerminalOutput>& out) {
  if (Draw(faults_.noAck)) {
    wait_ = Wait::kDead;
    return;
  }
  Send(out, t::AckFrame());
  if (Draw(faults_.overLong)) {
    std::vector<uint8_t> announced{static_cast<uint8_t>(kOverLongLength >> 8),
                                   static_cast<uint8_t>(kOverLongLength & 0xFF)};
    announced.insert(announced.end(), 16, '0');
    Send(out, announced, faults_.delayMs);
    wait_ = Wait::kDead;
    return;
  }
  char session[16];
  std::snprintf(session, sizeof session, "%06d", ++sessions_);
  session_ = session;
  Send(out,
       t::Frame(t::TaggedField(t::kTagSession, session_) + t::kSeparator +
                t::TaggedField(t::kTagCardNumber, kCardNumber) + t::kSeparator +
                t::TaggedField(t::kTagAuthorisation, kAuthorisation) + t::kSeparator +
                t::TaggedField(t::kTagCardKind, kCardKind)),
       faults_.delayMs);
  wait_ = Wait::kDetailsAck;
}

// The request the program's protocol sends, and nothing else.
bool VirtualTerminal::RequestIsSound(const t::Message& m) const {
  static const std::set<std::string> kTags{t::kTagSession,      t::kTagOperation, t::kTagAmount,
                                           t::kTagCurrencyCode, t::kTagCurrency,  t::kTagReceipt};
  std::set<std::string> seen;
  for (const auto& f : m.fields)
    if (!kTags.count(f.first) || !seen.insert(f.first).second) return false;
  return m.lead == t::kPaymentLead && seen.size() == kTags.size() &&
         m.Field(t::kTagSession) == session_ && m.Field(t::kTagOperation) == t::kSale &&
         IsKopecks(m.Field(t::kTagAmount)) && m.Field(t::kTagCurrencyCode) == t::kHryvniaCode &&
         m.Field(t::kTagCurrency) == t::kHryvnia && m.Field(t::kTagReceipt) == t::kOneReceipt;
}

void VirtualTerminal::AnswerPayment(const std::string& payload, std::vector<TerminalOutput>& out) {
  t::Message m;
  const bool parsed = t::ParseMessage(payload, m);
  const std::string amount = parsed ? m.Field(t::kTagAmount) : t::Field(payload, t::kTagAmount);
  {
    std::lock_guard lock(mutex_);
    lastAmount_ = amount;
  }
  Send(out, t::AckFrame());
  if (!parsed || !RequestIsSound(m)) {
    Answer(amount, t::kFormatError, out);
    return;
  }
  Answer(amount, Draw(faults_.decline) ? t::kDeclined : t::kApproved, out);
}

// The answer to a payment request: the response code, and the transaction
// when approved.
void VirtualTerminal::Answer(const std::string& amount, const char* response,
                             std::vector<TerminalOutput>& out) {
  const bool approved = std::string(response) == t::kApproved;
  std::string transaction;
  if (approved) {
    std::lock_guard lock(mutex_);
    char id[24];
    std::snprintf(id, sizeof id, "RRN%012d", payments_ + 1);
    transaction = id;
  }
  std::string message = t::TaggedField(t::kTagSession, session_) + t::kSeparator +
                        t::TaggedField(t::kTagAmount, amount) + t::kSeparator +
                        t::TaggedField(t::kTagResponse, response);
  if (approved) message += t::kSeparator + t::TaggedField(t::kTagTransaction, transaction);
  std::vector<uint8_t> frame = t::Frame(message);
  wait_ = Wait::kApprovalAck;
  if (approved && Draw(faults_.cutShort)) {
    frame.resize(2 + (frame.size() - 2) / 2);
    Send(out, frame, faults_.delayMs);
    wait_ = Wait::kDead;
    return;
  }
  Send(out, frame, faults_.delayMs);
  std::lock_guard lock(mutex_);
  lastResponse_ = response;
  if (!approved) {
    ++refusals_;
    return;
  }
  ++payments_;
  lastTransaction_ = transaction;
}

int VirtualTerminal::Payments() const {
  std::lock_guard lock(mutex_);
  return payments_;
}

int VirtualTerminal::Refusals() const {
  std::lock_guard lock(mutex_);
  return refusals_;
}

std::string VirtualTerminal::LastAmount() const {
  std::lock_guard lock(mutex_);
  return lastAmount_;
}

std::string VirtualTerminal::LastResponse() const {
  std::lock_guard lock(mutex_);
  return lastResponse_;
}

std::string VirtualTerminal::LastTransaction() const {
  std::lock_guard lock(mutex_);
  return lastTransaction_;
}

}  // namespace tesmar::emu
