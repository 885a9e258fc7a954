// The transfers over a noisy line and onto a real file system: answers
// refused by NAK, damaged or lost are asked for again; the file is whole or
// named as a part; what cannot be written or read is refused before anything
// is sent.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "service/core/driver_transfer_host.h"
#include "tests/emulator/emu_bench.h"
#include "service/core/firmware_read.h"
#include "service/core/flash_transfer.h"
#include "tests/support/unreadable_file.h"

using namespace tesmar;
using namespace tesmar::service;

namespace {

enum class Fault { kNak, kDamaged, kLost };

// The registrar behind a line that spoils the answers to chosen requests
// (counted from 0): a NAK instead of running it, a data byte changed on the
// way (the checksum then disagrees), or an answer that never arrives.
struct NoisyLine {
  explicit NoisyLine(size_t flashSize = 4096) : bench(Options(flashSize)), host(bench.driver) {
    bench.driver.SetRetryCount(0);  // the transfer's own retries alone
    bench.driver.AttachSerialLink(std::make_unique<link::MemoryTransport>(
        [this](const std::vector<uint8_t>& frame) { return Pass(frame); }));
  }
  static emu::RegistrarOptions Options(size_t flashSize) {
    emu::RegistrarOptions o;
    o.flashSize = flashSize;
    return o;
  }
  std::vector<uint8_t> Pass(const std::vector<uint8_t>& frame) {
    const auto fault = plan.find(requests++);
    if (fault == plan.end()) return bench.session.Feed(frame).bytes;
    if (fault->second == Fault::kNak) return {0x15};
    std::vector<uint8_t> reply = bench.session.Feed(frame).bytes;
    if (fault->second == Fault::kLost) return {};
    uint8_t& b = reply.at(12);  // inside the data area, after "0000;" and a few bytes
    b = b == '0' ? '1' : '0';
    return reply;
  }
  const std::string& Flash() {
    if (bench.reg.state.flash.empty()) bench.Run(0xF1, "731942;0;");
    return bench.reg.state.flash;
  }
  std::string File(const std::string& name) const { return (dir / name).string(); }

  emu::test::Bench bench;
  DriverTransferHost host;
  std::map<int, Fault> plan;
  int requests = 0;
  std::filesystem::path dir = [] {
    auto d = std::filesystem::temp_directory_path() /
             ("tesmar-transfer-faults-" + std::to_string(::getpid()));
    std::filesystem::remove_all(d);
    std::filesystem::create_directories(d);
    return d;
  }();
};

struct CountingHost : DriverTransferHost {
  using DriverTransferHost::DriverTransferHost;
  void ShowRetries(int n) override { retries = n; }
  int retries = -1;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

const char* kReadFailed = "Ошибка чтения данных из флеш-памяти. \nЧтение данных остановлено. ";

}  // namespace

TEST(FlashReadFaults, aChunkNakedDamagedOrLostIsAskedAgainAndTheFileIsTheMemory) {
  NoisyLine line;
  const std::string flash = line.Flash();
  line.requests = 0;
  line.plan = {{1, Fault::kNak}, {3, Fault::kDamaged}, {5, Fault::kLost}, {6, Fault::kDamaged}};
  CountingHost host(line.bench.driver);
  const TransferOutcome out = ReadFlashToFile(host, "731942", {0, 300}, 2, line.File("a.bin"));
  EXPECT_TRUE(out.ok) << out.message;
  EXPECT_EQ(out.message, "Успешно. Чтение данных завершено.");
  EXPECT_EQ(Slurp(line.File("a.bin")), flash.substr(0, 300));  // no damaged byte kept
  EXPECT_FALSE(std::filesystem::exists(line.File("a.bin.part")));
  EXPECT_EQ(host.retries, 4);  // "Повторов:": one, one and two chunks asked again
}

TEST(FlashReadFaults, retriesUsedUpStopWithTheLinesOwnErrorAndKeepTheBytesInThePart) {
  const std::pair<Fault, std::string> cases[] = {
      {Fault::kNak, kReadFailed + std::string("Регистратор отклонил команду (NAK)!")},
      {Fault::kDamaged, kReadFailed + std::string("Неверная контрольная сумма")},
      {Fault::kLost, "Ошибка! Таймаут устройства! Чтение данных остановлено."},
  };
  for (const auto& [fault, text] : cases) {
    NoisyLine line;
    const std::string flash = line.Flash();
    line.requests = 0;
    line.plan = {{2, fault}, {3, fault}, {4, fault}};
    Put(line.File("old.bin"), "an older dump");
    const TransferOutcome out =
        ReadFlashToFile(line.host, "731942", {0, 500}, 2, line.File("old.bin"));
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.bytes, 100u);
    EXPECT_EQ(out.message, text + "\nСохранено байтов: 100 в файле " + line.File("old.bin.part") +
                               ".\nФайл " + line.File("old.bin") + " не изменён.");
    EXPECT_EQ(Slurp(line.File("old.bin.part")), flash.substr(0, 100));
    EXPECT_EQ(Slurp(line.File("old.bin")), "an older dump");
  }
}

TEST(FlashReadFaults, aWholeReadReplacesAnOlderFileAndLeavesNoPart) {
  NoisyLine line;
  Put(line.File("dump.bin"), "an older dump");
  ASSERT_TRUE(ReadFlashToFile(line.host, "731942", {50, 120}, 2, line.File("dump.bin")).ok);
  EXPECT_EQ(Slurp(line.File("dump.bin")), line.Flash().substr(50, 120));
  EXPECT_FALSE(std::filesystem::exists(line.File("dump.bin.part")));
}

