#include "driver.h"

#include <gtest/gtest.h>

#include "frame.h"
#include "memory_transport.h"
#include "test_support.h"

using namespace tesmar::link;
using tesmar::test::RecordingSleeper;
using tesmar::test::Reply;
using tesmar::test::SeqOf;

namespace {

using Frame = std::vector<uint8_t>;

// A peer that answers the n-th request with script[n] (the last one repeats).
// An answer of {} is silence.
struct ScriptedPeer {
  std::vector<std::function<Frame(const Frame&)>> script;
  size_t calls = 0;
  Frame operator()(const Frame& req) {
    auto& f = script[std::min(calls++, script.size() - 1)];
    return f(req);
  }
};

std::function<Frame(const Frame&)> Good(std::string data = "1;") {
  return [data](const Frame& req) { return Reply(SeqOf(req), req[3], data); };
}
std::function<Frame(const Frame&)> Fixed(Frame bytes) {
  return [bytes](const Frame&) { return bytes; };
}
std::function<Frame(const Frame&)> Silent() {
  return Fixed({});
}

struct Rig {
  RecordingSleeper sleeper;
  Driver driver{sleeper};
  MemoryTransport* link = nullptr;
  std::shared_ptr<ScriptedPeer> peer = std::make_shared<ScriptedPeer>();

  explicit Rig(std::vector<std::function<Frame(const Frame&)>> script, int retries = 4) {
    peer->script = std::move(script);
    auto p = peer;
    link = new MemoryTransport([p](const Frame& f) { return (*p)(f); });
    driver.AttachSerialLink(std::unique_ptr<Transport>(link));
    driver.SetRetryCount(retries);
  }
  std::vector<uint8_t> Seqs() const {
    std::vector<uint8_t> s;
    for (auto& w : link->Writes()) s.push_back(SeqOf(w));
    return s;
  }
};

}  // namespace

// --- resends ------------------------------------------------------------------

TEST(Driver, goodReplyIsNotResent) {
  Rig rig({Good("081226;1200;")});
  const ReplyRecord& r = rig.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_TRUE(r.Succeeded());
  EXPECT_EQ(r.fieldCount, 2);
  EXPECT_EQ(rig.link->Writes().size(), 1u);
  EXPECT_TRUE(rig.sleeper.waits.empty());
  EXPECT_EQ(rig.driver.GetErrorCount(), 0);
}

TEST(Driver, nakResendsTheSameFrameAfterTwoSeconds) {
  Rig rig({Fixed({kNak}), Good()});
  const ReplyRecord& r = rig.driver.ExecuteCommand(0x21, "731942;");
  ASSERT_EQ(rig.link->Writes().size(), 2u);
  EXPECT_EQ(rig.link->Writes()[0], rig.link->Writes()[1]);  // same SEQ, same bytes
  EXPECT_EQ(rig.sleeper.waits, std::vector<int>{2000});
  EXPECT_TRUE(r.Succeeded());
  EXPECT_EQ(rig.driver.GetErrorCount(), 1);
}

TEST(Driver, strayByteBeforeAFrameMakesItMalformedAndResent) {
  Rig rig({[](const Frame& req) {
             Frame f{'x'};
             auto good = Reply(SeqOf(req), req[3], "1;");
             f.insert(f.end(), good.begin(), good.end());
             return f;
           },
           Good()});
  rig.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_EQ(rig.Seqs(), (std::vector<uint8_t>{0x21, 0x21}));
}

TEST(Driver, retryCountBoundsResendsAndTheLastReplyIsReturnedAsItStands) {
  Rig rig({Fixed({kNak})}, 1);
  const ReplyRecord& r = rig.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_EQ(rig.link->Writes().size(), 2u);
  EXPECT_EQ(r.flags, kFlagNak);
  EXPECT_EQ(rig.sleeper.waits, std::vector<int>{2000});

  Rig four({Fixed({kNak})}, 4);
  four.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_EQ(four.link->Writes().size(), 5u);
  EXPECT_EQ(four.driver.GetErrorCount(), 4);
}

