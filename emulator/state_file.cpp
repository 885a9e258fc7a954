#include "emulator/state_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "link/atomic_file.h"
#include "emulator/domain.h"

namespace tesmar::emu {

namespace {

// Offers one line to every domain; false with the reason when it is bad.
bool LoadLine(RegistrarState& s, const std::string& key, const std::string& value,
              std::string& why) {
  for (const Domain* domain : Domains()) {
    switch (domain->load(s, key, value, why)) {
      case KeyLoad::kTaken:
        return true;
      case KeyLoad::kBad:
        if (why.empty()) why = "bad value for " + key;
        return false;
      case KeyLoad::kNotMine:
        break;
    }
  }
  s.unknownKeys.emplace_back(key, value);
  return true;
}

}  // namespace

bool ParseState(const std::string& text, RegistrarState& state, std::string* error) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  std::istringstream in(text.rfind(kByteOrderMark, 0) == 0 ? text.substr(kByteOrderMark.size())
                                                           : text);
  RegistrarState s = state;
  s.unknownKeys.clear();
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const size_t eq = line.find('=');
    std::string why;
    if (eq == std::string::npos || eq == 0 ||
        !LoadLine(s, line.substr(0, eq), line.substr(eq + 1), why)) {
      *error = std::to_string(lineNo) + ": " + (why.empty() ? "not a state line" : why);
      return false;
    }
  }
  state = std::move(s);
  return true;
}

std::string StateText(const RegistrarState& s) {
  StateWriter w;
  for (const Domain* domain : Domains()) domain->save(s, w);
  for (const auto& [key, value] : s.unknownKeys) w.Put(key, value);
  return "# tesmar-emu registrar state\n" + w.Text();
}

bool LoadState(const std::string& path, RegistrarState& state, std::string* error) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (status.type() == std::filesystem::file_type::not_found) return true;
  std::ifstream in(path, std::ios::binary);
  if (status.type() != std::filesystem::file_type::regular || !in) {
    *error = path + ": cannot be read as a state file";
    return false;
  }
  std::stringstream text;
  text << in.rdbuf();
  if (ParseState(text.str(), state, error)) return true;
  *error = path + ":" + *error;
  return false;
}

bool SaveState(const std::string& path, const RegistrarState& state, std::string* error) {
  return link::WriteFileAtomically(path, StateText(state), error);
}

}  // namespace tesmar::emu
