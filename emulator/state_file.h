// The registrar's memory kept across runs: a small text file of key=value
// lines, written whole to a temporary file and renamed into place. Each
// domain writes and reads its own keys (domain.h); lines no domain knows
// are kept and written back as they were.
#pragma once

#include <string>

#include "emulator/registrar.h"

namespace tesmar::emu {

// False (and the state untouched) when the file exists but cannot be read
// as a state file; a missing file is a fresh registrar.
bool LoadState(const std::string& path, RegistrarState& state, std::string* error);
// False, with the reason in `error` when given, when the file cannot be
// written (its folder missing or read-only).
bool SaveState(const std::string& path, const RegistrarState& state, std::string* error = nullptr);

// The same on the text of a file, for tests and for the two above. A file
// written on Windows reads the same: its UTF-8 byte order mark and the CR
// of its CR LF line ends are left out.
bool ParseState(const std::string& text, RegistrarState& state, std::string* error);
std::string StateText(const RegistrarState& state);

}  // namespace tesmar::emu
