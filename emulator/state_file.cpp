#include "state_file.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "atomic_file.h"
#include "encoding.h"

namespace tesmar::emu {

namespace {

// Text values travel as hexadecimal, so any byte survives.

bool FromHex(const std::string& h, std::string& out) {
  if (h.size() % 2) return false;
  out.clear();
  for (size_t i = 0; i < h.size(); i += 2) {
    int v = 0;
    if (std::sscanf(h.substr(i, 2).c_str(), "%2x", &v) != 1) return false;
    out += static_cast<char>(v);
  }
  return true;
}

}  // namespace

bool LoadState(const std::string& path, RegistrarState& state, std::string* error) {
  std::ifstream in(path);
  if (!in) return true;
  RegistrarState s = state;
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (line.empty() || line[0] == '#') continue;
    const size_t eq = line.find('=');
    const std::string key = line.substr(0, eq),
                      value = eq == std::string::npos ? "" : line.substr(eq + 1);
    bool ok = eq != std::string::npos;
    try {
      if (!ok) {
      } else if (key == "clock_offset") {
        s.clockOffsetSeconds = std::stoll(value);
      } else if (key == "serial") {
        ok = FromHex(value, s.serialNumber);
      } else if (key == "fiscalized") {
        s.fiscalized = value == "1";
      } else if (key == "shift_open") {
        s.shiftOpen = value == "1";
      } else if (key == "emergency_resets") {
        s.emergencyResets = std::stoi(value);
      } else if (key.rfind("service.", 0) == 0) {
        s.serviceParameters[std::stoi(key.substr(8))] = std::stoll(value);
      }
    } catch (const std::exception&) {
      ok = false;
    }
    if (!ok) {
      *error = path + ":" + std::to_string(lineNo) + ": not a state line";
      return false;
    }
  }
  state = s;
  return true;
}

bool SaveState(const std::string& path, const RegistrarState& s) {
  std::ostringstream out;
  out << "# tesmar-emu registrar state\n";
  out << "clock_offset=" << s.clockOffsetSeconds << "\n";
  out << "serial=" << link::HexBytes(s.serialNumber) << "\n";
  out << "fiscalized=" << (s.fiscalized ? 1 : 0) << "\n";
  out << "shift_open=" << (s.shiftOpen ? 1 : 0) << "\n";
  out << "emergency_resets=" << s.emergencyResets << "\n";
  for (const auto& [k, v] : s.serviceParameters) out << "service." << k << "=" << v << "\n";
  return link::WriteFileAtomically(path, out.str());
}

}  // namespace tesmar::emu
