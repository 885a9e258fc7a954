// The emulator's maintenance, logo, fiscal memory and firmware domains:
// what they keep, print and refuse.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/emulator/emu_bench.h"
#include "emulator/receipt_frame.h"
#include "emulator/state_file.h"

using namespace tesmar;
using namespace tesmar::emu;
using emu::test::Bench;

TEST(EmuMaintenance, reminderReportNeedsAnOpenNonFiscalReceiptAndPrintsTheReminder) {
  Bench b;
  EXPECT_NE(b.Error(0x84, "731942;3;"), "0000");  // no receipt open
  ASSERT_EQ(b.Error(0x34, "731942;0;Позвоните мастеру;"), "0000");
  ASSERT_EQ(b.Error(0x35, ";;010427;5;12;"), "0000");
  ASSERT_EQ(b.Error(0x60, "731942;"), "0000");
  EXPECT_NE(b.Error(0x84, "731942;2;"), "0000");  // only the reminder report is known
  ASSERT_EQ(b.Error(0x84, "731942;3;"), "0000");
  std::string tape;
  for (const auto& l : b.Tape()) tape += l + "\n";
  EXPECT_NE(tape.find("01.04.27"), std::string::npos);
  EXPECT_NE(tape.find("Позвоните мастеру"), std::string::npos);
  const auto& r = b.Run(0x36, "731942;");
  EXPECT_EQ(r.Field(0), "010427");
  EXPECT_EQ(r.Field(1), "5");
  EXPECT_EQ(r.Field(2), "12");
}

TEST(EmuMaintenance, reminderRefusesBadFieldsAndAWrongOldPassword) {
  Bench b;
  EXPECT_EQ(b.Error(0x35, ";;320127;5;12;"), "0C05");  // no such day
  EXPECT_NE(b.Error(0x35, ";;010127;5;1g;"), "0000");
  EXPECT_NE(b.Error(0x35, ";;010127;5;20;"), "0000");  // no such mask bit
  ASSERT_EQ(b.Error(0x35, ";42;010127;5;01;"), "0000");
  EXPECT_EQ(b.Error(0x35, ";41;010127;5;01;"), b.Error(0x84, "1;3;"));  // the wrong-password code
  EXPECT_EQ(b.Error(0x35, "42;43;010127;5;01;"), "0000");
}

TEST(EmuCounters, defaultsReadOnlyBatteryMtuRangeAndUsbStorageSilence) {
  Bench b;
  EXPECT_EQ(b.Run(0x89, "731942;16;").fieldCount, 0);  // never set: no value
  EXPECT_NE(b.Error(0x88, "731942;0;5;"), "0000");     // the battery is read only
  EXPECT_NE(b.Error(0x88, "731942;16;499;"), "0000");  // outside 500..1460
  ASSERT_EQ(b.Error(0x88, "731942;3;1;"), "0000");
  EXPECT_TRUE(b.reg.state.usbStorageMode);
  EXPECT_TRUE(b.Run(0x80, "731942;").flags & link::kFlagNoAnswer);  // the line is silent
}

TEST(EmuLogo, storeFixesTheSizeAndReceiptsPrintItWhenAsked) {
  Bench b;
  EXPECT_NE(b.Error(0x29, "731942;192;" + std::string(48, '0') + ";"), "0000");  // past the store
  EXPECT_NE(b.Error(0x29, "731942;0;" + std::string(46, '0') + ";"), "0000");
  EXPECT_NE(b.Error(0x31, "731942;385;1;"), "0000");
  EXPECT_NE(b.Error(0x31, "731942;384;97;"), "0000");
  ASSERT_EQ(b.Error(0x29, "731942;0;C0" + std::string(46, '0') + ";"), "0000");
  ASSERT_EQ(b.Error(0x31, "731942;3;1;"), "0000");
  EXPECT_TRUE(LogoPixel(b.reg.state, 0, 0));
  EXPECT_TRUE(LogoPixel(b.reg.state, 1, 0));
  EXPECT_FALSE(LogoPixel(b.reg.state, 2, 0));
  PrintReceiptHead(b.reg);
  EXPECT_TRUE(b.Tape().empty());  // the parameters do not ask for it
  // The document flag "print the user logo", set as the program sets it.
  ASSERT_EQ(b.Error(0x27, "731942;0;0;0400;00;0A;0A;32;"), "0000");
  PrintReceiptHead(b.reg);
  ASSERT_FALSE(b.Tape().empty());
  EXPECT_EQ(b.Tape().front(), "##.");
}

TEST(EmuFlash, readsPastTheEndGiveNothingAndWritesMustFit) {
  RegistrarOptions o;
  o.flashSize = 100;
  Bench b(o);
  EXPECT_EQ(b.Run(0xF1, "731942;90;").Field(0), "10");
  EXPECT_EQ(b.Run(0xF1, "731942;100;").Field(0), "0");
  EXPECT_NE(b.Error(0xF2, "731942;95;10;" + std::string(20, 'A') + ";"), "0000");
  EXPECT_NE(b.Error(0xF2, "731942;0;2;ABC;"), "0000");
  EXPECT_NE(b.Error(0xF2, "731942;0;51;" + std::string(102, 'A') + ";"), "0000");
  ASSERT_EQ(b.Error(0xF2, "731942;98;2;0102;"), "0000");
  EXPECT_EQ(b.reg.state.flash.substr(98), std::string("\x01\x02", 2));
}

TEST(EmuFirmware, packetsNeedASourceAndTheLastCarriesItsNumberAlone) {
  Bench b;
  EXPECT_NE(b.Error(0xE8, "731942;"), "0000");
  EXPECT_NE(b.Error(0xE7, "731942;4;;;"), "0000");
  EXPECT_EQ(b.Run(0xE7, "731942;0;;1;").Field(0), "0");
  const auto& r = b.Run(0xE8, "731942;");
  EXPECT_EQ(r.fieldCount, 1);
  EXPECT_EQ(r.Field(0), "0");
}

TEST(EmuStateFile, reminderCountersAndLogoSurviveARestart) {
  const auto path = std::filesystem::temp_directory_path() / "tesmar-service-state-test";
  RegistrarState s;
  s.serviceParameters[16] = 900;
  s.reminderDate = 20270401;
  s.reminderDays = 5;
  s.reminderMask = 0x12;
  s.reminderPassword = "42";
  s.reminderMessage = {"a;b", "c"};
  s.logo.assign(kLogoStoreBytes, 0x5A);
  s.logoWidth = 17;
  s.logoHeight = 3;
  ASSERT_TRUE(SaveState(path.string(), s));
  RegistrarState back;
  std::string error;
  ASSERT_TRUE(LoadState(path.string(), back, &error)) << error;
  EXPECT_EQ(back.serviceParameters[16], 900);
  EXPECT_EQ(back.reminderDate, 20270401);
  EXPECT_EQ(back.reminderMask, 0x12);
  EXPECT_EQ(back.reminderPassword, "42");
  EXPECT_EQ(back.reminderMessage, s.reminderMessage);
  EXPECT_EQ(back.logo, s.logo);
  EXPECT_EQ(back.logoWidth, 17);
  std::filesystem::remove(path);
}
