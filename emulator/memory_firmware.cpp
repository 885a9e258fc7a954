// Memory and firmware: A0h reports what room is left and the counters; the
// fiscal memory image (F0h, F1h, F2h) and the firmware read-out (E7h, E8h).
#include "memory_firmware.h"

#include <algorithm>
#include <cstdio>

#include "domain.h"
#include "emu_codes.h"
#include "encoding.h"
#include "printing.h"

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
constexpr ErrorCode kFiscalized = Shared(link::err::kWrongMode);

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
  if (s.fiscalized) return Refused(kFiscalized);
  if (s.document != Document::kClosed) return Refused(err::kWrongDocumentState);
  if (s.shiftOpen) return Refused(err::kWrongShiftState);
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
    return Refused(err::FieldFormat(3));
  if (static_cast<size_t>(address + count) > FlashSize(r)) return Refused(err::FieldRange(1));
  Flash(r).replace(static_cast<size_t>(address), bytes.size(), bytes);
  return {};
}

Answer SelectSource(Registrar& r, ArgReader& args) {
  const long long kind = args.Integer(1, 0, 5);
  if (!args) return args.Refusal();
  if (kind == 4) return Refused(err::FieldRange(1));
  auto& s = r.state;
  s.source = kind == 5 ? DataSource::kFirmware : DataSource::kEmpty;
  s.sourceOffset = 0;
  s.nextPacket = 0;
  return {"0000", std::to_string(kind == 5 ? FirmwareImage().size() : 0) + ";"};
}

Answer ReadPacket(Registrar& r, ArgReader&) {
  auto& s = r.state;
  if (s.source == DataSource::kNone) return Refused(err::kWrongDocumentState);
  const std::string_view all =
      s.source == DataSource::kFirmware ? std::string_view(FirmwareImage()) : std::string_view();
  const std::string_view bytes =
      all.substr(std::min(s.sourceOffset, all.size()), kFirmwarePacketBytes);
  // The last packet carries its number alone.
  std::string data = std::to_string(s.nextPacket) + ";";
  if (!bytes.empty()) data += EscapePacket(bytes) + ";";
  s.sourceOffset += bytes.size();
  ++s.nextPacket;
  if (bytes.empty()) s.source = DataSource::kNone;  // the empty packet ends the read
  return {"0000", data};
}

constexpr HandlerRow kRows[] = {
    {cmd::kReadResources, Resources},       {cmd::kClearFlash, ClearFlash},
    {cmd::kReadFlash, ReadFlash},           {cmd::kWriteFlash, WriteFlash},
    {cmd::kSelectDataSource, SelectSource}, {cmd::kReadDataPacket, ReadPacket},
};

void Save(const RegistrarState& s, StateWriter& w) {
  w.Put("emergency_resets", s.emergencyResets);
}

KeyLoad Load(RegistrarState& s, const std::string& key, const std::string& value, std::string&) {
  if (key != "emergency_resets") return KeyLoad::kNotMine;
  long long v = 0;
  if (ParseScaled(value, 0, v) != NumberParse::kOk || v < 0 || v > 65535) return KeyLoad::kBad;
  s.emergencyResets = static_cast<int>(v);
  return KeyLoad::kTaken;
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

const std::string& FirmwareImage() {
  static const std::string kImage = [] {
    std::string image(kFirmwareSize, '\0');
    for (size_t i = 0; i < image.size(); ++i)
      image[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    return image;
  }();
  return kImage;
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
