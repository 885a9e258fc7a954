// Rules of the registrar the program's windows rely on: the service reports
// of 84h, the mode passwords, the firmware and maintenance read-outs with
// nothing to give, the fiscal memory image kept across runs and erased only
// when it may be, cash receipts on the electronic tape, and the tape's tail
// in memory.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/emulator/emu_bench.h"
#include "emulator/mode_passwords.h"
#include "emulator/state_file.h"

using namespace tesmar;
using namespace tesmar::emu;
using emu::test::Bench;

namespace {

void Fiscalize(Bench& b) {
  ASSERT_EQ(b.Error(0x41, "731942;ЕК1234567;"), "0000");
  ASSERT_EQ(b.Error(0x43, "731942;1234567890;"), "0000");
  ASSERT_EQ(b.Error(0x40, "731942;ЕК1234567;123456;"), "0000");
}

// The bytes an escaped E8h packet stands for: "\" and the character after
// it are one byte.
size_t PacketBytes(std::string_view data) {
  size_t n = 0;
  for (size_t i = 0; i < data.size(); ++i, ++n)
    if (data[i] == '\\') ++i;
  return n;
}

RegistrarState Reloaded(const RegistrarState& s) {
  RegistrarState again;
  std::string error;
  EXPECT_TRUE(ParseState(StateText(s), again, &error)) << error;
  return again;
}

}  // namespace

TEST(ServiceReports, fiscalizationAndReminderReportsInsideAServiceDocument) {
  Bench b;
  EXPECT_EQ(b.Error(0x84, "731942;1;"), "000B");  // no document open
  ASSERT_EQ(b.Error(0x60, "731942;"), "0000");
  EXPECT_EQ(b.Error(0x84, "731942;1;"), "0705");  // only once fiscalized
  EXPECT_EQ(b.Error(0x84, "731942;2;"), "0102");  // the program asks for 1 and 3 only
  EXPECT_EQ(b.Error(0x84, "731942;3;"), "0000");
  ASSERT_EQ(b.Error(0x65, "731942;0;"), "0000");

  Fiscalize(b);
  ASSERT_EQ(b.Error(0x60, "731942;"), "0000");
  ASSERT_EQ(b.Error(0x84, "731942;1;"), "0000");
  EXPECT_TRUE(b.TapeHas("       ФІСКАЛІЗАЦІЯ"));
  EXPECT_EQ(b.RowValue("ЗАВОДСЬКИЙ НОМЕР"), "ЕК1234567");
  EXPECT_EQ(b.RowValue("ФІСКАЛЬНИЙ НОМЕР"), "1234567890");
}

TEST(ModePasswords, theControlTapePrintsWithTheNewReportsPassword) {
  Bench b;
  ASSERT_EQ(b.Error(0x2B, "731942;731942;222222;731942;"), "0000");
  // The window sends 60h, A6h and 65h with its password, 61h with the
  // registrar's own.
  ASSERT_EQ(b.Error(0x60, "222222;"), "0000");
  ASSERT_EQ(b.Error(0x61, "731942;%MHJc*** Контрольная лента ***;"), "0000");
  ASSERT_EQ(b.Error(0xA6, "222222;2;;;"), "0000");
  ASSERT_EQ(b.Error(0x65, "222222;0;"), "0000");
  EXPECT_TRUE(b.TapeHas("КОНТРОЛЬНА СТРІЧКА"));
  // The old password no longer opens the reports.
  ASSERT_EQ(b.Error(0x60, "731942;"), "0000");
  EXPECT_EQ(b.Error(0xA6, "731942;2;;;"), "0006");
}

