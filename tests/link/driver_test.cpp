#include "link/driver.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

#include "link/encoding.h"
#include "link/frame.h"
#include "link/memory_transport.h"
#include "link/reply_decoder.h"
#include "tests/support/test_support.h"

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

// The shape test still sees the earlier good reply, which used to end the
// transaction at once: a reply lost after the command ran was then reported
// as no answer. It is asked again with the same SEQ, as any lost reply.
TEST(Driver, silenceAfterAGoodReplyIsAskedAgainWithTheSameSeq) {
  Rig rig({Good(), Silent(), Good("2;")});
  rig.driver.ExecuteCommand(0x21, "731942;");
  const ReplyRecord& r = rig.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_TRUE(r.Succeeded());
  EXPECT_EQ(r.Field(0), "2");
  EXPECT_EQ(rig.Seqs(), (std::vector<uint8_t>{0x21, 0x22, 0x22}));
  EXPECT_EQ(rig.sleeper.waits, std::vector<int>{2000});
  EXPECT_EQ(rig.driver.GetErrorCount(), 1);

  Rig silent({Good(), Silent()}, 2);
  silent.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_EQ(silent.driver.ExecuteCommand(0x21, "731942;").flags, kFlagNoAnswer);
  EXPECT_EQ(silent.Seqs(), (std::vector<uint8_t>{0x21, 0x22, 0x22, 0x22}));
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

// The written rule returned such a reply without resend, so a command that
// ran was reported as failed; the repeat is answered from the registrar's
// memory without running it again.
TEST(Driver, checksumMismatchInAWellShapedReplyIsAskedAgainWithTheSameSeq) {
  const auto damaged = [](const Frame& req) {
    auto f = Reply(SeqOf(req), req[3], "1;");
    f[f.size() - 2] ^= 1;
    return f;
  };
  Rig rig({damaged, Good("2;")});
  const ReplyRecord& r = rig.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_TRUE(r.Succeeded());
  EXPECT_EQ(r.Field(0), "2");
  EXPECT_EQ(rig.Seqs(), (std::vector<uint8_t>{0x21, 0x21}));
  EXPECT_EQ(rig.sleeper.waits, std::vector<int>{2000});
  EXPECT_EQ(rig.driver.GetErrorCount(), 1);

  Rig throughout({damaged}, 2);
  EXPECT_EQ(throughout.driver.ExecuteCommand(0x21, "731942;").flags, kFlagChecksum);
  EXPECT_EQ(throughout.Seqs(), (std::vector<uint8_t>{0x21, 0x21, 0x21}));
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

// The reply of one bulk read goes through the same receive as a serial
// line's bytes: a late answer to an earlier request ahead of it is dropped.
TEST(DriverUsb, lateReplyAheadOfTheAnswerIsDroppedAsOnASerialLine) {
  RecordingSleeper sleeper;
  Driver driver(sleeper);
  FakeUsb usb;
  usb.answer = [](const Frame& req) {
    Frame both = Reply(0x7E, req[3], "0;");
    const Frame answer = Reply(SeqOf(req), req[3], "1;");
    both.insert(both.end(), answer.begin(), answer.end());
    return both;
  };
  driver.AttachUsbLink(&usb);
  const ReplyRecord& r = driver.ExecuteCommand(0x21, "731942;");
  EXPECT_TRUE(r.Succeeded());
  EXPECT_EQ(r.Field(0), "1");
  EXPECT_EQ(usb.writes, 1);
  EXPECT_TRUE(sleeper.waits.empty());
}

// A NUL in the bulk reply means that nothing more came: the frame begun is
// malformed and resent.
TEST(DriverUsb, nulInTheBulkReplyEndsIt) {
  RecordingSleeper sleeper;
  Driver driver(sleeper);
  FakeUsb usb;
  int n = 0;
  usb.answer = [&](const Frame& req) {
    Frame f = Reply(SeqOf(req), req[3], "1;");
    if (n++ == 0) f[6] = 0;
    return f;
  };
  driver.AttachUsbLink(&usb);
  EXPECT_TRUE(driver.ExecuteCommand(0x21, "731942;").Succeeded());
  EXPECT_EQ(usb.writes, 2);
  EXPECT_EQ(sleeper.waits, std::vector<int>{2000});

  UsbTransport link(usb, sleeper);
  usb.answer = [](const Frame&) { return Frame{'A', 'B', 0, 'C'}; };
  const uint8_t request[] = {1, 2, 3};
  ASSERT_TRUE(link.SendRequest(request, sizeof request));
  uint8_t byte = 0;
  EXPECT_EQ(link.ReadByte(byte), ReadResult::kByte);
  EXPECT_EQ(byte, 'A');
  EXPECT_EQ(link.ReadByte(byte), ReadResult::kByte);
  EXPECT_EQ(byte, 'B');
  EXPECT_EQ(link.ReadByte(byte), ReadResult::kError);
  EXPECT_EQ(link.ReadByte(byte), ReadResult::kError);
}

// One link at a time carries the exchanges: the serial link while one is
// open, else the direct USB link.
TEST(DriverUsb, serialLinkOpenBesideTheDirectLinkCarriesTheExchanges) {
  RecordingSleeper sleeper;
  Driver driver(sleeper);
  FakeUsb usb;
  usb.answer = [](const Frame& req) { return Reply(SeqOf(req), req[3], "usb;"); };
  driver.AttachUsbLink(&usb);
  auto serial = std::make_unique<MemoryTransport>(
      [](const Frame& req) { return Reply(SeqOf(req), req[3], "serial;"); });
  driver.AttachSerialLink(std::move(serial));
  EXPECT_TRUE(driver.SerialActive());
  EXPECT_TRUE(driver.UsbActive());
  EXPECT_EQ(driver.ExecuteCommand(0x21, "731942;").Field(0), "serial");
  driver.CloseSerialLink();
  EXPECT_EQ(driver.ExecuteCommand(0x21, "731942;").Field(0), "usb");
  driver.AttachUsbLink(nullptr);
  EXPECT_FALSE(driver.UsbActive());
  EXPECT_EQ(driver.ExecuteCommand(0x21, "731942;").flags, kFlagNoAnswer);
  EXPECT_EQ(driver.Message(), kNoLinkMessage);
}

// --- late replies -------------------------------------------------------------------

namespace {

std::string TempLogPath() {
  char dir[] = "/tmp/tesmar-driver-XXXXXX";
  if (!mkdtemp(dir)) return "/tmp/tesmar-driver.log";
  return std::string(dir) + "/session.log";
}

std::string ReadFile(const std::string& path) {
  std::string out;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) out.append(buf, n);
    std::fclose(f);
  }
  return out;
}

Frame Join(Frame a, const Frame& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

TEST(DriverLateReplies, answerToTheRemoteAccessRequestIsDroppedAndLogged) {
  // A slow registrar: it answers the 88h only when the 80h has come too.
  Frame remote;
  Rig rig({[&](const Frame& req) {
             remote = req;
             return Frame{};
           },
           [&](const Frame& req) {
             return Join(Reply(SeqOf(remote), remote[3], ""), Reply(SeqOf(req), req[3], "M;1;"));
           }},
          0);
  const std::string log = TempLogPath();
  rig.driver.SetLogFileName(log);
  rig.driver.DisableRemoteAccess();
  const ReplyRecord& r = rig.driver.ExecuteCommand(0x80, "731942;");
  EXPECT_TRUE(r.Succeeded());
  EXPECT_EQ(r.fieldCount, 2);
  EXPECT_EQ(r.Field(0), "M");
  EXPECT_EQ(r.rawReply.View(),
            std::string_view(reinterpret_cast<const char*>(Reply(0x22, 0x80, "M;1;").data()),
                             Reply(0x22, 0x80, "M;1;").size()));
  EXPECT_EQ(rig.link->Writes().size(), 2u);  // no resend
  EXPECT_NE(ReadFile(log).find("21 SYN=0" + Utf8ToCp1251(kStaleReplyLogText) + "\r\n\x01"),
            std::string::npos);
}

TEST(DriverLateReplies, replyWithAnOlderSeqOrAnotherCodeIsNotTakenForThisOne) {
  for (const auto& [seq, code] : {std::pair<uint8_t, uint8_t>{0x21, 0x21}, {0x22, 0x61}}) {
    Rig rig({Good("old;"), [seq = seq, code = code](const Frame& req) {
               return Join(Reply(seq, code, "stale;"), Reply(SeqOf(req), req[3], "new;"));
             }});
    rig.driver.ExecuteCommand(0x21, "731942;");
    const ReplyRecord& r = rig.driver.ExecuteCommand(0x21, "731942;");
    EXPECT_EQ(r.Field(0), "new") << int(seq) << " " << int(code);
    EXPECT_EQ(rig.link->Writes().size(), 2u);
  }
}

TEST(DriverLateReplies, tailOfAReplyWhoseStartWasThrownAwayIsDropped) {
  Rig rig({[](const Frame& req) {
    const Frame late = Reply(0x20, 0x88, "");
    return Join(Frame(late.begin() + 6, late.end()), Reply(SeqOf(req), req[3], "1;"));
  }});
  const ReplyRecord& r = rig.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_TRUE(r.Succeeded());
  EXPECT_EQ(r.rawReply.View().front(), kSoh);
  EXPECT_EQ(rig.link->Writes().size(), 1u);
}

TEST(DriverLateReplies, onlyAStaleReplyIsNoAnswerNotItsData) {
  Rig rig({Fixed(Reply(0x7E, 0x21, "stale;", "0000", {0x81, 0x80, 0x80, 0x80, 0x80, 0x80}))}, 0);
  const ReplyRecord& r = rig.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_EQ(r.flags, kFlagNoAnswer);
  EXPECT_EQ(r.fieldCount, 0);
  EXPECT_EQ(r.status[0], 0);
  EXPECT_TRUE(r.rawReply.Empty());
}

TEST(DriverLateReplies, damagedReplyIsJudgedByItsChecksumNotItsSeq) {
  // The SEQ byte is the damaged one: the sum no longer matches, so this is a
  // checksum error, not a late reply.
  Rig damaged({[](const Frame& req) {
    auto f = Reply(SeqOf(req), req[3], "1;");
    f[2] += 1;
    return f;
  }});
  EXPECT_EQ(damaged.driver.ExecuteCommand(0x21, "731942;").flags, kFlagChecksum);
  EXPECT_EQ(damaged.link->Writes().size(), 5u);  // asked again, never waited out
}

// --- the bound of a whole exchange ----------------------------------------------------

namespace {

// Time that moves only when the test's transport or sleeper says so.
struct FakeTime : TimeSource {
  std::chrono::steady_clock::time_point now{};
  std::chrono::system_clock::time_point wall{std::chrono::seconds(1'800'000'000)};
  std::chrono::steady_clock::time_point Steady() override { return now; }
  std::chrono::system_clock::time_point Wall() override { return wall; }
  void Advance(int ms) { now += std::chrono::milliseconds(ms); }
};

struct AdvancingSleeper : Sleeper {
  FakeTime& time;
  std::vector<int> waits;
  explicit AdvancingSleeper(FakeTime& t) : time(t) {}
  void SleepMs(int ms) override {
    waits.push_back(ms);
    time.Advance(ms);
  }
};

// A line that always has a byte: SYN after SYN, 1 ms each, or 100 ms of
// silence per read when `silent`.
struct EndlessLine : Transport {
  FakeTime& time;
  bool silent = false;
  long reads = 0, writes = 0;
  explicit EndlessLine(FakeTime& t) : time(t) {}
  bool Write(const uint8_t*, size_t) override { return ++writes, true; }
  ReadResult ReadByte(uint8_t& b) override {
    ++reads;
    time.Advance(silent ? 100 : 1);
    b = kSyn;
    return silent ? ReadResult::kTimeout : ReadResult::kByte;
  }
  void Flush() override {}
  void Purge() override {}
};

}  // namespace

TEST(DriverExchangeLimit, registrarThatNeverStopsSendingSynIsCutOff) {
  FakeTime time;
  AdvancingSleeper sleeper(time);
  Driver driver(sleeper, time);
  auto* line = new EndlessLine(time);
  driver.AttachSerialLink(std::unique_ptr<Transport>(line));
  driver.SetExchangeLimitMs(1000);
  const ReplyRecord& r = driver.ExecuteCommand(0x21, "731942;");
  EXPECT_EQ(r.flags, kFlagNoAnswer);
  EXPECT_TRUE(driver.ExchangeLimitReached());
  EXPECT_EQ(driver.Message(),
            "Обмен прерван: регистратор не ответил за 1000 мс (tsinit.ini, [Fiscal Printer] "
            "ExchangeLimit)!");
  EXPECT_LE(line->reads, 1000 + 64 + 64);
  EXPECT_EQ(line->writes, 1);  // nothing is resent after the bound
  EXPECT_TRUE(sleeper.waits.empty());
  EXPECT_TRUE(driver.LinkReady());
}

TEST(DriverExchangeLimit, resendsAndTheirWaitsCountAgainstTheSameBound) {
  FakeTime time;
  AdvancingSleeper sleeper(time);
  Driver driver(sleeper, time);
  auto* line = new EndlessLine(time);
  line->silent = true;
  driver.AttachSerialLink(std::unique_ptr<Transport>(line));
  driver.SetRetryCount(4);
  driver.SetExchangeLimitMs(8000);
  EXPECT_EQ(driver.ExecuteCommand(0x21, "731942;").flags, kFlagNoAnswer);
  // 5 s of silence, 2 s wait, then the resend's wait is cut at 8 s.
  EXPECT_EQ(line->writes, 2);
  EXPECT_EQ(sleeper.waits, std::vector<int>{2000});
  EXPECT_TRUE(driver.ExchangeLimitReached());

  // The next command starts a bound of its own; the default comes back for 0.
  driver.SetExchangeLimitMs(0);
  EXPECT_EQ(driver.ExchangeLimitMs(), kDefaultExchangeLimitMs);
  driver.SetRetryCount(0);
  driver.ExecuteCommand(0x21, "731942;");
  EXPECT_FALSE(driver.ExchangeLimitReached());
  EXPECT_TRUE(driver.Message().empty());
}

// --- observers ------------------------------------------------------------------------

namespace {

struct SeenExchange {
  int code;
  std::string parameters, request, reply;
  uint8_t seq;
  int resends, stale;
  uint32_t syn, flags;
  bool awaited;
  std::chrono::system_clock::time_point started;
  std::chrono::steady_clock::duration duration;
};

struct RecordingObserver : ExchangeObserver {
  std::vector<SeenExchange> seen;
  void ExchangeFinished(const ExchangeReport& r) override {
    seen.push_back({r.code, std::string(r.parameters), std::string(r.request), std::string(r.reply),
                    r.seq, r.resends, r.staleReplies, r.synCount, r.flags, r.replyAwaited,
                    r.started, r.duration});
  }
};

std::string Text(const Frame& f) {
  return std::string(f.begin(), f.end());
}

}  // namespace

TEST(DriverObserver, seesEachTransactionWithItsResendsSynAndTimes) {
  Rig rig({Fixed({kNak}),
           [](const Frame& req) { return Join(Frame(3, kSyn), Reply(SeqOf(req), req[3], "1;")); }});
  RecordingObserver seen;
  rig.driver.SetExchangeObserver(&seen);
  rig.driver.ExecuteCommand(0x21, "731942;");
  ASSERT_EQ(seen.seen.size(), 1u);
  const SeenExchange& e = seen.seen[0];
  EXPECT_EQ(e.code, 0x21);
  EXPECT_EQ(e.parameters, "731942;");
  EXPECT_EQ(e.request, Text(rig.link->Writes().back()));
  EXPECT_EQ(e.reply, Text(Reply(0x21, 0x21, "1;")));
  EXPECT_EQ(e.seq, 0x21);
  EXPECT_EQ(e.resends, 1);
  EXPECT_EQ(e.syn, 3u);
  EXPECT_EQ(e.flags, 0u);
  EXPECT_TRUE(e.awaited);
  EXPECT_GE(e.duration.count(), 0);
}

TEST(DriverObserver, timesComeFromTheDriversClockAndStaleRepliesAreCounted) {
  FakeTime time;
  AdvancingSleeper sleeper(time);
  Driver driver(sleeper, time);
  Frame remote;
  auto* link = new MemoryTransport([&](const Frame& req) {
    if (req[3] == 0x88) return (remote = req, Frame{});
    return Join(Reply(SeqOf(remote), 0x88, ""), Reply(SeqOf(req), req[3], "1;"));
  });
  driver.AttachSerialLink(std::unique_ptr<Transport>(link));
  RecordingObserver seen;
  driver.SetExchangeObserver(&seen);
  driver.DisableRemoteAccess();
  driver.ExecuteCommand(0x80, "731942;");
  ASSERT_EQ(seen.seen.size(), 2u);
  EXPECT_EQ(seen.seen[0].code, 0x88);
  EXPECT_FALSE(seen.seen[0].awaited);
  EXPECT_TRUE(seen.seen[0].reply.empty());
  EXPECT_EQ(seen.seen[0].duration, std::chrono::milliseconds(200));  // its wait
  EXPECT_EQ(seen.seen[0].started, time.wall);
  EXPECT_EQ(seen.seen[1].stale, 1);
  EXPECT_EQ(seen.seen[1].flags, 0u);
  EXPECT_EQ(seen.seen[1].duration.count(), 0);
}

TEST(DriverObserver, severalObserversAndNoneAfterRemoval) {
  Rig rig({Good()});
  RecordingObserver a, b;
  ExchangeObservers all;
  all.Add(&a);
  all.Add(&b);
  rig.driver.SetExchangeObserver(&all);
  rig.driver.ExecuteCommand(0x21, "731942;");
  all.Remove(&a);
  rig.driver.ExecuteCommand(0x21, "731942;");
  rig.driver.SetExchangeObserver(nullptr);
  rig.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_EQ(a.seen.size(), 1u);
  EXPECT_EQ(b.seen.size(), 2u);
  EXPECT_EQ(b.seen[1].seq, 0x22);
}

// --- the outcome of a transaction -----------------------------------------------

namespace {

std::function<Frame(const Frame&)> Nak() {
  return Fixed({0x15});
}
// A reply whose last checksum digit is off by one.
std::function<Frame(const Frame&)> Damaged() {
  return [](const Frame& req) {
    Frame f = Reply(SeqOf(req), req[3], "1;");
    f[f.size() - 2] ^= 1;
    return f;
  };
}
// A reply cut off after its error code.
std::function<Frame(const Frame&)> Cut() {
  return [](const Frame& req) {
    Frame f = Reply(SeqOf(req), req[3], "1;");
    f.resize(10);
    return f;
  };
}

}  // namespace

TEST(DriverOutcome, nakOrBrokenFrameNeverKeepsThePreviousReplysCode) {
  for (auto bad : {Nak(), Damaged(), Fixed({kEtx})}) {
    Rig rig({Good("1;"), bad}, 1);
    ASSERT_EQ(rig.driver.ExecuteCommand(0x21, "731942;").outcome, OutcomeKind::kOk);
    const ReplyRecord& r = rig.driver.ExecuteCommand(0x21, "731942;");
    EXPECT_FALSE(r.Succeeded());
    EXPECT_FALSE(DecodeReplyError(r).ok);
  }
  // A NAK brings no code: the record's is empty, not the previous "0000".
  Rig rig({Good("1;"), Nak()}, 1);
  rig.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_EQ(rig.driver.ExecuteCommand(0x21, "731942;").errorCode.View(), "");
}

TEST(DriverOutcome, eachWayATransactionEnds) {
  struct Case {
    const char* name;
    std::vector<std::function<Frame(const Frame&)>> script;
    OutcomeKind want;
  };
  const std::vector<Case> cases = {
      {"good", {Good()}, OutcomeKind::kOk},
      {"nak then good", {Nak(), Good()}, OutcomeKind::kOk},
      {"nak throughout", {Nak()}, OutcomeKind::kNak},
      {"silence throughout", {Silent()}, OutcomeKind::kNoAnswer},
      // The registrar answered, but not readably: it may have run.
      {"damaged throughout", {Damaged()}, OutcomeKind::kChecksum},
      // The first request may have run: the resend's NAK refuses only itself.
      {"silence then nak", {Silent(), Nak()}, OutcomeKind::kUnknown},
      {"cut then nak", {Cut(), Nak()}, OutcomeKind::kUnknown},
      {"cut then silence", {Cut(), Silent()}, OutcomeKind::kUnknown},
      {"nak then silence", {Nak(), Silent()}, OutcomeKind::kNoAnswer},
      // A damaged or cut answer is asked again: the registrar's memory gives
      // the real one; only when the retries are used up is it unknown.
      {"damaged then good", {Damaged(), Good()}, OutcomeKind::kOk},
      {"cut then good", {Cut(), Good()}, OutcomeKind::kOk},
      {"damaged then nak", {Damaged(), Nak()}, OutcomeKind::kUnknown},
      {"damaged then silence", {Damaged(), Silent()}, OutcomeKind::kUnknown},
  };
  for (const Case& c : cases) {
    Rig rig(c.script, 3);
    EXPECT_EQ(rig.driver.ExecuteCommand(0x61, "731942;x;").outcome, c.want) << c.name;
  }
  Rig refused({[](const Frame& req) { return Reply(SeqOf(req), req[3], "", "0105"); }});
  EXPECT_EQ(refused.driver.ExecuteCommand(0x61, "731942;x;").outcome, OutcomeKind::kRefused);
}

// Silence throughout says nothing of a registrar that never answered (off,
// another speed); right after it answered, the command may have reached it
// and its answer been lost. Only the first such silence: then it is silent.
TEST(DriverOutcome, silenceRightAfterAnAnswerMayHaveRun) {
  Rig rig({Good(), Silent()}, 1);
  ASSERT_TRUE(rig.driver.ExecuteCommand(0x21, "731942;").Succeeded());
  EXPECT_EQ(rig.driver.ExecuteCommand(0x61, "731942;x;").outcome, OutcomeKind::kUnknown);
  EXPECT_EQ(rig.driver.ExecuteCommand(0x61, "731942;y;").outcome, OutcomeKind::kNoAnswer);
  // A NAK refuses the frame: the registrar did not run it, whatever came before.
  Rig nak({Good(), Nak()}, 1);
  nak.driver.ExecuteCommand(0x21, "731942;");
  EXPECT_EQ(nak.driver.ExecuteCommand(0x61, "731942;x;").outcome, OutcomeKind::kNak);
  // A link opened again starts without that knowledge.
  rig.driver.AttachSerialLink(std::make_unique<MemoryTransport>());
  EXPECT_EQ(rig.driver.ExecuteCommand(0x61, "731942;x;").outcome, OutcomeKind::kNoAnswer);
}

TEST(DriverOutcome, nothingSentIsNotSentWhateverTheRecordHeld) {
  Rig rig({Good()});
  ASSERT_TRUE(rig.driver.ExecuteCommand(0x21, "731942;").Succeeded());
  EXPECT_EQ(rig.driver.ExecuteCommand(0x61, std::string(220, 'a')).outcome, OutcomeKind::kNotSent);
  RecordingSleeper sleeper;
  Driver unlinked{sleeper};
  EXPECT_EQ(unlinked.ExecuteCommand(0x21, "731942;").outcome, OutcomeKind::kNotSent);
  EXPECT_EQ(OutcomeOf(unlinked.Record(), -151).kind, OutcomeKind::kFormatterRefused);
}

TEST(DriverOutcome, onlyExactlyFourZerosIsSuccess) {
  EXPECT_EQ(ClassifyReply(0, "0000"), OutcomeKind::kOk);
  EXPECT_EQ(ClassifyReply(0, "00000"), OutcomeKind::kRefused);
  EXPECT_EQ(ClassifyReply(0, "000"), OutcomeKind::kRefused);
  EXPECT_EQ(ClassifyReply(kFlagNak, "0000"), OutcomeKind::kNak);
}

// --- what the protocol cannot carry -----------------------------------------------------

TEST(DriverCodes, codesBelow20hAndAbove0FFhAreRefusedWithNothingSent) {
  for (int code : {0x00, 0x03, 0x15, 0x1F, 0x100, -1}) {
    Rig rig({Good()});
    const ReplyRecord& r = rig.driver.ExecuteCommand(code, "731942;");
    EXPECT_EQ(r.outcome, OutcomeKind::kNotSent) << code;
    EXPECT_EQ(rig.driver.Message(), kCodeOutOfRangeMessage) << code;
    EXPECT_TRUE(rig.link->Writes().empty()) << code;
    EXPECT_EQ(rig.driver.ExchangeFrame(code, "731942;"), -1) << code;
    EXPECT_TRUE(rig.link->Writes().empty()) << code;
  }
  Rig rig({Good()});
  EXPECT_TRUE(rig.driver.ExecuteCommand(0x20, "731942;010126;1200;").Succeeded());
  EXPECT_TRUE(rig.driver.ExecuteCommand(0xFF, "731942;").Succeeded());
  EXPECT_TRUE(rig.driver.Message().empty());
}

// --- the first command on a link ----------------------------------------------------------

namespace {

std::vector<std::pair<uint8_t, std::string>> Requests(const MemoryTransport& link) {
  std::vector<std::pair<uint8_t, std::string>> out;
  for (const Frame& w : link.Writes())
    out.emplace_back(w[3], std::string(w.begin() + 4, w.end() - 6));
  return out;
}

}  // namespace

TEST(DriverSequenceGuard, firstCommandOnEachLinkFollowsAnAnsweredRead) {
  Rig rig({Good()});
  rig.driver.SetSequenceGuard(true);
  EXPECT_FALSE(rig.driver.SequenceKnown());
  EXPECT_TRUE(rig.driver.ExecuteCommand(0x61, "731942;x;").Succeeded());
  EXPECT_TRUE(rig.driver.ExecuteCommand(0x61, "731942;x;").Succeeded());
  using R = std::vector<std::pair<uint8_t, std::string>>;
  EXPECT_EQ(Requests(*rig.link), (R{{0x21, "731942;"}, {0x61, "731942;x;"}, {0x61, "731942;x;"}}));
  EXPECT_EQ(rig.Seqs(), (std::vector<uint8_t>{0x21, 0x22, 0x23}));
  EXPECT_TRUE(rig.driver.SequenceKnown());

  // Closed and opened again: someone else may have talked to the registrar.
  auto* again = new MemoryTransport([](const Frame& req) { return Reply(SeqOf(req), req[3], ""); });
  rig.driver.AttachSerialLink(std::unique_ptr<Transport>(again));
  EXPECT_FALSE(rig.driver.SequenceKnown());
  rig.driver.ExecuteCommand(0x80, "731942;");
  EXPECT_EQ(Requests(*again), (R{{0x21, "731942;"}, {0x80, "731942;"}}));
  // A repeat of the previous command keeps its own parameters.
  rig.driver.AttachSerialLink(std::unique_ptr<Transport>(
      again = new MemoryTransport([](const Frame& req) { return Reply(SeqOf(req), req[3], ""); })));
  ASSERT_NE(rig.driver.RepeatPreviousCommand(true), nullptr);
  EXPECT_EQ(Requests(*again), (R{{0x21, "731942;"}, {0x80, "731942;"}}));

  // Without the guard the command goes out alone, as written.
  Rig plain({Good()});
  plain.driver.ExecuteCommand(0x61, "731942;x;");
  EXPECT_EQ(Requests(*plain.link), (R{{0x61, "731942;x;"}}));
}

TEST(DriverSequenceGuard, unansweredReadKeepsTheCommandBack) {
  struct Case {
    const char* name;
    std::vector<std::function<Frame(const Frame&)>> script;
    OutcomeKind want;
    size_t reads;  // 21h requests written, resends included
  };
  const std::vector<Case> cases = {
      {"silent", {Silent()}, OutcomeKind::kNoAnswer, 2},
      {"nak", {Nak()}, OutcomeKind::kNak, 2},
      // Heard but never readable: the read is tried again, at most three times.
      {"damaged", {Damaged()}, OutcomeKind::kNoAnswer, 6},
  };
  for (const Case& c : cases) {
    Rig rig(c.script, 1);
    rig.driver.SetSequenceGuard(true);
    const ReplyRecord& r = rig.driver.ExecuteCommand(0x61, "731942;x;");
    EXPECT_EQ(r.outcome, c.want) << c.name;
    EXPECT_EQ(r.commandCode, 0x61) << c.name;
    EXPECT_EQ(r.parameters.View(), "731942;x;") << c.name;
    EXPECT_EQ(rig.driver.Message(), kSequenceProofMessage) << c.name;
    EXPECT_EQ(rig.link->Writes().size(), c.reads) << c.name;
    for (const auto& [code, params] : Requests(*rig.link)) EXPECT_EQ(code, 0x21) << c.name;
  }
  // Damaged once, then answered: the command follows.
  Rig rig({Damaged(), Damaged(), Good()}, 1);
  rig.driver.SetSequenceGuard(true);
  EXPECT_TRUE(rig.driver.ExecuteCommand(0x61, "731942;x;").Succeeded());
  EXPECT_EQ(rig.Seqs(), (std::vector<uint8_t>{0x21, 0x21, 0x22, 0x23}));
}
