// The state file: each domain's keys survive a restart, keys of no domain
// are kept, and a bad value is refused with its line, changing nothing.
#include "emulator/state_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/emulator/emu_bench.h"
#include "emulator/logo.h"

using namespace tesmar;
using namespace tesmar::emu;
using emu::test::Bench;

namespace {

RegistrarState Parsed(const std::string& text, bool expectOk = true) {
  RegistrarState s;
  std::string error;
  EXPECT_EQ(ParseState(text, s, &error), expectOk) << error;
  return s;
}

}  // namespace

TEST(StateFile, shiftRecordsReceiptInProgressAndGoodsBaseSurviveARestart) {
  Bench before;
  before.Run(0x24, "731942;101;Хліб;12.50;2;7;");
  before.Run(0x63, "731942;1;1;0;");
  before.Run(0x64, "731942;101;2.000;12.50;");
  before.Run(0x67, "731942;0;25.00;");
  before.Run(0x65, "731942;0;");
  ASSERT_EQ(before.Error(0xA1, "731942;0;"), "0000");
  before.Run(0x63, "731942;4;1;1;");  // a refund receipt left half done
  before.Run(0x64, "731942;101;1.000;12.50;");
  before.Run(0x67, "731942;0;5.00;");
  before.Run(0x88, "731942;20;1;");

  Bench after;
  after.reg.state = Parsed(StateText(before.reg.state));
  EXPECT_EQ(StateText(after.reg.state), StateText(before.reg.state));
  EXPECT_EQ(after.reg.state.controlTape, before.reg.state.controlTape);
  EXPECT_EQ(after.Run(0x21, "731942;").status[2], 0x13);  // refund, paid in part
  ASSERT_EQ(after.Error(0x67, "731942;0;7.50;"), "0000");
  ASSERT_EQ(after.Error(0x65, "731942;0;"), "0000");
  EXPECT_EQ(after.reg.state.shift.byDepartment.at(7), (Turnover{0, 1250}));
  ASSERT_EQ(after.reg.state.fiscalRecords.size(), 1u);
  EXPECT_EQ(after.reg.state.fiscalRecords[0].byTaxGroup.at(2).sales, 2500);
  EXPECT_EQ(after.reg.state.articles.at(101).name, link::Utf8ToCp1251("Хліб"));
  EXPECT_EQ(after.Run(0x89, "731942;20;").Field(0), "1");
  ASSERT_EQ(after.Error(0xA1, "731942;0;"), "0000");
  EXPECT_EQ(after.reg.state.fiscalRecords.back().number, 2);
}

// Every single key of every domain, as the emulator wrote them before each
// domain listed its keys in one table (in that order): a file kept from then
// loads, and each line is written back as it stood.
TEST(StateFile, aFileOfTheEarlierLayoutLoadsAndEveryKeyIsWrittenBackAsItStood) {
  const std::string logo = "logo=" + std::string(2 * kLogoStoreBytes, 'F');
  const std::vector<std::string> lines = {
      "clock_offset=-3600",
      "serial=4142313233",
      "fiscalized=1",
      "receipt_number=7",
      "cash=12345",
      "document=4",
      "receipt=8,1,1,0",
      "receipt.item.0=101,2000,1250,2500,2,7",
      "receipt.payment.0=3000",
      "receipt.change_from=0",
      "shift_open=1",
      "shift_opened_at=1700000000",
      "shift.receipts=3,1",
      "control_tape_receipts=4",
      "programming_password=313131313131",
      "reports_password=323232323232",
      "admin_password=",
      "fiscal_number=31323334353637383930",
      "tax_id_number=3132",
      "tax_number=",
      "parameters=1,0,0,10,10,32",
      "line_speed=9600",
      "decimal_point=2",
      "emergency_resets=2",
      "network.link=1,3232235521,4294967040,3232235777,3232235522,8080,10,30",
      "network.remote=3232235523,5000",
      "network.id_dev=-1,42",
      "network.modem=0,0,1,1,1700000000,2,1700000100,1700000200",
      "network.wifi=3,4,1",
      "network.wifi_ssid=4E6574",
      "network.wifi_password=3132333435363738",
      "drawer_openings=5,1",
      "service.20=1",
      "reminder=20250101,30,31",
      "reminder_password=313233",
      "reminder_line=4C696E65",
      "logo_size=8,2",
      logo,
  };
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  const RegistrarState s = Parsed(text);
  EXPECT_EQ(s.clockOffsetSeconds, -3600);
  EXPECT_EQ(s.receipt.changeFrom, 0);
  EXPECT_EQ(s.reminderMessage, std::vector<std::string>{"Line"});
  const std::string written = "\n" + StateText(s);
  for (const std::string& line : lines)
    EXPECT_NE(written.find("\n" + line + "\n"), std::string::npos) << line.substr(0, 60);
}

