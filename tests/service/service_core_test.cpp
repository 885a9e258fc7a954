// The transfer cores against the software registrar over the in-memory link:
// chunk rules, retries, stops, messages and the files they leave.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "service/core/driver_transfer_host.h"
#include "tests/emulator/emu_bench.h"
#include "service/core/firmware_read.h"
#include "service/core/flash_transfer.h"
#include "service/core/logo_stream.h"

using namespace tesmar;
using namespace tesmar::service;

namespace {

// Records what a window would show, and asks for a stop after a number of
// chunks when told to.
struct RecordingHost : DriverTransferHost {
  using DriverTransferHost::DriverTransferHost;
  bool StopRequested() override { return stopAfter >= 0 && ++chunks > stopAfter; }
  void ShowRetries(int n) override { retries = n; }
  void ShowAddress(uint64_t a) override { addresses.push_back(a); }
  void ShowProgress(int64_t p) override { progress.push_back(p); }
  int stopAfter = -1, chunks = 0, retries = -1;
  std::vector<uint64_t> addresses;
  std::vector<int64_t> progress;
};

struct Fixture {
  explicit Fixture(size_t flashSize = 4096) : bench(Options(flashSize)), host(bench.driver) {}
  static emu::RegistrarOptions Options(size_t flashSize) {
    emu::RegistrarOptions o;
    o.flashSize = flashSize;
    return o;
  }
  std::string File(const std::string& name) const { return (dir / name).string(); }
  const std::string& Flash() {
    bench.Run(0xF1, "731942;0;");  // the image is made on first use
    return bench.reg.state.flash;
  }
  emu::test::Bench bench;
  RecordingHost host;
  std::filesystem::path dir = [] {
    auto d = std::filesystem::temp_directory_path() /
             ("tesmar-service-core-" + std::to_string(::getpid()));
    std::filesystem::create_directories(d);
    return d;
  }();
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

long Sent(const Fixture& f, int code) {
  return f.bench.reg.Executed(code);
}

}  // namespace

TEST(FlashRead, readsInChunksOfFiftyAndEndsWithTheShortOne) {
  Fixture f(120);
  const TransferOutcome out = ReadFlashToFile(f.host, "731942", {0, 120}, 2, f.File("a.bin"));
  EXPECT_TRUE(out.ok);
  EXPECT_EQ(out.message, "Успешно. Чтение данных завершено.");
  EXPECT_EQ(Slurp(f.File("a.bin")), f.bench.reg.state.flash);
  EXPECT_EQ(Sent(f, 0xF1), 3);  // 50, 50, 20
  EXPECT_EQ(f.host.addresses, (std::vector<uint64_t>{0, 50, 100}));
  EXPECT_EQ(f.host.retries, 0);
}

TEST(FlashRead, aFullChunkWhenFewerRemainWritesOnlyThoseAsked) {
  Fixture f;
  ASSERT_TRUE(ReadFlashToFile(f.host, "731942", {10, 30}, 2, f.File("b.bin")).ok);
  EXPECT_EQ(Slurp(f.File("b.bin")), f.Flash().substr(10, 30));
  // 120 bytes from 4000 of a 4096-byte memory: 50, 46 and the end.
  ASSERT_TRUE(ReadFlashToFile(f.host, "731942", {4000, 120}, 2, f.File("c.bin")).ok);
  EXPECT_EQ(Slurp(f.File("c.bin")), f.Flash().substr(4000));
}

TEST(FlashRead, aRefusedChunkIsAskedAgainThenStopsWithTheErrorCode) {
  Fixture f;
  const TransferOutcome out = ReadFlashToFile(f.host, "111111", {0, 100}, 2, f.File("d.bin"));
  EXPECT_FALSE(out.ok);
  EXPECT_EQ(out.message,
            "Ошибка чтения данных из флеш-памяти. \nЧтение данных остановлено. ErrCode=" +
                f.bench.Error(0xF1, "111111;0;") + "\nСохранено байтов: 0.");
  EXPECT_EQ(f.host.retries, 2);
  EXPECT_EQ(Sent(f, 0xF1), 0);  // refused at the password, never run
  // Nothing was read: no file, and no empty part file either.
  EXPECT_FALSE(std::filesystem::exists(f.File("d.bin")));
  EXPECT_FALSE(std::filesystem::exists(f.File("d.bin.part")));
}

TEST(FlashRead, aStopBetweenChunksKeepsWhatWasReadAndSaysSo) {
  Fixture f;
  f.host.stopAfter = 1;
  const TransferOutcome out = ReadFlashToFile(f.host, "731942", {0, 1000}, 2, f.File("e.bin"));
  EXPECT_FALSE(out.ok);
  EXPECT_EQ(out.message,
            "Чтение данных остановлено пользователем.\nСохранено байтов: 100 в файле " +
                f.File("e.bin.part") + ".");
  EXPECT_EQ(out.bytes, 100u);
  EXPECT_EQ(Slurp(f.File("e.bin.part")), f.Flash().substr(0, 100));
  EXPECT_FALSE(std::filesystem::exists(f.File("e.bin")));
}

TEST(FlashRead, aSilentOrDroppedLineEndsWithTheTimeoutMessage) {
  Fixture f;
  f.bench.session.SetFaults({.silence = 1.0});
  const TransferOutcome out = ReadFlashToFile(f.host, "731942", {0, 100}, 2, f.File("f.bin"));
  EXPECT_EQ(out.message,
            "Ошибка! Таймаут устройства! Чтение данных остановлено.\nСохранено байтов: 0.");
  // A closed link: the driver refuses at once and says why; nothing is read.
  f.bench.driver.CloseSerialLink();
  const TransferOutcome closed = ReadFlashToFile(f.host, "731942", {0, 100}, 2, f.File("g.bin"));
  EXPECT_FALSE(closed.ok);
  EXPECT_FALSE(f.host.refusal.empty());
}

TEST(FlashWrite, sendsChunksOfFiftyFiftyTwentyAndTheMemoryHoldsTheFile) {
  Fixture f;
  std::string data(120, '\0');
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(255 - i);
  std::ofstream(f.File("w.bin"), std::ios::binary) << data;
  const TransferOutcome out = WriteFlashFromFile(f.host, "731942", {100, 120}, f.File("w.bin"));
  EXPECT_TRUE(out.ok);
  EXPECT_EQ(out.message, "Успешно. Запись данных завершена.");
  EXPECT_EQ(Sent(f, 0xF2), 3);
  EXPECT_EQ(f.host.addresses, (std::vector<uint64_t>{100, 150, 200, 220}));
  EXPECT_EQ(f.bench.reg.state.flash.substr(100, 120), data);
}

TEST(FlashWrite, aShortFileARefusalAndAStopEachEndTheWrite) {
  Fixture f;
  std::ofstream(f.File("s.bin"), std::ios::binary) << std::string(60, 'x');
  EXPECT_EQ(WriteFlashFromFile(f.host, "731942", {0, 100}, f.File("s.bin")).message,
            "Ошибка! Незапланированный конец файла!\n   Чтение прервано");
  EXPECT_EQ(Sent(f, 0xF2), 0);  // the size is judged before the first chunk
  const TransferOutcome refused = WriteFlashFromFile(f.host, "111111", {0, 10}, f.File("s.bin"));
  EXPECT_EQ(refused.message.rfind("Ошибка записи в флеш-память:\n  ", 0), 0u);
  f.host.stopAfter = 0;
  EXPECT_EQ(WriteFlashFromFile(f.host, "731942", {0, 60}, f.File("s.bin")).message,
            "Запись данных остановлено пользователем.");
  EXPECT_FALSE(WriteFlashFromFile(f.host, "731942", {0, 1}, f.File("missing.bin")).ok);
}

TEST(FlashClear, clearsTheMemoryOrSaysWhyNot) {
  Fixture f;
  f.Flash();
  EXPECT_EQ(
      ClearFlashMemory(f.host, "111111").message.rfind("Ошибка обнуления флеш-памяти:\n  ", 0), 0u);
  EXPECT_NE(f.bench.reg.state.flash, std::string(4096, '\xFF'));
  EXPECT_EQ(ClearFlashMemory(f.host, "731942").message, "Успешно!");
  EXPECT_EQ(f.bench.reg.state.flash, std::string(4096, '\xFF'));
}

TEST(FlashFileName, startAndCountComeFromTheLastTwoUnderscores) {
  const auto r = RangeFromFileName("/tmp/x_y/dump_100_200.bin");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->start, "100");
  EXPECT_EQ(r->count, "200");
  EXPECT_EQ(RangeFromFileName("a_b_4096_1024.bin")->start, "4096");
  EXPECT_FALSE(RangeFromFileName("dump_100.bin"));
  EXPECT_FALSE(RangeFromFileName("dump_100_200"));
  EXPECT_FALSE(RangeFromFileName("dump.x_100_200"));  // a "." must follow the last "_"
  EXPECT_FALSE(DecimalField("12a"));
  EXPECT_FALSE(DecimalField(""));
  EXPECT_EQ(DecimalField("0042"), 42u);
}

