// The command codes of the registrar protocol, one name each, read from the
// command rows (command_descriptors.h): link::cmd::kSetDateTime is 20h.
//
// The command table, the formatters, the decoder, the windows and the
// emulator all speak of commands by these names. Self-contained: nothing but
// the language is needed to include it.
#pragma once

#include "link/command_descriptors.h"

namespace tesmar::link::cmd {

#define TESMAR_COMMAND_CONSTANT(code, name, ...) inline constexpr int k##name = code;
TESMAR_LINK_COMMANDS(TESMAR_COMMAND_CONSTANT)
#undef TESMAR_COMMAND_CONSTANT

// Service parameter 20 is remote access; the connect switches it off.
inline constexpr int kRemoteAccessParameter = 20;

}  // namespace tesmar::link::cmd
