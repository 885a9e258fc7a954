// The registrar's memory kept across runs: a small text file of name=value
// lines, written whole to a temporary file and renamed into place.
#pragma once

#include <string>

#include "registrar.h"

namespace tesmar::emu {

// False (and the state untouched) when the file exists but cannot be read
// as a state file; a missing file is a fresh registrar.
bool LoadState(const std::string& path, RegistrarState& state, std::string* error);
bool SaveState(const std::string& path, const RegistrarState& state);

}  // namespace tesmar::emu
