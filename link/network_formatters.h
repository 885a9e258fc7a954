// The network commands: remote access, the acquirer link, ID_DEV, the modem
// and Wi-Fi. Addresses go out as 8 upper-case hexadecimal digits in the
// order of the dotted form (192.168.0.1 is "C0A80001"); ports and periods as
// 4 hexadecimal digits, low byte first (8080 = 1F90h is "901F").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "link/driver.h"

namespace tesmar::link {

// The settings D1h and FAh read and FBh sets; D0h sets `server` and `port`.
struct NetworkSettings {
  bool dhcp = false;
  uint32_t ip = 0;
  uint32_t mask = 0;
  uint32_t gateway = 0;
  uint32_t server = 0;  // remote access server (D1h) or destination (FAh)
  uint16_t port = 0;
  uint16_t period = 0;  // communication period, minutes
  uint16_t retry = 0;   // retry period, seconds
  bool operator==(const NetworkSettings&) const = default;
};

std::string HexAddress(uint32_t address);
std::string HexWord(uint16_t value);
// False for anything but exactly 8 (or 4) digits "0"-"9", "A"-"F".
bool ParseHexAddress(std::string_view text, uint32_t& out);
bool ParseHexWord(std::string_view text, uint16_t& out);

const ReplyRecord& ReadNetworkSettings(Driver& d, std::string_view pwd);  // D1h
const ReplyRecord& SetRemoteAccess(Driver& d, std::string_view pwd, uint32_t server,
                                   uint16_t port);                     // D0h
const ReplyRecord& ReadAcquirerLink(Driver& d, std::string_view pwd);  // FAh
const ReplyRecord& SetAcquirerLink(Driver& d, std::string_view pwd,
                                   const NetworkSettings& s);                          // FBh
const ReplyRecord& SetIdDev(Driver& d, std::string_view pwd, std::string_view idDev);  // 4Bh
const ReplyRecord& ReadIdDevFromFiscalMemory(Driver& d, std::string_view pwd);         // 4Ch
const ReplyRecord& ReadIdDevFromCard(Driver& d, std::string_view pwd);                 // 4Dh
const ReplyRecord& ReadModemReport(Driver& d, std::string_view pwd);                   // EAh
const ReplyRecord& ReadModemState(Driver& d, std::string_view pwd, bool print);        // EAh
const ReplyRecord& ReadLastAcquirerSession(Driver& d, std::string_view pwd);           // FCh
const ReplyRecord& ReadWifi(Driver& d, std::string_view pwd);                          // BBh
// `commandLine` goes out as it stands after the password and its ";" (it
// carries its own separators: "SSID;1;4;secret;").
const ReplyRecord& WriteWifi(Driver& d, std::string_view pwd, std::string_view commandLine);  // BAh
const ReplyRecord& ReadRouterLink(Driver& d, std::string_view pwd);                           // BCh

}  // namespace tesmar::link
