// The bank terminal exchange, bytes in and bytes out: the frames it sends,
// the fields it takes, every fault that must end it, and its run over a link
// against the emulator's virtual terminal.
#include "sales/bank_terminal.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "emulator/bank_terminal_device.h"
#include "link/memory_transport.h"
#include "link/money.h"
#include "link/terminal_codec.h"

using namespace tesmar;
using namespace tesmar::sales;
using link::terminal::Field;
using link::terminal::Frame;

namespace {

const std::string kFs = "\x1C";

Bytes B(std::initializer_list<int> v) {
  Bytes b;
  for (int x : v) b.push_back(static_cast<uint8_t>(x));
  return b;
}

Bytes Cat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const Bytes kAck = B({0x00, 0x01, 0x06});
const std::string kDetails =
    "00=000042" + kFs + "01=12345678" + kFs + "02=AUTH 1" + kFs + "04=VISA";
const std::string kApproval = "00=000042" + kFs + "58=RRN7";

// A clock that moves 100 ms on every look, as a read that times out would.
SteadyNow SteppingClock() {
  auto t = std::make_shared<std::chrono::steady_clock::time_point>();
  return [t] { return *t += std::chrono::milliseconds(100); };
}

}  // namespace

TEST(TerminalExchange, aPaymentSendsRequestAcksAndKopecksAndTakesTheTransaction) {
  TerminalExchange ex(1250);
  EXPECT_EQ(ex.Start(), B({0x00, 0x01, 0x12}));
  EXPECT_TRUE(ex.Feed(kAck).empty());
  const Bytes afterDetails = ex.Feed(Frame(kDetails));
  const std::string request =
      "\x02"
      "00=000042" +
      kFs + "03=S" + kFs + "05=1250" + kFs + "52=980" + kFs + "53=UAH" + kFs + "61=1";
  EXPECT_EQ(afterDetails, Cat(kAck, Frame(request)));
  EXPECT_FALSE(ex.done());
  EXPECT_TRUE(ex.Feed(kAck).empty());
  EXPECT_EQ(ex.Feed(Frame(kApproval)), kAck);
  ASSERT_TRUE(ex.done());
  EXPECT_EQ(ex.details().transaction, "RRN7");
  EXPECT_EQ(ex.details().cardKind, "VISA");
  EXPECT_EQ(CardLines(ex.details()),
            (std::vector<std::string>{"VISA CARD", "**** **** 1234 5678", "AUTH 1"}));
}

TEST(TerminalExchange, bytesArrivingOneByOneGiveTheSameExchange) {
  TerminalExchange ex(700);
  ex.Start();
  Bytes out;
  for (uint8_t b : Cat(Cat(kAck, Frame(kDetails)), Cat(kAck, Frame(kApproval))))
    out = Cat(out, ex.Feed(&b, 1));
  EXPECT_TRUE(ex.done());
  EXPECT_EQ(Field(std::string(out.begin() + 5, out.end()), "05"),
            "700");  // seven hryvnia, in kopecks
}

TEST(TerminalExchange, wrongAcknowledgementOrLengthEndsItAndNothingIsAnswered) {
  struct Case {
    const char* what;
    Bytes bytes;
  };
  const Case cases[] = {
      {"first ack wrong", B({0x00, 0x01, 0x15})},
      {"zero length", Cat(kAck, B({0x00, 0x00}))},
      {"over 1000", Cat(kAck, B({0x03, 0xE9}))},
      {"second ack wrong", Cat(Cat(kAck, Frame(kDetails)), B({0x00, 0x01, 0x05}))},
      {"second over 1000", Cat(Cat(Cat(kAck, Frame(kDetails)), kAck), B({0x10, 0x00}))},
  };
  for (const Case& c : cases) {
    TerminalExchange ex(100);
    ex.Start();
    ex.Feed(c.bytes);
    EXPECT_TRUE(ex.failed()) << c.what;
    EXPECT_TRUE(ex.Feed(kAck).empty()) << c.what;  // a failed exchange stays silent
  }
  TerminalExchange full(100);
  full.Start();
  full.Feed(Cat(kAck, Frame(std::string(1000, 'x'))));
  EXPECT_EQ(full.step(), TerminalExchange::Step::kSecondAck);  // 1000 itself is allowed
}