TEST(StateFile, keysNoDomainKnowsAreKeptAndWrittenBack) {
  const RegistrarState s = Parsed("serial=4142\nwifi.ssid=5A\nfuture=1e5\n");
  EXPECT_EQ(s.serialNumber, "AB");
  const std::string text = StateText(s);
  EXPECT_NE(text.find("\nwifi.ssid=5A\n"), std::string::npos);
  EXPECT_NE(text.find("\nfuture=1e5\n"), std::string::npos);
  EXPECT_EQ(Parsed(text).unknownKeys.size(), 2u);  // kept once, not doubled
}

TEST(StateFile, badValuesAreRefusedByLineAndChangeNothing) {
  for (const char* text : {"emergency_resets=1e5\n", "service.20=1x\n", "fiscalized=yes\n",
                           "clock_offset= 5\n", "fm.2=20240305,1000,1\n", "document=9\n",
                           "article.5=100,0,1,ZZ\n", "=1\n", "no equals sign\n"}) {
    RegistrarState s;
    s.emergencyResets = 3;
    std::string error;
    EXPECT_FALSE(ParseState(std::string("# comment\n") + text, s, &error)) << text;
    EXPECT_EQ(error.rfind("2: ", 0), 0u) << error;
    EXPECT_EQ(s.emergencyResets, 3);
  }
}

TEST(StateFile, aClockOffsetBeyondACenturyIsRefusedWithTheReason) {
  RegistrarState s;
  std::string error;
  EXPECT_FALSE(ParseState("clock_offset=99999999999\n", s, &error));
  EXPECT_NE(error.find("clock offset is out of range"), std::string::npos) << error;
  EXPECT_TRUE(ParseState("clock_offset=-86400\n", s, &error));
  EXPECT_EQ(s.clockOffsetSeconds, -86400);
}

TEST(StateFile, aPathThatIsNoFileIsAnErrorNotAFreshRegistrar) {
  RegistrarState s;
  std::string error;
  EXPECT_FALSE(LoadState(std::filesystem::temp_directory_path().string(), s, &error));
  EXPECT_NE(error.find("cannot be read"), std::string::npos);
}

TEST(StateFile, windowsLineEndsAndAByteOrderMarkReadAsTheSameState) {
  const std::string text = "serial=4142\nservice.7=42\nwifi.ssid=5A\n";
  const std::string plain = StateText(Parsed(text));
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(StateText(Parsed(crlf)), plain);
  const RegistrarState withMark = Parsed("\xEF\xBB\xBF" + crlf);
  EXPECT_EQ(withMark.serialNumber, "AB");  // the first key is not lost behind the mark
  EXPECT_EQ(StateText(withMark), plain);
  EXPECT_EQ(withMark.unknownKeys.size(), 1u);
}

TEST(StateFile, aStateThatCannotBeWrittenSaysWhy) {
  std::string error;
  EXPECT_FALSE(SaveState("/tmp/tesmar-no-such-folder/state", RegistrarState{}, &error));
  EXPECT_NE(error.find("tesmar-no-such-folder"), std::string::npos) << error;
}
