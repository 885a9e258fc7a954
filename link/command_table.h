// What the program knows of each command, one descriptor per command, and the
// command table of codes 20h..A3h with captions and templates read from them.
#pragma once

#include <span>
#include <string_view>

namespace tesmar::link {

inline constexpr const char* kWrongCommand = Tesmar::mark("Неверная команда");

// The mode of the registrar whose password opens a command; kOwn: the
// command carries a password of its own, which the registrar checks itself.
enum class PasswordMode { kWorking, kProgramming, kReports, kAdministrator, kOwn };

// What the receiver does to a reply's data before it splits the fields.
enum class ReplyPatch {
  kNone,
  kCommaAfterFirst,  // a "," is put after the first character
  kNinthComma,       // the ninth character becomes ","
  kBlanksToCommas,   // blanks among the first 20 characters become ","
};

// Whether the software registrar answers the command or refuses it as unknown.
enum class Emulation { kEmulated, kNotEmulated };

struct CommandDescriptor {
  int code;
  const char* name;               // as in link::cmd, without the leading k
  const char* caption;            // nullptr outside the command table
  const char* parameterTemplate;  // nullptr outside the command table
  ReplyPatch replyPatch;
  PasswordMode passwordMode;
  Emulation emulation;
};

// Every command, in the order of their codes.
std::span<const CommandDescriptor> Commands();

// The descriptor of `code`, or nullptr for a code the program does not know.
const CommandDescriptor* FindCommand(int code);

// Caption of `code`, or "Неверная команда" when the code is outside 20h..A3h
// or has no entry. Texts are UTF-8.
const char* CommandCaption(int code);

// Gives the caption and the parameter template of `code` and returns true, or
// gives "Неверная команда" (and an empty template) and returns false.
bool LookupCommand(int code, std::string_view& caption, std::string_view& parameterTemplate);

}  // namespace tesmar::link
