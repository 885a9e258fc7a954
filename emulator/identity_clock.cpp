// Identification (80h, 42h) and the clock (20h, 21h).
#include "emulator/identity_clock.h"

#include <cstdio>

#include "link/command_codes.h"
#include "emulator/domain.h"
#include "link/encoding.h"

namespace tesmar::emu {

namespace {

// The logo store's size and widest logo (96 lines of 384 pixels).
constexpr int kLogoBytes = kLogoStoreBytes;
constexpr int kLogoWidth = kLogoMaxWidth;

Answer Identify(Registrar& r, ArgReader&) {
  const RegistrarOptions& o = r.options;
  char data[256];
  std::snprintf(data, sizeof data, "%s;%s;%s;%s;1;1;%d;%d;0;%d;%d;",
                link::Utf8ToCp1251(o.model).c_str(), link::Utf8ToCp1251(o.version).c_str(),
                o.firmwareDate.c_str(), r.state.serialNumber.c_str(), kLogoBytes, kLogoWidth,
                o.taxGroups, o.paymentTypes);
  return {"0000", data};
}

Answer ReadClock(Registrar& r, ArgReader&) {
  const std::time_t t = r.Now();
  std::tm tm{};
  localtime_r(&t, &tm);
  char data[32];
  std::snprintf(data, sizeof data, "%02d%02d%02d;%02d%02d;", tm.tm_mday, tm.tm_mon + 1,
                tm.tm_year % 100, tm.tm_hour, tm.tm_min);
  return {"0000", data};
}

// HHMM as hours and minutes; false unless four digits of a time of day.
bool ReadTime(std::string_view t, int& hour, int& minute) {
  long long v = 0;
  if (t.size() != 4 || ParseScaled(t, 0, v) != NumberParse::kOk) return false;
  hour = static_cast<int>(v / 100);
  minute = static_cast<int>(v % 100);
  return hour < 24 && minute < 60;
}

Answer SetClock(Registrar& r, ArgReader& args) {
  const int date = args.Date(1);
  if (!args) return args.Refusal();
  int hour = 0, minute = 0;
  if (!ReadTime(args.Raw(2), hour, minute)) return Refused(link::err::kTimeFormat);
  if (r.state.shiftOpen) return Refused(link::err::kWrongShiftState);  // not inside a shift
  std::tm tm{};
  tm.tm_mday = date % 100;
  tm.tm_mon = date / 100 % 100 - 1;
  tm.tm_year = date / 10000 - 1900;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_isdst = -1;
  const std::time_t wanted = std::mktime(&tm);
  r.state.clockOffsetSeconds =
      static_cast<long long>(wanted) - (r.Now() - r.state.clockOffsetSeconds);
  return {};
}

Answer ReadSerial(Registrar& r, ArgReader&) {
  if (r.state.serialNumber.empty()) return Refused(link::err::kSerialNumberNotSet);
  return {"0000", r.state.serialNumber + ";"};
}

constexpr HandlerRow kRows[] = {
    {link::cmd::kIdentify, Identify},
    {link::cmd::kReadDateTime, ReadClock},
    {link::cmd::kSetDateTime, SetClock},
    {link::cmd::kReadSerialNumber, ReadSerial},
};

KeyLoad LoadClockOffset(RegistrarState& s, const std::string& value, std::string& why) {
  long long v = 0;
  if (ParseScaled(value, 0, v) != NumberParse::kOk) return KeyLoad::kBad;
  if (v < -kMaxClockOffsetSeconds || v > kMaxClockOffsetSeconds) {
    why = "the clock offset is out of range (at most " + std::to_string(kMaxClockOffsetSeconds) +
          " seconds either way)";
    return KeyLoad::kBad;
  }
  s.clockOffsetSeconds = v;
  return KeyLoad::kTaken;
}

KeyLoad ReadFlag(const std::string& value, bool& flag) {
  if (value != "0" && value != "1") return KeyLoad::kBad;
  flag = value == "1";
  return KeyLoad::kTaken;
}

constexpr StateKey kKeys[] = {
    {"clock_offset", [](const RegistrarState& s) { return std::to_string(s.clockOffsetSeconds); },
     LoadClockOffset},
    {"serial", [](const RegistrarState& s) { return link::HexBytes(s.serialNumber); },
     [](RegistrarState& s, const std::string& v, std::string&) {
       return LoadHexText(v, s.serialNumber);
     }},
    {"fiscalized", [](const RegistrarState& s) { return std::string(s.fiscalized ? "1" : "0"); },
     [](RegistrarState& s, const std::string& v, std::string&) {
       return ReadFlag(v, s.fiscalized);
     }},
};

void Save(const RegistrarState& s, StateWriter& w) {
  SaveKeys(kKeys, s, w);
}

KeyLoad Load(RegistrarState& s, const std::string& key, const std::string& value,
             std::string& why) {
  return LoadKey(kKeys, s, key, value, why);
}

}  // namespace

const Domain& IdentityClockDomain() {
  static const Domain kDomain{"identification and clock", kRows, Save, Load};
  return kDomain;
}

}  // namespace tesmar::emu
