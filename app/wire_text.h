// Text between the registrar (Windows-1251) and the screen.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "link/encoding.h"

namespace tesmar::app {

class Prompt;

inline QString FromWire(std::string_view cp1251) {
  return QString::fromStdString(link::Cp1251ToUtf8(cp1251));
}
// Lossy: a character Windows-1251 lacks becomes "?". For texts the program
// itself wrote; what a person typed goes through WireField.
inline std::string ToWire(const QString& text) {
  return link::Utf8ToCp1251(text.toStdString());
}

// The Windows-1251 bytes of `text`, or nothing when a character has no
// Windows-1251 form.
std::optional<std::string> ToWireExact(const QString& text);
// The characters of `text` that Windows-1251 lacks, each once.
QString CharactersOutsideWire(const QString& text);

// Converts what was typed into the field `caption`; when it cannot be sent
// as it stands, says which characters are the trouble and gives false, so
// that nothing is sent.
bool WireField(Prompt& prompt, const QString& caption, const QString& text, std::string& out);

}  // namespace tesmar::app