TEST(Driver, silenceBeforeAnyReplyIsResentAfterFiftyEmptyReads) {
  Rig rig({Silent()}, 2);
  const ReplyRecord& r = rig.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_EQ(r.flags, kFlagNoAnswer);
  EXPECT_EQ(rig.link->Writes().size(), 3u);
  EXPECT_EQ(rig.link->EmptyReads(), 3 * 50);
  EXPECT_EQ(rig.sleeper.waits, (std::vector<int>{2000, 2000}));
}

TEST(Driver, silenceAfterAGoodReplyEndsAtOnceOverAPlainSerialPort) {
  Rig rig({Good(), Silent()});
  rig.driver.ExecuteCommand(0x21, "731942;");
  const ReplyRecord& r = rig.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_EQ(r.flags, kFlagNoAnswer);
  EXPECT_EQ(rig.link->Writes().size(), 2u);
  EXPECT_TRUE(rig.sleeper.waits.empty());
}

TEST(Driver, silenceOverTheUsbVirtualComPortIsResentAfterThreeSeconds) {
  Rig rig({Good(), Silent(), Silent(), Good()});
  rig.link->SetUsbVirtualCom(true);
  rig.driver.ExecuteCommand(0x21, "731942;");
  const ReplyRecord& r = rig.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_TRUE(r.Succeeded());
  EXPECT_EQ(rig.sleeper.waits, (std::vector<int>{3000, 3000}));
  EXPECT_EQ(rig.Seqs(), (std::vector<uint8_t>{0x21, 0x22, 0x22, 0x22}));
}

TEST(Driver, checksumMismatchInAWellShapedReplyIsNotResent) {
  Rig rig({[](const Frame& req) {
    auto f = Reply(SeqOf(req), req[3], "1;");
    f[f.size() - 2] ^= 1;
    return f;
  }});
  const ReplyRecord& r = rig.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_EQ(r.flags, kFlagChecksum);
  EXPECT_EQ(rig.link->Writes().size(), 1u);
}

TEST(Driver, synKeepsThePcWaitingAndIsNotAnIdleRead) {
  // 49 empty reads, SYN, 49 more, then the frame: no time-out.
  Rig rig({Good()});
  auto* link = rig.link;
  link->SetPeer([link](const Frame& req) {
    link->InjectSilence(49);
    link->Inject({kSyn});
    link->InjectSilence(49);
    return Reply(SeqOf(req), req[3], "1;");
  });
  EXPECT_TRUE(rig.driver.ExecuteCommand(0x21, "731942;").Succeeded());
  EXPECT_EQ(rig.link->Writes().size(), 1u);
  EXPECT_EQ(rig.link->EmptyReads(), 98);
}

// --- repeat, remote access, refusals ----------------------------------------------

TEST(Driver, repeatPreviousCommandUsesTheSameOrTheNextSeq) {
  Rig rig({Good()});
  rig.driver.ExecuteCommand(0x61, "731942;text;");
  ASSERT_NE(rig.driver.RepeatPreviousCommand(false), nullptr);
  ASSERT_NE(rig.driver.RepeatPreviousCommand(true), nullptr);
  EXPECT_EQ(rig.Seqs(), (std::vector<uint8_t>{0x21, 0x21, 0x22}));
  for (auto& w : rig.link->Writes()) EXPECT_EQ(w[3], 0x61);
  EXPECT_EQ(rig.driver.Record().parameters.View(), "731942;text;");
}

TEST(Driver, repeatIsRefusedWhileTheLinkIsBusy) {
  Rig rig({Good()});
  rig.driver.SetLinkReady(false);
  EXPECT_EQ(rig.driver.RepeatPreviousCommand(true), nullptr);
  EXPECT_EQ(rig.driver.ExchangeFrame(0x21, "731942;"), -1);
  EXPECT_TRUE(rig.link->Writes().empty());
}

