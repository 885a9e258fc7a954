#include "link/frame.h"

#include <gtest/gtest.h>

#include <cstring>

#include "link/driver.h"
#include "link/memory_transport.h"
#include "tests/support/test_support.h"

using namespace tesmar::link;
using tesmar::test::Bytes;

namespace {

std::vector<uint8_t> SendAndCapture(Driver& driver, int code, std::string_view params) {
  auto* t = new MemoryTransport();
  driver.AttachSerialLink(std::unique_ptr<Transport>(t));
  driver.SetRetryCount(0);
  driver.ExecuteCommand(code, params);
  return t->Writes().back();
}

}  // namespace

TEST(Frame, readDateRequestMatchesTheWorkedExampleByteForByte) {
  tesmar::test::RecordingSleeper sleeper;
  Driver driver(sleeper);
  ASSERT_EQ(driver.SequenceCounter(), 0);
  const auto frame = SendAndCapture(driver, 0x21, "731942;");
  // Sum of 2Bh, 21h, 21h, "731942;" and 05h is 1E7h: digits 0, 1, '>', 7.
  std::vector<uint8_t> expected = {0x01, 0x2B, 0x21, 0x21};
  for (char c : std::string("731942;")) expected.push_back(static_cast<uint8_t>(c));
  for (char c : std::string("\x05"
                            "01>7"
                            "\x03"))
    expected.push_back(static_cast<uint8_t>(c));
  EXPECT_EQ(frame, expected);
  EXPECT_EQ(frame.size(), 17u);
  EXPECT_EQ(driver.Record().sentFrame.View(),
            std::string_view(reinterpret_cast<const char*>(expected.data()), expected.size()));
}

TEST(Frame, checksumNibblesAboveNineRunFromColonToQuestionMark) {
  uint8_t out[4];
  WriteChecksum(0xABCF, out);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(out), 4), ":;<?");
  WriteChecksum(0x1DE0C, out);  // only the low 16 bits travel
  EXPECT_EQ(std::string(reinterpret_cast<char*>(out), 4), "=>0<");
  uint16_t back = 0;
  ASSERT_TRUE(ReadChecksum(out, back));
  EXPECT_EQ(back, 0xDE0C);
  const uint8_t bad[4] = {'0', '0', 'A', '0'};
  EXPECT_FALSE(ReadChecksum(bad, back));
}

TEST(Frame, sequenceByteWrapsAtNinetyFiveAndTheCounterAtTwoFiftySix) {
  EXPECT_EQ(SeqByte(0), 0x20);
  EXPECT_EQ(SeqByte(94), 0x7E);
  EXPECT_EQ(SeqByte(95), 0x20);
  EXPECT_EQ(SeqByte(255), 0x20 + 255 % 95);

  tesmar::test::RecordingSleeper sleeper;
  Driver driver(sleeper);
  auto* t = new MemoryTransport();
  driver.AttachSerialLink(std::unique_ptr<Transport>(t));
  driver.SetRetryCount(0);
  std::vector<uint8_t> seqs;
  for (int i = 0; i < 256; ++i) {
    driver.ExecuteCommand(0x21, "731942;");
    seqs.push_back(t->Writes().back()[2]);
  }
  EXPECT_EQ(seqs[0], 0x21);   // counter 1
  EXPECT_EQ(seqs[94], 0x20);  // counter 95
  EXPECT_EQ(seqs[254], 0x20 + 255 % 95);
  EXPECT_EQ(seqs[255], 0x20);  // counter wrapped to 0
  EXPECT_EQ(driver.SequenceCounter(), 0);
}

TEST(Frame, lengthByteCountsParametersPlusFourAndStopsAtTheLimit) {
  uint8_t out[kMaxRequestFrame];
  const std::string params(kMaxParameterLength, 'x');
  const size_t n = BuildRequestFrame(0x20, 0x61, params, out);
  EXPECT_EQ(n, kMaxParameterLength + 10);
  EXPECT_EQ(out[1], 0xFF);
  EXPECT_EQ(out[n - 6], kPostamble);
  EXPECT_EQ(out[n - 1], kEtx);
}

TEST(Frame, shapeTestNeedsEveryLandmarkOfAReply) {
  const auto good = tesmar::test::Reply(0x21, 0x21, "081226;1200;");
  EXPECT_TRUE(ReplyShapeIsValid(good.data(), good.size()));
  for (size_t i : {size_t(0), size_t(8), good.size() - 1, good.size() - 6}) {
    auto broken = good;
    broken[i] = 'x';
    EXPECT_FALSE(ReplyShapeIsValid(broken.data(), broken.size())) << "byte " << i;
  }
  auto lowLen = good;
  lowLen[1] = 0x2F;
  EXPECT_FALSE(ReplyShapeIsValid(lowLen.data(), lowLen.size()));
  EXPECT_FALSE(ReplyShapeIsValid(nullptr, 0));
  const uint8_t nak = kNak;
  EXPECT_FALSE(ReplyShapeIsValid(&nak, 1));
}
