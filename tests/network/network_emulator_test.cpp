// The software registrar's network commands: settings kept and read back in
// their encoding, ID_DEV, the modem's state byte and report, the session
// with the acquirer, Wi-Fi, the printed settings and the state file.
#include <gtest/gtest.h>

#include <algorithm>

#include "emulator/domain.h"
#include "tests/emulator/emu_bench.h"
#include "emulator/printing.h"
#include "emulator/state_file.h"

using namespace tesmar;
using namespace tesmar::emu;
using emu::test::Bench;

namespace {

std::string Code(link::err::Code c) {
  return Refused(c).error;
}
const std::string kNoData = Code(link::err::kNoData);

std::vector<std::string> Fields(const link::ReplyRecord& r) {
  std::vector<std::string> out;
  for (int i = 0; i < r.fieldCount; ++i) out.emplace_back(r.Field(i));
  return out;
}

using Strings = std::vector<std::string>;

constexpr long long kNow = 1796000000;  // 2026-11-28, a fixed moment

struct ClockedBench : Bench {
  explicit ClockedBench(RegistrarOptions o = {}) : Bench(std::move(o)) {
    reg.SetClock([] { return static_cast<std::time_t>(kNow); });
  }
  bool Printed(const std::string& line) const {
    const auto t = Tape();
    return std::find(t.begin(), t.end(), line) != t.end();
  }
};

}  // namespace

TEST(EmulatedNetwork, linkSettingsAreKeptAndReadBackInTheirEncoding) {
  Bench b;
  ASSERT_EQ(b.Error(0xFB, "731942;1;C0A80064;FFFFFF00;C0A80001;0A000001;901F;3C00;1E00;"), "0000");
  EXPECT_EQ(Fields(b.Run(0xFA, "731942;")),
            (Strings{"1", "C0A80064", "FFFFFF00", "C0A80001", "0A000001", "901F", "3C00", "1E00"}));
  EXPECT_EQ(b.reg.state.link.port, 8080);
  // D0h sets the remote access server; D1h shows it with the same interface.
  ASSERT_EQ(b.Error(0xD0, "731942;C0A80002;5000;"), "0000");
  EXPECT_EQ(Fields(b.Run(0xD1, "731942;")),
            (Strings{"1", "C0A80064", "FFFFFF00", "C0A80001", "C0A80002", "5000", "3C00", "1E00"}));
  EXPECT_EQ(b.reg.state.remotePort, 80);
}

TEST(EmulatedNetwork, fieldsOutsideTheEncodingAreRefusedByNumberAndChangeNothing) {
  Bench b;
  const std::string before = std::string(b.Run(0xFA, "731942;").dataText.View());
  EXPECT_EQ(b.Error(0xFB, "731942;1;c0a80064;FFFFFF00;C0A80001;0A000001;901F;3C00;1E00;"),
            Code(link::err::FieldFormat(2)));
  EXPECT_EQ(b.Error(0xFB, "731942;1;C0A80064;FFFFFF00;C0A80001;0A000001;901;3C00;1E00;"),
            Code(link::err::FieldFormat(6)));
  EXPECT_EQ(b.Error(0xFB, "731942;2;C0A80064;FFFFFF00;C0A80001;0A000001;901F;3C00;1E00;"),
            Code(link::err::FieldRange(1)));
  EXPECT_EQ(b.Error(0xFB, "731942;1;C0A80064;FFFFFF00;C0A80001;0A000001;901F;3C00;"),
            Code(link::err::FieldFormat(8)));
  EXPECT_EQ(std::string(b.Run(0xFA, "731942;").dataText.View()), before);
  EXPECT_EQ(b.Error(0xD0, "731942;C0A80002;"), Code(link::err::FieldFormat(2)));
  EXPECT_EQ(b.Error(0xD0, "731942;C0A8000;5000;"), Code(link::err::FieldFormat(1)));
  EXPECT_EQ(b.reg.state.remoteServer, 0u);
  EXPECT_EQ(b.Error(0xD1, "111111;"), Code(link::err::kWrongPassword));
}

TEST(EmulatedNetwork, idDevIsWrittenToMemoryAndCardAndRefusedWhenNotANumber) {
  Bench b;
  EXPECT_EQ(b.Error(0x4C, "731942;"), kNoData);
  EXPECT_EQ(b.Error(0x4D, "731942;"), kNoData);
  ASSERT_EQ(b.Error(0x4B, "731942;305419896;"), "0000");
  EXPECT_EQ(Fields(b.Run(0x4C, "731942;")), Strings{"305419896"});
  EXPECT_EQ(Fields(b.Run(0x4D, "731942;")), Strings{"305419896"});
  EXPECT_EQ(b.Error(0x4B, "731942;abc;"), Code(link::err::FieldFormat(1)));
  EXPECT_EQ(b.Error(0x4B, "731942;0;"), Code(link::err::FieldRange(1)));
  EXPECT_EQ(b.Error(0x4B, "731942;4294967296;"), Code(link::err::FieldRange(1)));
  EXPECT_EQ(b.reg.state.idDevMemory, 305419896);
}