TEST(TerminalFields, valuesRunToTheSeparatorAndTagsMatchWhole) {
  const std::string m =
      "\x02"
      "00=A" +
      kFs + "001=B" + kFs + "01=" + kFs + "58=LAST";
  EXPECT_EQ(Field(m, "00"), "A");  // behind the lead byte
  EXPECT_EQ(Field(m, "01"), "");
  EXPECT_EQ(Field(m, "58"), "LAST");
  EXPECT_EQ(Field(m, "99"), "");
  EXPECT_EQ(Field("", "00"), "");
  EXPECT_EQ(Frame(std::string(300, 'a'))[0], 0x01);  // high byte first
  EXPECT_EQ(Frame(std::string(300, 'a'))[1], 0x2C);
}

TEST(TerminalRun, aSilentTerminalEndsWithinTheBoundAndAHangUpAtOnce) {
  link::MemoryTransport silent;
  CardDetails d;
  EXPECT_EQ(RunTerminalPayment(silent, 100, d, 20000, SteppingClock()), TerminalResult::kFailed);
  EXPECT_LE(silent.Reads(), 200);  // 20 s of 100 ms reads
  EXPECT_EQ(silent.Writes().size(), 1u);

  link::MemoryTransport gone;
  gone.HangUpWhenDrained(true);
  EXPECT_EQ(RunTerminalPayment(gone, 100, d, 20000, SteppingClock()), TerminalResult::kFailed);
  EXPECT_EQ(gone.Reads(), 1);
}

TEST(TerminalRun, aMessageCutShortEndsTheRunWithoutTheTransaction) {
  link::MemoryTransport t([&](const Bytes& w) {
    if (w == B({0x00, 0x01, 0x12})) {
      Bytes cut = Frame(kDetails);
      cut.resize(cut.size() / 2);
      return Cat(kAck, cut);
    }
    return Bytes{};
  });
  CardDetails d;
  EXPECT_EQ(RunTerminalPayment(t, 100, d, 20000, SteppingClock()), TerminalResult::kFailed);
  EXPECT_TRUE(d.transaction.empty());
  EXPECT_EQ(t.Writes().size(), 1u);  // no acknowledgement of half a message
}

namespace {

// The virtual terminal behind an in-memory link; each of its pauses is as
// many 100 ms reads that find nothing, one clock step each.
class TerminalLink {
 public:
  explicit TerminalLink(emu::VirtualTerminal& terminal) {
    link_.SetPeer([this, &terminal](const Bytes& w) {
      for (const emu::TerminalOutput& part : terminal.Feed(w.data(), w.size())) {
        link_.InjectSilence(part.delayMs / 100);
        link_.Inject(part.bytes);
      }
      return Bytes{};
    });
  }
  link::MemoryTransport& get() { return link_; }

 private:
  link::MemoryTransport link_;
};

TerminalResult PayThrough(emu::VirtualTerminal& terminal, int64_t kopecks, CardDetails& d,
                          int waitMs = 20000) {
  TerminalLink t(terminal);
  return RunTerminalPayment(t.get(), kopecks, d, waitMs, SteppingClock());
}

}  // namespace

TEST(VirtualTerminal, approvesEachPaymentWithItsOwnTransaction) {
  emu::VirtualTerminal terminal;
  CardDetails d;
  ASSERT_EQ(PayThrough(terminal, 1250, d), TerminalResult::kApproved);
  EXPECT_EQ(d.transaction, "RRN000000000001");
  EXPECT_EQ(terminal.LastAmount(), "1250");
  EXPECT_EQ(CardLines(d)[1], "**** **** 1234 5678");
  ASSERT_EQ(PayThrough(terminal, 300, d), TerminalResult::kApproved);
  EXPECT_EQ(d.transaction, "RRN000000000002");
  EXPECT_EQ(terminal.Payments(), 2);
}

