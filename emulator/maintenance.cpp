// Maintenance: the reminder and its message, the service counters.
#include "emulator/maintenance.h"

#include <cstdio>
#include <optional>

#include "link/command_codes.h"
#include "emulator/domain.h"
#include "link/encoding.h"
#include "link/hex.h"
#include "emulator/printing.h"

namespace tesmar::emu {

namespace {

// Numbers beyond the 24 named counters are kept as they are set.
constexpr long long kMaxParameter = 65535;
constexpr long long kMaxValue = 999999999;
constexpr size_t kMaxMessageLine = 48;
constexpr size_t kMaxMessageLines = 10;
constexpr int kFiscalizationReport = 1;
constexpr int kReminderReport = 3;
constexpr int kReadOnlyCounter = 0;  // the battery voltage
constexpr int kMtuCounter = 16;

// What the registrar measures itself: the battery (percent) and its free
// memory (bytes). Every other counter reads empty until it is set.
std::optional<long long> MeasuredCounter(int number) {
  switch (number) {
    case 0:
      return 87;
    case 11:
      return 524288;
    default:
      return std::nullopt;
  }
}

Answer AddMessageLine(Registrar& r, ArgReader& args) {
  const long long more = args.Integer(1, 0, 1);
  if (!args) return args.Refusal();
  const std::string line(args.Raw(2));
  if (line.size() > kMaxMessageLine) return Refused(link::err::FieldRange(2));
  auto& buffer = r.state.messageBuffer;
  if (more == 0) buffer.clear();
  if (buffer.size() >= kMaxMessageLines) return Refused(link::err::FieldRange(1));
  buffer.push_back(line);
  return {};
}

// Two upper-case hexadecimal digits of a mask up to 1Fh.
bool ReadMask(std::string_view text, int& mask) {
  const auto v = link::ParseHex(text, link::HexCase::kUpperOnly);
  if (text.size() != 2 || !v) return false;
  mask = static_cast<int>(*v);
  return true;
}

Answer SetReminder(Registrar& r, ArgReader& args) {
  // The old reminder password stands where the access password would.
  const int date = args.Date(2);
  const long long days = args.Integer(3, 0, 999);
  if (!args) return args.Refusal();
  int mask = 0;
  if (!ReadMask(args.Raw(4), mask)) return Refused(link::err::FieldFormat(4));
  if (mask > 0x1F) return Refused(link::err::FieldRange(4));
  auto& s = r.state;
  if (!s.reminderPassword.empty() && args.Raw(0) != s.reminderPassword)
    return Refused(link::err::kWrongPassword);
  s.reminderPassword = std::string(args.Raw(1));
  s.reminderDate = date;
  s.reminderDays = static_cast<int>(days);
  s.reminderMask = mask;
  if (!s.messageBuffer.empty()) s.reminderMessage = std::move(s.messageBuffer);
  s.messageBuffer.clear();
  return {};
}

// 36h: the reminder's date, days and mask; nothing before one is set.
Answer ReadReminder(Registrar& r, ArgReader&) {
  const auto& s = r.state;
  const int d = s.reminderDate;
  if (d == 0) return {};
  char data[64];
  std::snprintf(data, sizeof data, "%02d%02d%02d;%d;%02X;", d % 100, d / 100 % 100, d / 10000 % 100,
                s.reminderDays, s.reminderMask);
  return {"0000", data};
}

void PrintReminderReport(Registrar& r) {
  const auto& s = r.state;
  PrintUtf8(r, "    НАПОМИНАНИЕ О ТО");
  r.Print(ReportRow(r, "Дата события", s.reminderDate ? FormatDate(s.reminderDate) : "-"));
  r.Print(ReportRow(r, "Напоминать за, дней", std::to_string(s.reminderDays)));
  char mask[8];
  std::snprintf(mask, sizeof mask, "%02X", s.reminderMask);
  r.Print(ReportRow(r, "Маска события", mask));
  for (const std::string& line : s.reminderMessage) r.Print(line.substr(0, TapeWidth(r)));
}

// Report 1: the registrar's fiscal identity, printed once it is fiscalized.
void PrintFiscalizationReport(Registrar& r) {
  const RegistrarState& s = r.state;
  PrintUtf8(r, "       ФІСКАЛІЗАЦІЯ");
  r.Print(ReportRow(r, "ЗАВОДСЬКИЙ НОМЕР", s.serialNumber));
  r.Print(ReportRow(r, "ФІСКАЛЬНИЙ НОМЕР", s.fiscalNumber.empty() ? "-" : s.fiscalNumber));
  r.Print(ReportRow(r, "ІД", s.taxIdNumber.empty() ? "-" : s.taxIdNumber));
  r.Print(ReportRow(r, "ПН", s.taxNumber.empty() ? "-" : s.taxNumber));
  r.Print(ReportRow(r, "ДАТА", FormatDate(LocalDate(r.Now())) + " " + FormatTime(LocalTime(r.Now()))));
}

// 84h: the service reports the program asks for, inside a non-fiscal
// document: 1 the fiscalization report, 3 the maintenance reminder.
Answer ServiceReport(Registrar& r, ArgReader& args) {
  const long long kind = args.Integer(1, 0, 9);
  if (!args) return args.Refusal();
  if (kind != kFiscalizationReport && kind != kReminderReport)
    return Refused(link::err::kNotSupported);
  if (r.state.document != Document::kNonFiscal) return Refused(link::err::kWrongDocumentState);
  if (kind == kFiscalizationReport) {
    if (!r.state.fiscalized) return Refused(link::err::kFiscalModeOnly);
    PrintFiscalizationReport(r);
    return {};
  }
  PrintReminderReport(r);
  return {};
}

Answer SetCounter(Registrar& r, ArgReader& args) {
  const long long number = args.Integer(1, 0, kMaxParameter);
  const long long value =
      number == kMtuCounter ? args.Integer(2, 500, 1460) : args.Integer(2, -kMaxValue, kMaxValue);
  if (!args) return args.Refusal();
  if (number == kReadOnlyCounter) return Refused(link::err::kNotSupported);
  r.state.serviceParameters[static_cast<int>(number)] = value;
  if (number == kUsbStorageCounter && value != 0) r.state.usbStorageMode = true;
  return {};
}

Answer ReadCounter(Registrar& r, ArgReader& args) {
  const long long number = args.Integer(1, 0, kMaxParameter);
  if (!args) return args.Refusal();
  const auto value = ServiceCounter(r.state, static_cast<int>(number));
  if (!value) return {};  // never set
  return {"0000", std::to_string(*value) + ";"};
}

constexpr HandlerRow kRows[] = {
    {link::cmd::kAddMessageLine, AddMessageLine},
    {link::cmd::kSetMaintenanceReminder, SetReminder},
    {link::cmd::kReadMaintenanceReminder, ReadReminder},
    {link::cmd::kPrintServiceReport, ServiceReport},
    {link::cmd::kSetServiceParameter, SetCounter},
    {link::cmd::kReadServiceParameter, ReadCounter},
};

constexpr std::string_view kServicePrefix = "service.";

KeyLoad LoadReminder(RegistrarState& s, const std::string& value, std::string&) {
  std::vector<long long> v;
  if (!ReadNumbers(value, v, 3) || v[2] < 0 || v[2] > 0x1F) return KeyLoad::kBad;
  s.reminderDate = static_cast<int>(v[0]);
  s.reminderDays = static_cast<int>(v[1]);
  s.reminderMask = static_cast<int>(v[2]);
  return KeyLoad::kTaken;
}

// A reminder is kept only once 35h set its date.
bool HasReminder(const RegistrarState& s) {
  return s.reminderDate != 0;
}

constexpr StateKey kKeys[] = {
    {"reminder",
     [](const RegistrarState& s) {
       return JoinNumbers({s.reminderDate, s.reminderDays, s.reminderMask});
     },
     LoadReminder, HasReminder},
    {"reminder_password",
     [](const RegistrarState& s) { return link::HexBytes(s.reminderPassword); },
     [](RegistrarState& s, const std::string& v, std::string&) {
       return LoadHexText(v, s.reminderPassword);
     },
     HasReminder},
};

// The reminder's message, one key a line in order.
constexpr std::string_view kReminderLine = "reminder_line";

void Save(const RegistrarState& s, StateWriter& w) {
  for (const auto& [number, value] : s.serviceParameters)
    w.Put(std::string(kServicePrefix) + std::to_string(number), value);
  SaveKeys(kKeys, s, w);
  if (!HasReminder(s)) return;
  for (const std::string& line : s.reminderMessage) w.Put(kReminderLine, link::HexBytes(line));
}

KeyLoad LoadCounter(RegistrarState& s, const std::string& key, const std::string& value) {
  long long number = 0, v = 0;
  if (!KeyNumber(key, kServicePrefix, number) || number < 0 || number > kMaxParameter ||
      ParseScaled(value, 0, v) != NumberParse::kOk || v < -kMaxValue || v > kMaxValue)
    return KeyLoad::kBad;
  s.serviceParameters[static_cast<int>(number)] = v;
  return KeyLoad::kTaken;
}

KeyLoad Load(RegistrarState& s, const std::string& key, const std::string& value,
             std::string& why) {
  if (key.starts_with(kServicePrefix)) return LoadCounter(s, key, value);
  if (key == kReminderLine) {
    std::string text;
    if (!ReadHexText(value, text)) return KeyLoad::kBad;
    s.reminderMessage.push_back(text);
    return KeyLoad::kTaken;
  }
  return LoadKey(kKeys, s, key, value, why);
}

}  // namespace

std::optional<long long> ServiceCounter(const MaintenanceState& s, int number) {
  const auto it = s.serviceParameters.find(number);
  return it == s.serviceParameters.end() ? MeasuredCounter(number) : it->second;
}

const Domain& MaintenanceDomain() {
  static const Domain kDomain{"maintenance", kRows, Save, Load};
  return kDomain;
}

}  // namespace tesmar::emu
