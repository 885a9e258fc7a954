#include "registrar.h"

#include <cstdio>

namespace tesmar::emu {

Answer Refused(int group, int item) {
  char code[8];
  std::snprintf(code, sizeof code, "%02X%02X", item & 0xFF, group & 0xFF);
  return {code, {}};
}

Registrar::Fields SplitFields(const std::string& params) {
  Registrar::Fields fields;
  std::string current;
  for (char c : params) {
    if (c == ';') {
      fields.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) fields.push_back(current);
  return fields;
}

Registrar::Registrar(RegistrarOptions o)
    : options(std::move(o)), clock_([] { return std::time(nullptr); }) {
  RegisterBasicCommands(*this);
}

Answer Registrar::Execute(int code, const std::string& params) {
  auto it = handlers_.find(code);
  if (it == handlers_.end()) return Refused(0x02, 0x00);  // no such command
  const Fields fields = SplitFields(params);
  if (fields.empty() || fields[0] != options.password) return Refused(0x06, 0x00);
  ++executed_[code];
  return it->second(*this, fields);
}

std::array<uint8_t, 6> Registrar::StatusBytes() const {
  // Bit 7 is always set on the wire; the driver clears it.
  std::array<uint8_t, 6> s{0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
  if (options.serviceMode) s[0] |= 0x01;
  s[2] |= static_cast<uint8_t>(state.document) & 0x0F;
  if (!state.serialNumber.empty()) s[4] |= 0x01;
  if (state.fiscalized) s[4] |= 0x02;
  if (state.shiftOpen) s[5] |= 0x10;
  return s;
}

void Registrar::Print(const std::string& line) {
  tape_.push_back(line);
  if (tapeSink_) tapeSink_(line);
}

long Registrar::Executed(int code) const {
  auto it = executed_.find(code);
  return it == executed_.end() ? 0 : it->second;
}

}  // namespace tesmar::emu