TEST(VirtualTerminal, eachSeededFaultEndsThePayment) {
  for (auto fault : {&emu::TerminalFaults::noAck, &emu::TerminalFaults::cutShort,
                     &emu::TerminalFaults::overLong}) {
    emu::TerminalFaults f;
    f.*fault = 1;
    emu::VirtualTerminal terminal(f);
    CardDetails d;
    EXPECT_EQ(PayThrough(terminal, 100, d), TerminalResult::kFailed);
    EXPECT_EQ(terminal.Payments(), 0);
  }
}

TEST(TerminalRun, eachMessageHasAWaitOfItsOwn) {
  emu::TerminalFaults slow;
  slow.delayMs = 15000;  // each message: within 20 s, the two together not
  emu::VirtualTerminal patient(slow);
  CardDetails d;
  EXPECT_EQ(PayThrough(patient, 1250, d), TerminalResult::kApproved);
  EXPECT_EQ(d.transaction, "RRN000000000001");

  slow.delayMs = 21000;  // the card's details come too late
  emu::VirtualTerminal late(slow);
  TerminalLink t(late);
  EXPECT_EQ(RunTerminalPayment(t.get(), 1250, d, 20000, SteppingClock()), TerminalResult::kFailed);
  EXPECT_LE(t.get().Reads(), 201);
  EXPECT_EQ(late.LastAmount(), "");
}

TEST(TerminalRun, aDeclinedCardGivesTheResponseCodeAndNoTransaction) {
  emu::TerminalFaults f;
  f.decline = 1;
  emu::VirtualTerminal terminal(f);
  CardDetails d;
  EXPECT_EQ(PayThrough(terminal, 1250, d), TerminalResult::kDeclined);
  EXPECT_EQ(d.response, "05");
  EXPECT_TRUE(d.transaction.empty());
  EXPECT_EQ(terminal.Payments(), 0);
  EXPECT_EQ(terminal.Refusals(), 1);

  // A transaction under another response code is no approval either.
  link::MemoryTransport t([&](const Bytes& w) {
    if (w == B({0x00, 0x01, 0x12})) return Cat(kAck, Frame(kDetails));
    if (w.size() > 3) return Cat(kAck, Frame("39=51" + kFs + "58=RRN9"));
    return Bytes{};
  });
  EXPECT_EQ(RunTerminalPayment(t, 100, d, 20000, SteppingClock()), TerminalResult::kDeclined);
  EXPECT_EQ(d.response, "51");
}

namespace {

// The virtual terminal's answer to one payment request after its card
// details, as a parsed message; `ok` false when it gave no message.
struct Answered {
  bool ok = false;
  link::terminal::Message message;
};

Answered AnswerTo(emu::VirtualTerminal& terminal,
                  const std::function<std::string(const std::string& session)>& request) {
  Answered a;
  const auto details = terminal.Feed(B({0x00, 0x01, 0x12}).data(), 3);
  if (details.size() != 2) return a;
  const std::string body(details[1].bytes.begin() + 2, details[1].bytes.end());
  terminal.Feed(kAck.data(), kAck.size());
  const Bytes frame = Frame(request(Field(body, "00")));
  const auto answer = terminal.Feed(frame.data(), frame.size());
  if (answer.size() != 2 || Cat({}, answer[0].bytes) != kAck) return a;
  a.ok = link::terminal::ParseMessage(
      std::string(answer[1].bytes.begin() + 2, answer[1].bytes.end()), a.message);
  return a;
}

std::string Request(const std::string& session, const std::string& amount,
                    const std::string& tail = kFs + "52=980" + kFs + "53=UAH" + kFs + "61=1") {
  return "\x02"
         "00=" +
         session + kFs + "03=S" + kFs + "05=" + amount + tail;
}

}  // namespace

