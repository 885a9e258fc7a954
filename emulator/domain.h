// What a domain of the emulator brings: its handler rows and its keys of the
// state file. The registrar registers every domain's rows; the state file
// asks each domain to write its keys and offers each key read to them.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/registrar.h"

namespace tesmar::emu {

struct HandlerRow {
  int code;
  Answer (*handle)(Registrar&, ArgReader&);
};

// Lines of the state file: key=value, one a line.
class StateWriter {
 public:
  void Put(std::string_view key, std::string_view value);
  void Put(std::string_view key, long long value) { Put(key, std::to_string(value)); }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// What a domain says of a key offered to it.
enum class KeyLoad { kTaken, kNotMine, kBad };

// One key of a domain's part of the state file, its name spelled once: how
// its value is written and how a value read for it is taken (on kBad the
// load may say why in `why`).
struct StateKey {
  const char* name;
  std::string (*save)(const RegistrarState&);
  KeyLoad (*load)(RegistrarState&, const std::string& value, std::string& why);
  // Whether the key is written at all; nullptr: always.
  bool (*kept)(const RegistrarState&) = nullptr;
};

// Writes every key of `keys` in order.
void SaveKeys(std::span<const StateKey> keys, const RegistrarState& s, StateWriter& w);
// Loads `key` by its row of `keys`; kNotMine when it has none.
KeyLoad LoadKey(std::span<const StateKey> keys, RegistrarState& s, const std::string& key,
                const std::string& value, std::string& why);

struct Domain {
  const char* name;
  std::span<const HandlerRow> rows;
  void (*save)(const RegistrarState&, StateWriter&);
  // On kBad the domain may say why in `why`.
  KeyLoad (*load)(RegistrarState&, const std::string& key, const std::string& value,
                  std::string& why);
};

// Every domain, in the order their keys are written.
std::span<const Domain* const> Domains();

// Codes the program knows that no domain answers yet (the command rows marked
// not emulated): the registrar refuses them as unknown commands.
const std::vector<int>& NotEmulatedYet();

// Helpers for state values: numbers strictly in decimal, separated by ','
// (false when the count differs or a number is malformed), and texts as
// hexadecimal so any byte survives.
bool ReadNumbers(std::string_view value, std::vector<long long>& out, size_t count);
bool ReadNumberList(std::string_view value, std::vector<long long>& out);
std::string JoinNumbers(const std::vector<long long>& values);
inline std::string JoinNumbers(std::initializer_list<long long> values) {
  return JoinNumbers(std::vector<long long>(values));
}
bool ReadHexText(std::string_view hex, std::string& out);
// A text kept as hexadecimal (ReadHexText), as a key's load.
KeyLoad LoadHexText(const std::string& value, std::string& out);

// The number after `prefix` in a key that starts with it ("service.20");
// false when the rest is not a decimal number.
bool KeyNumber(const std::string& key, std::string_view prefix, long long& number);

}  // namespace tesmar::emu
