// The direct USB link through the libusb stand-in, with the emulator behind
// its bulk endpoints.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "link/driver.h"
#include "link/encoding.h"
#include "link/memory_transport.h"
#include "emulator/session.h"
#include "tests/support/test_support.h"

using namespace tesmar;

namespace {

// Two registrars behind the fake bus, told apart by their model.
std::unique_ptr<emu::Registrar> g_registrars[2];
std::unique_ptr<emu::Session> g_sessions[2];

int Peer(int device, const uint8_t* req, int n, uint8_t* out, int cap) {
  auto o = g_sessions[device % 2]->Feed(req, static_cast<size_t>(n));
  const int k = std::min<int>(cap, static_cast<int>(o.bytes.size()));
  std::copy(o.bytes.begin(), o.bytes.begin() + k, out);
  return k;
}

class FakeBus {
 public:
  explicit FakeBus(const char* library = FAKE_LIBUSB) {
    setenv("TESMAR_LIBUSB", library, 1);
    lib_ = dlopen(library, RTLD_NOW);
    Call<void (*)()>("fake_usb_reset")();
    for (int i = 0; i < 2; ++i) {
      emu::RegistrarOptions o;
      o.model = i == 0 ? "Перший" : "Другий";
      g_registrars[i] = std::make_unique<emu::Registrar>(o);
      g_sessions[i] = std::make_unique<emu::Session>(*g_registrars[i]);
    }
    reinterpret_cast<void (*)(int (*)(int, const uint8_t*, int, uint8_t*, int))>(
        dlsym(lib_, "fake_usb_set_peer"))(Peer);
  }
  ~FakeBus() {
    dlclose(lib_);
    unsetenv("TESMAR_LIBUSB");
  }
  void AddDevice(int bus, int address, uint16_t vid = 0x0483, uint16_t pid = 0x5740) {
    Call<void (*)(int, int, uint16_t, uint16_t)>("fake_usb_add_device")(bus, address, vid, pid);
  }
  void FailWrites(int n) { Call<void (*)(int)>("fake_usb_fail_writes")(n); }
  void FailReads(int n) { Call<void (*)(int)>("fake_usb_fail_reads")(n); }
  void ShortRead(int n) { Call<void (*)(int)>("fake_usb_short_read")(n); }
  int Counter(const char* name) { return Call<int (*)(const char*)>("fake_usb_counter")(name); }

 private:
  template <typename F>
  F Call(const char* name) {
    return reinterpret_cast<F>(dlsym(lib_, name));
  }
  void* lib_;
};

std::string Model(const link::ReplyRecord& r) {
  return link::Cp1251ToUtf8(r.Field(0));
}

}  // namespace

TEST(UsbLink, identificationOverTheDirectLink) {
  FakeBus bus;
  bus.AddDevice(1, 4);
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  ASSERT_EQ(driver.ConnectUsb(), 1);
  const link::ReplyRecord& r = driver.ExecuteCommand(0x80, "731942;");
  ASSERT_TRUE(r.Succeeded());
  EXPECT_EQ(Model(r), "Перший");
  EXPECT_EQ(r.fieldCount, 11);
  EXPECT_EQ(driver.DisconnectUsb(), 1);
  EXPECT_EQ(bus.Counter("resets"), 1);
}

TEST(UsbLink, firstRegistrarInBusOrderIsOpened) {
  FakeBus bus;
  bus.AddDevice(3, 1, 0x1234, 0x5740);  // not a registrar
  bus.AddDevice(2, 9);                  // device 1: "Другий"
  bus.AddDevice(1, 7);                  // device 2: "Перший", first in bus order
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  ASSERT_EQ(driver.ConnectUsb(), 1);
  EXPECT_EQ(bus.Counter("opened"), 2);
}

TEST(UsbLink, writeFailuresRecoverUntilTheEleventhFailedWrite) {
  FakeBus bus;
  bus.AddDevice(1, 1);
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  ASSERT_EQ(driver.ConnectUsb(), 1);
  // Each bulk write reopens and tries once more, so ten failed writes are
  // twenty failed transfers; the eleventh write succeeds on its second try.
  bus.FailWrites(21);
  EXPECT_TRUE(driver.ExecuteCommand(0x80, "731942;").Succeeded());
  bus.FailWrites(22);
  const link::ReplyRecord& r = driver.ExecuteCommand(0x80, "731942;");
  EXPECT_EQ(r.flags, link::kFlagNoAnswer);
  EXPECT_EQ(r.fieldCount, 0);
  // The link still works afterwards.
  EXPECT_TRUE(driver.ExecuteCommand(0x21, "731942;").Succeeded());
}

TEST(UsbLink, readFailureRestartsAtTheWrite) {
  FakeBus bus;
  bus.AddDevice(1, 1);
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  ASSERT_EQ(driver.ConnectUsb(), 1);
  const int writesBefore = bus.Counter("writes");
  bus.FailReads(2);  // the read and its retry after the reopen
  EXPECT_TRUE(driver.ExecuteCommand(0x80, "731942;").Succeeded());
  EXPECT_EQ(bus.Counter("writes") - writesBefore, 2);
  EXPECT_EQ(sleeper.waits, std::vector<int>{1000});
  EXPECT_EQ(g_registrars[0]->Executed(0x80), 1);  // the resend was answered from memory
}

TEST(UsbLink, shortReadTakesWhatCameAndIsResent) {
  FakeBus bus;
  bus.AddDevice(1, 1);
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  ASSERT_EQ(driver.ConnectUsb(), 1);
  bus.ShortRead(6);
  EXPECT_TRUE(driver.ExecuteCommand(0x80, "731942;").Succeeded());
  EXPECT_EQ(sleeper.waits, std::vector<int>{2000});
  EXPECT_EQ(driver.GetErrorCount(), 1);
}

TEST(UsbLink, libraryWithoutBulkTransfersFailsTheExchangeWithoutCrashing) {
  FakeBus bus(FAKE_LIBUSB_NOBULK);
  bus.AddDevice(1, 1);
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  ASSERT_EQ(driver.ConnectUsb(), 1);
  EXPECT_EQ(driver.ExecuteCommand(0x80, "731942;").flags, link::kFlagNoAnswer);
}

TEST(UsbLink, withoutTheLibraryOnlyTheDirectLinkIsMissing) {
  setenv("TESMAR_LIBUSB", "/nonexistent/libusb-none.so", 1);
  EXPECT_FALSE(link::UsbDirectLink::LibraryAvailable());
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  EXPECT_EQ(driver.ConnectUsb(), 0);
  EXPECT_FALSE(driver.UsbActive());
  emu::Registrar reg;
  emu::Session session(reg);
  driver.AttachSerialLink(std::make_unique<link::MemoryTransport>(
      [&](const std::vector<uint8_t>& f) { return session.Feed(f).bytes; }));
  EXPECT_TRUE(driver.ExecuteCommand(0x80, "731942;").Succeeded());
  unsetenv("TESMAR_LIBUSB");
}

TEST(UsbLink, noRegistrarOnTheBusIsNotConnected) {
  FakeBus bus;
  bus.AddDevice(1, 1, 0x0483, 0x0001);
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  EXPECT_EQ(driver.ConnectUsb(), 0);
  EXPECT_EQ(bus.Counter("opens"), 0);
}
