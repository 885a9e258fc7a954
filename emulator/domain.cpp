#include "emulator/domain.h"

#include <array>
#include <cstdio>

#include "link/command_table.h"
#include "link/hex.h"

namespace tesmar::emu {

std::span<const Domain* const> Domains() {
  static const std::array<const Domain*, 9> kDomains = {
      &IdentityClockDomain(), &DocumentsDomain(),      &ReportsDomain(),
      &ConfigurationDomain(), &MemoryFirmwareDomain(), &NetworkDomain(),
      &CopiesDrawersDomain(), &MaintenanceDomain(),    &LogoDomain(),
  };
  return kDomains;
}

const std::vector<int>& NotEmulatedYet() {
  static const std::vector<int> kCodes = [] {
    std::vector<int> codes;
    for (const link::CommandDescriptor& c : link::Commands())
      if (c.emulation == link::Emulation::kNotEmulated) codes.push_back(c.code);
    return codes;
  }();
  return kCodes;
}

void StateWriter::Put(std::string_view key, std::string_view value) {
  text_.append(key);
  text_ += '=';
  text_.append(value);
  text_ += '\n';
}

void SaveKeys(std::span<const StateKey> keys, const RegistrarState& s, StateWriter& w) {
  for (const StateKey& k : keys)
    if (!k.kept || k.kept(s)) w.Put(k.name, k.save(s));
}

KeyLoad LoadKey(std::span<const StateKey> keys, RegistrarState& s, const std::string& key,
                const std::string& value, std::string& why) {
  for (const StateKey& k : keys)
    if (key == k.name) return k.load(s, value, why);
  return KeyLoad::kNotMine;
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
  auto bytes = link::ParseHexBytes(hex, link::HexCase::kUpperOnly);
  if (!bytes) return false;
  out = std::move(*bytes);
  return true;
}

KeyLoad LoadHexText(const std::string& value, std::string& out) {
  return ReadHexText(value, out) ? KeyLoad::kTaken : KeyLoad::kBad;
}

bool KeyNumber(const std::string& key, std::string_view prefix, long long& number) {
  if (!key.starts_with(prefix)) return false;
  return ParseScaled(std::string_view(key).substr(prefix.size()), 0, number) == NumberParse::kOk;
}

}  // namespace tesmar::emu
