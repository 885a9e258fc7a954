// The emulated registrar's drawers, receipt copies and electronic tape:
// what each prints, what each answers, and each refusal's code.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/emulator/emu_bench.h"
#include "emulator/printing.h"
#include "emulator/state_file.h"

using namespace tesmar;
using namespace tesmar::emu;
using emu::test::Bench;

namespace {

constexpr const char* kNoDocument = "070B";  // copy unavailable: nothing of that number
constexpr const char* kWrongState = "000B";  // wrong document state

// A fixed clock: 9 December 2026, 10:30 local time.
std::time_t At(int hour, int minute) {
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 11;
  t.tm_mday = 9;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_isdst = -1;
  return std::mktime(&t);
}

// Sells one article for 12.50 in cash and closes: one receipt on the tape.
void SellOne(Bench& b, const std::string& name = "Хліб", int code = 101) {
  const std::string c = std::to_string(code);
  ASSERT_EQ(b.Error(0x24, "731942;" + c + ";" + name + ";12.50;0;1;"), "0000");
  ASSERT_EQ(b.Error(0x63, "731942;1;1;0;"), "0000");
  ASSERT_EQ(b.Error(0x64, "731942;" + c + ";1.000;12.50;"), "0000");
  ASSERT_EQ(b.Error(0x67, "731942;0;12.50;"), "0000");
  ASSERT_EQ(b.Error(0x65, "731942;0;"), "0000");
}

size_t Count(const std::vector<std::string>& tape, const std::string& line) {
  return static_cast<size_t>(std::count(tape.begin(), tape.end(), line));
}

}  // namespace

TEST(ElectronicTape, closedReceiptsAreKeptWithTheirOwnLinesOnly) {
  Bench b;
  SellOne(b, "Хліб");
  ASSERT_EQ(b.Error(0x63, "731942;1;1;0;"), "0000");
  ASSERT_EQ(b.Error(0x6B, "731942;0;"), "0000");  // a void is no document to copy
  SellOne(b, "Сир", 102);
  const auto& tape = b.reg.state.electronicTape;
  ASSERT_EQ(tape.size(), 2u);
  EXPECT_EQ(tape[0].number, 1);
  EXPECT_EQ(tape[1].number, 3);
  auto text = [](const TapeDocument& d) {
    std::string all;
    for (const auto& l : d.lines) all += link::Cp1251ToUtf8(l) + "\n";
    return all;
  };
  EXPECT_NE(text(tape[0]).find("Хліб"), std::string::npos);
  EXPECT_EQ(text(tape[0]).find("Сир"), std::string::npos);
  EXPECT_NE(text(tape[1]).find("Сир"), std::string::npos);
  EXPECT_EQ(text(tape[1]).find("АНУЛЬОВАНО"), std::string::npos);
  EXPECT_EQ(text(tape[1]).find("Хліб"), std::string::npos);
  EXPECT_EQ(tape[1].lines.back(), Ruler(b.reg, '='));
}

TEST(ReceiptCopies, areCopiedInsideTheOpenNonFiscalDocumentOnly) {
  Bench b;
  SellOne(b);
  SellOne(b);
  EXPECT_EQ(b.Error(0xA5, "731942;1;2;"), kWrongState);  // no document open
  ASSERT_EQ(b.Error(0x60, "731942;"), "0000");
  const size_t before = b.reg.Tape().size();
  EXPECT_EQ(b.Error(0xA5, "731942;1;2;"), "0000");
  const auto tape = b.Tape();
  const std::vector<std::string> printed(tape.begin() + static_cast<long>(before), tape.end());
  EXPECT_EQ(Count(printed, "КОПІЯ ЧЕКА № 1"), 1u);
  EXPECT_EQ(Count(printed, "КОПІЯ ЧЕКА № 2"), 1u);
  EXPECT_EQ(Count(printed, "Хліб"), 2u);
  EXPECT_EQ(b.Error(0x65, "731942;0;"), "0000");
  EXPECT_EQ(b.reg.state.document, Document::kClosed);
}

TEST(ReceiptCopies, refuseNumbersNoReceiptHasOrAReversedRange) {
  Bench b;
  SellOne(b);
  ASSERT_EQ(b.Error(0x60, "731942;"), "0000");
  const size_t before = b.reg.Tape().size();
  EXPECT_EQ(b.Error(0xA5, "731942;5;9;"), kNoDocument);
  EXPECT_EQ(b.Error(0xA5, "731942;2;1;"), "0204");  // field 2 out of range
  EXPECT_EQ(b.Error(0xA5, "731942;0;1;"), "0104");
  EXPECT_EQ(b.Error(0xA5, "731942;x;1;"), "0103");  // field 1 ill-formed
  EXPECT_EQ(b.reg.Tape().size(), before);
  EXPECT_EQ(b.reg.state.document, Document::kNonFiscal);
}

