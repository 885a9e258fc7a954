// Network: remote access, modem, acquirer and Wi-Fi settings. Its commands
// arrive with the windows that send them; until then it has no handlers
// and no state of its own, and its codes are listed as not emulated yet.
#pragma once

namespace tesmar::emu {

struct Domain;

struct NetworkState {};

const Domain& NetworkDomain();

}  // namespace tesmar::emu
