// tesmar-cli's flash and firmware commands over the in-memory link: their
// words, their exit statuses and the files they leave.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/emulator/emu_bench.h"
#include "cli/stop_signal.h"
#include "cli/transfer_command.h"

using namespace tesmar;

namespace {

std::string Parse(const std::string& what, std::vector<std::string> args, cli::TransferArgs& t) {
  return cli::ParseTransferArgs(what, args, t);
}

std::string TempFile(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() /
                   ("tesmar-cli-transfer-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  return (dir / name).string();
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

emu::RegistrarOptions Small() {
  emu::RegistrarOptions o;
  o.flashSize = 1000;
  return o;
}

}  // namespace

TEST(CliTransferArgs, wordsAndOptionsAreCheckedBeforeAnythingIsSent) {
  cli::TransferArgs t;
  EXPECT_EQ(Parse("flash", {"read", "--start", "10", "--count", "20", "f.bin"}, t), "");
  EXPECT_EQ(t.start, "10");
  EXPECT_EQ(t.file, "f.bin");
  const std::pair<std::pair<std::string, std::vector<std::string>>, std::string> bad[] = {
      {{"flash", {"read", "f.bin"}}, "flash read needs --start A and --count C"},
      {{"flash", {"read", "--start", "1x", "--count", "2", "f"}},
       "--start and --count take decimal digits only: 1x"},
      {{"flash", {"clear", "x"}}, "flash needs read --start A --count C FILE, write FILE or clear"},
      {{"flash", {"erase"}}, "flash needs read --start A --count C FILE, write FILE or clear"},
      {{"firmware", {"write", "f"}}, "firmware needs read FILE"},
      {{"firmware", {"read"}}, "firmware needs read FILE"},
      {{"flash", {"write", "f", "--start"}}, "option --start needs a value"},
      {{"flash", {"read", "--retries", "101", "--start", "0", "--count", "1", "f"}},
       "retries must be a number from 0 to 100: 101"},
  };
  for (const auto& [input, message] : bad) {
    cli::TransferArgs u;
    EXPECT_EQ(Parse(input.first, input.second, u), message);
  }
  EXPECT_EQ(Parse("flash", {"write", "dump_100_200.bin"}, t), "");
  EXPECT_EQ(Parse("firmware", {"read", "fw.hex", "--password", "000001"}, t), "");
  EXPECT_EQ(t.password, "000001");
}

TEST(CliTransferArgs, progressBarFillsWithTheShare) {
  EXPECT_EQ(cli::ProgressBar(0, 100, 10), "[..........]   0%");
  EXPECT_EQ(cli::ProgressBar(50, 100, 10), "[#####.....]  50%");
  EXPECT_EQ(cli::ProgressBar(150, 100, 10), "[##########] 100%");
}

TEST(CliTransfer, exitStatusIsZeroOnlyOnTheSuccessMessage) {
  emu::test::Bench b(Small());
  cli::TransferArgs t;
  ASSERT_EQ(Parse("flash", {"read", "--start", "0", "--count", "1000", TempFile("all.bin")}, t),
            "");
  EXPECT_EQ(cli::RunTransfer(t, b.driver), 0);
  EXPECT_EQ(Slurp(TempFile("all.bin")), b.reg.state.flash);
  t.password = "111111";
  EXPECT_EQ(cli::RunTransfer(t, b.driver), 1);

  // The write takes its range from the file name; the memory then holds it.
  std::ofstream(TempFile("part_100_200.bin"), std::ios::binary) << std::string(200, 'z');
  cli::TransferArgs w;
  ASSERT_EQ(Parse("flash", {"write", TempFile("part_100_200.bin")}, w), "");
  EXPECT_EQ(cli::RunTransfer(w, b.driver), 0);
  EXPECT_EQ(b.reg.state.flash.substr(100, 200), std::string(200, 'z'));
  cli::TransferArgs plain;
  ASSERT_EQ(Parse("flash", {"write", TempFile("all.bin")}, plain), "");
  EXPECT_EQ(cli::RunTransfer(plain, b.driver), 64);  // no range given or named

  cli::TransferArgs fw;
  ASSERT_EQ(Parse("firmware", {"read", TempFile("fw.hex")}, fw), "");
  EXPECT_EQ(cli::RunTransfer(fw, b.driver), 0);
  EXPECT_EQ(Slurp(TempFile("fw.hex")), emu::FirmwareImage());
}

TEST(CliTransfer, ctrlCStopsBetweenChunksAndKeepsWhatWasRead) {
  emu::test::Bench b(Small());
  cli::TransferArgs t;
  ASSERT_EQ(Parse("flash", {"read", "--start", "0", "--count", "1000", TempFile("stop.bin")}, t),
            "");
  cli::InstallStopHandler();
  std::raise(SIGINT);
  EXPECT_EQ(cli::RunTransfer(t, b.driver), 128 + SIGINT);
  cli::ClearStopSignal();
  EXPECT_EQ(Slurp(TempFile("stop.bin.part")), b.reg.state.flash.substr(0, 50));
  EXPECT_FALSE(std::filesystem::exists(TempFile("stop.bin")));
}

TEST(CliTransferArgs, clearNeedsYesAndNothingIsSentWithoutIt) {
  cli::TransferArgs t;
  EXPECT_EQ(Parse("flash", {"clear"}, t),
            "flash clear erases the whole fiscal memory: add --yes to go ahead; nothing sent");
  cli::TransferArgs yes;
  EXPECT_EQ(Parse("flash", {"clear", "--yes"}, yes), "");
  emu::test::Bench b(Small());
  b.Run(0xF1, "731942;0;");
  EXPECT_EQ(cli::RunTransfer(yes, b.driver), 0);
  EXPECT_EQ(b.reg.state.flash, std::string(1000, '\xFF'));
}

TEST(CliTransfer, limitsPastTheLastByteOrCutFromTheNameAreBadUsageAndSendNothing) {
  emu::test::Bench b(Small());
  cli::TransferArgs t;
  // The sum of the two wraps past 2^64 to a small number.
  ASSERT_EQ(Parse("flash",
                  {"read", "--start", "9999999999999999999", "--count", "9999999999999999999",
                   TempFile("r.bin")},
                  t),
            "");
  EXPECT_EQ(cli::RunTransfer(t, b.driver), 64);
  ASSERT_EQ(Parse("flash", {"read", "--start", "9999999999", "--count", "2", TempFile("r.bin")}, t),
            "");
  EXPECT_EQ(cli::RunTransfer(t, b.driver), 64);
  std::ofstream(TempFile("dump_12345678901_5.bin"), std::ios::binary) << std::string(5, 'z');
  cli::TransferArgs w;
  ASSERT_EQ(Parse("flash", {"write", TempFile("dump_12345678901_5.bin")}, w), "");
  EXPECT_EQ(cli::RunTransfer(w, b.driver), 64);
  EXPECT_EQ(b.reg.Executed(0xF1) + b.reg.Executed(0xF2), 0);
  EXPECT_FALSE(std::filesystem::exists(TempFile("r.bin")));
}

TEST(CliTransfer, aReadShortOfTheCountAndAFileThatCannotBeReadExitNonZero) {
  emu::test::Bench b(Small());
  cli::TransferArgs t;
  // 100 bytes asked for from byte 950 of a 1000-byte memory: the 50 there are.
  ASSERT_EQ(Parse("flash", {"read", "--start", "950", "--count", "100", TempFile("end.bin")}, t),
            "");
  EXPECT_EQ(cli::RunTransfer(t, b.driver), cli::kExitShortRead);
  EXPECT_EQ(Slurp(TempFile("end.bin")), b.reg.state.flash.substr(950));

  const std::string folder = TempFile("folder_0_10.bin");
  std::filesystem::create_directories(folder);
  cli::TransferArgs w;
  ASSERT_EQ(Parse("flash", {"write", folder}, w), "");
  EXPECT_EQ(cli::RunTransfer(w, b.driver), cli::kExitTransferFailed);
  EXPECT_EQ(b.reg.Executed(0xF2), 0);
}