TEST(ElectronicTape, searchByDatesAnswersTheFirstAndLastFoundAndPrintsOnlyWhenAsked) {
  Bench b;
  std::time_t now = At(10, 30);
  b.reg.SetClock([&now] { return now; });
  SellOne(b);  // 1 at 10:30
  now = At(11, 15);
  SellOne(b);  // 2 at 11:15
  now = At(12, 0);
  SellOne(b);  // 3 at 12:00

  const size_t before = b.reg.Tape().size();
  const auto& quiet = b.Run(0xEE, "731942;091226;1000;091226;1130;0;");
  ASSERT_EQ(quiet.errorCode.View(), "0000");
  EXPECT_EQ(quiet.Field(0), "1");
  EXPECT_EQ(quiet.Field(1), "2");
  EXPECT_EQ(b.reg.Tape().size(), before);  // searched, not printed

  const auto& printed = b.Run(0xEE, "731942;091226;1100;091226;1200;1;");
  ASSERT_EQ(printed.errorCode.View(), "0000");
  EXPECT_EQ(printed.Field(0), "2");
  EXPECT_EQ(printed.Field(1), "3");
  const auto tape = b.Tape();
  const std::vector<std::string> lines(tape.begin() + static_cast<long>(before), tape.end());
  EXPECT_EQ(Count(lines, "КОПІЯ ЧЕКА № 1"), 0u);
  EXPECT_EQ(Count(lines, "КОПІЯ ЧЕКА № 2"), 1u);
  EXPECT_EQ(Count(lines, "КОПІЯ ЧЕКА № 3"), 1u);
}

TEST(ElectronicTape, searchRefusesBadDatesTimesAndEmptySpans) {
  Bench b;
  SellOne(b);
  EXPECT_EQ(b.Error(0xEE, "731942;310226;1000;091226;1130;0;"), "0C05");  // no 31 February
  EXPECT_EQ(b.Error(0xEE, "731942;091226;1060;091226;1130;0;"), "0D05");  // no minute 60
  EXPECT_EQ(b.Error(0xEE, "731942;091226;1200;081226;1200;0;"), "0304");  // ends before start
  EXPECT_EQ(b.Error(0xEE, "731942;010120;0000;020120;0000;0;"), kNoDocument);
  EXPECT_EQ(b.Error(0xEE, "731942;091226;1000;091226;1130;2;"), "0504");
}

TEST(ElectronicTape, printByNumbersNeedsNoDocumentOpenAndAReceiptInTheRange) {
  Bench b;
  SellOne(b);
  SellOne(b);
  const size_t before = b.reg.Tape().size();
  EXPECT_EQ(b.Error(0xEB, "731942;2;2;"), "0000");
  const auto tape = b.Tape();
  const std::vector<std::string> lines(tape.begin() + static_cast<long>(before), tape.end());
  EXPECT_EQ(Count(lines, "КОПІЯ ЧЕКА № 2"), 1u);
  EXPECT_EQ(Count(lines, "КОПІЯ ЧЕКА № 1"), 0u);
  EXPECT_EQ(b.Error(0xEB, "731942;3;9;"), kNoDocument);
  ASSERT_EQ(b.Error(0x60, "731942;"), "0000");
  EXPECT_EQ(b.Error(0xEB, "731942;1;2;"), kWrongState);
}

TEST(Drawers, openWithTheirTimesAndRefuseMissingOnes) {
  Bench b;
  EXPECT_EQ(b.Error(0x83, "731942;"), "0000");
  EXPECT_EQ(b.Error(0x87, "731942;200;100;"), "0000");
  EXPECT_EQ(b.Error(0x87, "731942;;;"), "0103");  // the program sends empty times as typed
  EXPECT_EQ(b.Error(0x87, "731942;0;100;"), "0104");
  EXPECT_EQ(b.reg.state.drawerOpenings, 1);
  EXPECT_EQ(b.reg.state.secondDrawerOpenings, 1);
  EXPECT_EQ(b.Error(0x83, "000000;"), "0006");
  EXPECT_EQ(b.reg.state.drawerOpenings, 1);
}

TEST(ElectronicTape, survivesTheStateFileByteForByte) {
  Bench b;
  SellOne(b);
  SellOne(b, "Сир \"Новий\"", 102);
  ASSERT_EQ(b.Error(0x83, "731942;"), "0000");
  const std::string saved = StateText(b.reg.state);
  RegistrarState loaded;
  std::string error;
  ASSERT_TRUE(ParseState(saved, loaded, &error)) << error;
  EXPECT_EQ(loaded.electronicTape, b.reg.state.electronicTape);
  EXPECT_EQ(loaded.drawerOpenings, 1);
  // A tape document out of order is a damaged file.
  std::string damaged = saved;
  const size_t at = damaged.find("tape.0=");
  ASSERT_NE(at, std::string::npos);
  damaged.replace(at, 7, "tape.5=");
  RegistrarState refused;
  EXPECT_FALSE(ParseState(damaged, refused, &error));
}