TEST(Driver, disableRemoteAccessSendsAndDiscardsTheAnswer) {
  Rig rig({Good()});
  rig.driver.DisableRemoteAccess();
  ASSERT_EQ(rig.link->Writes().size(), 1u);
  const Frame& f = rig.link->Writes()[0];
  EXPECT_EQ(f[3], 0x88);
  EXPECT_EQ(std::string(f.begin() + 4, f.end() - 6), "731942;20;0;");
  EXPECT_EQ(rig.sleeper.waits, std::vector<int>{200});
  EXPECT_EQ(rig.driver.SequenceCounter(), 1);
  EXPECT_TRUE(rig.driver.LinkReady());
  // The next command is not confused by the discarded answer.
  EXPECT_EQ(rig.driver.ExecuteCommand(0x21, "731942;").fieldCount, 1);
}

TEST(Driver, withoutALinkNothingIsSentAndTheCallerGetsTheMessage) {
  RecordingSleeper sleeper;
  Driver driver(sleeper);
  const ReplyRecord& r = driver.ExecuteCommand(0x21, "731942;");
  EXPECT_EQ(driver.Message(), "Ошибка выбора устройства подключения!");
  EXPECT_EQ(r.flags, kFlagNoAnswer);
  EXPECT_TRUE(sleeper.waits.empty());
  EXPECT_TRUE(driver.LinkReady());
}

TEST(Driver, parametersLongerThan219BytesAreRefusedWithoutSending) {
  Rig rig({Good()});
  const ReplyRecord& r = rig.driver.ExecuteCommand(0x61, std::string(220, 'a'));
  EXPECT_TRUE(rig.link->Writes().empty());
  EXPECT_EQ(r.flags, kFlagNoAnswer);
  EXPECT_EQ(rig.driver.Message(), kParametersTooLongMessage);
  EXPECT_EQ(rig.driver.SequenceCounter(), 0);
  EXPECT_TRUE(rig.driver.ExecuteCommand(0x61, std::string(219, 'a')).Succeeded());
  EXPECT_TRUE(rig.driver.Message().empty());
}

TEST(Driver, errorCountRestartsAtOpenAndClose) {
  Rig rig({Fixed({kNak})}, 2);
  rig.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_EQ(rig.driver.GetErrorCount(), 2);
  rig.driver.CloseSerialLink();
  EXPECT_EQ(rig.driver.GetErrorCount(), 0);
  rig.driver.AttachSerialLink(std::make_unique<MemoryTransport>());
  EXPECT_EQ(rig.driver.GetErrorCount(), 0);
}

TEST(Driver, hangUpEndsTheWaitWithoutFiftyReads) {
  Rig rig({Silent()}, 0);
  rig.link->HangUpWhenDrained(true);
  EXPECT_EQ(rig.driver.ExecuteCommand(0x21, "731942;").flags, kFlagNoAnswer);
  EXPECT_LE(rig.link->Reads(), 2);
}

// --- the direct USB link ------------------------------------------------------------

namespace {

// Bulk endpoints in front of a scripted registrar; failures on demand.
struct FakeUsb : UsbBulkLink {
  std::function<Frame(const Frame&)> answer;
  int failWrites = 0, failReads = 0;
  size_t chunk = 64;
  Frame pending;
  int writes = 0, resets = 0, reopens = 0;

  int BulkWrite(const uint8_t* d, int n, int) override {
    ++writes;
    if (failWrites > 0) {
      --failWrites;
      return -5;
    }
    pending = answer(Frame(d, d + n));
    return n;
  }
  int BulkRead(uint8_t* d, int n, int) override {
    if (failReads > 0) {
      --failReads;
      return -7;
    }
    const int k = static_cast<int>(std::min({pending.size(), chunk, static_cast<size_t>(n)}));
    std::copy(pending.begin(), pending.begin() + k, d);
    pending.erase(pending.begin(), pending.begin() + k);
    return k;
  }
  void ResetAndClose() override { ++resets; }
  bool Reopen() override {
    ++reopens;
    return true;
  }
};

}  // namespace