TEST(FlashHex, onlyUpperCaseHexadecimalPairsAreBytes) {
  EXPECT_EQ(BytesFromHex("00FF7A"), std::string("\x00\xFF\x7A", 3));
  EXPECT_FALSE(BytesFromHex("0a"));
  EXPECT_FALSE(BytesFromHex("ABC"));
  EXPECT_EQ(HexFromBytes(std::string("\x01\xAB", 2)), "01AB");
}

TEST(Firmware, readOutIsByteIdenticalToTheRegistrarsImage) {
  Fixture f;
  int64_t total = 0;
  const TransferOutcome out = ReadFirmwareToFile(f.host, "731942", f.File("fw.hex"), &total);
  EXPECT_TRUE(out.ok);
  EXPECT_EQ(out.message, "Чтение внутреннего ПО - успешно!");
  EXPECT_EQ(total, static_cast<int64_t>(emu::FirmwareImage().size()));
  EXPECT_EQ(Slurp(f.File("fw.hex")), emu::FirmwareImage());
  EXPECT_EQ(f.host.progress.back(), total);
}

TEST(Firmware, aRegistrarWithoutFirmwareSaysThereIsNoDataAndNoFileIsLeft) {
  Fixture f;
  f.bench.reg.options.firmwareSize = 0;
  const TransferOutcome out = ReadFirmwareToFile(f.host, "731942", f.File("none.hex"));
  EXPECT_FALSE(out.ok);
  EXPECT_EQ(out.message, "Нет данных!");
  EXPECT_FALSE(std::filesystem::exists(f.File("none.hex")));
}

