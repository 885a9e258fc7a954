#include "emulator/session.h"

#include <gtest/gtest.h>

#include "link/driver.h"
#include "link/frame.h"
#include "link/memory_transport.h"
#include "tests/support/test_support.h"

using namespace tesmar;
using namespace tesmar::emu;

namespace {

std::vector<uint8_t> RequestFrame(uint8_t seq, uint8_t code, std::string_view params) {
  uint8_t buf[link::kMaxRequestFrame];
  const size_t n = link::BuildRequestFrame(seq, code, params, buf);
  return {buf, buf + n};
}

}  // namespace

TEST(Session, answersAFrameWithAProperReply) {
  Registrar reg;
  Session s(reg);
  const SessionOutput out = s.Feed(RequestFrame(0x25, 0x21, "731942;"));
  ASSERT_TRUE(out.replied);
  EXPECT_TRUE(link::ReplyShapeIsValid(out.bytes.data(), out.bytes.size()));
  EXPECT_EQ(out.bytes[2], 0x25);  // SEQ echoed
  EXPECT_EQ(out.bytes[3], 0x21);
}

TEST(Session, naksARequestWithABadChecksumAndRunsNothing) {
  Registrar reg;
  Session s(reg);
  auto req = RequestFrame(0x21, 0x61, "731942;x;");
  req[req.size() - 2] ^= 1;
  const SessionOutput out = s.Feed(req);
  EXPECT_EQ(out.bytes, std::vector<uint8_t>{link::kNak});
  EXPECT_EQ(s.Counters().badChecksums, 1);
  EXPECT_EQ(reg.Executed(0x61), 0);
}

TEST(Session, resentRequestIsAnsweredFromThePreviousReplyAndNotRunAgain) {
  Registrar reg;
  Session s(reg);
  s.Feed(RequestFrame(0x21, 0x60, "731942;"));
  const auto first = s.Feed(RequestFrame(0x22, 0x61, "731942;one;"));
  const auto again = s.Feed(RequestFrame(0x22, 0x61, "731942;one;"));
  EXPECT_EQ(first.bytes, again.bytes);
  EXPECT_EQ(reg.Executed(0x61), 1);
  EXPECT_EQ(reg.Tape().back(), "one");
  EXPECT_EQ(s.Counters().repeated, 1);
  // A new SEQ with the same text is a new command.
  s.Feed(RequestFrame(0x23, 0x61, "731942;one;"));
  EXPECT_EQ(reg.Executed(0x61), 2);
}

TEST(Session, frameSplitAcrossFeedsAndNoiseBeforeItStillParse) {
  Registrar reg;
  Session s(reg);
  auto req = RequestFrame(0x30, 0x80, "731942;");
  std::vector<uint8_t> noisy = {'z', 0x03, 0x16};
  noisy.insert(noisy.end(), req.begin(), req.end());
  SessionOutput out;
  for (uint8_t b : noisy) {
    auto o = s.Feed(&b, 1);
    out.bytes.insert(out.bytes.end(), o.bytes.begin(), o.bytes.end());
  }
  EXPECT_TRUE(link::ReplyShapeIsValid(out.bytes.data(), out.bytes.size()));
}

TEST(Session, faultsAreRepeatableForASeed) {
  auto run = [](unsigned seed) {
    Registrar reg;
    FaultPlan plan;
    plan.nak = plan.corrupt = plan.stray = plan.cut = 0.2;
    plan.seed = seed;
    Session s(reg, plan);
    std::vector<uint8_t> all;
    for (int i = 0; i < 50; ++i) {
      auto o = s.Feed(RequestFrame(static_cast<uint8_t>(0x20 + i % 95), 0x21, "731942;"));
      all.insert(all.end(), o.bytes.begin(), o.bytes.end());
    }
    return all;
  };
  EXPECT_EQ(run(7), run(7));
  EXPECT_NE(run(7), run(8));
}

TEST(Session, hangUpFaultEndsTheLine) {
  Registrar reg;
  FaultPlan plan;
  plan.hangUp = 1;
  Session s(reg, plan);
  EXPECT_TRUE(s.Feed(RequestFrame(0x21, 0x21, "731942;")).hangUp);
}

TEST(Session, commandWhoseStateCannotBeKeptIsNeverAnsweredWithSuccess) {
  Registrar reg;
  Session s(reg);
  bool saved = false;
  s.OnExecuted([&] { return saved; });
  link::ReplyRecord r;
  link::Receiver receiver;
  receiver.BeginExchange();
  for (uint8_t b : s.Feed(RequestFrame(0x21, 0x88, "731942;7;42;")).bytes) receiver.Feed(b);
  receiver.Complete(r, 0x88);
  EXPECT_EQ(r.errorCode.View(), "0401");  // "Ошибка Flash памяти!"
  // The repeat is answered as the command was.
  receiver.BeginExchange();
  for (uint8_t b : s.Feed(RequestFrame(0x21, 0x88, "731942;7;42;")).bytes) receiver.Feed(b);
  receiver.Complete(r, 0x88);
  EXPECT_EQ(r.errorCode.View(), "0401");
  saved = true;
  receiver.BeginExchange();
  for (uint8_t b : s.Feed(RequestFrame(0x22, 0x89, "731942;7;")).bytes) receiver.Feed(b);
  receiver.Complete(r, 0x89);
  EXPECT_EQ(r.errorCode.View(), "0000");
}

// The registrar's repeat memory against the first command of a program that
// does not know who spoke last: a request equal to the registrar's last one
// (same SEQ, code and parameters) is answered from memory and not printed.
TEST(Session, firstCommandIsNeverTakenForTheRegistrarsLastRequest) {
  for (bool guard : {false, true}) {
    Registrar reg;
    reg.state.document = Document::kNonFiscal;
    Session s(reg);
    // Another program's last request, as the next driver's first will be.
    s.Feed(RequestFrame(link::SeqByte(1), 0x61, "731942;ТЕСТ;"));
    ASSERT_EQ(reg.Executed(0x61), 1);
    test::RecordingSleeper sleeper;
    link::Driver driver(sleeper);
    driver.SetSequenceGuard(guard);
    driver.AttachSerialLink(std::make_unique<link::MemoryTransport>(
        [&](const std::vector<uint8_t>& f) { return s.Feed(f).bytes; }));
    EXPECT_TRUE(driver.ExecuteCommand(0x61, "731942;ТЕСТ;").Succeeded()) << guard;
    // Without the guard the line is swallowed although the answer is "0000".
    EXPECT_EQ(reg.Executed(0x61), guard ? 2 : 1) << guard;
  }
}
