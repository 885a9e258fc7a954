// The program's table of command codes 20h..A3h with captions and templates.
#pragma once

#include <string_view>

namespace tesmar::link {

inline constexpr const char* kWrongCommand = Tesmar::mark("Неверная команда");

// Caption of `code`, or "Неверная команда" when the code is outside 20h..A3h
// or has no entry. Texts are UTF-8.
const char* CommandCaption(int code);

// Gives the caption and the parameter template of `code` and returns true, or
// gives "Неверная команда" (and an empty template) and returns false.
bool LookupCommand(int code, std::string_view& caption, std::string_view& parameterTemplate);

}  // namespace tesmar::link
