#include "domain.h"

#include <array>
#include <cstdio>

namespace tesmar::emu {

std::span<const Domain* const> Domains() {
  static const std::array<const Domain*, 9> kDomains = {
      &IdentityClockDomain(), &DocumentsDomain(),      &ReportsDomain(),
      &ConfigurationDomain(), &MemoryFirmwareDomain(), &NetworkDomain(),
      &CopiesDrawersDomain(), &MaintenanceDomain(),    &LogoDomain(),
  };
  return kDomains;
}

std::span<const int> NotEmulatedYet() {
  static constexpr int kCodes[] = {
      // goods base look-ups
      0x25, 0x26,
      // receipt copies, extra tax, sum discount
      0x66, 0x6A, 0x6C,
      // sound
      0x82};
  return kCodes;
}

void StateWriter::Put(std::string_view key, std::string_view value) {
  text_.append(key);
  text_ += '=';
  text_.append(value);
  text_ += '\n';
}

bool ReadNumbers(std::string_view value, std::vector<long long>& out, size_t count) {
  return ReadNumberList(value, out) && out.size() == count;
}

bool ReadNumberList(std::string_view value, std::vector<long long>& out) {
  out.clear();
  while (true) {
    const size_t comma = value.find(',');
    long long n = 0;
    if (ParseScaled(value.substr(0, comma), 0, n) != NumberParse::kOk) return false;
    out.push_back(n);
    if (comma == std::string_view::npos) break;
    value.remove_prefix(comma + 1);
  }
  return true;
}

std::string JoinNumbers(const std::vector<long long>& values) {
  std::string text;
  for (long long v : values) {
    if (!text.empty()) text += ',';
    text += std::to_string(v);
  }
  return text;
}

bool ReadHexText(std::string_view hex, std::string& out) {
  if (hex.size() % 2) return false;
  std::string bytes;
  for (size_t i = 0; i < hex.size(); i += 2) {
    int v = 0;
    for (char c : hex.substr(i, 2)) {
      const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
      if (d < 0) return false;
      v = v * 16 + d;
    }
    bytes += static_cast<char>(v);
  }
  out = std::move(bytes);
  return true;
}

bool KeyNumber(const std::string& key, std::string_view prefix, long long& number) {
  if (!key.starts_with(prefix)) return false;
  return ParseScaled(std::string_view(key).substr(prefix.size()), 0, number) == NumberParse::kOk;
}

}  // namespace tesmar::emu
