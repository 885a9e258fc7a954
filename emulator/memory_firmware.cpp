// Memory and firmware: A0h reports what room is left and the counters.
#include "memory_firmware.h"

#include <cstdio>

#include "domain.h"
#include "emu_codes.h"
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

constexpr HandlerRow kRows[] = {
    {cmd::kReadResources, Resources},
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

const Domain& MemoryFirmwareDomain() {
  static const Domain kDomain{"memory and firmware", kRows, Save, Load};
  return kDomain;
}

}  // namespace tesmar::emu
