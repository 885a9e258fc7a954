// Memory and firmware: A0h reports what room is left and the counters; the
// fiscal memory image (F0h, F1h, F2h) and the firmware read-out (E7h, E8h).
#include "emulator/memory_firmware.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "link/command_codes.h"
#include "emulator/domain.h"
#include "link/encoding.h"
#include "emulator/printing.h"

namespace tesmar::emu {

namespace {

Answer Resources(Registrar& r, ArgReader&) {
  const RegistrarState& s = r.state;
  const bool blank = !s.fiscalized;
  const int freeReports = kFiscalMemoryReports - static_cast<int>(s.fiscalRecords.size());
  const int freeArticles = kGoodsBaseArticles - static_cast<int>(s.articles.size());
  const int freeReceipts = kControlTapeReceipts - s.controlTapeReceipts;
  std::string openedDate = "000000", openedTime = "0000";
  if (s.shiftOpen) {
    const int d = LocalDate(s.shiftOpenedAt), t = LocalTime(s.shiftOpenedAt);
    char text[16];
    std::snprintf(text, sizeof text, "%02d%02d%02d", d % 100, d / 100 % 100, d / 10000 % 100);
    openedDate = text;
    std::snprintf(text, sizeof text, "%04d", t);
    openedTime = text;
  }
  char data[256];
  std::snprintf(data, sizeof data, "%d;%d;%d;%d;%d;%d;%d;%d;%s;%s;%d;%d;", blank ? 1 : 0,
                s.serialNumber.empty() ? 1 : 0, blank ? 1 : 0, blank ? 1 : 0, 1, 1,
                s.emergencyResets, freeReports, openedDate.c_str(), openedTime.c_str(),
                freeArticles, freeReceipts);
  return {"0000", data};
}

constexpr long long kMaxAddress = 9999999999;
// Erasing the memory of a fiscalized registrar: not in this mode.

std::string& Flash(Registrar& r) {
  if (r.state.flash.empty()) r.state.flash = InitialFlashImage(r.options.flashSize);
  return r.state.flash;
}

// The image's size, made or not.
size_t FlashSize(const Registrar& r) {
  return r.state.flash.empty() ? r.options.flashSize : r.state.flash.size();
}

// F0h erases the image of a registrar that is not fiscalized, between
// shifts, with no document open.
Answer ClearFlash(Registrar& r, ArgReader&) {
  const RegistrarState& s = r.state;
  if (s.fiscalized) return Refused(link::err::kWrongMode);
  if (s.document != Document::kClosed) return Refused(link::err::kWrongDocumentState);
  if (s.shiftOpen) return Refused(link::err::kWrongShiftState);
  std::string& flash = Flash(r);
  flash.assign(flash.size(), '\xFF');
  return {};
}

Answer ReadFlash(Registrar& r, ArgReader& args) {
  const long long address = args.Integer(1, 0, kMaxAddress);
  if (!args) return args.Refusal();
  const std::string& flash = Flash(r);
  const size_t at = static_cast<size_t>(std::min<long long>(address, flash.size()));
  const std::string_view chunk = std::string_view(flash).substr(at, 50);
  // Past the end the count comes alone.
  std::string data = std::to_string(chunk.size()) + ";";
  if (!chunk.empty()) data += link::HexBytes(chunk) + ";";
  return {"0000", data};
}

Answer WriteFlash(Registrar& r, ArgReader& args) {
  const long long address = args.Integer(1, 0, kMaxAddress);
  const long long count = args.Integer(2, 1, 50);
  if (!args) return args.Refusal();
  std::string bytes;
  const std::string_view hex = args.Raw(3);
  if (hex.size() != static_cast<size_t>(2 * count) || !ReadHexText(hex, bytes))
    return Refused(link::err::FieldFormat(3));
  if (static_cast<size_t>(address + count) > FlashSize(r)) return Refused(link::err::FieldRange(1));
  Flash(r).replace(static_cast<size_t>(address), bytes.size(), bytes);
  return {};
}

Answer SelectSource(Registrar& r, ArgReader& args) {
  const long long kind = args.Integer(1, 0, 5);
  if (!args) return args.Refusal();
  if (kind == 4) return Refused(link::err::FieldRange(1));
  auto& s = r.state;
  s.source = kind == 5 ? DataSource::kFirmware : DataSource::kEmpty;
  s.sourceOffset = 0;
  s.nextPacket = 0;
  return {"0000", std::to_string(kind == 5 ? r.options.firmwareSize : 0) + ";"};
}

Answer ReadPacket(Registrar& r, ArgReader&) {
  auto& s = r.state;
  if (s.source == DataSource::kNone) return Refused(link::err::kWrongDocumentState);
  const size_t size = s.source == DataSource::kFirmware ? r.options.firmwareSize : 0;
  const size_t from = std::min(s.sourceOffset, size);
  const std::string bytes = FirmwareBytes(from, std::min(kFirmwarePacketBytes, size - from));
  // The last packet carries its number alone.
  std::string data = std::to_string(s.nextPacket) + ";";
  if (!bytes.empty()) data += EscapePacket(bytes) + ";";
  s.sourceOffset += bytes.size();
  ++s.nextPacket;
  if (bytes.empty()) s.source = DataSource::kNone;  // the empty packet ends the read
  return {"0000", data};
}

constexpr HandlerRow kRows[] = {
    {link::cmd::kReadResources, Resources},       {link::cmd::kClearFlash, ClearFlash},
    {link::cmd::kReadFlash, ReadFlash},           {link::cmd::kWriteFlash, WriteFlash},
    {link::cmd::kSelectDataSource, SelectSource}, {link::cmd::kReadDataPacket, ReadPacket},
};

// State file: the counters, and the fiscal memory image once it is made:
// "flash_size=N", then each stretch that differs from the image the
// registrar came with, "flash.A=HEX" (bytes from address A) or
// "flash.A=XX*N" (N bytes of the value XX), in the order of the addresses.

constexpr std::string_view kFlashRun = "flash.";
// The image's size, written before its stretches when it was ever used.
constexpr std::string_view kFlashSize = "flash_size";
constexpr size_t kFillBytes = 64;    // this many equal bytes are written as a fill
constexpr size_t kRunGap = 16;       // stretches closer than this are written as one
constexpr size_t kLineBytes = 4096;  // the most bytes a line of hexadecimal holds

// The image a registrar comes with, at its largest: every size's image is
// its beginning.
std::string_view FactoryImage(size_t size) {
  static const std::string kImage = InitialFlashImage(kMaxFlashSize);
  return std::string_view(kImage).substr(0, size);
}

// The first address from `at` where the two differ; a.size() when none.
size_t NextDifference(std::string_view a, std::string_view b, size_t at) {
  constexpr size_t kBlock = 256;
  while (at + kBlock <= a.size() && std::memcmp(a.data() + at, b.data() + at, kBlock) == 0)
    at += kBlock;
  while (at < a.size() && a[at] == b[at]) ++at;
  return at;
}

// The end of the stretch of differences that starts at `at`.
size_t StretchEnd(std::string_view a, std::string_view b, size_t at) {
  size_t end = at + 1;
  for (size_t i = end; i < a.size() && i - end < kRunGap; ++i)
    if (a[i] != b[i]) end = i + 1;
  return end;
}

size_t EqualBytes(std::string_view bytes, size_t at) {
  size_t n = 1;
  while (at + n < bytes.size() && bytes[at + n] == bytes[at]) ++n;
  return n;
}

// Writes bytes [at, end) of the image as fills and lines of hexadecimal.
void PutStretch(std::string_view flash, size_t at, size_t end, StateWriter& w) {
  while (at < end) {
    const std::string key = std::string(kFlashRun) + std::to_string(at);
    if (const size_t same = std::min(EqualBytes(flash, at), end - at); same >= kFillBytes) {
      w.Put(key, link::HexBytes(flash.substr(at, 1)) + "*" + std::to_string(same));
      at += same;
      continue;
    }
    size_t stop = at + 1;
    while (stop < end && stop - at < kLineBytes && EqualBytes(flash, stop) < kFillBytes) ++stop;
    w.Put(key, link::HexBytes(flash.substr(at, stop - at)));
    at = stop;
  }
}

void SaveFlash(const std::string& flash, StateWriter& w) {
  if (flash.empty()) return;  // never used: the image it came with
  w.Put(kFlashSize, static_cast<long long>(flash.size()));
  const std::string_view factory = FactoryImage(flash.size());
  for (size_t at = NextDifference(flash, factory, 0); at < flash.size();) {
    const size_t end = StretchEnd(flash, factory, at);
    PutStretch(flash, at, end, w);
    at = NextDifference(flash, factory, end);
  }
}

// "XX*N" or hexadecimal bytes.
bool ReadStretch(std::string_view value, std::string& bytes) {
  const size_t star = value.find('*');
  if (star == std::string_view::npos) return ReadHexText(value, bytes) && !bytes.empty();
  long long count = 0;
  std::string fill;
  if (!ReadHexText(value.substr(0, star), fill) || fill.size() != 1 ||
      ParseScaled(value.substr(star + 1), 0, count) != NumberParse::kOk || count < 1 ||
      count > static_cast<long long>(kMaxFlashSize))
    return false;
  bytes.assign(static_cast<size_t>(count), fill[0]);
  return true;
}

KeyLoad LoadFlash(RegistrarState& s, const std::string& key, const std::string& value) {
  long long n = 0;
  if (key == kFlashSize) {
    if (ParseScaled(value, 0, n) != NumberParse::kOk || n < 1 ||
        n > static_cast<long long>(kMaxFlashSize))
      return KeyLoad::kBad;
    s.flash = FactoryImage(static_cast<size_t>(n));
    return KeyLoad::kTaken;
  }
  std::string bytes;
  if (s.flash.empty() || !KeyNumber(key, kFlashRun, n) || !ReadStretch(value, bytes) || n < 0 ||
      static_cast<size_t>(n) > s.flash.size() ||
      bytes.size() > s.flash.size() - static_cast<size_t>(n))
    return KeyLoad::kBad;
  s.flash.replace(static_cast<size_t>(n), bytes.size(), bytes);
  return KeyLoad::kTaken;
}

KeyLoad LoadEmergencyResets(RegistrarState& s, const std::string& value, std::string&) {
  long long v = 0;
  if (ParseScaled(value, 0, v) != NumberParse::kOk || v < 0 || v > 65535) return KeyLoad::kBad;
  s.emergencyResets = static_cast<int>(v);
  return KeyLoad::kTaken;
}

constexpr StateKey kKeys[] = {
    {"emergency_resets", [](const RegistrarState& s) { return std::to_string(s.emergencyResets); },
     LoadEmergencyResets},
};

void Save(const RegistrarState& s, StateWriter& w) {
  SaveKeys(kKeys, s, w);
  SaveFlash(s.flash, w);
}

KeyLoad Load(RegistrarState& s, const std::string& key, const std::string& value,
             std::string& why) {
  if (key == kFlashSize || key.starts_with(kFlashRun)) return LoadFlash(s, key, value);
  return LoadKey(kKeys, s, key, value, why);
}

}  // namespace

std::string InitialFlashImage(size_t size) {
  std::string image(size, '\0');
  uint32_t x = 0x2545F491u;
  for (char& c : image) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    c = static_cast<char>(x >> 24);
  }
  return image;
}

std::string FirmwareBytes(size_t from, size_t count) {
  std::string bytes(count, '\0');
  for (size_t i = 0; i < count; ++i)
    bytes[i] = static_cast<char>(((from + i) * 7 + (from + i) / 256) & 0xFF);
  return bytes;
}

std::string FirmwareImage(size_t size) {
  return FirmwareBytes(0, size);
}

std::string EscapePacket(std::string_view bytes) {
  std::string out;
  for (unsigned char b : bytes) {
    if (b < 0x20 || b == ';' || b == '\\') {
      out += '\\';
      out += static_cast<char>(b + 0x40);
    } else {
      out += static_cast<char>(b);
    }
  }
  return out;
}

const Domain& MemoryFirmwareDomain() {
  static const Domain kDomain{"memory and firmware", kRows, Save, Load};
  return kDomain;
}

}  // namespace tesmar::emu
