#include "link/receiver.h"

#include <gtest/gtest.h>

#include "link/frame.h"
#include "tests/support/test_support.h"

using namespace tesmar::link;
using tesmar::test::Bytes;
using tesmar::test::Reply;

namespace {

// Feeds `bytes` and completes the receive as the driver does.
ReplyRecord Receive(Receiver& rx, const std::vector<uint8_t>& bytes, int code) {
  ReplyRecord rec;
  rx.BeginExchange();
  for (uint8_t b : bytes) rx.Feed(b);
  rx.Complete(rec, code);
  return rec;
}

ReplyRecord Receive(const std::vector<uint8_t>& bytes, int code = 0x21) {
  Receiver rx;
  return Receive(rx, bytes, code);
}

std::vector<std::string> Fields(const ReplyRecord& r) {
  std::vector<std::string> out;
  for (int i = 0; i < r.fieldCount; ++i) out.emplace_back(r.Field(i));
  return out;
}

std::vector<uint8_t> Concat(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

// --- the parse of a good reply ------------------------------------------------

TEST(Receiver, goodReplyFillsErrorDataFieldsStatusAndRaw) {
  const auto frame =
      Reply(0x25, 0x21, "081226;1530;", "0000", {0x80, 0x81, 0x80, 0x80, 0x80, 0x80});
  const ReplyRecord r = Receive(frame);
  EXPECT_EQ(r.flags, 1u << 4);  // S1 bit 0 -> flag bit 4, S1's bit 7 cleared
  EXPECT_EQ(r.errorCode.View(), "0000");
  EXPECT_EQ(r.dataText.View(), "081226;1530;");
  EXPECT_EQ(Fields(r), (std::vector<std::string>{"081226", "1530"}));
  EXPECT_EQ(r.status[1], 0x01);
  EXPECT_EQ(r.rawReply.Size(), frame.size());
  EXPECT_STREQ(r.caption, "Команда 21h: Чтение даты и времени");
}

TEST(Receiver, emptyDataAreaGoesStraightToStatusAndKeepsOldFieldTexts) {
  Receiver rx;
  ReplyRecord first = Receive(rx, Reply(0x21, 0x21, "A;B;"), 0x21);
  ASSERT_EQ(first.fieldCount, 2);
  // LEN 30h: no data area at all.
  const auto empty = Reply(0x22, 0x21, "");
  ASSERT_EQ(empty[1], 0x30);
  ReplyRecord rec = first;
  rx.BeginExchange();
  for (uint8_t b : empty) rx.Feed(b);
  rx.Complete(rec, 0x21);
  EXPECT_EQ(rec.flags & kTransportFlags, 0u);
  EXPECT_EQ(rec.fieldCount, 0);
  EXPECT_EQ(rec.Field(0), "A");  // left as they were
}

TEST(Receiver, emptyFieldsBetweenSeparatorsAreKept) {
  EXPECT_EQ(Fields(Receive(Reply(0x21, 0x21, "A;B;;C;"))),
            (std::vector<std::string>{"A", "B", "", "C"}));
  EXPECT_EQ(Fields(Receive(Reply(0x21, 0x21, "A;B"))), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(Fields(Receive(Reply(0x21, 0x21, ";"))), (std::vector<std::string>{""}));
}

TEST(Receiver, moreThanTwentyFieldsLeaveTheRestInTheLast) {
  std::string data;
  for (int i = 1; i <= 25; ++i) data += std::to_string(i) + ";";
  const ReplyRecord r = Receive(Reply(0x21, 0x80, data), 0x80);
  ASSERT_EQ(r.fieldCount, 20);
  EXPECT_EQ(r.Field(18), "19");
  EXPECT_EQ(r.Field(19), "20;21;22;23;24;25");
  EXPECT_EQ(r.Field(20), "");
}

TEST(Receiver, statusBitsMapToTheirFlagBits) {
  // Each status bit alone, against the flags table.
  const struct {
    int byte, bit, flag;
  } map[] = {{0, 0, 0},  {0, 1, 1},  {0, 2, 2},  {0, 4, 3},  {0, 5, 27}, {1, 0, 4},  {1, 1, 5},
             {1, 2, 6},  {1, 3, 7},  {1, 4, 8},  {1, 5, 12}, {2, 0, 9},  {2, 3, 10}, {2, 5, 11},
             {4, 0, 16}, {4, 2, 13}, {4, 3, 20}, {4, 4, 17}, {4, 5, 28}, {5, 0, 18}, {5, 1, 21},
             {5, 2, 19}, {5, 3, 22}, {5, 4, 23}, {5, 5, 14}};
  for (const auto& m : map) {
    std::array<uint8_t, 6> st{0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
    st[m.byte] |= static_cast<uint8_t>(1 << m.bit);
    EXPECT_EQ(Receive(Reply(0x21, 0x21, "", "0000", st)).flags, 1u << m.flag)
        << "S" << m.byte << " bit " << m.bit;
  }
  // Unmapped bits (S3, S0 bit 3, S2 bits 1, 2, 4) and bit 6 set nothing.
  EXPECT_EQ(Receive(Reply(0x21, 0x21, "", "0000", {0xC8, 0xC0, 0xD6, 0xFF, 0xC2, 0xC0})).flags, 0u);
}

// --- SYN, NAK and broken frames ------------------------------------------------

TEST(Receiver, synBurstBeforeTheFrameIsCountedAndNotStored) {
  Receiver rx;
  const auto frame = Reply(0x21, 0x21, "1;");
  const ReplyRecord r = Receive(rx, Concat(std::vector<uint8_t>(10, kSyn), frame), 0x21);
  EXPECT_EQ(rx.SynCount(), 10u);
  EXPECT_EQ(r.rawReply.Size(), frame.size());
  EXPECT_EQ(r.rawReply.Bytes()[0], kSoh);
  EXPECT_EQ(r.flags & kTransportFlags, 0u);
}

TEST(Receiver, nakAloneSetsTheNakBitOnly) {
  const ReplyRecord r = Receive({kNak});
  EXPECT_EQ(r.flags, kFlagNak);
  EXPECT_EQ(r.rawReply.Size(), 1u);
  EXPECT_EQ(r.rawReply.Bytes()[0], kNak);
}

TEST(Receiver, checksumMismatchSetsBit24AndNoStatusBits) {
  auto frame = Reply(0x21, 0x21, "1;", "0000", {0x81, 0x80, 0x80, 0x80, 0x80, 0x80});
  frame[frame.size() - 2] ^= 0x01;
  EXPECT_EQ(Receive(frame).flags, kFlagChecksum);
  auto corruptData = Reply(0x21, 0x21, "1;");
  corruptData[9] = '2';
  EXPECT_EQ(Receive(corruptData).flags, kFlagChecksum);
}

TEST(Receiver, strayByteBeforeTheFrameParsesButStaysInTheRawReply) {
  const auto frame = Reply(0x21, 0x21, "1;");
  const ReplyRecord r = Receive(Concat({'x'}, frame));
  EXPECT_EQ(r.flags & kTransportFlags, 0u);
  EXPECT_EQ(r.rawReply.Bytes()[0], 'x');
  EXPECT_FALSE(ReplyShapeIsValid(r.rawReply.Bytes(), r.rawReply.Size()));
}

TEST(Receiver, frameCutShortIsNoAnswer) {
  auto frame = Reply(0x21, 0x21, "1;");
  frame.resize(frame.size() - 3);
  EXPECT_EQ(Receive(frame).flags, kFlagNoAnswer);
  EXPECT_EQ(Receive({}).flags, kFlagNoAnswer);
}

TEST(Receiver, byteOtherThanEtxAfterTheChecksumCompletesTheFrameUnanswered) {
  auto frame = Reply(0x21, 0x21, "1;");
  frame.back() = 'Z';
  Receiver rx;
  rx.BeginExchange();
  for (uint8_t b : frame) rx.Feed(b);
  EXPECT_TRUE(rx.FrameComplete());
  EXPECT_FALSE(rx.AnswerComplete());
}

TEST(Receiver, noiseLongerThanTheRawAreaKeepsWhatFits) {
  std::vector<uint8_t> noise(1000, 'n');
  const ReplyRecord r = Receive(Concat(noise, Reply(0x21, 0x21, "1;")));
  EXPECT_EQ(r.rawReply.Size(), 299u);
  EXPECT_EQ(r.flags & kTransportFlags, 0u);  // the frame itself still parses
}

TEST(Receiver, longErrorCodeKeepsNineteenCharactersAndStillSumsRight) {
  const ReplyRecord r = Receive(Reply(0x21, 0x21, "", std::string(19, 'E')));
  EXPECT_EQ(r.errorCode.View(), std::string(19, 'E'));
  EXPECT_EQ(r.flags & kTransportFlags, 0u);
}

TEST(Receiver, rawReplyIsKeptWhenTheNextExchangeReceivesNothing) {
  Receiver rx;
  const auto frame = Reply(0x21, 0x21, "1;");
  Receive(rx, frame, 0x21);
  const ReplyRecord r = Receive(rx, {}, 0x21);
  EXPECT_EQ(r.flags, kFlagNoAnswer);
  EXPECT_EQ(r.rawReply.Size(), frame.size());
  EXPECT_TRUE(rx.ReceivedNow().empty());
}

// --- per-command patches ---------------------------------------------------------

TEST(Receiver, patchesOfCommands32_35_3E_5A) {
  EXPECT_EQ(Fields(Receive(Reply(0x21, 0x32, "1;2"), 0x32)), (std::vector<std::string>{"1,", "2"}));
  EXPECT_EQ(Fields(Receive(Reply(0x21, 0x35, "12;3;"), 0x35)),
            (std::vector<std::string>{"1,2", "3"}));
  EXPECT_EQ(Receive(Reply(0x21, 0x3E, "123456789012;"), 0x3E).Field(0), "12345678,012");
  EXPECT_EQ(Receive(Reply(0x21, 0x3E, "1234;"), 0x3E).Field(0), "1234");  // too short to patch
  EXPECT_EQ(Receive(Reply(0x21, 0x5A, "a b c d e f g h i j k l m;"), 0x5A).Field(0),
            "a,b,c,d,e,f,g,h,i,j,k l m");
  // One character: no patch; the data text is always as received.
  EXPECT_EQ(Receive(Reply(0x21, 0x32, "7"), 0x32).Field(0), "7");
  EXPECT_EQ(Receive(Reply(0x21, 0x32, "1;2"), 0x32).dataText.View(), "1;2");
  // Other codes are untouched.
  EXPECT_EQ(Receive(Reply(0x21, 0x33, "1;2"), 0x33).Field(0), "1");
}

TEST(Receiver, bareEtxIsNeverReadAsACleanAnswer) {
  Receiver rx;
  Receive(rx, Reply(0x21, 0x21, "1;"), 0x21);  // an earlier frame's checksum
  const ReplyRecord r = Receive(rx, {'x', kEtx}, 0x21);
  EXPECT_EQ(r.flags, kFlagChecksum);
}

TEST(Receiver, dataAreaEndsAtItsFirstNul) {
  const ReplyRecord r = Receive(Reply(0x21, 0x21, std::string_view("AB\0CD;", 6)));
  EXPECT_EQ(r.dataText.View(), "AB");
  EXPECT_EQ(Fields(r), (std::vector<std::string>{"AB"}));
  EXPECT_EQ(r.flags, 0u);  // the NUL is still summed: the checksum holds
  // A NUL right at the start leaves no data at all.
  EXPECT_EQ(Receive(Reply(0x21, 0x32,
                          std::string_view("\0"
                                           "12",
                                           3)),
                    0x32)
                .fieldCount,
            0);
}

TEST(Receiver, droppedFrameLeavesNothingOfItsOwnButTheSynCount) {
  Receiver rx;
  ReplyRecord rec;
  rx.BeginExchange();
  rx.Feed(kSyn);
  for (uint8_t b : Reply(0x22, 0x88, "7;", "0106", {0x81, 0x81, 0x81, 0x81, 0x81, 0x81}))
    rx.Feed(b);
  ASSERT_TRUE(rx.FrameHasHeader());
  EXPECT_EQ(rx.ReplySeqByte(), 0x22);
  EXPECT_EQ(rx.ReplyCommand(), 0x88);
  rx.DropFrame();
  EXPECT_FALSE(rx.FrameComplete());
  EXPECT_TRUE(rx.ReceivedNow().empty());
  for (uint8_t b : Reply(0x23, 0x80, "")) rx.Feed(b);
  rx.Complete(rec, 0x80);
  EXPECT_EQ(rec.flags, 0u);  // status bits of the dropped frame are gone
  EXPECT_EQ(rec.errorCode.View(), "0000");
  EXPECT_EQ(rec.rawReply.View().front(), kSoh);
  EXPECT_EQ(rx.SynCount(), 1u);
}

TEST(Receiver, etxAfterTheTailOfAFrameComesWithoutAHeader) {
  Receiver rx;
  rx.BeginExchange();
  const auto frame = Reply(0x21, 0x21, "1;");
  for (size_t i = 5; i < frame.size(); ++i) rx.Feed(frame[i]);  // SOH..error code lost
  EXPECT_TRUE(rx.AnswerComplete());
  EXPECT_FALSE(rx.FrameHasHeader());
}
