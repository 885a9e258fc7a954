// The bank terminal exchange, bytes in and bytes out: the frames it sends,
// the fields it takes, every fault that must end it, and its run over a link
// against the emulator's virtual terminal.
#include "bank_terminal.h"

#include <gtest/gtest.h>

#include <chrono>

#include "bank_terminal_device.h"
#include "memory_transport.h"

using namespace tesmar;
using namespace tesmar::sales;

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
  TerminalExchange ex("12.50");
  EXPECT_EQ(ex.Start(), B({0x00, 0x01, 0x12}));
  EXPECT_TRUE(ex.Feed(kAck).empty());
  const Bytes afterDetails = ex.Feed(TerminalFrame(kDetails));
  const std::string request =
      "\x02"
      "00=000042" +
      kFs + "03=S" + kFs + "05=1250" + kFs + "52=980" + kFs + "53=UAH" + kFs + "61=1";
  EXPECT_EQ(afterDetails, Cat(kAck, TerminalFrame(request)));
  EXPECT_FALSE(ex.done());
  EXPECT_TRUE(ex.Feed(kAck).empty());
  EXPECT_EQ(ex.Feed(TerminalFrame(kApproval)), kAck);
  ASSERT_TRUE(ex.done());
  EXPECT_EQ(ex.details().transaction, "RRN7");
  EXPECT_EQ(ex.details().cardKind, "VISA");
  EXPECT_EQ(CardLines(ex.details()),
            (std::vector<std::string>{"VISA CARD", "**** **** 1234 5678", "AUTH 1"}));
}

TEST(TerminalExchange, bytesArrivingOneByOneGiveTheSameExchange) {
  TerminalExchange ex("7");
  ex.Start();
  Bytes out;
  for (uint8_t b : Cat(Cat(kAck, TerminalFrame(kDetails)), Cat(kAck, TerminalFrame(kApproval))))
    out = Cat(out, ex.Feed(&b, 1));
  EXPECT_TRUE(ex.done());
  EXPECT_EQ(TerminalField(std::string(out.begin() + 5, out.end()), "05"),
            "7");  // no point: as typed
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
      {"second ack wrong", Cat(Cat(kAck, TerminalFrame(kDetails)), B({0x00, 0x01, 0x05}))},
      {"second over 1000", Cat(Cat(Cat(kAck, TerminalFrame(kDetails)), kAck), B({0x10, 0x00}))},
  };
  for (const Case& c : cases) {
    TerminalExchange ex("1.00");
    ex.Start();
    ex.Feed(c.bytes);
    EXPECT_TRUE(ex.failed()) << c.what;
    EXPECT_TRUE(ex.Feed(kAck).empty()) << c.what;  // a failed exchange stays silent
  }
  TerminalExchange full("1.00");
  full.Start();
  full.Feed(Cat(kAck, TerminalFrame(std::string(1000, 'x'))));
  EXPECT_EQ(full.step(), TerminalExchange::Step::kSecondAck);  // 1000 itself is allowed
}

TEST(TerminalFields, valuesRunToTheSeparatorAndTagsMatchWhole) {
  const std::string m =
      "\x02"
      "00=A" +
      kFs + "001=B" + kFs + "01=" + kFs + "58=LAST";
  EXPECT_EQ(TerminalField(m, "00"), "A");  // behind the lead byte
  EXPECT_EQ(TerminalField(m, "01"), "");
  EXPECT_EQ(TerminalField(m, "58"), "LAST");
  EXPECT_EQ(TerminalField(m, "99"), "");
  EXPECT_EQ(TerminalField("", "00"), "");
  EXPECT_EQ(TerminalAmount("12.50"), "1250");
  EXPECT_EQ(TerminalAmount("12"), "12");
  EXPECT_EQ(TerminalFrame(std::string(300, 'a'))[0], 0x01);  // high byte first
  EXPECT_EQ(TerminalFrame(std::string(300, 'a'))[1], 0x2C);
}

TEST(TerminalRun, aSilentTerminalEndsWithinTheBoundAndAHangUpAtOnce) {
  link::MemoryTransport silent;
  CardDetails d;
  EXPECT_FALSE(RunTerminalPayment(silent, "1.00", d, 20000, SteppingClock()));
  EXPECT_LE(silent.Reads(), 200);  // 20 s of 100 ms reads
  EXPECT_EQ(silent.Writes().size(), 1u);

  link::MemoryTransport gone;
  gone.HangUpWhenDrained(true);
  EXPECT_FALSE(RunTerminalPayment(gone, "1.00", d, 20000, SteppingClock()));
  EXPECT_EQ(gone.Reads(), 1);
}

TEST(TerminalRun, aMessageCutShortEndsTheRunWithoutTheTransaction) {
  link::MemoryTransport t([&](const Bytes& w) {
    if (w == B({0x00, 0x01, 0x12})) {
      Bytes cut = TerminalFrame(kDetails);
      cut.resize(cut.size() / 2);
      return Cat(kAck, cut);
    }
    return Bytes{};
  });
  CardDetails d;
  EXPECT_FALSE(RunTerminalPayment(t, "1.00", d, 20000, SteppingClock()));
  EXPECT_TRUE(d.transaction.empty());
  EXPECT_EQ(t.Writes().size(), 1u);  // no acknowledgement of half a message
}

namespace {
bool PayThrough(emu::VirtualTerminal& terminal, const std::string& amount, CardDetails& d) {
  link::MemoryTransport t([&](const Bytes& w) { return terminal.Feed(w.data(), w.size()); });
  return RunTerminalPayment(t, amount, d, 20000, SteppingClock());
}
}  // namespace

TEST(VirtualTerminal, approvesEachPaymentWithItsOwnTransaction) {
  emu::VirtualTerminal terminal;
  CardDetails d;
  ASSERT_TRUE(PayThrough(terminal, "12.50", d));
  EXPECT_EQ(d.transaction, "RRN000000000001");
  EXPECT_EQ(terminal.LastAmount(), "1250");
  EXPECT_EQ(CardLines(d)[1], "**** **** 1234 5678");
  ASSERT_TRUE(PayThrough(terminal, "3", d));
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
    EXPECT_FALSE(PayThrough(terminal, "1.00", d));
    EXPECT_EQ(terminal.Payments(), 0);
  }
}