TEST(VirtualTerminal, checksTheRequestAndRefusesWhatIsNotThePaymentRequest) {
  {
    emu::VirtualTerminal terminal;
    const Answered a = AnswerTo(
        terminal, [](const std::string& s) { return link::terminal::PaymentRequest(s, 1250); });
    ASSERT_TRUE(a.ok);
    EXPECT_EQ(a.message.Field("39"), "00");
    EXPECT_EQ(a.message.Field("58"), "RRN000000000001");
  }
  const struct {
    const char* what;
    std::function<std::string(const std::string&)> request;
  } bad[] = {
      {"amount with a point", [](const std::string& s) { return Request(s, "12.50"); }},
      {"amount zero", [](const std::string& s) { return Request(s, "0"); }},
      {"amount with a leading zero", [](const std::string& s) { return Request(s, "0125"); }},
      {"amount empty", [](const std::string& s) { return Request(s, ""); }},
      {"amount signed", [](const std::string& s) { return Request(s, "-125"); }},
      {"another session", [](const std::string&) { return Request("999999", "125"); }},
      {"no lead byte", [](const std::string& s) { return Request(s, "125").substr(1); }},
      {"currency missing",
       [](const std::string& s) { return Request(s, "125", kFs + "52=980" + kFs + "61=1"); }},
      {"another currency",
       [](const std::string& s) {
         return Request(s, "125", kFs + "52=840" + kFs + "53=USD" + kFs + "61=1");
       }},
      {"a field twice",
       [](const std::string& s) {
         return Request(s, "125", kFs + "52=980" + kFs + "53=UAH" + kFs + "61=1" + kFs + "05=1");
       }},
      {"a field not tagged",
       [](const std::string& s) {
         return Request(s, "125", kFs + "52=980" + kFs + "53=UAH" + kFs + "1=1");
       }},
      {"a field of its own",
       [](const std::string& s) {
         return Request(s, "125", kFs + "52=980" + kFs + "53=UAH" + kFs + "61=1" + kFs + "99=x");
       }},
  };
  for (const auto& c : bad) {
    emu::VirtualTerminal terminal;
    const Answered a = AnswerTo(terminal, c.request);
    ASSERT_TRUE(a.ok) << c.what;
    EXPECT_EQ(a.message.Field("39"), "30") << c.what;
    EXPECT_FALSE(a.message.Has("58")) << c.what;
    EXPECT_EQ(terminal.Payments(), 0) << c.what;
  }
  emu::VirtualTerminal terminal;  // a frame no message may have: refused (15h)
  const Bytes overLong = B({0x03, 0xE9, '0'});
  const auto out = terminal.Feed(overLong.data(), overLong.size());
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].bytes, B({0x00, 0x01, 0x15}));
}

TEST(VirtualTerminal, holdsEachMessageBackButNotItsAcknowledgements) {
  emu::TerminalFaults f;
  f.delayMs = 700;
  emu::VirtualTerminal terminal(f);
  const auto out = terminal.Feed(B({0x00, 0x01, 0x12}).data(), 3);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].delayMs, 0);
  EXPECT_EQ(out[0].bytes, kAck);
  EXPECT_EQ(out[1].delayMs, 700);
}

TEST(TerminalMoney, amountsAreReadAsMoneyAndWrittenWithTwoDecimals) {
  int64_t k = -1;
  for (auto [text, kopecks] : {std::pair{"12", 1200}, std::pair{"12.5", 1250},
                               std::pair{"12.50", 1250}, std::pair{"0.07", 7}, std::pair{"0", 0}}) {
    ASSERT_TRUE(link::ParseMoney(text, k)) << text;
    EXPECT_EQ(k, kopecks) << text;
  }
  k = 42;
  for (const char* text : {"", "-5", "+5", "1e3", "12.505", "12.", ".5", "1,5", " 1", "1 ", "0x10",
                           "1234567890123456"})
    EXPECT_FALSE(link::ParseMoney(text, k)) << text;
  EXPECT_EQ(k, 42);  // left alone
  int64_t mills = 0;
  ASSERT_TRUE(link::ParseDecimal("1.250", 3, mills));
  EXPECT_EQ(mills, 1250);
  EXPECT_FALSE(link::ParseDecimal("1.2", 4, mills));  // more decimals than 63 bits hold
  EXPECT_EQ(link::FormatKopecks(1250), "12.50");
  EXPECT_EQ(link::FormatKopecks(7), "0.07");
  EXPECT_EQ(link::FormatKopecks(-150), "-1.50");
  EXPECT_EQ(link::terminal::PaymentRequest("000042", 1200),
            "\x02"
            "00=000042" +
                kFs + "03=S" + kFs + "05=1200" + kFs + "52=980" + kFs + "53=UAH" + kFs + "61=1");
}
