// The network windows' texts as they are typed and shown: dotted addresses,
// decimal ports and periods, the acquirer settings file, the modem's dates,
// ID_DEV in hexadecimal and the Wi-Fi command line. No widgets here.
#pragma once

#include <QString>
#include <cstdint>

#include "link/network_formatters.h"

namespace tesmar::service {

inline constexpr const char* kBadAddress = Tesmar::mark("Некорректный IP-адрес. Ошибка!");
inline constexpr const char* kBadPort = Tesmar::mark("Некорректный номер порта. Ошибка!");
inline constexpr const char* kBadPeriod =
    Tesmar::mark("Некорректная величина параметра Периодичность связи. Ошибка!");
inline constexpr const char* kBadRetry =
    Tesmar::mark("Некорректная величина параметра Повторной попытки. Ошибка!");
inline constexpr const char* kBadSettingsFile =
    Tesmar::mark("Файл не содержит параметров связи (8 строк до 29 символов). Ошибка.");
// The longest line of the settings file.
inline constexpr int kSettingsLineLength = 29;

// Four decimal numbers 0 to 255 joined by dots; false for anything else.
bool ParseDottedAddress(const QString& text, uint32_t& out);
QString DottedAddress(uint32_t address);
// A decimal number 0 to 65535.
bool ParseWord(const QString& text, uint16_t& out);

// The fields of the settings windows as they stand on the screen.
struct LinkTexts {
  bool dhcp = false;
  QString ip, mask, gateway, server, port, period, retry;
  bool operator==(const LinkTexts&) const = default;
};
LinkTexts ShownSettings(const link::NetworkSettings& s);
// Empty when every field holds its form; else the message of the first
// field that does not (addresses first, then port, period, retry).
QString ParseLinkTexts(const LinkTexts& t, link::NetworkSettings& out);

// One value a line: the DHCP flag, the four addresses dotted, port and
// periods in decimal.
QString SettingsFileText(const link::NetworkSettings& s);
// Empty, with `out` filled, when the text is such a file.
QString ReadSettingsFile(const QString& text, link::NetworkSettings& out);

// "DDMMYYhhmm" shown as "DD-MM-YY hh:mm"; any other text as it stands.
QString ModemDate(const QString& tenDigits);
// A decimal ID_DEV as 8 upper-case hexadecimal digits; empty when it is
// not a number that fits.
QString IdDevHex(const QString& decimal);
// "SSID;auth;encryption;password;".
QString WifiCommandLine(const QString& ssid, int auth, int encryption, const QString& password);
// Whether a typed SSID or network password holds a ";": in the line built
// from them it would make the registrar read other settings.
bool WifiFieldsHoldSemicolon(const QString& ssid, const QString& password);
inline constexpr const char* kWifiSemicolon =
    Tesmar::mark("Символ \";\" в имени сети или пароле недопустим. Команда не отправлена!");

}  // namespace tesmar::service
