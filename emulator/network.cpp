// Network: settings, ID_DEV, the modem's report and Wi-Fi (see network.h).
#include "emulator/network.h"

#include <cstdio>

#include "link/command_codes.h"
#include "emulator/domain.h"
#include "link/encoding.h"
#include "link/hex.h"
#include "emulator/printing.h"

namespace tesmar::emu {

namespace {

constexpr long long kMaxIdDev = 0xFFFFFFFFLL;
constexpr size_t kMaxSsid = 32;
constexpr size_t kMaxWifiPassword = 63;
constexpr size_t kMinWpaPassword = 8;

// Exactly `digits` upper-case hexadecimal digits.
bool ReadHexDigits(std::string_view text, size_t digits, uint32_t& out) {
  const auto v = link::ParseHex(text, link::HexCase::kUpperOnly);
  if (text.size() != digits || !v) return false;
  out = static_cast<uint32_t>(*v);
  return true;
}

std::string Hex(uint32_t v, int digits) {
  char text[12];
  std::snprintf(text, sizeof text, "%0*X", digits, v);
  return text;
}

// Ports and periods travel low byte first.
std::string Word(uint16_t v) {
  return Hex(static_cast<uint32_t>(((v & 0xFF) << 8) | (v >> 8)), 4);
}

uint32_t ReadAddress(ArgReader& args, int n) {
  uint32_t v = 0;
  if (!ReadHexDigits(args.Raw(n), 8, v)) args.Refuse(link::err::FieldFormat(n));
  return v;
}

uint16_t ReadWord(ArgReader& args, int n) {
  uint32_t v = 0;
  if (!ReadHexDigits(args.Raw(n), 4, v)) args.Refuse(link::err::FieldFormat(n));
  return static_cast<uint16_t>(((v & 0xFF) << 8) | (v >> 8));
}

std::string Dotted(uint32_t a) {
  return std::to_string(a >> 24) + "." + std::to_string((a >> 16) & 0xFF) + "." +
         std::to_string((a >> 8) & 0xFF) + "." + std::to_string(a & 0xFF);
}

std::string SettingsReply(const NetworkLink& l, uint32_t server, uint16_t port) {
  return std::string(l.dhcp ? "1" : "0") + ";" + Hex(l.ip, 8) + ";" + Hex(l.mask, 8) + ";" +
         Hex(l.gateway, 8) + ";" + Hex(server, 8) + ";" + Word(port) + ";" + Word(l.period) + ";" +
         Word(l.retry) + ";";
}

Answer ReadNetwork(Registrar& r, ArgReader&) {
  const NetworkState& s = r.state;
  return {"0000", SettingsReply(s.link, s.remoteServer, s.remotePort)};
}

Answer SetRemoteAccess(Registrar& r, ArgReader& args) {
  const uint32_t server = ReadAddress(args, 1);
  const uint16_t port = ReadWord(args, 2);
  if (!args) return args.Refusal();
  r.state.remoteServer = server;
  r.state.remotePort = port;
  return {};
}

Answer ReadAcquirerLink(Registrar& r, ArgReader&) {
  const NetworkLink& l = r.state.link;
  return {"0000", SettingsReply(l, l.destination, l.port)};
}

Answer SetAcquirerLink(Registrar& r, ArgReader& args) {
  NetworkLink l;
  l.dhcp = args.Integer(1, 0, 1) == 1;
  l.ip = ReadAddress(args, 2);
  l.mask = ReadAddress(args, 3);
  l.gateway = ReadAddress(args, 4);
  l.destination = ReadAddress(args, 5);
  l.port = ReadWord(args, 6);
  l.period = ReadWord(args, 7);
  l.retry = ReadWord(args, 8);
  if (!args) return args.Refusal();
  r.state.link = l;
  return {};
}

// 4Bh writes the number to the fiscal memory and to the modem's card.
Answer SetIdDev(Registrar& r, ArgReader& args) {
  const long long id = args.Integer(1, 1, kMaxIdDev);
  if (!args) return args.Refusal();
  r.state.idDevMemory = id;
  r.state.idDevCard = id;
  return {};
}

Answer IdDevAnswer(long long id) {
  if (id < 0) return Refused(link::err::kNoData);
  return {"0000", std::to_string(id) + ";"};
}

Answer ReadIdDevMemory(Registrar& r, ArgReader&) {
  return IdDevAnswer(r.state.idDevMemory);
}
Answer ReadIdDevCard(Registrar& r, ArgReader&) {
  return IdDevAnswer(r.state.idDevCard);
}

// Service parameter 21 set to 1 asks the modem to send what it holds; the
// modem does so (when it can reach the acquirer) before its next answer.
void SendPendingDocuments(Registrar& r) {
  auto it = r.state.serviceParameters.find(kSendNowParameter);
  if (it == r.state.serviceParameters.end() || it->second != 1) return;
  ModemState& m = r.state.modem;
  if (!m.ethernet || r.state.idDevCard < 0) return;
  it->second = 0;
  m.unsent = 0;
  m.firstUnsentAt = 0;
  m.lastSessionAt = r.Now();
}

bool Blocked(const Registrar& r) {
  const ModemState& m = r.state.modem;
  return m.unsent > 0 && r.Now() - m.firstUnsentAt >= kUnsentLimitSeconds;
}

int StateByte(const Registrar& r) {
  const ModemState& m = r.state.modem;
  return (m.samFaulty ? 0x01 : 0) | (m.cardFaulty ? 0x02 : 0) | (Blocked(r) ? 0x04 : 0) |
         (r.state.idDevCard >= 0 ? 0x08 : 0) | (m.technicalRegistration ? 0x10 : 0) |
         (m.personalisedAt != 0 ? 0x20 : 0) | (m.ethernet ? 0x40 : 0) | (m.unsent > 0 ? 0x80 : 0);
}

// DDMMYYhhmm; empty for no moment.
std::string TenDigits(long long t) {
  if (t == 0) return {};
  const int d = LocalDate(t), hm = LocalTime(t);
  char text[16];
  std::snprintf(text, sizeof text, "%02d%02d%02d%04d", d % 100, d / 100 % 100, d / 10000 % 100, hm);
  return text;
}

std::string DateOf(long long t) {
  return t == 0 ? std::string() : FormatDate(LocalDate(t));
}
std::string TimeOf(long long t) {
  return t == 0 ? std::string() : FormatTime(LocalTime(t));
}

// The registrars with the older modem answer EAh with a report of their own.
bool ReportForm(const Registrar& r) {
  const std::string& m = r.options.model;
  return m.find("3141") != std::string::npos ||
         (m.find("CMP-10") != std::string::npos && m.find("CMP-10M") == std::string::npos);
}

Answer ReportAnswer(Registrar& r) {
  const ModemState& m = r.state.modem;
  const long long id = r.state.idDevCard < 0 ? 0 : r.state.idDevCard;
  const long long end = m.unsent > 0 ? m.firstUnsentAt + kUnsentLimitSeconds : 0;
  return {"0000", std::to_string(id) + ";" + TenDigits(m.personalisedAt) + ";" + TenDigits(end) +
                      ";" + TenDigits(m.unsent > 0 ? m.firstUnsentAt : 0) + ";" +
                      std::to_string(m.unsent) + ";"};
}

void PrintModemState(Registrar& r, int state) {
  const ModemState& m = r.state.modem;
  PrintUtf8(r, "СТАН МОДЕМА");
  r.Print(ReportRow(r, "СТАН", Hex(static_cast<uint32_t>(state), 2)));
  r.Print(ReportRow(r, "ID_DEV", r.state.idDevCard < 0 ? "-" : std::to_string(r.state.idDevCard)));
  r.Print(ReportRow(r, "НЕ ПЕРЕДАНО", std::to_string(m.unsent)));
  if (m.unsent > 0)
    r.Print(ReportRow(r, "ПЕРШИЙ", DateOf(m.firstUnsentAt) + " " + TimeOf(m.firstUnsentAt)));
  if (m.personalisedAt != 0)
    r.Print(
        ReportRow(r, "ПЕРСОНАЛІЗАЦІЯ", DateOf(m.personalisedAt) + " " + TimeOf(m.personalisedAt)));
  r.Print(Ruler(r, '-'));
}

Answer StateAnswer(Registrar& r, bool print) {
  const ModemState& m = r.state.modem;
  const int state = StateByte(r);
  if (print) PrintModemState(r, state);
  const long long first = m.unsent > 0 ? m.firstUnsentAt : 0;
  return {"0000", Hex(static_cast<uint32_t>(state), 2) + ";" + DateOf(first) + ";" + TimeOf(first) +
                      ";" + DateOf(m.personalisedAt) + ";" + TimeOf(m.personalisedAt) + ";"};
}

// The print flag is read before the modem sends anything, so a refused
// request leaves its documents where they are.
Answer Modem(Registrar& r, ArgReader& args) {
  const bool report = ReportForm(r);
  const bool print = !report && args.Integer(1, 0, 1) == 1;
  if (!args) return args.Refusal();
  SendPendingDocuments(r);
  return report ? ReportAnswer(r) : StateAnswer(r, print);
}

Answer LastSession(Registrar& r, ArgReader&) {
  SendPendingDocuments(r);
  const long long t = r.state.modem.lastSessionAt;
  if (t == 0) return Refused(link::err::kNoData);
  return {"0000", DateOf(t) + ";" + TimeOf(t) + ";"};
}

Answer WriteWifi(Registrar& r, ArgReader& args) {
  WifiState w = r.state.wifi;
  w.ssid = args.Text(1, kMaxSsid);
  w.auth = static_cast<int>(args.Integer(2, 0, 3));
  w.encryption = static_cast<int>(args.Integer(3, 0, 4));
  w.password = std::string(args.Raw(4));
  if (!args) return args.Refusal();
  // The WPA modes take a pass phrase of 8 to 63 characters.
  if (w.password.size() > kMaxWifiPassword || (w.auth >= 2 && w.password.size() < kMinWpaPassword))
    return Refused(link::err::FieldRange(4));
  r.state.wifi = w;
  return {};
}

Answer ReadWifi(Registrar& r, ArgReader&) {
  const WifiState& w = r.state.wifi;
  return {"0000", w.ssid + ";" + std::to_string(w.auth) + ";" + std::to_string(w.encryption) + ";" +
                      w.password + ";"};
}

Answer RouterLink(Registrar& r, ArgReader&) {
  const WifiState& w = r.state.wifi;
  if (w.ssid.empty() || !w.routerInRange) return {"0000", ";"};
  return {"0000", w.ssid + " " + Dotted(r.state.link.ip) + ";"};
}

constexpr HandlerRow kRows[] = {
    {link::cmd::kReadNetworkSettings, ReadNetwork},
    {link::cmd::kSetRemoteAccess, SetRemoteAccess},
    {link::cmd::kReadAcquirerLink, ReadAcquirerLink},
    {link::cmd::kSetAcquirerLink, SetAcquirerLink},
    {link::cmd::kSetIdDev, SetIdDev},
    {link::cmd::kReadIdDevFromFiscalMemory, ReadIdDevMemory},
    {link::cmd::kReadIdDevFromCard, ReadIdDevCard},
    {link::cmd::kModemReport, Modem},
    {link::cmd::kLastAcquirerSession, LastSession},
    {link::cmd::kWriteWifi, WriteWifi},
    {link::cmd::kReadWifi, ReadWifi},
    {link::cmd::kRouterLink, RouterLink},
};

bool In(long long v, long long lo, long long hi) {
  return v >= lo && v <= hi;
}

bool LoadLink(NetworkState& s, const std::vector<long long>& n) {
  for (int i = 1; i <= 4; ++i)
    if (!In(n[i], 0, 0xFFFFFFFFLL)) return false;
  for (int i = 5; i <= 7; ++i)
    if (!In(n[i], 0, 0xFFFF)) return false;
  if (!In(n[0], 0, 1)) return false;
  s.link = {n[0] == 1,
            static_cast<uint32_t>(n[1]),
            static_cast<uint32_t>(n[2]),
            static_cast<uint32_t>(n[3]),
            static_cast<uint32_t>(n[4]),
            static_cast<uint16_t>(n[5]),
            static_cast<uint16_t>(n[6]),
            static_cast<uint16_t>(n[7])};
  return true;
}

bool LoadModem(ModemState& m, const std::vector<long long>& n) {
  for (int i = 0; i < 4; ++i)
    if (!In(n[i], 0, 1)) return false;
  if (n[4] < 0 || !In(n[5], 0, 1000000) || n[6] < 0 || n[7] < 0) return false;
  m = {n[0] == 1, n[1] == 1, n[2] == 1, n[3] == 1, n[4], static_cast<int>(n[5]), n[6], n[7]};
  return true;
}

// A key whose value is numbers separated by ",", read whole before `take`
// checks them.
template <bool (*take)(RegistrarState&, const std::vector<long long>&)>
KeyLoad LoadNumbers(RegistrarState& s, const std::string& value, std::string&) {
  std::vector<long long> n;
  if (!ReadNumberList(value, n)) return KeyLoad::kBad;
  return take(s, n) ? KeyLoad::kTaken : KeyLoad::kBad;
}

bool TakeLink(RegistrarState& s, const std::vector<long long>& n) {
  return n.size() == 8 && LoadLink(s, n);
}

bool TakeModem(RegistrarState& s, const std::vector<long long>& n) {
  return n.size() == 8 && LoadModem(s.modem, n);
}

bool TakeRemote(RegistrarState& s, const std::vector<long long>& n) {
  if (n.size() != 2 || !In(n[0], 0, 0xFFFFFFFFLL) || !In(n[1], 0, 0xFFFF)) return false;
  s.remoteServer = static_cast<uint32_t>(n[0]);
  s.remotePort = static_cast<uint16_t>(n[1]);
  return true;
}

bool TakeIdDev(RegistrarState& s, const std::vector<long long>& n) {
  if (n.size() != 2 || !In(n[0], -1, kMaxIdDev) || !In(n[1], -1, kMaxIdDev)) return false;
  s.idDevMemory = n[0];
  s.idDevCard = n[1];
  return true;
}

bool TakeWifi(RegistrarState& s, const std::vector<long long>& n) {
  if (n.size() != 3 || !In(n[0], 0, 3) || !In(n[1], 0, 4) || !In(n[2], 0, 1)) return false;
  s.wifi.auth = static_cast<int>(n[0]);
  s.wifi.encryption = static_cast<int>(n[1]);
  s.wifi.routerInRange = n[2] == 1;
  return true;
}

std::string SaveLink(const RegistrarState& s) {
  const NetworkLink& l = s.link;
  return JoinNumbers(
      {l.dhcp ? 1 : 0, l.ip, l.mask, l.gateway, l.destination, l.port, l.period, l.retry});
}

std::string SaveModem(const RegistrarState& s) {
  const ModemState& m = s.modem;
  return JoinNumbers({m.samFaulty ? 1 : 0, m.cardFaulty ? 1 : 0, m.technicalRegistration ? 1 : 0,
                      m.ethernet ? 1 : 0, m.personalisedAt, m.unsent, m.firstUnsentAt,
                      m.lastSessionAt});
}

constexpr StateKey kKeys[] = {
    {"network.link", SaveLink, LoadNumbers<TakeLink>},
    {"network.remote",
     [](const RegistrarState& s) { return JoinNumbers({s.remoteServer, s.remotePort}); },
     LoadNumbers<TakeRemote>},
    {"network.id_dev",
     [](const RegistrarState& s) { return JoinNumbers({s.idDevMemory, s.idDevCard}); },
     LoadNumbers<TakeIdDev>},
    {"network.modem", SaveModem, LoadNumbers<TakeModem>},
    {"network.wifi",
     [](const RegistrarState& s) {
       return JoinNumbers({s.wifi.auth, s.wifi.encryption, s.wifi.routerInRange ? 1 : 0});
     },
     LoadNumbers<TakeWifi>},
    {"network.wifi_ssid", [](const RegistrarState& s) { return link::HexBytes(s.wifi.ssid); },
     [](RegistrarState& s, const std::string& v, std::string&) {
       return LoadHexText(v, s.wifi.ssid);
     }},
    {"network.wifi_password",
     [](const RegistrarState& s) { return link::HexBytes(s.wifi.password); },
     [](RegistrarState& s, const std::string& v, std::string&) {
       return LoadHexText(v, s.wifi.password);
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

Answer PrintNetworkSettings(Registrar& r) {
  const NetworkState& s = r.state;
  const NetworkLink& l = s.link;
  PrintUtf8(r, "НАЛАШТУВАННЯ МЕРЕЖІ");
  r.Print(ReportRow(r, "DHCP", l.dhcp ? "1" : "0"));
  r.Print(ReportRow(r, "IP", Dotted(l.ip)));
  r.Print(ReportRow(r, "МАСКА", Dotted(l.mask)));
  r.Print(ReportRow(r, "ШЛЮЗ", Dotted(l.gateway)));
  r.Print(ReportRow(r, "ЕКВАЙЄР", Dotted(l.destination)));
  r.Print(ReportRow(r, "ПОРТ", std::to_string(l.port)));
  r.Print(ReportRow(r, "ПЕРІОД, ХВ", std::to_string(l.period)));
  r.Print(ReportRow(r, "ПОВТОР, С", std::to_string(l.retry)));
  r.Print(ReportRow(r, "ДОСТУП: IP", Dotted(s.remoteServer)));
  r.Print(ReportRow(r, "ДОСТУП: ПОРТ", std::to_string(s.remotePort)));
  r.Print(Ruler(r, '-'));
  return {};
}

const Domain& NetworkDomain() {
  static const Domain kDomain{"network", kRows, Save, Load};
  return kDomain;
}

}  // namespace tesmar::emu