TEST(Firmware, escapesAreUndoneAndEscapingRoundTripsEveryByte) {
  EXPECT_EQ(UnescapePacket("\\AB"), std::string("\x01\x42", 2));
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string wire = emu::EscapePacket(all);
  EXPECT_EQ(wire.find(';'), std::string::npos);
  EXPECT_EQ(UnescapePacket(wire), all);
}

TEST(Firmware, aPacketOutOfSequenceAStopAndARefusalEachEndTheRead) {
  Fixture f;
  struct SkippingHost : RecordingHost {
    using RecordingHost::RecordingHost;
    const link::ReplyRecord* Send(const Command& c) override {
      const link::ReplyRecord* r = RecordingHost::Send(c);
      if (r && r->commandCode == 0xE8) reg->state.nextPacket += 1;  // one packet lost
      return r;
    }
    emu::Registrar* reg = nullptr;
  } skipping(f.bench.driver);
  skipping.reg = &f.bench.reg;
  const std::string kept = std::to_string(emu::kFirmwarePacketBytes);
  EXPECT_EQ(ReadFirmwareToFile(skipping, "731942", f.File("y.hex")).message,
            "Ошибка последовательного номера пакета - чтение остановлено!\nСохранено байтов: " +
                kept + " в файле " + f.File("y.hex.part") + ".");

  f.host.stopAfter = 2;
  EXPECT_EQ(ReadFirmwareToFile(f.host, "731942", f.File("z.hex")).message,
            "Чтение остановлено по запросу пользователя!\nСохранено байтов: " +
                std::to_string(2 * emu::kFirmwarePacketBytes) + " в файле " + f.File("z.hex.part") +
                ".");
  EXPECT_EQ(Slurp(f.File("z.hex.part")),
            emu::FirmwareImage().substr(0, 2 * emu::kFirmwarePacketBytes));
  EXPECT_FALSE(std::filesystem::exists(f.File("z.hex")));
  EXPECT_EQ(ReadFirmwareToFile(f.host, "111111", f.File("w.hex"))
                .message.rfind("SetDataSource ошибка:\n  ", 0),
            0u);
  EXPECT_FALSE(std::filesystem::exists(f.File("w.hex")));
  EXPECT_FALSE(std::filesystem::exists(f.File("w.hex.part")));
}

