// A stand-in for libusb-1.0, loaded by the link through TESMAR_LIBUSB. Its
// bulk endpoints talk to whatever peer the test installs; the fake_usb_*
// functions let the test add devices and inject failures.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct Device {
  int bus, address;
  uint16_t vid, pid;
};

struct Descriptor {
  uint8_t bLength, bDescriptorType;
  uint16_t bcdUSB;
  uint8_t bDeviceClass, bDeviceSubClass, bDeviceProtocol, bMaxPacketSize0;
  uint16_t idVendor, idProduct, bcdDevice;
  uint8_t iManufacturer, iProduct, iSerialNumber, bNumConfigurations;
};

using Peer = int (*)(int device, const uint8_t* req, int n, uint8_t* out, int cap);

struct State {
  std::vector<Device> devices;
  Peer peer = nullptr;
  int failWrites = 0, failReads = 0, shortRead = 0;
  int opened = -1;  // index of the device opened last
  int writes = 0, reads = 0, resets = 0, opens = 0, closes = 0, inits = 0;
  std::vector<uint8_t> pending;
  bool zeroNext = false;
} g;

// Without a peer in the process, FAKE_USB_PTY names a pty where tesmar-emu
// answers: the request goes there and the reply, up to ETX, comes back.
int PtyPeer(const uint8_t* req, int n, uint8_t* out, int cap) {
  const char* path = std::getenv("FAKE_USB_PTY");
  if (!path) return 0;
  const int fd = open(path, O_RDWR | O_NOCTTY);
  if (fd < 0) return 0;
  termios t{};
  tcgetattr(fd, &t);
  cfmakeraw(&t);
  tcsetattr(fd, TCSANOW, &t);
  int got = 0;
  if (write(fd, req, n) == n) {
    while (got < cap) {
      pollfd p{fd, POLLIN, 0};
      if (poll(&p, 1, 2000) <= 0 || read(fd, out + got, 1) != 1) break;
      if (out[got++] == 0x03) break;
    }
  }
  close(fd);
  return got;
}

int Index(void* p) {
  return static_cast<int>(reinterpret_cast<intptr_t>(p)) - 1;
}

}  // namespace

extern "C" {

// --- control ------------------------------------------------------------------
void fake_usb_reset() {
  g = State();
}
void fake_usb_add_device(int bus, int address, uint16_t vid, uint16_t pid) {
  g.devices.push_back({bus, address, vid, pid});
}
void fake_usb_set_peer(Peer p) {
  g.peer = p;
}
void fake_usb_fail_writes(int n) {
  g.failWrites = n;
}
void fake_usb_fail_reads(int n) {
  g.failReads = n;
}
// The next reply is delivered cut after n bytes, then a read of 0 bytes.
void fake_usb_short_read(int n) {
  g.shortRead = n;
}
int fake_usb_counter(const char* name) {
  if (!std::strcmp(name, "writes")) return g.writes;
  if (!std::strcmp(name, "reads")) return g.reads;
  if (!std::strcmp(name, "resets")) return g.resets;
  if (!std::strcmp(name, "opens")) return g.opens;
  if (!std::strcmp(name, "closes")) return g.closes;
  if (!std::strcmp(name, "inits")) return g.inits;
  if (!std::strcmp(name, "opened")) return g.opened;
  return -1;
}

// --- libusb-1.0 ---------------------------------------------------------------
int libusb_init(void** ctx) {
  ++g.inits;
  // Bridged to a pty, the bus holds the one registrar behind it.
  if (g.devices.empty() && std::getenv("FAKE_USB_PTY")) g.devices.push_back({1, 1, 0x0483, 0x5740});
  *ctx = &g;
  return 0;
}
void libusb_exit(void*) {}
long libusb_get_device_list(void*, void*** list) {
  auto** l = new void*[g.devices.size() + 1];
  for (size_t i = 0; i < g.devices.size(); ++i) l[i] = reinterpret_cast<void*>(intptr_t(i + 1));
  l[g.devices.size()] = nullptr;
  *list = l;
  return static_cast<long>(g.devices.size());
}
void libusb_free_device_list(void** list, int) {
  delete[] list;
}
int libusb_get_device_descriptor(void* dev, Descriptor* d) {
  std::memset(d, 0, sizeof *d);
  d->bLength = 18;
  d->idVendor = g.devices[Index(dev)].vid;
  d->idProduct = g.devices[Index(dev)].pid;
  return 0;
}
uint8_t libusb_get_bus_number(void* dev) {
  return uint8_t(g.devices[Index(dev)].bus);
}
uint8_t libusb_get_device_address(void* dev) {
  return uint8_t(g.devices[Index(dev)].address);
}
int libusb_open(void* dev, void** handle) {
  ++g.opens;
  g.opened = Index(dev);
  *handle = dev;
  return 0;
}
void libusb_close(void*) {
  ++g.closes;
}
int libusb_set_configuration(void*, int c) {
  return c == 1 ? 0 : -2;
}
int libusb_claim_interface(void*, int i) {
  return i == 0 ? 0 : -2;
}
int libusb_reset_device(void*) {
  ++g.resets;
  return 0;
}
#ifndef FAKE_WITHOUT_BULK
int libusb_bulk_transfer(void* handle, unsigned char ep, unsigned char* data, int len,
                         int* transferred, unsigned) {
  *transferred = 0;
  if (ep == 0x01) {
    ++g.writes;
    if (g.failWrites > 0) {
      --g.failWrites;
      return -1;  // LIBUSB_ERROR_IO
    }
    uint8_t out[600];
    const int n = g.peer ? g.peer(Index(handle), data, len, out, sizeof out)
                         : PtyPeer(data, len, out, sizeof out);
    g.pending.assign(out, out + n);
    g.zeroNext = false;
    if (g.shortRead > 0 && g.shortRead < n) {
      g.pending.resize(g.shortRead);
      g.zeroNext = true;
      g.shortRead = 0;
    }
    *transferred = len;
    return 0;
  }
  ++g.reads;
  if (g.failReads > 0) {
    --g.failReads;
    return -1;
  }
  if (g.pending.empty()) return g.zeroNext ? 0 : -7;  // a zero-length packet, or a time-out
  const int n = std::min<int>(len, static_cast<int>(std::min<size_t>(g.pending.size(), 64)));
  std::memcpy(data, g.pending.data(), n);
  g.pending.erase(g.pending.begin(), g.pending.begin() + n);
  *transferred = n;
  return 0;
}
#else
int fake_usb_unused_pty_peer(const uint8_t* r, int n, uint8_t* o, int c) {
  return PtyPeer(r, n, o, c);
}
#endif
}
