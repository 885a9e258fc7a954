// The user logo: 29h writes its lines of 24 packed bytes, 31h fixes its
// width and height; receipts print it at their head as pixel rows when the
// registrar's parameters ask for it.
#pragma once

#include <cstdint>
#include <vector>

namespace tesmar::emu {

struct Domain;
class Registrar;

// The logo store as 80h reports it: field 7 its bytes, field 8 the widest
// logo in pixels (so 96 rows at most).
inline constexpr int kLogoStoreBytes = 4608;
inline constexpr int kLogoMaxWidth = 384;
inline constexpr int kLogoLineBytes = 24;

struct LogoState {
  std::vector<uint8_t> logo;  // the store's bytes as written, kLogoStoreBytes once used
  int logoWidth = 0;          // 0: no logo fixed by 31h yet
  int logoHeight = 0;
};

// Whether pixel (x, y) of the fixed logo is black.
bool LogoPixel(const LogoState& s, int x, int y);
// The logo's pixel rows to the tape, one character a pixel: "#" black,
// "." white (a row is as wide as the logo, wider than text lines).
void PrintLogo(Registrar& r);

const Domain& LogoDomain();

}  // namespace tesmar::emu