TEST(FlashReadFaults, aDestinationThatCannotBeWrittenIsRefusedBeforeAnythingIsSent) {
  NoisyLine line;
  std::filesystem::create_directories(line.File("folder"));
  for (const std::string& file : {line.File("missing/x.bin"), line.File("folder")}) {
    const TransferOutcome out = ReadFlashToFile(line.host, "731942", {0, 100}, 2, file);
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.message.rfind("Ошибка записи файла: " + file + ": ", 0), 0u) << out.message;
    const TransferOutcome fw = ReadFirmwareToFile(line.host, "731942", file);
    EXPECT_EQ(fw.message, out.message);
  }
  EXPECT_EQ(line.requests, 0);
  EXPECT_FALSE(std::filesystem::exists(line.File("folder.part")));
}

TEST(FlashRange, aRangePastTheLastByteNumberIsRefusedNotWrapped) {
  EXPECT_TRUE(FlashRangeFits({kLastFlashAddress, 1}));
  EXPECT_TRUE(FlashRangeFits({0, kLastFlashAddress + 1}));
  EXPECT_FALSE(FlashRangeFits({kLastFlashAddress, 2}));
  EXPECT_FALSE(FlashRangeFits({1, kLastFlashAddress + 1}));
  EXPECT_FALSE(FlashRangeFits({UINT64_MAX - 5, 10}));  // would wrap to a small end
  EXPECT_FALSE(FlashRangeFits({10, UINT64_MAX - 5}));
  NoisyLine line;
  Put(line.File("w.bin"), std::string(100, 'x'));
  EXPECT_EQ(
      ReadFlashToFile(line.host, "731942", {UINT64_MAX - 5, 10}, 2, line.File("r.bin")).message,
      kFlashRangeTooLarge);
  EXPECT_EQ(
      WriteFlashFromFile(line.host, "731942", {kLastFlashAddress, 10}, line.File("w.bin")).message,
      kFlashRangeTooLarge);
  EXPECT_EQ(line.requests, 0);
  EXPECT_FALSE(std::filesystem::exists(line.File("r.bin")));
  EXPECT_FALSE(std::filesystem::exists(line.File("r.bin.part")));

  EXPECT_TRUE(NamedRangeFitsFields({"9999999999", "999999999"}));
  EXPECT_FALSE(NamedRangeFitsFields({"12345678901", "5"}));  // the field would cut it
  EXPECT_FALSE(NamedRangeFitsFields({"0", "1234567890"}));
}

TEST(FlashWriteFaults, aFileThatCannotBeReadIsReportedAndNothingIsSent) {
  NoisyLine line;
  std::filesystem::create_directories(line.File("folder"));
  const std::pair<std::string, std::string> cases[] = {
      {line.File("folder"), "Ошибка чтения файла: " + line.File("folder") + ": Is a directory"},
      {test::UnreadableFile(),
       "Ошибка чтения файла: /proc/self/mem: " + test::UnreadableFileReason()},
      {line.File("none.bin"),
       "Ошибка открытия файла: " + line.File("none.bin") + ": No such file or directory"},
  };
  for (const auto& [file, message] : cases) {
    const TransferOutcome out = WriteFlashFromFile(line.host, "731942", {0, 10}, file);
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.message, message);
  }
  EXPECT_EQ(line.requests, 0);
}

TEST(FirmwareFaults, aLostOrDamagedPacketIsAskedAgainWithTheSameSeqAndRunsOnce) {
  NoisyLine line;
  // 0 is E7h; 3 is the third packet, run by the registrar but its answer
  // lost; its repeat (4) comes back damaged; 7 is refused by NAK.
  line.plan = {{3, Fault::kLost}, {4, Fault::kDamaged}, {7, Fault::kNak}};
  const TransferOutcome out = ReadFirmwareToFile(line.host, "731942", line.File("fw.hex"));
  EXPECT_TRUE(out.ok) << out.message;
  EXPECT_EQ(Slurp(line.File("fw.hex")), emu::FirmwareImage());
  const long packets = static_cast<long>(
      (emu::FirmwareImage().size() + emu::kFirmwarePacketBytes - 1) / emu::kFirmwarePacketBytes);
  EXPECT_EQ(line.bench.reg.Executed(0xE8), packets + 1);  // each once, and the empty last
  EXPECT_EQ(line.bench.session.Counters().repeated, 2);   // answered from its memory
}

TEST(FirmwareFaults, retriesUsedUpStopTheReadWithTheLinesErrorAndKeepTheBytes) {
  NoisyLine line;
  line.plan = {{2, Fault::kLost}, {3, Fault::kLost}, {4, Fault::kLost}};
  Put(line.File("fw.hex"), "older");
  const TransferOutcome out = ReadFirmwareToFile(line.host, "731942", line.File("fw.hex"));
  EXPECT_FALSE(out.ok);
  EXPECT_EQ(out.message,
            "ReadDataFromBuf ошибка:\n  Таймаут устройства! Ошибка!\n"
            "Сохранено байтов: " +
                std::to_string(emu::kFirmwarePacketBytes) + " в файле " + line.File("fw.hex.part") +
                ".\nФайл " + line.File("fw.hex") + " не изменён.");
  EXPECT_EQ(Slurp(line.File("fw.hex")), "older");
}