TEST(DriverUsb, bulkReplyInPiecesGivesTheSameRecordAsTheSerialByteStream) {
  const std::string data = "ЭКСП-1;1.05;8;1;2;3;4;5;6;7;8;9;";
  RecordingSleeper sleeper;
  Driver usbDriver(sleeper);
  FakeUsb usb;
  usb.chunk = 5;
  usb.answer = [&](const Frame& req) { return Reply(SeqOf(req), req[3], data); };
  usbDriver.AttachUsbLink(&usb);
  const ReplyRecord viaUsb = usbDriver.ExecuteCommand(0x80, "731942;");

  Rig rig({Good(data)});
  const ReplyRecord viaSerial = rig.driver.ExecuteCommand(0x80, "731942;");

  EXPECT_EQ(viaUsb.flags, viaSerial.flags);
  EXPECT_EQ(viaUsb.rawReply.View(), viaSerial.rawReply.View());
  ASSERT_EQ(viaUsb.fieldCount, viaSerial.fieldCount);
  for (int i = 0; i < viaUsb.fieldCount; ++i) EXPECT_EQ(viaUsb.Field(i), viaSerial.Field(i));
  EXPECT_EQ(viaUsb.errorCode.View(), "0000");
}

TEST(DriverUsb, writeFailuresRecoverUntilTheEleventh) {
  RecordingSleeper sleeper;
  Driver driver(sleeper);
  FakeUsb usb;
  usb.answer = [](const Frame& req) { return Reply(SeqOf(req), req[3], "1;"); };
  driver.AttachUsbLink(&usb);

  usb.failWrites = 10;
  EXPECT_TRUE(driver.ExecuteCommand(0x21, "731942;").Succeeded());
  EXPECT_EQ(usb.writes, 11);
  EXPECT_EQ(usb.resets, 10);
  EXPECT_EQ(sleeper.waits.size(), 20u);  // 2000 then 1000 per retry
  EXPECT_EQ(sleeper.waits[0], 2000);
  EXPECT_EQ(sleeper.waits[1], 1000);

  usb.failWrites = 11;
  usb.writes = 0;
  const ReplyRecord& r = driver.ExecuteCommand(0x21, "731942;");
  EXPECT_EQ(r.flags, kFlagNoAnswer);
  EXPECT_EQ(r.fieldCount, 0);
}

TEST(DriverUsb, readFailureRestartsAtTheWrite) {
  RecordingSleeper sleeper;
  Driver driver(sleeper);
  FakeUsb usb;
  usb.answer = [](const Frame& req) { return Reply(SeqOf(req), req[3], "1;"); };
  usb.failReads = 1;
  driver.AttachUsbLink(&usb);
  EXPECT_TRUE(driver.ExecuteCommand(0x21, "731942;").Succeeded());
  EXPECT_EQ(usb.writes, 2);
  EXPECT_EQ(usb.resets, 1);
  EXPECT_EQ(sleeper.waits, std::vector<int>{1000});
}

TEST(DriverUsb, shortReadTakesWhatCameAndIsResentAsMalformed) {
  RecordingSleeper sleeper;
  Driver driver(sleeper);
  FakeUsb usb;
  int n = 0;
  usb.answer = [&](const Frame& req) {
    auto f = Reply(SeqOf(req), req[3], "1;");
    if (n++ == 0) f.resize(8);  // the device stops mid-frame
    return f;
  };
  driver.AttachUsbLink(&usb);
  EXPECT_TRUE(driver.ExecuteCommand(0x21, "731942;").Succeeded());
  EXPECT_EQ(usb.writes, 2);
}

TEST(DriverUsb, remoteAccessIsNotSentOverTheDirectLink) {
  RecordingSleeper sleeper;
  Driver driver(sleeper);
  FakeUsb usb;
  driver.AttachUsbLink(&usb);
  driver.DisableRemoteAccess();
  EXPECT_EQ(usb.writes, 0);
  EXPECT_EQ(driver.SequenceCounter(), 0);
}
