#include "emulator/registrar.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/emulator/emu_bench.h"
#include "emulator/state_file.h"

using namespace tesmar;
using namespace tesmar::emu;

using emu::test::Bench;

TEST(Registrar, identificationCarriesModelVersionAndCounts) {
  RegistrarOptions o;
  o.model = "Модель 3141";
  o.version = "2.02";
  o.taxGroups = 7;
  o.paymentTypes = 0;
  Bench b(o);
  const auto& r = b.Run(0x80, "731942;");
  ASSERT_TRUE(r.Succeeded());
  EXPECT_EQ(link::Cp1251ToUtf8(r.Field(0)), "Модель 3141");
  EXPECT_EQ(r.Field(1), "2.02");
  EXPECT_EQ(r.Field(6), "4608");
  EXPECT_EQ(r.Field(7), "384");
  EXPECT_EQ(r.Field(9), "7");
  EXPECT_EQ(r.Field(10), "0");
  EXPECT_EQ(r.fieldCount, 11);
}

TEST(Registrar, statusBytesFollowTheState) {
  RegistrarOptions o;
  o.serviceMode = true;
  Bench b(o);
  b.reg.state.serialNumber = "ЭК1";
  b.reg.state.fiscalized = true;
  b.reg.state.shiftOpen = true;
  const auto& r = b.Run(0x21, "731942;");
  EXPECT_EQ(r.status[0], 0x01);
  EXPECT_EQ(r.status[4], 0x03);
  EXPECT_EQ(r.status[5], 0x10);
  b.Run(0x60, "731942;");
  EXPECT_EQ(b.driver.Record().status[2], 0x05);
}

TEST(Registrar, refusalsUseTheDecodersGroups) {
  Bench b;
  EXPECT_EQ(b.Run(0x99, "731942;").errorCode.View(), "0002");    // no such command
  EXPECT_EQ(b.Run(0x21, "111111;").errorCode.View(), "0006");    // wrong password
  EXPECT_EQ(b.Run(0x42, "731942;").errorCode.View(), "0205");    // serial number not set
  EXPECT_EQ(b.Run(0x61, "731942;x;").errorCode.View(), "000B");  // no document open
  EXPECT_EQ(b.Run(0x20, "731942;1A1226;1200;").errorCode.View(), "0C05");
  EXPECT_EQ(b.Run(0x20, "731942;081226;2599;").errorCode.View(), "0D05");
}

TEST(Registrar, clockKeepsAnOffsetFromThePcsTime) {
  Bench b;
  b.reg.SetClock([] { return std::time_t{1796000000}; });
  ASSERT_TRUE(b.Run(0x20, "731942;050324;0930;").Succeeded());
  const auto& r = b.Run(0x21, "731942;");
  EXPECT_EQ(r.Field(0), "050324");
  EXPECT_EQ(r.Field(1), "0930");
  b.reg.SetClock([] { return std::time_t{1796000000 + 3600}; });
  EXPECT_EQ(b.Run(0x21, "731942;").Field(1), "1030");
}

TEST(Registrar, serviceParametersAndRemoteAccess) {
  Bench b;
  EXPECT_EQ(b.Run(0x89, "731942;20;").fieldCount, 0);  // never set: no value
  ASSERT_TRUE(b.Run(0x88, "731942;20;1;").Succeeded());
  EXPECT_EQ(b.Run(0x89, "731942;20;").Field(0), "1");
  b.driver.DisableRemoteAccess();
  EXPECT_EQ(b.Run(0x89, "731942;20;").Field(0), "0");
  EXPECT_EQ(b.Run(0x88, "731942;;").errorCode.View(), "0103");
}

TEST(Registrar, resourcesReportPermissionsAndCounters) {
  Bench b;
  const auto& r = b.Run(0xA0, "731942;");
  ASSERT_EQ(r.fieldCount, 12);
  EXPECT_EQ(r.Field(0), "1");
  EXPECT_EQ(r.Field(1), "1");
  EXPECT_EQ(r.Field(7), "1825");
}

TEST(StateFile, roundTripsAndRefusesGarbage) {
  const auto path = std::filesystem::temp_directory_path() / "tesmar-emu-state-test";
  RegistrarState s;
  s.serialNumber = link::Utf8ToCp1251("ЭК 00;1");
  s.clockOffsetSeconds = -3600;
  s.fiscalized = true;
  s.serviceParameters[20] = 1;
  ASSERT_TRUE(SaveState(path.string(), s));
  RegistrarState back;
  std::string error;
  ASSERT_TRUE(LoadState(path.string(), back, &error)) << error;
  EXPECT_EQ(back.serialNumber, s.serialNumber);
  EXPECT_EQ(back.clockOffsetSeconds, -3600);
  EXPECT_TRUE(back.fiscalized);
  EXPECT_EQ(back.serviceParameters[20], 1);

  std::ofstream(path) << "clock_offset=abc\n";
  RegistrarState untouched;
  untouched.emergencyResets = 3;
  EXPECT_FALSE(LoadState(path.string(), untouched, &error));
  EXPECT_EQ(untouched.emergencyResets, 3);
  EXPECT_NE(error.find(":1:"), std::string::npos);
  std::filesystem::remove(path);
  EXPECT_TRUE(LoadState(path.string(), untouched, &error));  // missing: a fresh registrar
}