TEST(EmulatedNetwork, theStateByteCarriesEachConditionOfTheModem) {
  ClockedBench b;
  ModemState& m = b.reg.state.modem;
  // A fresh modem: only the Ethernet cable.
  EXPECT_EQ(b.Run(0xEA, "731942;0;").Field(0), "40");
  m.samFaulty = true;
  m.ethernet = false;
  m.personalisedAt = kNow - 100 * 24 * 3600;
  m.unsent = 3;
  m.firstUnsentAt = kNow - kUnsentLimitSeconds;  // just blocked
  const auto& r = b.Run(0xEA, "731942;0;");
  EXPECT_EQ(
      Fields(r),
      (Strings{"A5", FormatDate(LocalDate(m.firstUnsentAt)), FormatTime(LocalTime(m.firstUnsentAt)),
               FormatDate(LocalDate(m.personalisedAt)), FormatTime(LocalTime(m.personalisedAt))}));
  m.firstUnsentAt += 60;  // a minute short of the 72 hours
  EXPECT_EQ(b.Run(0xEA, "731942;0;").Field(0), "A1");
  b.reg.state.idDevCard = 1;
  m.technicalRegistration = true;
  m.cardFaulty = true;
  EXPECT_EQ(b.Run(0xEA, "731942;0;").Field(0), "BB");
}

TEST(EmulatedNetwork, theModemStateIsPrintedOnlyWhenAsked) {
  ClockedBench b;
  b.reg.state.modem.unsent = 2;
  b.reg.state.modem.firstUnsentAt = kNow - 3600;
  ASSERT_EQ(b.Error(0xEA, "731942;0;"), "0000");
  EXPECT_TRUE(b.Tape().empty());
  ASSERT_EQ(b.Error(0xEA, "731942;1;"), "0000");
  EXPECT_TRUE(b.Printed("СТАН МОДЕМА"));
  EXPECT_EQ(b.RowValue("СТАН"), "C0");
  EXPECT_EQ(b.RowValue("НЕ ПЕРЕДАНО"), "2");
  EXPECT_EQ(b.Error(0xEA, "731942;2;"), Code(link::err::FieldRange(1)));
  EXPECT_EQ(b.Error(0xEA, "731942;"), Code(link::err::FieldFormat(1)));
}

TEST(EmulatedNetwork, theOlderModemsAnswerWithTheirReport) {
  RegistrarOptions o;
  o.model = "Tesmar 3141";
  ClockedBench b(o);
  ModemState& m = b.reg.state.modem;
  m.personalisedAt = kNow - 24 * 3600;
  m.unsent = 4;
  m.firstUnsentAt = kNow - 3600;
  b.reg.state.idDevCard = 77;
  auto ten = [](long long t) {
    const int d = LocalDate(t);
    char s[16];
    std::snprintf(s, sizeof s, "%02d%02d%02d%04d", d % 100, d / 100 % 100, d / 10000 % 100,
                  LocalTime(t));
    return std::string(s);
  };
  EXPECT_EQ(Fields(b.Run(0xEA, "731942;")),
            (Strings{"77", ten(m.personalisedAt), ten(m.firstUnsentAt + kUnsentLimitSeconds),
                     ten(m.firstUnsentAt), "4"}));
}

TEST(EmulatedNetwork, parameter21SendsTheDocumentsOnceTheModemCanReachTheAcquirer) {
  ClockedBench b;
  b.reg.state.modem.unsent = 2;
  b.reg.state.modem.firstUnsentAt = kNow - 3600;
  EXPECT_EQ(b.Error(0xFC, "731942;"), kNoData);  // no session yet
  ASSERT_EQ(b.Error(0x88, "731942;21;1;"), "0000");
  EXPECT_EQ(b.Run(0xEA, "731942;0;").Field(0), "C0");  // no ID_DEV: nothing sent
  ASSERT_EQ(b.Error(0x4B, "731942;5;"), "0000");
  EXPECT_EQ(b.Run(0xEA, "731942;0;").Field(0), "48");
  EXPECT_EQ(b.reg.state.modem.unsent, 0);
  EXPECT_EQ(b.reg.state.serviceParameters[kSendNowParameter], 0);
  EXPECT_EQ(Fields(b.Run(0xFC, "731942;")),
            (Strings{FormatDate(LocalDate(kNow)), FormatTime(LocalTime(kNow))}));
}