TEST(ModePasswords, eachModeTakesItsOwnAndWorkingCommandsTakeAny) {
  Bench b;
  ASSERT_EQ(b.Error(0x2B, "731942;111111;222222;333333;"), "0000");
  EXPECT_EQ(ModeOf(0x31), Mode::kProgramming);  // the logo, as its window says
  for (int code : {0x22, 0x31, 0x47}) EXPECT_EQ(ModeOf(code), Mode::kProgramming);
  EXPECT_EQ(b.Error(0x23, "222222;0;"), "0006");
  EXPECT_EQ(b.Error(0x23, "333333;0;"), "0006");
  EXPECT_EQ(b.Error(0x23, "111111;0;"), "0000");
  EXPECT_EQ(b.Error(0xA1, "111111;1;"), "0006");
  EXPECT_EQ(b.Error(0xA1, "222222;1;"), "0000");
  EXPECT_EQ(b.Error(0x2B, "222222;111111;222222;333333;"), "0006");
  for (const char* pwd : {"731942;", "111111;", "222222;", "333333;"})
    EXPECT_EQ(b.Error(0x80, pwd), "0000") << pwd;
  EXPECT_EQ(b.Error(0x80, "999999;"), "0006");
}

TEST(EmptyReadOuts, noFirmwareNoReminderAndCountersNeverSetAnswerNoData) {
  RegistrarOptions o;
  o.firmwareSize = 0;
  Bench none(o);
  EXPECT_EQ(none.Run(0xE7, "731942;5;;;").Field(0), "0");
  const auto& end = none.Run(0xE8, "731942;");
  EXPECT_EQ(end.fieldCount, 1);  // the packet number alone: nothing follows

  o.firmwareSize = 100;
  Bench some(o);
  EXPECT_EQ(some.Run(0xE7, "731942;5;;;").Field(0), "100");
  EXPECT_EQ(PacketBytes(some.Run(0xE8, "731942;").Field(1)), 60u);
  EXPECT_EQ(PacketBytes(some.Run(0xE8, "731942;").Field(1)), 40u);
  EXPECT_EQ(some.Run(0xE8, "731942;").fieldCount, 1);

  Bench b;
  EXPECT_EQ(b.Run(0x36, "731942;").fieldCount, 0);
  EXPECT_EQ(b.Run(0x89, "731942;7;").fieldCount, 0);
  EXPECT_EQ(b.Run(0x89, "731942;16;").fieldCount, 0);
  EXPECT_EQ(b.Run(0x89, "731942;0;").Field(0), "87");  // the battery is measured
  ASSERT_EQ(b.Error(0x88, "731942;7;42;"), "0000");
  EXPECT_EQ(b.Run(0x89, "731942;7;").Field(0), "42");
  ASSERT_EQ(b.Error(0x35, ";;010427;5;12;"), "0000");
  EXPECT_EQ(b.Run(0x36, "731942;").fieldCount, 3);
}

TEST(FiscalMemoryImage, keptInTheStateFileAsItsDifferences) {
  RegistrarOptions o;
  o.flashSize = 8192;
  Bench b(o);
  ASSERT_EQ(b.Error(0xF2, "731942;100;3;0A0B0C;"), "0000");
  ASSERT_EQ(b.Error(0xF2, "731942;8190;2;FFFF;"), "0000");
  std::string text = StateText(b.reg.state);
  EXPECT_NE(text.find("\nflash_size=8192\nflash.100=0A0B0C\n"), std::string::npos) << text;
  EXPECT_EQ(Reloaded(b.reg.state).flash, b.reg.state.flash);

  ASSERT_EQ(b.Error(0xF0, "731942;"), "0000");
  text = StateText(b.reg.state);
  EXPECT_NE(text.find("\nflash.0=FF*8192\n"), std::string::npos) << text;
  EXPECT_EQ(Reloaded(b.reg.state).flash, std::string(8192, '\xFF'));

  // Written back as it came, the image leaves nothing but its size.
  const std::string factory = InitialFlashImage(8192);
  for (size_t at = 0; at < factory.size(); at += 50) {
    const std::string chunk = factory.substr(at, 50);
    ASSERT_EQ(b.Error(0xF2, "731942;" + std::to_string(at) + ";" + std::to_string(chunk.size()) +
                                ";" + link::HexBytes(chunk) + ";"),
              "0000");
  }
  EXPECT_EQ(StateText(b.reg.state).find("\nflash."), std::string::npos);

  // A restarted registrar keeps the image's size whatever its options say.
  RegistrarOptions bigger;
  bigger.flashSize = 1 << 20;
  Bench again(bigger);
  again.reg.state = Reloaded(b.reg.state);
  EXPECT_EQ(again.Error(0xF2, "731942;8192;1;00;"), "0104");

  RegistrarState s;
  std::string error;
  for (const char* bad : {"flash.0=FF\n", "flash_size=0\n", "flash_size=16\nflash.15=0A0B\n",
                          "flash_size=16\nflash.0=FF*17\n", "flash_size=16\nflash.0=F\n",
                          "flash_size=16\nflash.0=FFF*2\n"})
    EXPECT_FALSE(ParseState(bad, s, &error)) << bad;
}

