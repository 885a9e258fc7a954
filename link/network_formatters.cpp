#include "link/network_formatters.h"

#include "link/command_codes.h"
#include "link/hex.h"
#include "link/params.h"

namespace tesmar::link {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

// Pairs of upper-case digits, each one byte, most significant pair first.
bool ParsePairs(std::string_view text, size_t digits, uint32_t& out) {
  const auto v = ParseHex(text, HexCase::kUpperOnly);
  if (text.size() != digits || !v) return false;
  out = static_cast<uint32_t>(*v);
  return true;
}

const ReplyRecord& Send(Driver& d, int code, const Params& p) {
  return d.ExecuteCommand(code, p.Str());
}

}  // namespace

std::string HexAddress(uint32_t a) {
  std::string s(8, '0');
  for (int i = 7; i >= 0; --i, a >>= 4) s[static_cast<size_t>(i)] = kDigits[a & 0xF];
  return s;
}

std::string HexWord(uint16_t v) {
  const uint8_t low = v & 0xFF, high = v >> 8;
  return {kDigits[low >> 4], kDigits[low & 0xF], kDigits[high >> 4], kDigits[high & 0xF]};
}

bool ParseHexAddress(std::string_view text, uint32_t& out) {
  return ParsePairs(text, 8, out);
}

bool ParseHexWord(std::string_view text, uint16_t& out) {
  uint32_t swapped = 0;
  if (!ParsePairs(text, 4, swapped)) return false;
  out = static_cast<uint16_t>(((swapped & 0xFF) << 8) | (swapped >> 8));
  return true;
}

const ReplyRecord& ReadNetworkSettings(Driver& d, std::string_view pwd) {
  return Send(d, cmd::kReadNetworkSettings, Params(pwd));
}

const ReplyRecord& SetRemoteAccess(Driver& d, std::string_view pwd, uint32_t server,
                                   uint16_t port) {
  return Send(d, cmd::kSetRemoteAccess, Params(pwd).Add(HexAddress(server)).Add(HexWord(port)));
}

const ReplyRecord& ReadAcquirerLink(Driver& d, std::string_view pwd) {
  return Send(d, cmd::kReadAcquirerLink, Params(pwd));
}

const ReplyRecord& SetAcquirerLink(Driver& d, std::string_view pwd, const NetworkSettings& s) {
  return Send(d, cmd::kSetAcquirerLink,
              Params(pwd)
                  .Add(s.dhcp ? "1" : "0")
                  .Add(HexAddress(s.ip))
                  .Add(HexAddress(s.mask))
                  .Add(HexAddress(s.gateway))
                  .Add(HexAddress(s.server))
                  .Add(HexWord(s.port))
                  .Add(HexWord(s.period))
                  .Add(HexWord(s.retry)));
}

const ReplyRecord& SetIdDev(Driver& d, std::string_view pwd, std::string_view idDev) {
  return Send(d, cmd::kSetIdDev, Params(pwd).Add(idDev));
}
const ReplyRecord& ReadIdDevFromFiscalMemory(Driver& d, std::string_view pwd) {
  return Send(d, cmd::kReadIdDevFromFiscalMemory, Params(pwd));
}
const ReplyRecord& ReadIdDevFromCard(Driver& d, std::string_view pwd) {
  return Send(d, cmd::kReadIdDevFromCard, Params(pwd));
}

const ReplyRecord& ReadModemReport(Driver& d, std::string_view pwd) {
  return Send(d, cmd::kModemReport, Params(pwd));
}
const ReplyRecord& ReadModemState(Driver& d, std::string_view pwd, bool print) {
  return Send(d, cmd::kModemReport, Params(pwd).Add(print ? "1" : "0"));
}
const ReplyRecord& ReadLastAcquirerSession(Driver& d, std::string_view pwd) {
  return Send(d, cmd::kLastAcquirerSession, Params(pwd));
}

const ReplyRecord& ReadWifi(Driver& d, std::string_view pwd) {
  return Send(d, cmd::kReadWifi, Params(pwd));
}
const ReplyRecord& WriteWifi(Driver& d, std::string_view pwd, std::string_view commandLine) {
  std::string params(pwd);
  params += ';';
  params += commandLine;
  return d.ExecuteCommand(cmd::kWriteWifi, params);
}
const ReplyRecord& ReadRouterLink(Driver& d, std::string_view pwd) {
  return Send(d, cmd::kRouterLink, Params(pwd));
}

}  // namespace tesmar::link