TEST(EmulatedNetwork, wifiSettingsAreKeptAndTheRouterLinkFollowsThem) {
  Bench b;
  EXPECT_EQ(b.Run(0xBB, "731942;").dataText.View(), ";0;0;;");
  EXPECT_EQ(b.Run(0xBC, "731942;").dataText.View(), ";");
  ASSERT_EQ(b.Error(0xBA, "731942;Shop;3;4;secret12;"), "0000");
  EXPECT_EQ(Fields(b.Run(0xBB, "731942;")), (Strings{"Shop", "3", "4", "secret12"}));
  EXPECT_EQ(Fields(b.Run(0xBC, "731942;")), Strings{"Shop 192.168.0.100"});
  b.reg.state.wifi.routerInRange = false;
  EXPECT_EQ(b.Run(0xBC, "731942;").dataText.View(), ";");
  // A WPA pass phrase is 8 characters at least; the modes are numbered.
  EXPECT_EQ(b.Error(0xBA, "731942;Shop;2;3;short;"), Code(link::err::FieldRange(4)));
  EXPECT_EQ(b.Error(0xBA, "731942;Shop;4;3;secret12;"), Code(link::err::FieldRange(2)));
  EXPECT_EQ(b.Error(0xBA, "731942;Shop;0;5;;"), Code(link::err::FieldRange(3)));
  EXPECT_EQ(b.Error(0xBA, "731942;;0;0;;"), Code(link::err::FieldFormat(1)));
  EXPECT_EQ(b.reg.state.wifi.ssid, "Shop");
  ASSERT_EQ(b.Error(0xBA, "731942;Open;0;0;;"), "0000");  // an open network needs none
}

TEST(EmulatedNetwork, theSettingsArePrintedInsideAServiceDocument) {
  Bench b;
  ASSERT_EQ(b.Error(0xFB, "731942;0;0A000064;FF000000;0A000001;0A000002;901F;0F00;0A00;"), "0000");
  ASSERT_EQ(b.Error(0x60, "731942;"), "0000");
  ASSERT_EQ(b.Error(0xA6, "731942;3;;;"), "0000");
  ASSERT_EQ(b.Error(0x65, "731942;0;"), "0000");
  EXPECT_EQ(b.RowValue("IP"), "10.0.0.100");
  EXPECT_EQ(b.RowValue("ЕКВАЙЄР"), "10.0.0.2");
  EXPECT_EQ(b.RowValue("ПОРТ"), "8080");
  EXPECT_EQ(b.RowValue("ПЕРІОД, ХВ"), "15");
  EXPECT_EQ(b.RowValue("ПОВТОР, С"), "10");
  EXPECT_EQ(b.RowValue("ДОСТУП: ПОРТ"), "0");
}

TEST(EmulatedNetwork, everyNetworkSettingSurvivesTheStateFile) {
  RegistrarState s;
  s.link = {true, 1, 2, 3, 4, 5, 6, 7};
  s.remoteServer = 0xC0A80002;
  s.remotePort = 80;
  s.idDevMemory = 9;
  s.idDevCard = 10;
  s.modem = {true, false, true, false, 1000, 3, 2000, 3000};
  s.wifi = {"Сеть;1", "pass\n", 2, 3, false};
  RegistrarState back;
  std::string error;
  ASSERT_TRUE(ParseState(StateText(s), back, &error)) << error;
  EXPECT_EQ(StateText(back), StateText(s));
  EXPECT_EQ(back.wifi.ssid, "Сеть;1");
  EXPECT_EQ(back.modem.unsent, 3);
  EXPECT_EQ(back.link.retry, 7);
  EXPECT_TRUE(back.unknownKeys.empty());
}

TEST(EmulatedNetwork, badNetworkValuesInTheStateFileAreRefused) {
  for (const char* text : {"network.link=1,2,3\n", "network.link=2,0,0,0,0,0,0,0\n",
                           "network.link=0,0,0,0,0,65536,0,0\n", "network.remote=4294967296,0\n",
                           "network.id_dev=-2,0\n", "network.modem=2,0,0,0,0,0,0,0\n",
                           "network.wifi=4,0,1\n", "network.wifi_ssid=5\n"}) {
    RegistrarState s;
    std::string error;
    EXPECT_FALSE(ParseState(text, s, &error)) << text;
    EXPECT_EQ(s.link.period, 60) << text;
  }
}
