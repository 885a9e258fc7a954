// The user logo store.
#include "emulator/logo.h"

#include "link/command_codes.h"
#include "emulator/domain.h"
#include "link/encoding.h"

namespace tesmar::emu {

namespace {

constexpr int kMaxLogoHeight = kLogoStoreBytes * 8 / kLogoMaxWidth;

Answer SetLogoLine(Registrar& r, ArgReader& args) {
  const long long line = args.Integer(1, 0, kLogoStoreBytes / kLogoLineBytes - 1);
  if (!args) return args.Refusal();
  std::string bytes;
  const std::string_view hex = args.Raw(2);
  if (hex.size() != 2 * kLogoLineBytes || !ReadHexText(hex, bytes))
    return Refused(link::err::FieldFormat(2));
  auto& logo = r.state.logo;
  logo.resize(kLogoStoreBytes, 0);
  std::copy(bytes.begin(), bytes.end(), logo.begin() + line * kLogoLineBytes);
  return {};
}

Answer FinishLogo(Registrar& r, ArgReader& args) {
  const long long width = args.Integer(1, 1, kLogoMaxWidth);
  const long long height = args.Integer(2, 1, kMaxLogoHeight);
  if (!args) return args.Refusal();
  if ((width + 7) / 8 * height > kLogoStoreBytes) return Refused(link::err::FieldRange(2));
  r.state.logo.resize(kLogoStoreBytes, 0);
  r.state.logoWidth = static_cast<int>(width);
  r.state.logoHeight = static_cast<int>(height);
  return {};
}

constexpr HandlerRow kRows[] = {
    {link::cmd::kSetLogoLine, SetLogoLine},
    {link::cmd::kFinishLogo, FinishLogo},
};

KeyLoad LoadLogoSize(RegistrarState& s, const std::string& value, std::string&) {
  std::vector<long long> v;
  if (!ReadNumbers(value, v, 2) || v[0] < 0 || v[0] > kLogoMaxWidth || v[1] < 0 ||
      v[1] > kMaxLogoHeight)
    return KeyLoad::kBad;
  s.logoWidth = static_cast<int>(v[0]);
  s.logoHeight = static_cast<int>(v[1]);
  return KeyLoad::kTaken;
}

KeyLoad LoadLogo(RegistrarState& s, const std::string& value, std::string&) {
  std::string bytes;
  if (!ReadHexText(value, bytes) || bytes.size() != kLogoStoreBytes) return KeyLoad::kBad;
  s.logo.assign(bytes.begin(), bytes.end());
  return KeyLoad::kTaken;
}

// A registrar that never stored a logo writes none.
bool HasLogo(const RegistrarState& s) {
  return !s.logo.empty();
}

constexpr StateKey kKeys[] = {
    {"logo_size",
     [](const RegistrarState& s) {
       return JoinNumbers({s.logoWidth, s.logoHeight});
     },
     LoadLogoSize, HasLogo},
    {"logo",
     [](const RegistrarState& s) {
       return link::HexBytes(std::string(s.logo.begin(), s.logo.end()));
     },
     LoadLogo, HasLogo},
};

void Save(const RegistrarState& s, StateWriter& w) {
  SaveKeys(kKeys, s, w);
}

KeyLoad Load(RegistrarState& s, const std::string& key, const std::string& value,
             std::string& why) {
  return LoadKey(kKeys, s, key, value, why);
}

}  // namespace

bool LogoPixel(const LogoState& s, int x, int y) {
  if (x < 0 || y < 0 || x >= s.logoWidth || y >= s.logoHeight) return false;
  const size_t at = static_cast<size_t>(y) * static_cast<size_t>((s.logoWidth + 7) / 8) +
                    static_cast<size_t>(x / 8);
  return at < s.logo.size() && (s.logo[at] & (0x80 >> (x % 8)));
}

void PrintLogo(Registrar& r) {
  // Printed when the registrar parameters' document flags ask for it (27h).
  const RegistrarState& s = r.state;
  if (!(s.parameters.documentFlags & kPrintUserLogoFlag) || s.logoWidth == 0) return;
  for (int y = 0; y < s.logoHeight; ++y) {
    std::string row;
    for (int x = 0; x < s.logoWidth; ++x) row += LogoPixel(s, x, y) ? '#' : '.';
    r.Print(row);
  }
}

const Domain& LogoDomain() {
  static const Domain kDomain{"logo", kRows, Save, Load};
  return kDomain;
}

}  // namespace tesmar::emu