TEST(LogoStream, hundredByTwoGivesRowsOfThirteenBytesInTwoLines) {
  const auto stream = PackLogo(100, 2, [](int x, int) { return x >= 96; });
  ASSERT_EQ(stream.size(), 26u);
  EXPECT_EQ(stream[12], 0xF0);  // 4 pixels and 4 padding bits
  EXPECT_EQ(stream[0], 0x00);
  const auto lines = LogoLines(stream);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "00F0" + std::string(44, '0'));
  EXPECT_EQ(lines[0].size(), 48u);
}

TEST(LogoStream, whitePixelsAreZerosAndTheFirstPixelIsTheHighBit) {
  const auto white = LogoLines(PackLogo(192, 1, [](int, int) { return false; }));
  EXPECT_EQ(white, std::vector<std::string>{std::string(48, '0')});
  const auto first = PackLogo(9, 1, [](int x, int) { return x == 0 || x == 8; });
  EXPECT_EQ(first, (std::vector<uint8_t>{0x80, 0x80}));
  EXPECT_EQ(MaxLogoHeight(4608, 384), 96);
  EXPECT_EQ(MaxLogoHeight(4608, 0), 0);  // no width reported: no height either
}

TEST(FlashRead, aReadPastTheEndOfTheMemoryEndsWithSuccessAtTheEnd) {
  Fixture f(100);
  ASSERT_TRUE(ReadFlashToFile(f.host, "731942", {50, 500}, 2, f.File("end.bin")).ok);
  EXPECT_EQ(Slurp(f.File("end.bin")), f.Flash().substr(50));
  EXPECT_TRUE(ReadFlashToFile(f.host, "731942", {100, 10}, 2, f.File("none.bin")).ok);
  EXPECT_EQ(Slurp(f.File("none.bin")), "");
}

TEST(FlashRead, aMebibyteRoundTripsThroughAFileByteForByte) {
  Fixture f(1 << 20);
  ASSERT_TRUE(ReadFlashToFile(f.host, "731942", {0, 1 << 20}, 2, f.File("mib.bin")).ok);
  const std::string image = f.bench.reg.state.flash;
  EXPECT_EQ(std::hash<std::string>{}(Slurp(f.File("mib.bin"))), std::hash<std::string>{}(image));
  ASSERT_TRUE(ClearFlashMemory(f.host, "731942").ok);
  ASSERT_TRUE(WriteFlashFromFile(f.host, "731942", {0, 1 << 20}, f.File("mib.bin")).ok);
  EXPECT_EQ(f.bench.reg.state.flash, image);
  ASSERT_TRUE(ReadFlashToFile(f.host, "731942", {0, 1 << 20}, 2, f.File("again.bin")).ok);
  EXPECT_EQ(Slurp(f.File("again.bin")), image);
}
