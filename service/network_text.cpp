#include "service/network_text.h"

#include <QStringList>

namespace tesmar::service {

namespace {

bool AllDigits(const QString& text) {
  if (text.isEmpty()) return false;
  for (QChar c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// A decimal number from 0 to `max`, digits only (no sign, no blanks).
bool ParseBounded(const QString& text, uint32_t max, uint32_t& out) {
  if (!AllDigits(text) || text.size() > 10) return false;
  const qulonglong v = text.toULongLong();
  if (v > max) return false;
  out = static_cast<uint32_t>(v);
  return true;
}

}  // namespace

bool ParseDottedAddress(const QString& text, uint32_t& out) {
  const QStringList parts = text.trimmed().split('.');
  if (parts.size() != 4) return false;
  uint32_t a = 0;
  for (const QString& p : parts) {
    uint32_t octet = 0;
    if (!ParseBounded(p, 255, octet)) return false;
    a = (a << 8) | octet;
  }
  out = a;
  return true;
}

QString DottedAddress(uint32_t a) {
  return QString("%1.%2.%3.%4")
      .arg(a >> 24)
      .arg((a >> 16) & 0xFF)
      .arg((a >> 8) & 0xFF)
      .arg(a & 0xFF);
}

bool ParseWord(const QString& text, uint16_t& out) {
  uint32_t v = 0;
  if (!ParseBounded(text.trimmed(), 65535, v)) return false;
  out = static_cast<uint16_t>(v);
  return true;
}

LinkTexts ShownSettings(const link::NetworkSettings& s) {
  return {s.dhcp,
          DottedAddress(s.ip),
          DottedAddress(s.mask),
          DottedAddress(s.gateway),
          DottedAddress(s.server),
          QString::number(s.port),
          QString::number(s.period),
          QString::number(s.retry)};
}

QString ParseLinkTexts(const LinkTexts& t, link::NetworkSettings& out) {
  link::NetworkSettings s;
  s.dhcp = t.dhcp;
  if (!ParseDottedAddress(t.ip, s.ip) || !ParseDottedAddress(t.mask, s.mask) ||
      !ParseDottedAddress(t.gateway, s.gateway) || !ParseDottedAddress(t.server, s.server))
    return kBadAddress;
  if (!ParseWord(t.port, s.port)) return kBadPort;
  if (!ParseWord(t.period, s.period)) return kBadPeriod;
  if (!ParseWord(t.retry, s.retry)) return kBadRetry;
  out = s;
  return {};
}

QString SettingsFileText(const link::NetworkSettings& s) {
  const LinkTexts t = ShownSettings(s);
  return QStringList{t.dhcp ? "1" : "0", t.ip,   t.mask,   t.gateway,
                     t.server,           t.port, t.period, t.retry}
             .join('\n') +
         '\n';
}

QString ReadSettingsFile(const QString& text, link::NetworkSettings& out) {
  QStringList lines = text.split('\n');
  for (QString& l : lines)
    if (l.endsWith('\r')) l.chop(1);
  while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  if (lines.size() != 8) return kBadSettingsFile;
  for (const QString& l : lines)
    if (l.size() > kSettingsLineLength) return kBadSettingsFile;
  if (lines[0] != "0" && lines[0] != "1") return kBadSettingsFile;
  const LinkTexts t{lines[0] == "1", lines[1], lines[2], lines[3],
                    lines[4],        lines[5], lines[6], lines[7]};
  return ParseLinkTexts(t, out);
}

QString ModemDate(const QString& d) {
  if (d.size() != 10 || !AllDigits(d)) return d;
  return d.mid(0, 2) + '-' + d.mid(2, 2) + '-' + d.mid(4, 2) + ' ' + d.mid(6, 2) + ':' +
         d.mid(8, 2);
}

QString IdDevHex(const QString& decimal) {
  uint32_t v = 0;
  if (!ParseBounded(decimal.trimmed(), 0xFFFFFFFFu, v)) return {};
  return QString("%1").arg(v, 8, 16, QChar('0')).toUpper();
}

QString WifiCommandLine(const QString& ssid, int auth, int encryption, const QString& password) {
  return ssid + ';' + QString::number(auth) + ';' + QString::number(encryption) + ';' + password +
         ';';
}

bool WifiFieldsHoldSemicolon(const QString& ssid, const QString& password) {
  return ssid.contains(';') || password.contains(';');
}

}  // namespace tesmar::service
