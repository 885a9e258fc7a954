// What a domain of the emulator brings: its handler rows and its keys of the
// state file. The registrar registers every domain's rows; the state file
// asks each domain to write its keys and offers each key read to them.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "registrar.h"

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

// Codes the program sends that no domain answers yet: the registrar refuses
// them as unknown commands.
std::span<const int> NotEmulatedYet();

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

// The number after `prefix` in a key that starts with it ("service.20");
// false when the rest is not a decimal number.
bool KeyNumber(const std::string& key, std::string_view prefix, long long& number);

}  // namespace tesmar::emu
