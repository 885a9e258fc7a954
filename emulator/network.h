// Network: the modem's network and acquirer link settings (D0h, D1h, FAh,
// FBh, printed by A6h kind 3), ID_DEV (4Bh-4Dh), the modem report (EAh), the
// last session with the acquirer (FCh), Wi-Fi and the router link (BAh-BCh).
#pragma once

#include <cstdint>
#include <string>

namespace tesmar::emu {

struct Domain;
class Registrar;
struct Answer;

// The modem's interface and its link to the acquirer (FAh, FBh); D1h shows
// the same interface with the remote access server in place of the
// destination.
struct NetworkLink {
  bool dhcp = false;
  uint32_t ip = 0xC0A80064;       // 192.168.0.100
  uint32_t mask = 0xFFFFFF00;     // 255.255.255.0
  uint32_t gateway = 0xC0A80001;  // 192.168.0.1
  uint32_t destination = 0;
  uint16_t port = 0;
  uint16_t period = 60;  // minutes
  uint16_t retry = 30;   // seconds
};

struct ModemState {
  bool samFaulty = false;
  bool cardFaulty = false;
  bool technicalRegistration = false;
  bool ethernet = true;
  long long personalisedAt = 0;  // the registrar's time; 0: not personalised
  int unsent = 0;                // documents not yet sent to the acquirer
  long long firstUnsentAt = 0;
  long long lastSessionAt = 0;  // 0: no session yet
};

struct WifiState {
  std::string ssid;      // Windows-1251
  std::string password;  // the network's
  int auth = 0;          // 0 OPEN, 1 SHARED, 2 WPAPSK, 3 WPA2PSK
  int encryption = 0;    // 0 NONE, 1 WEP_H, 2 WEP_A, 3 TKIP, 4 AES
  bool routerInRange = true;
};

struct NetworkState {
  NetworkLink link;
  uint32_t remoteServer = 0;
  uint16_t remotePort = 0;
  long long idDevMemory = -1;  // -1: not written
  long long idDevCard = -1;
  ModemState modem;
  WifiState wifi;
};

// Seconds the modem may hold an unsent document before it blocks sales.
inline constexpr long long kUnsentLimitSeconds = 72LL * 3600;
// The service parameter that asks the modem to send its documents now.
inline constexpr int kSendNowParameter = 21;

// A6h kind 3: the settings printed on the tape.
Answer PrintNetworkSettings(Registrar& r);

const Domain& NetworkDomain();

}  // namespace tesmar::emu