TEST(FiscalMemoryImage, erasedOnlyBetweenShiftsWithNoDocumentAndNotOnceFiscalized) {
  RegistrarOptions o;
  o.flashSize = 4096;
  Bench b(o);
  ASSERT_EQ(b.Error(0x60, "731942;"), "0000");
  EXPECT_EQ(b.Error(0xF0, "731942;"), "000B");
  ASSERT_EQ(b.Error(0x65, "731942;0;"), "0000");
  ASSERT_EQ(b.Error(0x6E, "731942;1;10.00;"), "0000");  // opens the shift
  EXPECT_EQ(b.Error(0xF0, "731942;"), "0107");
  ASSERT_EQ(b.Error(0xA1, "731942;0;"), "0000");
  EXPECT_EQ(b.Error(0xF0, "731942;"), "0000");
  Fiscalize(b);
  ASSERT_EQ(b.Error(0xF2, "731942;0;1;00;"), "0000");
  EXPECT_EQ(b.Error(0xF0, "731942;"), "0007");
  EXPECT_EQ(b.reg.state.flash[0], '\0');
}

TEST(ElectronicTape, cashInAndOutReceiptsAreKeptAndPrintedAgain) {
  Bench b;
  ASSERT_EQ(b.Error(0x6E, "731942;1;100.00;"), "0000");
  ASSERT_EQ(b.Error(0x63, "731942;1;1;2;"), "0000");
  ASSERT_EQ(b.Error(0x77, "731942;0;-30.00;"), "0000");
  ASSERT_EQ(b.Error(0x65, "731942;0;"), "0000");
  const auto& tape = b.reg.state.electronicTape;
  ASSERT_EQ(tape.size(), 2u);
  EXPECT_EQ(tape[0].number, 1);
  EXPECT_EQ(tape[1].number, 2);
  const auto utf8 = [](const TapeDocument& d) {
    std::string text;
    for (const std::string& l : d.lines) text += link::Cp1251ToUtf8(l) + "\n";
    return text;
  };
  EXPECT_NE(utf8(tape[0]).find("СЛУЖБОВЕ ВНЕСЕННЯ"), std::string::npos) << utf8(tape[0]);
  EXPECT_NE(utf8(tape[1]).find("СЛУЖБОВА ВИДАЧА"), std::string::npos) << utf8(tape[1]);
  EXPECT_EQ(utf8(tape[1]).find("СЛУЖБОВЕ ВНЕСЕННЯ"), std::string::npos);
  const size_t mark = b.reg.Tape().size();
  ASSERT_EQ(b.Error(0xEB, "731942;1;2;"), "0000");
  // The copy's heading and end, and a heading for each receipt.
  EXPECT_EQ(b.reg.Tape().size() - mark, 4 + tape[0].lines.size() + tape[1].lines.size());
  EXPECT_EQ(Reloaded(b.reg.state).electronicTape, tape);
}

TEST(TapeInMemory, keepsItsTailWhileTheSinkGetsEveryLine) {
  Registrar r;
  long sunk = 0;
  r.SetTapeSink([&](const std::string&) { ++sunk; });
  const long lines = static_cast<long>(Registrar::kTapeTailLines) + 5;
  ASSERT_EQ(r.Execute(0x60, "731942;").error, "0000");
  for (long i = 0; i < lines; ++i)
    ASSERT_EQ(r.Execute(0x61, "731942;" + std::to_string(i) + ";").error, "0000");
  EXPECT_EQ(sunk, lines + 1);
  EXPECT_EQ(r.Tape().size(), Registrar::kTapeTailLines);
  EXPECT_EQ(r.Tape().back(), std::to_string(lines - 1));
  EXPECT_EQ(r.Tape().front(), std::to_string(lines - static_cast<long>(r.Tape().size())));
}
